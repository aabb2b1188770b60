#include "components/ringrenderer.h"

#include <QSemaphore>
#include <QThreadPool>

#include <cmath>
#include <utility>
#include <vector>

namespace {
constexpr float kExactFloor = 1.0f / 1048576.0f; // 2^-20: from here up a float is a multiple of 2^-43
constexpr double kRoundShift = 4503599627370496.0; // 2^52: adding it leaves no fraction bits

// The weights of one pixel: a for the ring colour, b = 1 - a for the picture.
struct Weights {
    double a;
    double b;
    bool exact; // both are multiples of 2^-43, so the blend below is formed without error
};

inline Weights weightsFor(float a)
{
    const float b = 1.0f - a;
    return {double(a), double(b), (a == 0.0f || a >= kExactFloor) && (b == 0.0f || b >= kExactFloor)};
}

// pixel * b + ring * a, formed exactly and rounded once to the nearest integer, ties to the
// even one: the extended-precision sum of the float factors gives the same.
inline int blendChannel(int pixel, int ring, const Weights &w)
{
    if (w.exact) {
        // Each product is a multiple of 2^-43 below 2^8 and the sum one below 2^9: 52 bits
        // at most, so double holds them exactly. Adding 2^52 rounds the sum to a whole
        // number in the default rounding mode (nearest, ties to even) and taking it away
        // again is exact.
        const double sum = double(pixel) * w.b + double(ring) * w.a;
        const double rounded = (sum + kRoundShift) - kRoundShift;
        return rounded > 255.0 ? 255 : int(rounded);
    }
    // Tiny weights: the long double sum of two products exact in double.
    const long double sum = static_cast<long double>(double(pixel) * w.b) + static_cast<long double>(double(ring) * w.a);
    const long rounded = std::lrintl(sum);
    return rounded < 0 ? 0 : rounded > 255 ? 255 : int(rounded);
}

inline QRgb blend(QRgb px, const Weights &w, int cr, int cg, int cb)
{
    return qRgb(blendChannel(qRed(px), cr, w), blendChannel(qGreen(px), cg, w), blendChannel(qBlue(px), cb, w));
}

// The ring weight before the strength: 0.16 inside radius 0.77, a triangle peaking at 0.875.
// Returns false outside the ellipse.
inline bool ringWeight(double dx2, double dy2, bool &inner, float &a)
{
    const float d = float(dx2 + dy2);
    if (d >= 1.0f)
        return false;
    inner = double(d) < 0.5929;
    if (inner) {
        a = 0.16f;
    } else {
        const float r = std::sqrt(d);
        a = float(1.0 - std::fabs(double(r) - 0.875) * 8.0);
    }
    return true;
}

// Every named quantity is a 32-bit float; the unnamed products and differences feeding them
// are exact in double and rounded once on the way into the float.
std::vector<double> squaredOffsets(int n)
{
    const float s = float(2.0 / double(n - 1));
    std::vector<double> out(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const float d = float(double(i) * double(s) - 1.0);
        out[size_t(i)] = double(d) * double(d);
    }
    return out;
}

bool prepare(QImage &glyph)
{
    if (glyph.width() < 2 || glyph.height() < 2)
        return false;
    if (glyph.format() != QImage::Format_RGB32 && glyph.format() != QImage::Format_ARGB32)
        glyph = glyph.convertToFormat(QImage::Format_RGB32);
    return true;
}

struct Ring {
    int cr, cg, cb;
    explicit Ring(TColor c) : cr(int(c & 0xFF)), cg(int((c >> 8) & 0xFF)), cb(int((c >> 16) & 0xFF)) {}
};

// Inside radius 0.77 the weights are the same for every pixel, so each channel is a table.
struct InnerTable {
    quint8 r[256], g[256], b[256];
    InnerTable(float strength, const Ring &c)
    {
        const Weights w = weightsFor(0.16f * strength);
        for (int v = 0; v < 256; ++v) {
            r[v] = quint8(blendChannel(v, c.cr, w));
            g[v] = quint8(blendChannel(v, c.cg, w));
            b[v] = quint8(blendChannel(v, c.cb, w));
        }
    }
    QRgb operator()(QRgb px) const { return qRgb(r[qRed(px)], g[qGreen(px)], b[qBlue(px)]); }
};

inline QRgb ringPixel(QRgb px, float a, bool inner, float strength, bool whiteCore, const Ring &c)
{
    if (whiteCore && !inner) {
        a = a * 2.0f;
        if (a > 1.0f) {
            px = qRgb(255, 255, 255);
            a = 2.0f - a;
        }
    }
    return blend(px, weightsFor(a * strength), c.cr, c.cg, c.cb);
}
} // namespace

void TRingRenderer::render(QImage &glyph, float strength, TColor color, bool whiteCore)
{
    if (!prepare(glyph))
        return;
    const Ring ring(color);
    const std::vector<double> dx2 = squaredOffsets(glyph.width());
    const std::vector<double> dy2 = squaredOffsets(glyph.height());
    for (int y = 0; y < glyph.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(glyph.scanLine(y));
        for (int x = 0; x < glyph.width(); ++x) {
            bool inner;
            float a;
            if (ringWeight(dx2[size_t(x)], dy2[size_t(y)], inner, a))
                line[x] = ringPixel(line[x], a, inner, strength, whiteCore, ring);
        }
    }
}

void TRingRenderer::renderSet(QImage background, TColor color, float normalStrength, float activeStrength,
                              float hotStrength, QImage &normal, QImage &active, QImage &hot)
{
    normal = background.format() == QImage::Format_RGB32 ? std::move(background)
                                                          : background.convertToFormat(QImage::Format_RGB32);
    active = normal.copy();
    hot = normal.copy();
    if (!prepare(normal))
        return;
    const Ring ring(color);
    const InnerTable innerNormal(normalStrength, ring);
    const InnerTable innerActive(activeStrength, ring);
    const InnerTable innerHot(hotStrength, ring);
    const int width = normal.width();
    const int height = normal.height();
    const std::vector<double> dx2 = squaredOffsets(width);
    const std::vector<double> dy2 = squaredOffsets(height);
    // The rows are taken here, before any second thread runs: taking them detaches a shared
    // image, which must not happen from two threads at once.
    uchar *const normalBits = normal.bits();
    uchar *const activeBits = active.bits();
    uchar *const hotBits = hot.bits();
    const qsizetype stride = normal.bytesPerLine();
    auto rows = [&](int from, int to) {
        for (int y = from; y < to; ++y) {
            QRgb *n = reinterpret_cast<QRgb *>(normalBits + y * stride);
            QRgb *ac = reinterpret_cast<QRgb *>(activeBits + y * stride);
            QRgb *h = reinterpret_cast<QRgb *>(hotBits + y * stride);
            const double rowDy2 = dy2[size_t(y)];
            for (int x = 0; x < width; ++x) {
                bool inner;
                float a;
                if (!ringWeight(dx2[size_t(x)], rowDy2, inner, a))
                    continue;
                const QRgb px = n[x];
                if (inner) {
                    n[x] = innerNormal(px);
                    ac[x] = innerActive(px);
                    h[x] = innerHot(px);
                    continue;
                }
                n[x] = ringPixel(px, a, inner, normalStrength, false, ring);
                ac[x] = ringPixel(px, a, inner, activeStrength, true, ring);
                h[x] = ringPixel(px, a, inner, hotStrength, false, ring);
            }
        }
    };
    // Every pixel depends on its own inputs only, so a large mark's lower half is blended on
    // a pooled thread while this one does the upper half; the first paint waits for all
    // marks, and the start is otherwise idle on the second core by then.
    constexpr qsizetype kSplitPixels = 8192;
    const int middle = height / 2;
    if (qsizetype(width) * height >= kSplitPixels && QThreadPool::globalInstance()->maxThreadCount() > 1) {
        QSemaphore done;
        QThreadPool::globalInstance()->start([&] {
            rows(middle, height);
            done.release();
        });
        rows(0, middle);
        done.acquire();
        return;
    }
    rows(0, height);
}
