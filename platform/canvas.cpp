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

namespace {
// Whether the point (px, py) lies in the box [l, r] x [t, b] whose corners are quarter
// ellipses with radii rx and ry.
bool insideRounded(double px, double py, double l, double t, double r, double b, double rx, double ry)
{
    if (px < l || px > r || py < t || py > b)
        return false;
    const double cx = px < l + rx ? l + rx : (px > r - rx ? r - rx : px);
    const double cy = py < t + ry ? t + ry : (py > b - ry ? b - ry : py);
    if (cx == px || cy == py)
        return true;
    const double dx = (px - cx) / rx;
    const double dy = (py - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// Fills (l, t, r, b) with the pixels whose centres lie in the rounded box, those within the pen
// width of its edge in the pen colour and the rest in the brush colour.
void fillRounded(QPainter &painter, const TCanvas::Pen &pen, const TCanvas::Brush &brush, int l, int t, int r, int b,
                 double rx, double ry)
{
    const bool outlined = pen.style != Qt::NoPen;
    const bool filled = brush.style != Qt::NoBrush;
    const int w = qMax(1, pen.width);
    const QColor penColor = toQColor(pen.color);
    const QColor brushColor = toQColor(brush.color);
    enum Kind { Outside, Edge, Inside };
    for (int y = t; y < b; ++y) {
        int runStart = l;
        Kind runKind = Outside;
        auto flush = [&](int end) {
            if (end > runStart && runKind != Outside && (runKind == Edge || filled))
                painter.fillRect(QRect(runStart, y, end - runStart, 1), runKind == Edge ? penColor : brushColor);
        };
        for (int x = l; x < r; ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            Kind kind = Outside;
            if (insideRounded(px, py, l, t, r, b, rx, ry)) {
                kind = Inside;
                if (outlined && !insideRounded(px, py, l + w, t + w, r - w, b - w, qMax(0.0, rx - w), qMax(0.0, ry - w)))
                    kind = Edge;
            }
            if (kind != runKind) {
                flush(x);
                runStart = x;
                runKind = kind;
            }
        }
        flush(r);
    }
}
} // namespace

// Rounded rectangles and ellipses are rasterised here by pixel centres: QPainter's aliased
// rounded rectangle puts its bottom edge one row below the box and bulges its right-hand
// corners, and its aliased ellipse leaves out the top row of the box, so a 6 x 6 pin came out
// 6 x 5. Both shapes now lie inside (l, t, r, b), symmetric, with the pen on the outermost pixels.
void TCanvas::roundRect(int l, int t, int r, int b, int ellipseWidth, int ellipseHeight)
{
    if (r <= l || b <= t)
        return;
    fillRounded(m_painter, pen, brush, l, t, r, b, qBound(0, ellipseWidth, r - l) / 2.0,
                qBound(0, ellipseHeight, b - t) / 2.0);
}

void TCanvas::ellipse(int l, int t, int r, int b)
{
    if (r <= l || b <= t)
        return;
    fillRounded(m_painter, pen, brush, l, t, r, b, (r - l) / 2.0, (b - t) / 2.0);
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
