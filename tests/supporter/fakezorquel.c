/* A stand-in for the maker's driver library, built in several variants that export more or
   fewer of the 33 entry points. Only GetNumCards does anything: it returns a count that the
   tests set through FakeZorquelSetCardCount. */
#define EXPORT __attribute__((visibility("default")))

static int g_cardCount = 0;

EXPORT void FakeZorquelSetCardCount(int count) { g_cardCount = count; }

#if defined(FAKE_HAS_GETNUMCARDS)
EXPORT int GetNumCards(void) { return g_cardCount; }
#endif

#if defined(FAKE_HAS_REST)
#define STUB(name) EXPORT int name(void) { return 0; }
STUB(QueryCardInfo) STUB(QueryBARBase) STUB(WaitForIRQ) STUB(COSWaitForIRQ) STUB(WDGHandleIRQ)
STUB(AbortRequest) STUB(CloseCard) STUB(WDGInit) STUB(WDGSetTimeout) STUB(WDGSetResetDuration)
STUB(WDGPet) STUB(WDGReadTemp) STUB(WDGReadStatus) STUB(WDGStart) STUB(WDGStop)
#if !defined(FAKE_LACKS_EMERGENCYREBOOT)
STUB(EmergencyReboot)
#endif
STUB(InPortB) STUB(OutPortB) STUB(InPort) STUB(OutPort) STUB(InPortL) STUB(OutPortL)
STUB(InPortDWord) STUB(OutPortDWord) STUB(RelInPortB) STUB(RelOutPortB) STUB(RelInPort)
STUB(RelOutPort) STUB(RelInPortL) STUB(RelOutPortL) STUB(RelInPortDWord) STUB(RelOutPortDWord)
#endif

/* Same name in another case: must not be taken for the real one. */
#if defined(FAKE_WRONG_CASE)
EXPORT int getnumcards(void) { return 99; }
EXPORT int GETNUMCARDS(void) { return 99; }
#endif
