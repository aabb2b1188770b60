#include "components/popupform.h"

#include "components/boardhighlight.h"
#include "platform/application.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

TPopupForm::TPopupForm(TBoardHighlight *owner) : TForm(owner, Style::SizeableToolWindow, true)
{
    m_frameWatch = new QTimer(this);
    m_frameWatch->setInterval(40);
    connect(m_frameWatch, &QTimer::timeout, this, [this] {
        if (!isVisible() || !containsScreenPoint(QCursor::pos()))
            m_frameWatch->stop();
        if (isVisible() && !containsScreenPoint(QCursor::pos()))
            TApplication::guarded([this] { pointerLeft(); });
    });
    m_lastFocusWindow = QGuiApplication::focusWindow();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TPopupForm::onFocusWindowChanged);
}

TPopupForm::~TPopupForm() = default;

bool TPopupForm::containsScreenPoint(const QPoint &global) const
{
    const QPoint p = global - QPoint(outerLeft(), outerTop());
    return p.x() >= 0 && p.y() >= 0 && p.x() < outerWidth() && p.y() < outerHeight();
}

void TPopupForm::activationChanged(bool active)
{
    // The form's own activation callbacks are not raised here: they follow the focus moving
    // between windows of the program (onFocusWindowChanged), not the window system's notice.
    if (m_highlight)
        m_highlight->setPopupActive(active, true);
}

void TPopupForm::onFocusWindowChanged(QWindow *now)
{
    QWindow *mine = windowHandle();
    QWindow *previous = m_lastFocusWindow;
    m_lastFocusWindow = now;
    if (!mine)
        return;
    if (now == mine && previous && previous != mine)
        raiseActivationCallbacks(true);
    else if (previous == mine && now && now != mine)
        raiseActivationCallbacks(false);
}

void TPopupForm::pointerLeft()
{
    if (containsScreenPoint(QCursor::pos()) || !m_closeOnLeave)
        return;
    close();
}

void TPopupForm::enterEvent(QEnterEvent *event)
{
    m_frameWatch->stop();
    TForm::enterEvent(event);
}

void TPopupForm::leaveEvent(QEvent *event)
{
    TApplication::guarded([this] { pointerLeft(); });
    // Leaving the client area into the frame or caption is no exit yet, and no second leave
    // notice comes when the pointer then leaves the frame: watch it until it does.
    if (isVisible() && m_closeOnLeave && containsScreenPoint(QCursor::pos()))
        m_frameWatch->start();
    TForm::leaveEvent(event);
}

void TPopupForm::hideEvent(QHideEvent *event)
{
    m_frameWatch->stop();
    TForm::hideEvent(event);
}
