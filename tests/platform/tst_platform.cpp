// The platform layer's own rules: component names, colours, the message-box seam and the
// standard error report, the idle notification and the form list.
#include "platform/application.h"
#include "platform/colors.h"
#include "platform/componentowner.h"
#include "platform/errors.h"
#include "platform/form.h"
#include "platform/graphiccontrol.h"
#include "platform/menuitem.h"
#include "platform/messageboxes.h"
#include "support/testmain.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
// A real blocking loop: idle is the moment the loop is about to wait for events, which
// QTest::qWait's polling never reaches.
void runLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct OwnerFixture : TComponentOwner {
    QObject root;
    QObject *add(const QString &name)
    {
        auto *o = new QObject(&root);
        setComponentName(o, name);
        return o;
    }
};
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void init() { MessageBoxes::requests().clear(); }

    void uniqueNameTakesSmallestFreeNumber_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty owner") << QStringList{} << "Options" << "Options1";
        QTest::newRow("Options1 taken") << QStringList{"Options1"} << "Options" << "Options2";
        QTest::newRow("case ignored") << QStringList{"OPTIONS1", "options2"} << "Options" << "Options3";
        QTest::newRow("gap filled") << QStringList{"Header31", "Header33"} << "Header3" << "Header32";
        QTest::newRow("other stems do not count") << QStringList{"Settings1"} << "Options" << "Options1";
        QTest::newRow("ten after nine") << QStringList{"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"} << "A"
                                        << "A10";
    }
    void uniqueNameTakesSmallestFreeNumber()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, stem);
        QFETCH(QString, expected);
        OwnerFixture owner;
        for (const QString &n : existing)
            owner.add(n);
        QCOMPARE(owner.uniqueName(stem), expected);
    }

    void namesAreUniqueWithoutRegardToCase()
    {
        OwnerFixture owner;
        QObject *first = owner.add("DipSwitches1");
        auto *second = new QObject(&owner.root);
        QVERIFY(!owner.setComponentName(second, "dipswitches1"));
        QVERIFY(second->objectName().isEmpty());
        QCOMPARE(owner.findComponent("DIPSWITCHES1"), first);
        // Renaming a component to its own name in another case is allowed.
        QVERIFY(owner.setComponentName(first, "DIPSwitches1"));
        QCOMPARE(first->objectName(), QString("DIPSwitches1"));
    }

    void destroyedComponentsFreeTheirNames()
    {
        OwnerFixture owner;
        delete owner.add("Options1");
        QCOMPARE(owner.uniqueName("Options"), QString("Options1"));
        QVERIFY(!owner.findComponent("Options1"));
    }

    void colorsConvert_data()
    {
        QTest::addColumn<uint>("color");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("blue") << 0x00FF0000u << QColor(0, 0, 255);
        QTest::newRow("yellow") << 0x0000FFFFu << QColor(255, 255, 0);
        QTest::newRow("red") << 0x000000FFu << QColor(255, 0, 0);
        QTest::newRow("maroon") << 0x00000080u << QColor(128, 0, 0);
        QTest::newRow("light grey") << 0x00DDDDDDu << QColor(0xDD, 0xDD, 0xDD);
        QTest::newRow("button face") << 0x8000000Fu << QApplication::palette().color(QPalette::Button);
        QTest::newRow("window text") << 0x80000008u << QApplication::palette().color(QPalette::WindowText);
    }
    void colorsConvert()
    {
        QFETCH(uint, color);
        QFETCH(QColor, expected);
        QCOMPARE(toQColor(color), expected);
        if (!(color & 0x80000000u))
            QCOMPARE(fromQColor(toQColor(color)), TColor(color));
    }

    void errorReportShowsTextAndLoopGoesOn()
    {
        TApplication *app = TApplication::instance();
        bool after = false;
        TApplication::guarded([] { throw EComponentError("Not enough timers available"); });
        after = true;
        QVERIFY(after);
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QCOMPARE(MessageBoxes::requests().first().text, QString("Not enough timers available"));
        QVERIFY(MessageBoxes::requests().first().flags & MessageBoxFlags::IconError);
        Q_UNUSED(app);
    }

    void errorInEventHandlerIsCaughtByNotify()
    {
        struct Thrower : QObject {
            bool event(QEvent *e) override
            {
                if (e->type() == QEvent::User)
                    throw std::runtime_error("handler failed");
                return QObject::event(e);
            }
        } thrower;
        QEvent ev(QEvent::User);
        QCoreApplication::sendEvent(&thrower, &ev);
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QCOMPARE(MessageBoxes::requests().first().text, QString("handler failed"));
    }

    void secondReportWhileOneIsOpenIsNotStacked()
    {
        TApplication *app = TApplication::instance();
        const int suppressedBefore = app->suppressedReports();
        int shown = 0;
        MessageBoxes::setResponder([&](const MessageBoxRequest &) {
            ++shown;
            // An error while the first box is open (its nested loop runs other handlers).
            TApplication::guarded([] { throw std::runtime_error("second"); });
            return int(MessageBoxAnswer::Ok);
        });
        TApplication::guarded([] { throw std::runtime_error("first"); });
        MessageBoxes::setResponder([](const MessageBoxRequest &) { return int(MessageBoxAnswer::Cancel); });
        QCOMPARE(shown, 1);
        QCOMPARE(app->suppressedReports(), suppressedBefore + 1);
        // Once the first box is gone, the next error is shown again.
        TApplication::guarded([] { throw std::runtime_error("third"); });
        QCOMPARE(MessageBoxes::requests().last().text, QString("third"));
    }

    void errorInAClickHandlerIsReportedOnceAndTheControlGoesOn()
    {
        QWidget top;
        top.resize(100, 100);
        auto *control = new TGraphicControl(&top);
        control->setGeometry(10, 10, 40, 40);
        int clicks = 0;
        control->setOnClick([&](QObject *) {
            if (++clicks == 1)
                throw std::runtime_error("click handler failed");
        });
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(MessageBoxes::requests().size(), 1);
        QCOMPARE(MessageBoxes::requests().first().text, QString("click handler failed"));
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks, 2);
        QCOMPARE(MessageBoxes::requests().size(), 1);
    }

    void idleWaitsForTheMainFormsFirstPaint()
    {
        TApplication *app = TApplication::instance();
        QMainWindow main;
        app->setMainForm(&main);
        int calls = 0;
        bool paintedAtFirstCall = false;
        app->setOnIdle([&](QObject *sender, bool &) {
            QCOMPARE(sender, app);
            if (calls++ == 0)
                paintedAtFirstCall = app->mainFormPainted();
            app->setOnIdle(nullptr); // runs once, as the supporter's handler does
        });
        struct Cleanup {
            ~Cleanup()
            {
                TApplication::instance()->setOnIdle(nullptr);
                TApplication::instance()->setMainForm(nullptr);
            }
        } cleanup;
        runLoopFor(60);
        QCOMPARE(calls, 0); // never painted, so never idle
        main.show();
        runLoopFor(200);
        QCOMPARE(calls, 1);
        QVERIFY(paintedAtFirstCall);
        runLoopFor(60);
        QCOMPARE(calls, 1);
    }

    void formsAreListedInCreationOrderWithTags()
    {
        TApplication *app = TApplication::instance();
        const int before = app->forms().size();
        auto *a = new TForm(nullptr, TForm::Style::SizeableToolWindow, true);
        auto *b = new TForm(nullptr);
        a->setWindowTitle("Header 1");
        a->setTag(0);
        b->setWindowTitle("Dip Switches");
        b->setTag(1);
        const QList<QWidget *> forms = app->forms();
        QCOMPARE(forms.size(), before + 2);
        QCOMPARE(forms.at(before), a);
        QCOMPARE(forms.at(before + 1), b);
        QCOMPARE(TApplication::formTag(b), 1);
        delete a;
        QCOMPARE(app->forms().size(), before + 1);
        delete b;
    }

    void formHidesOnCloseAfterItsCallback()
    {
        TForm form(nullptr, TForm::Style::SizeableToolWindow, true);
        bool visibleInCallback = false;
        int calls = 0;
        form.setOnClose([&] {
            ++calls;
            visibleInCallback = form.isVisible();
        });
        form.show();
        QVERIFY(form.close());
        QCOMPARE(calls, 1);
        QVERIFY(visibleInCallback);
        QVERIFY(form.isHidden());
        QVERIFY(!form.testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void fitClientMovesChildrenToOrigin()
    {
        TForm form;
        auto *memo = new QWidget(&form);
        memo->setGeometry(8, 8, 305, 89);
        auto *button = new QWidget(&form);
        button->setGeometry(165, 105, 73, 25);
        form.fitClientToControls();
        QCOMPARE(form.size(), QSize(305, 122));
        QCOMPARE(memo->pos(), QPoint(0, 0));
        QCOMPARE(button->pos(), QPoint(157, 97));
    }

    void checkedMenuItemKeepsItsStateUntilTheHandlerDecides()
    {
        QMainWindow main;
        TMainMenu menu(main.menuBar());
        auto *kind = new TMenuItem(&main, "&Options");
        menu.add(kind);
        auto *entry = new TMenuItem(&main, "Header 1");
        kind->add(entry);
        bool seenChecked = false;
        entry->setOnClick([&](QObject *sender) { seenChecked = static_cast<TMenuItem *>(sender)->checked(); });
        entry->setChecked(true);
        entry->trigger(); // as a user's choice in the menu
        QVERIFY(seenChecked);
        QVERIFY(entry->checked());
        QVERIFY(entry->isChecked());
        QCOMPARE(QString(entry->metaObject()->className()), QString("TMenuItem"));
    }

    void mainMenuInsertsAtIndex()
    {
        QMainWindow main;
        TMainMenu menu(main.menuBar());
        menu.add(new TMenuItem(&main, "&File"));
        menu.add(new TMenuItem(&main, "&Help"));
        menu.insert(1, new TMenuItem(&main, "&Options"));
        menu.insert(1, new TMenuItem(&main, "&Settings"));
        QCOMPARE(menu.captions(), QStringList({"&File", "&Settings", "&Options", "&Help"}));
        QStringList barTexts;
        for (QAction *a : main.menuBar()->actions())
            barTexts << a->text();
        QCOMPARE(barTexts, menu.captions());
    }
};

SETUP_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
