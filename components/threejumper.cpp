#include "components/threejumper.h"

#include "components/jumperpainter.h"

#include <cstring>

TThreeJumper::TThreeJumper(QWidget *parent) : TTurnedControl(parent)
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
    TJumperPainter::Colors colors;
    colors.background = backgroundColor();
    colors.base = m_baseColor;
    colors.pin = m_pinColor;
    colors.jumper = m_jumperColor;
    const QSize upright = uprightSize();
    showUpright(TJumperPainter::paint(upright.width(), upright.height(), m_jumperState, colors, m_borderStyle));
}
