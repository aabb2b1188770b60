#include "components/ringrenderer.h"

#include <cmath>

namespace {
// Each channel sum is formed in extended precision from the float factors and rounded to the
// nearest integer, ties to the even one (the default rounding mode).
inline int blendChannel(int pixel, float b, int ring, float a)
{
    const long double sum = static_cast<long double>(pixel) * static_cast<long double>(b)
                            + static_cast<long double>(ring) * static_cast<long double>(a);
    const long double rounded = std::nearbyintl(sum);
    return rounded < 0 ? 0 : rounded > 255 ? 255 : int(rounded);
}
} // namespace

void TRingRenderer::render(QImage &glyph, float strength, TColor color, bool whiteCore)
{
    const int w = glyph.width();
    const int h = glyph.height();
    if (w < 2 || h < 2)
        return;
    if (glyph.format() != QImage::Format_RGB32 && glyph.format() != QImage::Format_ARGB32)
        glyph = glyph.convertToFormat(QImage::Format_RGB32);

    const int cr = int(color & 0xFF);
    const int cg = int((color >> 8) & 0xFF);
    const int cb = int((color >> 16) & 0xFF);
    // Every named quantity is a 32-bit float; the unnamed products and differences feeding
    // them are exact in double and rounded once on the way into the float.
    const float sx = float(2.0 / double(w - 1));
    const float sy = float(2.0 / double(h - 1));

    for (int y = 0; y < h; ++y) {
        const float dy = float(double(y) * double(sy) - 1.0);
        const long double dy2 = static_cast<long double>(dy) * dy;
        QRgb *line = reinterpret_cast<QRgb *>(glyph.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float dx = float(double(x) * double(sx) - 1.0);
            const float d = float(static_cast<long double>(dx) * dx + dy2);
            if (d >= 1.0f)
                continue;
            QRgb px = line[x];
            float a;
            if (static_cast<double>(d) < 0.5929) {
                a = 0.16f;
            } else {
                const float r = std::sqrt(d);
                a = float(1.0 - std::fabs(double(r) - 0.875) * 8.0);
                if (whiteCore) {
                    a = a * 2.0f;
                    if (a > 1.0f) {
                        px = qRgb(255, 255, 255);
                        a = 2.0f - a;
                    }
                }
            }
            a = a * strength;
            const float b = 1.0f - a;
            line[x] = qRgb(blendChannel(qRed(px), b, cr, a), blendChannel(qGreen(px), b, cg, a),
                           blendChannel(qBlue(px), b, cb, a));
        }
    }
}
