#include "components/jumperpainter.h"

#include "platform/canvas.h"

#include <algorithm>

namespace {
// n / d rounded to the nearest integer, exact halves to the even neighbour (d > 0).
int divRoundHalfEven(int n, int d)
{
    int q = n / d;
    int rem = n % d;
    if (rem < 0) {
        rem += d;
        --q;
    }
    const int twice = 2 * rem;
    if (twice > d || (twice == d && (q & 1)))
        ++q;
    return q;
}
} // namespace

TJumperPainter::Measures TJumperPainter::measures(int width, int height)
{
    Measures m;
    // (W - 2) / 4.5 = 2 (W - 2) / 9: a ninth can never be an exact half.
    m.P = divRoundHalfEven(2 * (width - 2), 9);
    m.A = m.P + 1;
    m.cx = width / 2;
    m.cy = height / 2;
    m.r = std::min(m.P / 3, divRoundHalfEven(height - 2, 4));
    m.h = (m.cx - m.A + 2) / 2;
    return m;
}

QImage TJumperPainter::paint(int width, int height, TJumperState state, const Colors &colors, TBorderStyle border)
{
    QImage image(qMax(width, 0), qMax(height, 0), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int W = width;
    const int H = height;
    const Measures m = measures(W, H);

    TCanvas canvas(image);
    canvas.pen = {colors.background, 1, Qt::SolidLine};
    canvas.brush = {colors.background, Qt::SolidPattern};
    canvas.rectangle(0, 0, W, H);

    canvas.pen = {border == bsSingle ? TColors::Black : colors.base, 1, Qt::SolidLine};
    canvas.brush = {colors.base, Qt::SolidPattern};
    canvas.roundRect(1, 1, W - 1, H - 1, H / 2, H / 2);

    canvas.pen = {TColors::Black, 1, Qt::SolidLine};
    canvas.brush = {colors.jumper, Qt::SolidPattern};
    if (state == jsLeft)
        canvas.rectangle(0, 0, m.cx + m.h, H);
    else if (state == jsRight)
        canvas.rectangle(m.cx - m.h, 0, W, H);

    canvas.pen = {TColors::Black, 1, Qt::NoPen};
    canvas.brush = {colors.pin, Qt::SolidPattern};
    const int r = m.r;
    canvas.ellipse(m.A - r, m.cy - r, m.A + r, m.cy + r);
    canvas.ellipse(m.cx - r, m.cy - r, m.cx + r, m.cy + r);
    canvas.ellipse(W - m.A - r, m.cy - r, W - m.A + r, m.cy + r);
    return image;
}
