#pragma once
#include <QApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>
#include <thread>

// The application object: the idle notification, the standard error report and the list of
// top-level forms in creation order (Qt's own list is in hash order and holds menus too).
class TApplication : public QApplication {
    Q_OBJECT
public:
    using IdleHandler = std::function<void(QObject *sender, bool &done)>;

    TApplication(int &argc, char **argv);
    ~TApplication() override;

    static TApplication *instance();

    // Raised at the first moment the event queue runs empty after the main form's first
    // paint, and again at each later such moment until the handler is cleared.
    void setOnIdle(IdleHandler handler);
    bool hasIdleHandler() const { return bool(m_onIdle); }

    // The main form is the first form the program creates, unless one is set explicitly.
    QWidget *mainForm() const;
    void setMainForm(QWidget *form);
    bool mainFormPainted() const { return m_mainPainted; }

    void registerForm(QWidget *form);
    QList<QWidget *> forms() const;
    static int formTag(const QWidget *form);

    // The standard error report: a message box with the error's text; the loop goes on.
    // While one report is open a second one is not stacked on top of it.
    void showException(const QString &text);
    void handleException(std::exception_ptr error);
    int suppressedReports() const { return m_suppressedReports; }

    // Runs fn and reports what escapes it. Callbacks of the page run through here, so an
    // exception never unwinds through Qt's frames.
    static void guarded(const std::function<void()> &fn);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void onAboutToBlock();

    std::thread m_fontWarmUp;
    IdleHandler m_onIdle;
    QPointer<QWidget> m_mainForm;
    QList<QPointer<QWidget>> m_forms;
    bool m_mainPainted = false;
    bool m_inIdle = false;
    bool m_reporting = false;
    int m_suppressedReports = 0;
};
