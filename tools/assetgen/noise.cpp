// Smooth value noise for the stage backgrounds.
#include "tools/assetgen/noise.h"

#include <cmath>

#include "tools/assetgen/random.h"

namespace cindervane::assetgen {

namespace {

constexpr int kSize = 256;

double smooth(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

int wrap(int value, int period) {
    const int r = value % period;
    return r < 0 ? r + period : r;
}

}  // namespace

Noise::Noise(std::uint64_t seed, int periodX, int periodY)
    : periodX_(periodX), periodY_(periodY), values_(kSize * kSize), size_(kSize) {
    Random random(seed);
    for (double& value : values_)
        value = random.unit();
}

double Noise::lattice(int x, int y) const {
    return values_[wrap(y, size_) * size_ + wrap(x, size_)];
}

double Noise::at(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    // The lattice repeats with the period, so opposite edges of the period match.
    const int ax = wrap(x0, periodX_), bx = wrap(x0 + 1, periodX_);
    const int ay = wrap(y0, periodY_), by = wrap(y0 + 1, periodY_);
    const double top = lattice(ax, ay) + (lattice(bx, ay) - lattice(ax, ay)) * tx;
    const double bottom = lattice(ax, by) + (lattice(bx, by) - lattice(ax, by)) * tx;
    return top + (bottom - top) * ty;
}

double Noise::fractal(double x, double y, int octaves, double falloff) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    double scale = 1;
    for (int i = 0; i < octaves; ++i) {
        // Each octave reads its own region of the lattice (offset by i periods), so the
        // octaves do not line up, while each still repeats with the period times its scale.
        const Noise* self = this;
        const int px = periodX_, py = periodY_;
        const double ox = x * scale, oy = y * scale;
        const double fx = std::floor(ox), fy = std::floor(oy);
        const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
        const double tx = smooth(ox - fx), ty = smooth(oy - fy);
        const int periodXs = px * static_cast<int>(scale);
        const int periodYs = py * static_cast<int>(scale);
        const int shift = i * 61;
        auto value = [&](int lx, int ly) {
            return self->lattice(wrap(lx, periodXs) + shift, wrap(ly, periodYs) + shift * 3);
        };
        const double top = value(x0, y0) + (value(x0 + 1, y0) - value(x0, y0)) * tx;
        const double bottom = value(x0, y0 + 1) + (value(x0 + 1, y0 + 1) - value(x0, y0 + 1)) * tx;
        sum += (top + (bottom - top) * ty) * weight;
        total += weight;
        weight *= falloff;
        scale *= 2;
    }
    return sum / total;
}

}  // namespace cindervane::assetgen
