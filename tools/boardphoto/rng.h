#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

// Small PCG32 generator. The standard distributions are implementation
// defined, so the picture would differ between standard libraries; this keeps
// the committed asset reproducible bit for bit on any toolchain.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(0), inc_((seed << 1u) | 1u)
    {
        next();
        state_ += seed;
        next();
    }

    std::uint32_t next()
    {
        const std::uint64_t old = state_;
        state_ = old * 6364136223846793005ULL + inc_;
        const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
        const auto rot = static_cast<std::uint32_t>(old >> 59u);
        return (xorshifted >> rot) | (xorshifted << ((0u - rot) & 31u));
    }

    double uniform() { return next() * (1.0 / 4294967296.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(uniform() * n); }
    bool chance(double p) { return uniform() < p; }

    // Irwin-Hall approximation: cheap, bounded, and close enough to a normal
    // distribution for sensor grain.
    double gauss()
    {
        double s = 0.0;
        for (int i = 0; i < 4; ++i)
            s += uniform();
        return (s - 2.0) * 1.7320508075688772;
    }

private:
    std::uint64_t state_;
    std::uint64_t inc_;
};

// Smooth lattice noise for blotchy, low-frequency variations such as uneven
// solder-mask thickness.
class ValueNoise {
public:
    ValueNoise(Rng &rng, int width, int height, double cell)
        : cell_(cell), cols_(static_cast<int>(width / cell) + 3), rows_(static_cast<int>(height / cell) + 3)
    {
        grid_.resize(static_cast<std::size_t>(cols_) * rows_);
        for (float &v : grid_)
            v = static_cast<float>(rng.uniform() * 2.0 - 1.0);
    }

    double at(double x, double y) const
    {
        const double gx = x / cell_;
        const double gy = y / cell_;
        const int ix = static_cast<int>(std::floor(gx));
        const int iy = static_cast<int>(std::floor(gy));
        const double fx = smooth(gx - ix);
        const double fy = smooth(gy - iy);
        const double a = cellValue(ix, iy);
        const double b = cellValue(ix + 1, iy);
        const double c = cellValue(ix, iy + 1);
        const double d = cellValue(ix + 1, iy + 1);
        return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
    }

private:
    static double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

    double cellValue(int ix, int iy) const
    {
        ix = ix < 0 ? 0 : (ix >= cols_ ? cols_ - 1 : ix);
        iy = iy < 0 ? 0 : (iy >= rows_ ? rows_ - 1 : iy);
        return grid_[static_cast<std::size_t>(iy) * cols_ + ix];
    }

    double cell_;
    int cols_;
    int rows_;
    std::vector<float> grid_;
};
