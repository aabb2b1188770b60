#include "components/dipswitch.h"

#include "components/dipswitchpainter.h"
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

QString fitted(QString digits, int count)
{
    if (digits.size() > count)
        digits.remove(0, digits.size() - count);
    else if (digits.size() < count)
        digits.prepend(QString(count - digits.size(), QLatin1Char('0')));
    return digits;
}
} // namespace

TDipSwitch::TDipSwitch(QWidget *parent) : TGraphicControl(parent)
{
    resize(53, 43);
}

TDipSwitch::~TDipSwitch() = default;

QString TDipSwitch::accessibleState() const
{
    // One word a switch, first switch first: "1 1" for both on.
    QStringList bits;
    for (QChar c : m_binaryValueStr)
        bits << QString(c);
    return bits.join(QLatin1Char(' '));
}

quint32 TDipSwitch::mask() const
{
    return m_numSwitches >= 32 ? 0xFFFFFFFFu : ((quint32(1) << m_numSwitches) - 1);
}

void TDipSwitch::setSwitchColor(TColor color)
{
    if (color == m_switchColor)
        return;
    m_switchColor = color;
    invalidate();
}

void TDipSwitch::setOrientation(TOrientationType orientation)
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

void TDipSwitch::setNumSwitches(int count)
{
    if (count == m_numSwitches)
        return;
    if (count < TDipSwitchPainter::MinSwitches || count > TDipSwitchPainter::MaxSwitches)
        return;
    m_numSwitches = count;
    m_binaryValueStr = fitted(m_binaryValueStr, count);
    applyBinaryDigits(m_binaryValueStr);
    invalidate();
}

bool TDipSwitch::applyBinaryDigits(QString digits)
{
    if (digits.isEmpty())
        return false;
    digits = fitted(digits, m_numSwitches);
    quint32 n = 0;
    for (int j = 0; j < m_numSwitches; ++j) {
        if (digits.at(j) == QLatin1Char('1'))
            n |= quint32(1) << (m_numSwitches - 1 - j);
    }
    if (n == m_value)
        return false;
    m_value = n;
    m_binaryValueStr = digits;
    return true;
}

void TDipSwitch::setBinaryValueStr(const QString &text)
{
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('0') || c == QLatin1Char('1'))
            digits.append(c);
    }
    if (applyBinaryDigits(digits))
        invalidate();
}

void TDipSwitch::setValue(quint32 value)
{
    // Bits above the switch count are dropped before comparing, so a value that only differs
    // in those bits changes nothing and asks for no repaint.
    const quint32 reduced = value & mask();
    if (reduced == m_value)
        return;
    QString digits(m_numSwitches, QLatin1Char('0'));
    for (int i = 0; i < m_numSwitches; ++i) {
        if ((reduced >> (m_numSwitches - 1 - i)) & 1u)
            digits[i] = QLatin1Char('1');
    }
    m_value = reduced;
    m_binaryValueStr = digits;
    invalidate();
}

void TDipSwitch::paintEvent(QPaintEvent *)
{
    const bool sideways = m_orientation == otLeft || m_orientation == otRight;
    const int W = sideways ? height() : width();
    const int H = sideways ? width() : height();
    m_workBitmap = TDipSwitchPainter::paint(W, H, m_numSwitches, m_value, m_switchColor);
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
