#pragma once
#include <QHash>
#include <QObject>
#include <functional>

// A window message as a message procedure sees it.
struct TWindowMessage {
    unsigned msg = 0;
    quintptr wParam = 0;
    qintptr lParam = 0;
    qintptr result = 0;
};

constexpr unsigned WM_TIMER_MESSAGE = 0x0113;

// A hidden message-only window: periodic timers by the caller's own identifiers, delivered as
// timer messages to a message procedure of the caller's. Messages the procedure does not take
// go to defaultWindowProc().
class TTimerWindow : public QObject {
    Q_OBJECT
public:
    using WindowProc = std::function<void(TWindowMessage &message)>;

    explicit TTimerWindow(WindowProc proc = {}, QObject *parent = nullptr);
    ~TTimerWindow() override;

    void setWindowProc(WindowProc proc) { m_proc = std::move(proc); }

    // Starts (or restarts) timer id with the given period; false when the system refuses it.
    bool setTimer(unsigned id, int intervalMs);
    // As setTimer, but a refusal raises EOutOfResources("Not enough timers available").
    void setTimerOrThrow(unsigned id, int intervalMs);
    // Stops timer id; false when it was not running.
    bool killTimer(unsigned id);
    bool isTimerActive(unsigned id) const { return m_timers.contains(id); }
    int activeTimerCount() const { return int(m_timers.size()); }

    // Delivers a message synchronously to the message procedure, or to the default procedure
    // while none is set; returns the message's result.
    qintptr sendMessage(unsigned msg, quintptr wParam = 0, qintptr lParam = 0);
    static qintptr defaultWindowProc(TWindowMessage &message);

    // Lets a test make the system refuse every new timer.
    static void setRefuseTimersForTesting(bool refuse);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void dispatch(TWindowMessage &message);

    WindowProc m_proc;
    QHash<unsigned, int> m_timers; // our identifier -> Qt's
};
