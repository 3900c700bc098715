// The surfaces of the eight worlds.
#include "tools/assetgen/art/world_surface.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/assetgen/inventory.h"
#include "tools/assetgen/paint_kit.h"

namespace cindervane::assetgen {

namespace {

constexpr double kPeriod = kBackgroundWrap;
constexpr double kTau = 2 * M_PI;

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Noise repeating every 960 rows and 240 columns, with cells of the given size in pixels.
Noise periodic(std::uint64_t seed, int cell) {
    return Noise(seed, kBackgroundWidth / cell, static_cast<int>(kPeriod) / cell);
}

struct Cells {
    int a, b, c, d;
};

Cells cellsOf(World world) {
    switch (world) {
        case World::Earth:
            return {80, 8, 60, 20};
        case World::Space:
            return {60, 80, 15, 15};
        case World::Mars:
            return {60, 10, 40, 40};
        case World::Jupiter:
            return {40, 12, 12, 12};
        case World::Saturnus:
            return {6, 6, 6, 6};
        case World::Uranus:
            return {80, 30, 30, 30};
        case World::Neptunus:
            return {60, 60, 60, 60};
        case World::Pluto:
            return {80, 12, 24, 24};
        case World::Moon:
            return {40, 12, 20, 20};
    }
    return {60, 60, 60, 60};
}

std::uint64_t seedOf(World world) {
    return 100 * (static_cast<std::uint64_t>(world) + 1);
}

}  // namespace

WorldSurface::WorldSurface(World world)
    : world_(world),
      a_(periodic(seedOf(world) + 1, cellsOf(world).a)),
      b_(periodic(seedOf(world) + 2, cellsOf(world).b)),
      c_(periodic(seedOf(world) + 3, cellsOf(world).c)),
      d_(periodic(seedOf(world) + 4, cellsOf(world).d)) {
    // Two worlds need noise stretched along one axis.
    if (world == World::Saturnus) a_ = Noise(seedOf(world) + 1, kBackgroundWidth / 12, 4);
    if (world == World::Neptunus) b_ = Noise(seedOf(world) + 2, 2, 48);
}

Colour WorldSurface::at(double x, double y) const {
    x = std::fmod(std::fmod(x, kBackgroundWidth) + kBackgroundWidth, kBackgroundWidth);
    y = std::fmod(std::fmod(y, kPeriod) + kPeriod, kPeriod);
    switch (world_) {
        case World::Earth: {
            // Ocean, islands with beaches and hills, and clouds with their shadows.
            const double n = a_.fractal(x / 80, y / 80, 5);
            const double d = d_.fractal(x / 20, y / 20, 3);
            Colour c;
            if (n < 0.56) {
                c = mix(rgb(0x082650), rgb(0x1E7898), smoothstep(0.44, 0.56, n));
                c = scaled(c, 0.9 + 0.2 * b_.fractal(x / 8, y / 8, 2));
            } else if (n < 0.575) {
                c = mix(rgb(0xC8B47A), rgb(0xA89060), d);
            } else {
                const double height = smoothstep(0.6, 0.78, n + d * 0.08);
                c = mix(mix(rgb(0x2E5A22), rgb(0x5A7A30), d), rgb(0x7A6A50), height);
                if (n > 0.74) c = mix(c, rgb(0xD8D8D0), smoothstep(0.74, 0.8, n));
            }
            const double cloud = smoothstep(0.56, 0.72, c_.fractal(x / 60, y / 60, 5));
            const double shadow =
                smoothstep(0.56, 0.72, c_.fractal((x - 7) / 60, (y - 10) / 60, 5));
            c = scaled(c, 1.0 - shadow * 0.35);
            return mix(c, rgb(0xE8EEF4), cloud * 0.85);
        }
        case World::Space: {
            // Dark space with violet and teal nebulae and fine dust.
            const double a = smoothstep(0.45, 0.8, a_.fractal(x / 60, y / 60, 5));
            const double b = smoothstep(0.5, 0.85, b_.fractal(x / 80, y / 80, 5));
            const double d = c_.fractal(x / 15, y / 15, 3);
            Colour c = mix(rgb(0x04050C), rgb(0x3A1658), a * 0.7);
            c = mix(c, rgb(0x0E4858), b * 0.6);
            return scaled(c, 0.8 + 0.4 * d);
        }
        case World::Mars: {
            // Red desert with dune ripples and a winding canyon.
            const double n = a_.fractal(x / 60, y / 60, 5);
            const double f = b_.fractal(x / 10, y / 10, 2);
            const double w = c_.fractal(x / 40, y / 40, 3);
            Colour c = mix(rgb(0x5A2210), rgb(0xB0522A), n);
            // Whole numbers of ripples across and down, so they wrap with the surface.
            const double ripple =
                std::sin(kTau * (8 * x / kBackgroundWidth + 14 * y / kPeriod) + w * 9);
            c = scaled(c, 0.92 + 0.1 * ripple * smoothstep(0.45, 0.7, n) + 0.1 * f);
            const double centre =
                120 + 62 * std::sin(kTau * y / kPeriod) + 18 * std::sin(3 * kTau * y / kPeriod + 1);
            const double d = std::abs(x - centre);
            const double floor = 1.0 - smoothstep(9, 16, d);
            const double wall = smoothstep(8, 12, d) * (1.0 - smoothstep(14, 20, d));
            c = mix(c, rgb(0x2A0E06), floor * 0.85);
            if (x < centre) c = mix(c, rgb(0xE08050), wall * 0.35);
            return c;
        }
        case World::Jupiter: {
            // Six cloud bands in every period, their edges torn by turbulence.
            const double t = a_.fractal(x / 40, y / 40, 5);
            const double f = b_.fractal(x / 12, y / 12, 3);
            const double band =
                std::sin(6 * kTau * y / kPeriod + (t - 0.5) * 5 + 0.5 * std::sin(kTau * x / 240));
            Colour c = mix(rgb(0x7A4020), rgb(0xE0C8A0), 0.5 + 0.5 * band);
            c = mix(c, rgb(0xC86A30), smoothstep(0.55, 0.75, t) * 0.5);
            return scaled(c, 0.75 + 0.2 * f);
        }
        case World::Saturnus: {
            // Across the rings: bands of ice with a great gap, curving gently.
            const double across =
                x + 26 * std::sin(kTau * y / kPeriod) + 8 * std::sin(2 * kTau * y / kPeriod);
            const double density = a_.fractal(across / 12, 0.5, 4);
            const double fromGap = std::remainder(across - 150, kBackgroundWidth);
            const double gap = smoothstep(0.0, 6.0, std::abs(fromGap));
            const double g = b_.fractal(x / 6, y / 6, 2);
            const Colour c =
                mix(rgb(0x0A0806), rgb(0xC8B088), smoothstep(0.35, 0.75, density) * gap);
            return scaled(c, 0.7 + 0.5 * g);
        }
        case World::Uranus: {
            // A pale sea of haze with soft bands and high puffs of cloud.
            const double h = a_.fractal(x / 80, y / 80, 5);
            const double band = 0.5 + 0.5 * std::sin(4 * kTau * y / kPeriod + (h - 0.5) * 3);
            Colour c = mix(rgb(0x1A5A64), rgb(0x6AB8C0), band * 0.6 + h * 0.4);
            const double puff = smoothstep(0.6, 0.75, b_.fractal(x / 30, y / 30, 4));
            return mix(c, rgb(0xD8F8F8), puff * 0.6);
        }
        case World::Neptunus: {
            // Deep blue under racing white streaks.
            const double d = a_.fractal(x / 60, y / 60, 5);
            Colour c = mix(rgb(0x061440), rgb(0x2450B8), d);
            const double s = b_.fractal(x / 120, y / 20, 4);
            return mix(c, rgb(0xE8F0FF), smoothstep(0.64, 0.78, s) * 0.8);
        }
        case World::Pluto: {
            // Dark reddish uplands round a plain of pale nitrogen ice broken into cells.
            const double r = a_.fractal(x / 80, y / 80, 5);
            const double g = b_.fractal(x / 12, y / 12, 3);
            const double plain = smoothstep(0.5, 0.56, r);
            const Colour upland = mix(rgb(0x3A2620), rgb(0x8A6A58), g);
            const double cell = c_.fractal(x / 24, y / 24, 2);
            const double crack = 1.0 - smoothstep(0.0, 0.03, std::abs(cell - 0.5));
            Colour ice = mix(rgb(0xD8D0C4), rgb(0xF0E8DC), g);
            ice = mix(ice, rgb(0x9A8A7A), crack * 0.6);
            return mix(upland, ice, plain);
        }
        case World::Moon: {
            // Grey highlands, dark seas of old lava and bright young craters.
            const double m = a_.fractal(x / 40, y / 40, 4);
            const double g = b_.fractal(x / 12, y / 12, 3);
            const double sea = smoothstep(0.55, 0.6, m);
            Colour c = mix(mix(rgb(0x8A8A88), rgb(0xB8B8B4), g), rgb(0x4A4A4E), sea * 0.8);
            const double pit = c_.fractal(x / 20, y / 20, 2);
            return scaled(c, 0.85 + 0.3 * smoothstep(0.62, 0.7, pit));
        }
    }
    return {};
}

void drawPlanet(cairo_t* cr, const WorldSurface& surface, double cx, double cy, double radius,
                const Colour& atmosphere, const Colour& tint, double turn) {
    const int size = static_cast<int>(std::ceil(radius * 2)) + 4;
    Canvas disc(size, size);
    const double centre = size / 2.0;
    // Light from the upper left and a little in front.
    const double lx = -0.55, ly = -0.5, lz = 0.67;
    std::vector<Colour> row;
    disc.fillPixels([&](int px, int py) {
        const double nx = (px + 0.5 - centre) / radius, ny = (py + 0.5 - centre) / radius;
        const double rr = nx * nx + ny * ny;
        if (rr > 1.0) return Colour{0, 0, 0, 0};
        const double nz = std::sqrt(1.0 - rr);
        // Longitude across the 240 columns (twice round), latitude down the 960 rows.
        const double longitude = std::atan2(nx, nz) / M_PI;  // -0.5 .. 0.5 on the near side
        const double latitude = std::asin(ny) / (M_PI / 2);  // -1 .. 1
        const Colour ground = mix(surface.at((longitude + turn) * 240, (latitude + 1) * 240),
                                  withAlpha(tint, 1), tint.alpha);
        const double light = std::max(0.0, nx * lx + ny * ly + nz * lz);
        Colour c = scaled(ground, 0.12 + 0.95 * std::pow(light, 0.8));
        // The atmosphere brightens the limb on the lit side.
        const double limb = std::pow(1.0 - nz, 3) * std::max(0.0, light + 0.2);
        c = mix(c, atmosphere, std::min(1.0, limb * atmosphere.alpha * 2));
        return Colour{c.red, c.green, c.blue, 1.0};
    });
    // fillPixels makes every pixel opaque; clear the corners outside the disc again.
    cairo_t* d = disc.cr();
    cairo_save(d);
    cairo_set_operator(d, CAIRO_OPERATOR_DEST_IN);
    cairo_new_path(d);
    cairo_arc(d, centre, centre, radius, 0, kTau);
    cairo_set_source_rgba(d, 0, 0, 0, 1);
    cairo_fill(d);
    cairo_restore(d);
    if (atmosphere.alpha > 0) glow(cr, cx, cy, radius * 1.12, withAlpha(atmosphere, 0.35));
    cairo_set_source_surface(cr, disc.surface(), cx - centre, cy - centre);
    cairo_paint(cr);
}

void drawStagePlanet(cairo_t* cr, World world, double cx, double cy, double radius) {
    struct Style {
        World surface;
        Colour atmosphere;
        Colour tint;
        Colour ring;
    };
    const Colour none{0, 0, 0, 0};
    Style style{world, none, none, none};
    switch (world) {
        case World::Earth:
            style.atmosphere = rgb(0x80C0FF, 0.55);
            break;
        case World::Space:
            style.surface = World::Moon;
            break;
        case World::Mars:
            style.atmosphere = rgb(0xFFA070, 0.3);
            break;
        case World::Jupiter:
            style.atmosphere = rgb(0xFFD8A0, 0.3);
            break;
        case World::Saturnus:
            style = {World::Jupiter, rgb(0xFFF0C0, 0.25), rgb(0xE8D8A0, 0.55), rgb(0xE0D0A0)};
            break;
        case World::Uranus:
            style.atmosphere = rgb(0xA0FFFF, 0.35);
            break;
        case World::Neptunus:
            style.atmosphere = rgb(0x6080FF, 0.4);
            break;
        default:
            break;
    }
    const WorldSurface surface(style.surface);
    if (style.ring.alpha > 0) planetRing(cr, cx, cy, radius, style.ring, false);
    drawPlanet(cr, surface, cx, cy, radius, style.atmosphere, style.tint);
    if (style.ring.alpha > 0) planetRing(cr, cx, cy, radius, style.ring, true);
}

}  // namespace cindervane::assetgen
