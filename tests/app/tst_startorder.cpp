// The program's start order: the photograph is prefetched before the application object
// exists, and the application still finds itself on the main thread. Runs a plain program
// that starts that way (a test library of its own would meet Qt first and hide the fault).
#include "support/testmain.h"

#include <QProcess>
#include <QTest>

class TestStartOrder : public QObject {
    Q_OBJECT
private slots:
    void prefetchBeforeTheApplicationKeepsItOnTheMainThread()
    {
        QProcess probe;
        probe.start(QStringLiteral(STARTORDER_PROBE), QStringList());
        QVERIFY(probe.waitForFinished(30000));
        const QString errors = QString::fromLocal8Bit(probe.readAllStandardError());
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QVERIFY2(!errors.contains(QStringLiteral("main() thread")), qPrintable(errors));
        QCOMPARE(QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed(), QStringLiteral("picture 600x559"));
    }
};

SETUP_TEST_MAIN(TestStartOrder)
#include "tst_startorder.moc"
