#include "components/dipswitchpainter.h"

#include "platform/canvas.h"

namespace {
QRect box(int l, int t, int r, int b)
{
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}
} // namespace

TDipSwitchPainter::Measures TDipSwitchPainter::measures(int width, int height, int numSwitches)
{
    Measures m;
    const int n = qBound(MinSwitches, numSwitches, MaxSwitches);
    m.k = (height - 16) / 2;
    // Integer arithmetic: k * 0.85 in floating point gives 16.999... for k = 20.
    m.t = 85 * m.k / 100;
    m.s = (width - 3) / (n + 1);
    m.g = (width - 3 - n * m.s) / n;
    return m;
}

QRect TDipSwitchPainter::slotRect(int width, int height, int numSwitches, int i)
{
    const Measures m = measures(width, height, numSwitches);
    const int x = m.switchLeft(i);
    return box(x, 13, x + m.s, height - 3);
}

QRect TDipSwitchPainter::actuatorRect(int width, int height, int numSwitches, int i, bool on)
{
    const Measures m = measures(width, height, numSwitches);
    const int x = m.switchLeft(i);
    return on ? box(x, 13, x + m.s, 13 + m.t) : box(x, height - 3 - m.t, x + m.s, height - 3);
}

bool TDipSwitchPainter::switchOn(quint32 value, int numSwitches, int i)
{
    const int bit = numSwitches - 1 - i;
    return bit >= 0 && bit < 32 && (value >> bit) & 1u;
}

QFont TDipSwitchPainter::legendFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QImage TDipSwitchPainter::paint(int width, int height, int numSwitches, quint32 value, TColor switchColor)
{
    QImage image(qMax(width, 0), qMax(height, 0), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int n = qBound(MinSwitches, numSwitches, MaxSwitches);

    TCanvas canvas(image);
    canvas.pen = {TColors::Black, 1, Qt::SolidLine};
    canvas.brush = {TColors::Black, Qt::SolidPattern};
    canvas.rectangle(0, 0, width, height);

    canvas.font = legendFont();
    canvas.fontColor = TColors::White;
    canvas.textOut(0, 0, QStringLiteral("ON"));

    canvas.pen = {TColors::Black, 1, Qt::SolidLine};
    canvas.brush = {TColors::Gray, Qt::SolidPattern};
    for (int i = 0; i < n; ++i) {
        const QRect r = slotRect(width, height, n, i);
        canvas.rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    }
    canvas.brush = {switchColor, Qt::SolidPattern};
    for (int i = 0; i < n; ++i) {
        const QRect r = actuatorRect(width, height, n, i, switchOn(value, n, i));
        canvas.rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    }
    return image;
}
