#include "platform/timerwindow.h"

#include "platform/errors.h"

#include <QTimerEvent>

namespace {
bool g_refuseTimers = false;
}

TTimerWindow::TTimerWindow(WindowProc proc, QObject *parent) : QObject(parent), m_proc(std::move(proc))
{
    setObjectName(QStringLiteral("TimerWindow"));
}

TTimerWindow::~TTimerWindow()
{
    for (int qtId : std::as_const(m_timers))
        QObject::killTimer(qtId);
}

bool TTimerWindow::setTimer(unsigned id, int intervalMs)
{
    killTimer(id);
    const int qtId = g_refuseTimers ? 0 : QObject::startTimer(intervalMs, Qt::CoarseTimer);
    if (qtId == 0)
        return false;
    m_timers.insert(id, qtId);
    return true;
}

void TTimerWindow::setTimerOrThrow(unsigned id, int intervalMs)
{
    if (!setTimer(id, intervalMs))
        throw EOutOfResources(QStringLiteral("Not enough timers available"));
}

bool TTimerWindow::killTimer(unsigned id)
{
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return false;
    QObject::killTimer(it.value());
    m_timers.erase(it);
    return true;
}

qintptr TTimerWindow::sendMessage(unsigned msg, quintptr wParam, qintptr lParam)
{
    TWindowMessage message{msg, wParam, lParam, 0};
    dispatch(message);
    return message.result;
}

qintptr TTimerWindow::defaultWindowProc(TWindowMessage &message)
{
    message.result = 0;
    return message.result;
}

void TTimerWindow::setRefuseTimersForTesting(bool refuse)
{
    g_refuseTimers = refuse;
}

void TTimerWindow::timerEvent(QTimerEvent *event)
{
    for (auto it = m_timers.cbegin(); it != m_timers.cend(); ++it) {
        if (it.value() == event->timerId()) {
            TWindowMessage message{WM_TIMER_MESSAGE, it.key(), 0, 0};
            dispatch(message);
            return;
        }
    }
    QObject::timerEvent(event);
}

void TTimerWindow::dispatch(TWindowMessage &message)
{
    if (m_proc) {
        WindowProc proc = m_proc; // the procedure may replace itself
        proc(message);
    } else {
        defaultWindowProc(message);
    }
}
