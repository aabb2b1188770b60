#include "photofx.h"

#include "rng.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace photofx {

namespace {

// Reads every step-th pixel of src and writes a contiguous result to dst.
void blurLine(const std::uint32_t *src, std::uint32_t *dst, int count, int step, int radius)
{
    const int window = 2 * radius + 1;
    int sum[4] = {0, 0, 0, 0};
    auto channel = [](std::uint32_t px, int c) { return static_cast<int>((px >> (8 * c)) & 0xffu); };
    auto at = [&](int i) { return src[static_cast<std::ptrdiff_t>(std::clamp(i, 0, count - 1)) * step]; };

    for (int i = -radius; i <= radius; ++i)
        for (int c = 0; c < 4; ++c)
            sum[c] += channel(at(i), c);

    for (int i = 0; i < count; ++i) {
        std::uint32_t out = 0;
        for (int c = 0; c < 4; ++c)
            out |= static_cast<std::uint32_t>((sum[c] + window / 2) / window) << (8 * c);
        dst[i] = out;
        const std::uint32_t leaving = at(i - radius);
        const std::uint32_t entering = at(i + radius + 1);
        for (int c = 0; c < 4; ++c)
            sum[c] += channel(entering, c) - channel(leaving, c);
    }
}

} // namespace

void blur(QImage &image, int radius, int passes)
{
    if (radius <= 0 || image.isNull())
        return;
    const int w = image.width();
    const int h = image.height();
    const int stride = static_cast<int>(image.bytesPerLine() / 4);
    auto *bits = reinterpret_cast<std::uint32_t *>(image.bits());
    std::vector<std::uint32_t> line(static_cast<std::size_t>(std::max(w, h)));

    for (int p = 0; p < passes; ++p) {
        for (int y = 0; y < h; ++y) {
            std::uint32_t *row = bits + static_cast<std::ptrdiff_t>(y) * stride;
            blurLine(row, line.data(), w, 1, radius);
            std::copy(line.begin(), line.begin() + w, row);
        }
        for (int x = 0; x < w; ++x) {
            std::uint32_t *col = bits + x;
            blurLine(col, line.data(), h, stride, radius);
            for (int y = 0; y < h; ++y)
                col[static_cast<std::ptrdiff_t>(y) * stride] = line[static_cast<std::size_t>(y)];
        }
    }
}

void cameraLook(QImage &image, Rng &rng)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();

    // Lens softness: mix a little of a 1 px blur back in so edges lose the
    // razor-sharp look of vector graphics without becoming mushy.
    QImage soft = image.copy();
    blur(soft, 1, 1);

    const double cx = w * 0.42;
    const double cy = h * 0.36;
    const double diag = std::hypot(double(w), double(h)) * 0.5;
    ValueNoise lightBlotch(rng, w, h, 140.0);

    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        const auto *srow = reinterpret_cast<const QRgb *>(soft.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb a = row[x];
            const QRgb b = srow[x];
            double r = qRed(a) * 0.45 + qRed(b) * 0.55;
            double g = qGreen(a) * 0.45 + qGreen(b) * 0.55;
            double bl = qBlue(a) * 0.45 + qBlue(b) * 0.55;

            // Key light slightly above-left of centre, falling off towards
            // the corners, plus a mild vignette of the lens itself.
            const double dx = (x - cx) / diag;
            const double dy = (y - cy) / diag;
            const double d2 = dx * dx + dy * dy;
            const double key = 0.90 + 0.16 * std::exp(-d2 / 0.35);
            const double nx = (x - w * 0.5) / (w * 0.5);
            const double ny = (y - h * 0.5) / (h * 0.5);
            const double rr = (nx * nx + ny * ny) * 0.5;
            const double vignette = 1.0 - 0.20 * rr * rr - 0.05 * rr;
            const double uneven = 1.0 + 0.025 * lightBlotch.at(x, y);
            const double gain = key * vignette * uneven;

            // Glossy mask picks up a broad, soft reflection of the light.
            const double gx = (x - w * 0.62) / (w * 0.55);
            const double gy = (y - h * 0.22) / (h * 0.30);
            const double glare = 9.0 * std::exp(-(gx * gx + gy * gy));

            // Grain is mostly luminance with a touch of colour, like a
            // small camera sensor at base ISO.
            const double lum = rng.gauss() * 1.9;
            r = r * gain * 1.015 + glare + lum + rng.gauss() * 0.7;
            g = g * gain + glare + lum + rng.gauss() * 0.7;
            bl = bl * gain * 0.975 + glare * 1.05 + lum + rng.gauss() * 0.9;

            row[x] = qRgb(std::clamp(static_cast<int>(std::lround(r)), 0, 255),
                          std::clamp(static_cast<int>(std::lround(g)), 0, 255),
                          std::clamp(static_cast<int>(std::lround(bl)), 0, 255));
        }
    }
}

} // namespace photofx
