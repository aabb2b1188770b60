#include "components/dipswitch.h"

#include "components/dipswitchpainter.h"

namespace {
QString fitted(QString digits, int count)
{
    if (digits.size() > count)
        digits.remove(0, digits.size() - count);
    else if (digits.size() < count)
        digits.prepend(QString(count - digits.size(), QLatin1Char('0')));
    return digits;
}
} // namespace

TDipSwitch::TDipSwitch(QWidget *parent) : TTurnedControl(parent)
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
    const QSize upright = uprightSize();
    showUpright(TDipSwitchPainter::paint(upright.width(), upright.height(), m_numSwitches, m_value, m_switchColor));
}
