#include "platform/graphiccontrol.h"

#include "platform/application.h"

#include <QMouseEvent>

TGraphicControl::TGraphicControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground, true);
    setAutoFillBackground(false);
    setMouseTracking(false);
}

void TGraphicControl::mouseEnter(int) {}
void TGraphicControl::mouseLeave(int) {}

void TGraphicControl::click()
{
    if (m_onClick) {
        TNotifyEvent handler = m_onClick;
        TApplication::guarded([&] { handler(this); });
    }
}

void TGraphicControl::invalidate()
{
    ++m_invalidations;
    update();
}

TShiftState TGraphicControl::shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState s;
    if (modifiers & Qt::ShiftModifier) s |= ssShift;
    if (modifiers & Qt::AltModifier) s |= ssAlt;
    if (modifiers & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

void TGraphicControl::enterEvent(QEnterEvent *)
{
    TApplication::guarded([&] { mouseEnter(0); });
}

void TGraphicControl::leaveEvent(QEvent *)
{
    TApplication::guarded([&] { mouseLeave(0); });
}

void TGraphicControl::raiseMouse(const TMouseEvent &handler, QMouseEvent *event, bool doubleClick)
{
    if (!handler)
        return;
    TMouseButton button = mbLeft;
    if (event->button() == Qt::RightButton) button = mbRight;
    else if (event->button() == Qt::MiddleButton) button = mbMiddle;
    TShiftState shift = shiftState(event->modifiers(), event->buttons());
    if (doubleClick)
        shift |= ssDouble;
    const QPoint p = event->position().toPoint();
    TMouseEvent copy = handler;
    TApplication::guarded([&] { copy(this, button, shift, p.x(), p.y()); });
}

void TGraphicControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_clickArmed = true;
    raiseMouse(m_onMouseDown, event, false);
    event->accept();
}

void TGraphicControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press like any other, but it never clicks.
    m_clickArmed = false;
    raiseMouse(m_onMouseDown, event, true);
    event->accept();
}

void TGraphicControl::mouseMoveEvent(QMouseEvent *event)
{
    raiseMouse(m_onMouseMove, event, false);
}

void TGraphicControl::mouseReleaseEvent(QMouseEvent *event)
{
    raiseMouse(m_onMouseUp, event, false);
    if (event->button() == Qt::LeftButton) {
        const bool inside = rect().contains(event->position().toPoint());
        const bool armed = m_clickArmed;
        m_clickArmed = false;
        if (armed && inside)
            TApplication::guarded([&] { click(); });
    }
    event->accept();
}
