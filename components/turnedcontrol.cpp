#include "components/turnedcontrol.h"

#include "platform/canvas.h"

#include <QPainter>

namespace {
int quarterTurnsFor(TOrientationType o)
{
    switch (o) {
    case otDown: return 2;
    case otLeft: return 3;
    case otRight: return 1;
    case otUp: break;
    }
    return 0;
}
} // namespace

TTurnedControl::TTurnedControl(QWidget *parent) : TGraphicControl(parent) {}

void TTurnedControl::setOrientation(TOrientationType orientation)
{
    if (orientation == m_orientation)
        return;
    // Toggled rather than set: turning sideways and back before the next paint must not
    // exchange width and height, or the upright drawing would be squeezed into a tall box.
    if (crossesOrientationPair(m_orientation, orientation))
        m_swapPending = !m_swapPending;
    m_orientation = orientation;
    invalidate();
}

QSize TTurnedControl::uprightSize() const
{
    const bool sideways = m_orientation == otLeft || m_orientation == otRight;
    return sideways ? QSize(height(), width()) : QSize(width(), height());
}

void TTurnedControl::showUpright(QImage upright)
{
    m_workBitmap = std::move(upright);
    m_turnedBitmap = turnImage(m_workBitmap, quarterTurnsFor(m_orientation));

    if (m_swapPending) {
        m_swapPending = false;
        if (m_hasPainted)
            resize(height(), width()); // paints again at the new size
    }

    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_turnedBitmap, QRect(0, 0, width(), height()));
    m_hasPainted = true;
}
