#include "platform/canvas.h"

TCanvas::TCanvas(QImage &image) : m_painter(&image)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

TCanvas::~TCanvas() = default;

void TCanvas::apply()
{
    if (pen.style == Qt::NoPen) {
        m_painter.setPen(Qt::NoPen);
    } else {
        QPen p(toQColor(pen.color));
        p.setWidth(pen.width <= 1 ? 0 : pen.width); // width 0: a cosmetic one-pixel line
        p.setStyle(pen.style);
        p.setCapStyle(Qt::SquareCap);
        p.setJoinStyle(Qt::MiterJoin);
        m_painter.setPen(p);
    }
    if (brush.style == Qt::NoBrush)
        m_painter.setBrush(Qt::NoBrush);
    else
        m_painter.setBrush(QBrush(toQColor(brush.color), brush.style));
}

void TCanvas::rectangle(int l, int t, int r, int b)
{
    if (r <= l || b <= t)
        return;
    apply();
    if (pen.style == Qt::NoPen) {
        if (brush.style != Qt::NoBrush)
            m_painter.fillRect(QRect(l, t, r - l, b - t), m_painter.brush());
        return;
    }
    // QPainter's outline of QRect(x, y, w, h) runs over x..x+w, so w is one less than the span.
    m_painter.drawRect(QRect(l, t, r - l - 1, b - t - 1));
}

void TCanvas::roundRect(int l, int t, int r, int b, int ellipseWidth, int ellipseHeight)
{
    if (r <= l || b <= t)
        return;
    apply();
    const QRectF box = pen.style == Qt::NoPen ? QRectF(l, t, r - l, b - t) : QRectF(l, t, r - l - 1, b - t - 1);
    m_painter.drawRoundedRect(box, ellipseWidth / 2.0, ellipseHeight / 2.0);
}

void TCanvas::ellipse(int l, int t, int r, int b)
{
    if (r <= l || b <= t)
        return;
    apply();
    const QRect box = pen.style == Qt::NoPen ? QRect(l, t, r - l, b - t) : QRect(l, t, r - l - 1, b - t - 1);
    m_painter.drawEllipse(box);
}

void TCanvas::fillRect(int l, int t, int r, int b)
{
    if (r <= l || b <= t)
        return;
    m_painter.fillRect(QRect(l, t, r - l, b - t), toQColor(brush.color));
}

void TCanvas::line(int x1, int y1, int x2, int y2)
{
    apply();
    m_painter.drawLine(x1, y1, x2, y2);
}

void TCanvas::textOut(int x, int y, const QString &text)
{
    m_painter.setFont(font);
    m_painter.setPen(toQColor(fontColor));
    m_painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(font);
    m_painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

void TCanvas::draw(int x, int y, const QImage &picture)
{
    m_painter.drawImage(QPoint(x, y), picture);
}

QImage turnImage(const QImage &upright, int quarterTurns)
{
    const int W = upright.width();
    const int H = upright.height();
    quarterTurns = ((quarterTurns % 4) + 4) % 4;
    const bool sideways = quarterTurns % 2 == 1;
    QImage out(sideways ? H : W, sideways ? W : H, QImage::Format_RGB32);
    if (W == 0 || H == 0)
        return out;
    const QImage src = upright.format() == QImage::Format_RGB32 ? upright : upright.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < H; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < W; ++x) {
            int nx = x, ny = y;
            switch (quarterTurns) {
            case 1: nx = H - 1 - y; ny = x; break;           // clockwise
            case 2: nx = W - 1 - x; ny = H - 1 - y; break;   // half turn
            case 3: nx = y; ny = W - 1 - x; break;           // anticlockwise
            default: break;
            }
            reinterpret_cast<QRgb *>(out.scanLine(ny))[nx] = row[x];
        }
    }
    return out;
}
