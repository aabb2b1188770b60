#include "components/threejumper.h"

#include "components/jumperpainter.h"
#include "platform/canvas.h"

#include <QPainter>
#include <cstring>

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

TThreeJumper::TThreeJumper(QWidget *parent) : TGraphicControl(parent)
{
    resize(43, 18);
}

TThreeJumper::~TThreeJumper() = default;

void TThreeJumper::setJumperState(TJumperState state)
{
    if (state == m_jumperState || (state == jsOpen && !m_allowOpen))
        return;
    m_jumperState = state;
    invalidate();
}

void TThreeJumper::setBaseColor(TColor color)
{
    if (color == m_baseColor)
        return;
    m_baseColor = color;
    invalidate();
}

void TThreeJumper::setPinColor(TColor color)
{
    if (color == m_pinColor)
        return;
    m_pinColor = color;
    invalidate();
}

void TThreeJumper::setJumperColor(TColor color)
{
    if (color == m_jumperColor)
        return;
    m_jumperColor = color;
    invalidate();
}

void TThreeJumper::setOrientation(TOrientationType orientation)
{
    if (orientation == m_orientation)
        return;
    // Toggled, so that sideways and back before the next paint exchanges nothing.
    if (crossesOrientationPair(m_orientation, orientation))
        m_swapPending = !m_swapPending;
    m_orientation = orientation;
    invalidate();
}

void TThreeJumper::setBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    invalidate();
}

void TThreeJumper::setAllowOpen(bool allow)
{
    if (allow == m_allowOpen)
        return;
    m_allowOpen = allow;
    if (!allow && m_jumperState == jsOpen)
        m_jumperState = jsLeft;
    invalidate();
}

void TThreeJumper::click()
{
    switch (m_jumperState) {
    case jsOpen: setJumperState(jsLeft); break;
    case jsLeft: setJumperState(jsRight); break;
    case jsRight: setJumperState(m_allowOpen ? jsOpen : jsLeft); break;
    }
    TGraphicControl::click();
}

QString TThreeJumper::accessibleState() const
{
    switch (m_jumperState) {
    case jsLeft: return QStringLiteral("left pins");
    case jsRight: return QStringLiteral("right pins");
    case jsOpen: break;
    }
    return QStringLiteral("open");
}

TColor TThreeJumper::backgroundColor() const
{
    // By exact class name, not by inheritance: a panel derived from the radio panel does not count.
    const QWidget *parent = parentWidget();
    if (parent && std::strcmp(parent->metaObject()->className(), "TRadioPanel") == 0) {
        bool ok = false;
        const TColor color = parent->property("Color").toUInt(&ok);
        if (ok)
            return color;
    }
    return TColors::BtnFace;
}

void TThreeJumper::paintEvent(QPaintEvent *)
{
    const bool sideways = m_orientation == otLeft || m_orientation == otRight;
    const int W = sideways ? height() : width();
    const int H = sideways ? width() : height();
    TJumperPainter::Colors colors;
    colors.background = backgroundColor();
    colors.base = m_baseColor;
    colors.pin = m_pinColor;
    colors.jumper = m_jumperColor;
    m_workBitmap = TJumperPainter::paint(W, H, m_jumperState, colors, m_borderStyle);
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
