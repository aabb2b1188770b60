// Random use of the whole guide: a seeded stream of what a person can do, with the guide's
// invariants checked after every step. A failure prints the seed and the shortest step list
// that still fails. The number of steps comes from MONKEY_STEPS (default 3000).
#include "app/mainform.h"
#include "components/boardhighlight.h"
#include "components/boardimage.h"
#include "components/dipswitch.h"
#include "components/helpform.h"
#include "components/popupform.h"
#include "components/radiopanel.h"
#include "components/setupsupporter.h"
#include "components/techform.h"
#include "components/threejumper.h"
#include "platform/menuitem.h"
#include "support/testmain.h"

#include <QComboBox>
#include <QCursor>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

namespace {
enum class Kind {
    EnterMark, LeaveMarkOutside, LeaveMarkIntoPopup, ClickMark, LeavePopup, MenuEntry, Previous, Next, Done,
    CloseBox, Start, Combo, JumperClick, DipLeft, DipRight, DipDouble, Activate, HelpCommand, TechCommand,
    FocusMemo, FocusCombo, Count
};

struct Step {
    Kind kind;
    int a; // which mark, entry, window, item
};

QString describe(const Step &s)
{
    static const char *names[] = {"enter mark", "leave mark outside", "leave mark into popup", "click mark",
                                  "leave popup", "menu entry", "Previous", "Next", "Done", "close box", "Start",
                                  "combo choice", "jumper click", "DIP left press", "DIP right press",
                                  "DIP double click", "activate window", "Help, How to use", "Help, Technical Support",
                                  "focus to a popup's memo", "focus to the combo box"};
    return QString("%1 %2").arg(names[int(s.kind)]).arg(s.a);
}

std::vector<Step> randomSteps(quint32 seed, int count)
{
    QRandomGenerator rng(seed);
    std::vector<Step> steps;
    steps.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        steps.push_back({Kind(rng.bounded(int(Kind::Count))), int(rng.bounded(64))});
    return steps;
}

// One run of the guide on a fresh main window.
class Session {
public:
    Session()
    {
        form = std::make_unique<TMainForm>();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("The main window was not shown on the screen.");
        form->SetSup->BuildSupport(); // what the first idle moment does
        TApplication::instance()->setOnIdle(nullptr);
        marks = form->BoardImage1->findChildren<TBoardHighlight *>();
    }
    ~Session()
    {
        form.reset();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TMainForm> form;
    QList<TBoardHighlight *> marks;

    QList<TPopupForm *> popups() const
    {
        QList<TPopupForm *> out;
        for (TBoardHighlight *m : marks)
            if (m->popup())
                out << m->popup();
        return out;
    }
    TPopupForm *shownPopup(int pick) const
    {
        QList<TPopupForm *> shown;
        for (TPopupForm *p : popups())
            if (p->isVisible())
                shown << p;
        return shown.isEmpty() ? nullptr : shown.at(pick % shown.size());
    }
    QList<TMenuItem *> entries() const
    {
        QList<TMenuItem *> out;
        for (int i = 0; i < form->MainMenu1->count(); ++i) {
            TMenuItem *kind = form->MainMenu1->item(i);
            if (kind == form->File1 || kind == form->Help1)
                continue;
            for (int j = 0; j < kind->count(); ++j)
                out << kind->item(j);
        }
        return out;
    }

    void run(const Step &s)
    {
        TBoardHighlight *mark = marks.at(s.a % marks.size());
        switch (s.kind) {
        case Kind::EnterMark:
            QCursor::setPos(mark->mapToGlobal(mark->rect().center()));
            mark->mouseEnter(0);
            break;
        case Kind::LeaveMarkOutside:
            QCursor::setPos(QPoint(1279, 1023));
            mark->mouseLeave(0);
            break;
        case Kind::LeaveMarkIntoPopup: {
            TPopupForm *p = groupPopup(mark);
            if (p && p->isVisible())
                QCursor::setPos(p->frameGeometry().center());
            mark->mouseLeave(0);
            break;
        }
        case Kind::ClickMark:
            mark->click();
            break;
        case Kind::LeavePopup:
            if (TPopupForm *p = shownPopup(s.a)) {
                QCursor::setPos(s.a % 2 ? QPoint(1279, 1023) : p->frameGeometry().center());
                QEvent leave(QEvent::Leave);
                QCoreApplication::sendEvent(p, &leave);
            }
            break;
        case Kind::MenuEntry: {
            const QList<TMenuItem *> e = entries();
            if (!e.isEmpty())
                e.at(s.a % e.size())->trigger();
            break;
        }
        case Kind::Previous:
        case Kind::Next:
        case Kind::Done:
            if (TPopupForm *p = shownPopup(s.a)) {
                const char *name = s.kind == Kind::Previous ? "PreviousButton"
                                   : s.kind == Kind::Next   ? "NextButton"
                                                            : "DoneButton";
                if (auto *b = p->findChild<QPushButton *>(name))
                    b->click();
            }
            break;
        case Kind::CloseBox:
            if (TPopupForm *p = shownPopup(s.a))
                p->close();
            else if (form->SetSup->HelpForm()->isVisible())
                form->SetSup->HelpForm()->close();
            else if (form->SetSup->TechForm()->isVisible())
                form->SetSup->TechForm()->close();
            break;
        case Kind::Start:
            form->SetSup->HelpForm()->StartButton->click();
            break;
        case Kind::Combo:
            if (form->ComboBox1->isVisible()) {
                form->ComboBox1->setCurrentIndex(s.a % 4);
                emit form->ComboBox1->activated(s.a % 4);
            }
            break;
        case Kind::JumperClick:
            if (form->Sel0Jumper->isVisible()) {
                TThreeJumper *j = s.a % 2 ? form->Sel1Jumper : form->Sel0Jumper;
                QTest::mouseClick(j, Qt::LeftButton, {}, QPoint(5, 5));
            }
            break;
        case Kind::DipLeft:
        case Kind::DipRight:
            if (form->positionSwitch->isVisible())
                QTest::mouseClick(form->positionSwitch, s.kind == Kind::DipLeft ? Qt::LeftButton : Qt::RightButton,
                                  {}, QPoint(5, 5));
            break;
        case Kind::DipDouble:
            if (form->positionSwitch->isVisible())
                QTest::mouseDClick(form->positionSwitch, Qt::LeftButton, {}, QPoint(5, 5));
            break;
        case Kind::Activate: {
            QList<QWidget *> windows{form.get()};
            for (TPopupForm *p : popups())
                if (p->isVisible())
                    windows << p;
            QWidget *w = windows.at(s.a % windows.size());
            w->activateWindow();
            QCoreApplication::processEvents();
            break;
        }
        case Kind::HelpCommand:
            form->Howtousethisprogram1->trigger();
            break;
        case Kind::TechCommand:
            form->TechnicalSupport1->trigger();
            break;
        case Kind::FocusMemo:
            if (TPopupForm *p = shownPopup(s.a)) {
                p->activateWindow();
                if (auto *memo = p->findChild<QWidget *>("StatusMemo"))
                    memo->setFocus(Qt::TabFocusReason);
            }
            break;
        case Kind::FocusCombo:
            if (form->ComboBox1->isVisible()) {
                form->ComboBox1->window()->activateWindow();
                form->ComboBox1->setFocus(Qt::TabFocusReason);
            }
            break;
        case Kind::Count:
            break;
        }
        QCoreApplication::processEvents();
    }

    TPopupForm *groupPopup(TBoardHighlight *mark) const
    {
        for (TBoardHighlight *m : marks)
            if (m->popup() && (m == mark || m->isTwinOf(mark)))
                return m->popup();
        return nullptr;
    }

    // The first broken invariant, or nothing.
    std::optional<QString> broken() const
    {
        for (TBoardHighlight *m : marks) {
            TPopupForm *p = groupPopup(m);
            for (TBoardHighlight *t : marks)
                if (t->isTwinOf(m) && t->lit() != m->lit())
                    return QString("twins %1 and %2 are not lit together").arg(m->objectName(), t->objectName());
            if (m->lit() && !(p && p->isVisible()))
                return QString("%1 is lit without a shown popup").arg(m->objectName());
            TBoardHighlight *owner = p ? p->highlight() : nullptr;
            if (TMenuItem *entry = m->findMenuEntry()) {
                const bool shouldCheck = owner && owner->pinned() && p->isVisible();
                if (entry->checked() != shouldCheck)
                    return QString("entry of %1 checked %2 while its popup pinned-and-shown is %3")
                        .arg(m->objectName())
                        .arg(entry->checked())
                        .arg(shouldCheck);
            }
        }
        QHash<QString, int> groups;
        for (QWidget *w : TApplication::instance()->forms())
            if (qobject_cast<TPopupForm *>(w))
                if (++groups[w->windowTitle() + QString::number(TApplication::formTag(w))] > 1)
                    return QString("two popups for %1").arg(w->windowTitle());
        TDipSwitch *dip = form->positionSwitch;
        const quint32 spelled = dip->binaryValueStr().toUInt(nullptr, 2);
        if (dip->binaryValueStr().size() != dip->numSwitches() || spelled != dip->value())
            return QString("DIP value %1 and string %2 disagree").arg(dip->value()).arg(dip->binaryValueStr());
        const int fromJumpers = form->jumperPosition();
        static const quint32 dipFor[4] = {3, 1, 2, 0};
        if (form->Sel0Jumper->jumperState() == jsOpen || form->Sel1Jumper->jumperState() == jsOpen)
            return QString("a selection jumper is open");
        if (dip->value() != dipFor[fromJumpers])
            return QString("DIP %1 disagrees with the jumpers' position %2").arg(dip->value()).arg(fromJumpers + 1);
        const int combo = form->ComboBox1->currentIndex();
        if (combo >= 0 && combo != fromJumpers)
            return QString("combo position %1 disagrees with the jumpers' %2").arg(combo + 1).arg(fromJumpers + 1);
        return std::nullopt;
    }
};

// Runs the steps on a fresh guide; the index of the step after which an invariant broke.
std::optional<std::pair<int, QString>> firstFailure(const std::vector<Step> &steps)
{
    Session session;
    for (int i = 0; i < int(steps.size()); ++i) {
        session.run(steps[size_t(i)]);
        if (auto why = session.broken())
            return std::make_pair(i, *why);
    }
    return std::nullopt;
}

// Removes chunks of steps while the run still fails, down to single steps.
std::vector<Step> shrink(std::vector<Step> steps)
{
    for (size_t chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
        for (size_t start = 0; start + chunk <= steps.size();) {
            std::vector<Step> candidate(steps.begin(), steps.begin() + long(start));
            candidate.insert(candidate.end(), steps.begin() + long(start + chunk), steps.end());
            if (firstFailure(candidate))
                steps = candidate;
            else
                start += chunk;
        }
        if (chunk == 1)
            break;
    }
    return steps;
}
} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        MessageBoxes::setResponder([](const MessageBoxRequest &) { return int(MessageBoxAnswer::Ok); });
    }

    void randomUseKeepsTheInvariants_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 20261211u})
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }
    void randomUseKeepsTheInvariants()
    {
        QFETCH(quint32, seed);
        const int total = qEnvironmentVariableIntValue("MONKEY_STEPS") > 0 ? qEnvironmentVariableIntValue("MONKEY_STEPS")
                                                                          : 3000;
        const std::vector<Step> steps = randomSteps(seed, total / 4);
        const auto failure = firstFailure(steps);
        if (!failure)
            return;
        std::vector<Step> prefix(steps.begin(), steps.begin() + failure->first + 1);
        const std::vector<Step> shortest = shrink(prefix);
        QStringList listing;
        for (const Step &s : shortest)
            listing << describe(s);
        const auto again = firstFailure(shortest);
        QFAIL(qPrintable(QString("seed %1: %2 after %3 steps; shortest failing list (%4 steps): %5")
                             .arg(seed)
                             .arg(failure->second)
                             .arg(failure->first + 1)
                             .arg(shortest.size())
                             .arg(listing.join(", "))
                         + (again ? QString(" -> %1").arg(again->second) : QString())));
    }

    void closingTheMainWindowMidRunEndsCleanly_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("steps");
        QTest::newRow("at once") << 7u << 0;
        QTest::newRow("early") << 8u << 15;
        QTest::newRow("late") << 9u << 400;
    }
    void closingTheMainWindowMidRunEndsCleanly()
    {
        QFETCH(quint32, seed);
        QFETCH(int, steps);
        auto session = std::make_unique<Session>();
        for (const Step &s : randomSteps(seed, steps))
            session->run(s);
        QTimer::singleShot(0, session->form.get(), [&] { session->form->Exit2->click(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(session->form->isHidden());
        session.reset(); // everything the page built goes with the main window
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<TForm *>(w), qPrintable(w->windowTitle()));
    }
};

SETUP_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
