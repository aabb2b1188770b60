#include "driver/llzorquel.h"

#include <QLibrary>

namespace LLZorquel {

const std::array<const char *, EntryPointCount> EntryPointNames = {
    "GetNumCards",    "QueryCardInfo",  "QueryBARBase",   "WaitForIRQ",     "COSWaitForIRQ",   "WDGHandleIRQ",
    "AbortRequest",   "CloseCard",      "WDGInit",        "WDGSetTimeout",  "WDGSetResetDuration", "WDGPet",
    "WDGReadTemp",    "WDGReadStatus",  "WDGStart",       "WDGStop",        "EmergencyReboot", "InPortB",
    "OutPortB",       "InPort",         "OutPort",        "InPortL",        "OutPortL",        "InPortDWord",
    "OutPortDWord",   "RelInPortB",     "RelOutPortB",    "RelInPort",      "RelOutPort",      "RelInPortL",
    "RelOutPortL",    "RelInPortDWord", "RelOutPortDWord",
};

QString defaultLibraryFileName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Zorquel.dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("libZorquel.dylib");
#else
    return QStringLiteral("libZorquel.so");
#endif
}

TDriverBinding::TDriverBinding(const QString &fileName) : m_fileName(fileName) {}

void TDriverBinding::LoadDriver()
{
    if (m_available)
        return;
    ++m_loaderRequests;
    // A bare file name goes to the system loader's own search; QLibrary adds no directory of
    // its own, so the current directory is searched only if the user's loader path says so.
    QLibrary library(m_fileName);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load())
        return;
    bool all = true;
    for (int i = 0; i < EntryPointCount; ++i) {
        m_slots[i] = reinterpret_cast<void *>(library.resolve(EntryPointNames[i]));
        all = all && m_slots[i];
    }
    m_available = all;
    // The QLibrary object goes; the library stays loaded until the process ends.
}

void *TDriverBinding::slot(int index) const
{
    return index >= 0 && index < EntryPointCount ? m_slots[index] : nullptr;
}

int TDriverBinding::cardCount() const
{
    const TGetNumCards count = getNumCards();
    return count ? count() : 0;
}

TDriverBinding &driver()
{
    static TDriverBinding binding;
    return binding;
}

} // namespace LLZorquel
