// The eight stage backgrounds, 240 x 1280 each, one look per world. The play field shows 320
// rows and scrolls from row 960 up to row 0, then starts again at 960, so everything here
// repeats every 960 rows: the noise is periodic and every drawn feature is drawn again one
// period above and below. The worlds are kept dark enough for the shots to read over them.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/inventory.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/random.h"

namespace cindervane::assetgen {

namespace {

constexpr double kPeriod = kBackgroundWrap;
constexpr double kTau = 2 * M_PI;

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Noise repeating every 960 rows (and every 240 columns) with the given cell size.
Noise periodicNoise(std::uint64_t seed, int cell) {
    return Noise(seed, kBackgroundWidth / cell, static_cast<int>(kPeriod) / cell);
}

// Draws a feature at y and one period above and below, so it wraps with the scroll.
template <typename Draw>
void wrapped(double y, Draw draw) {
    for (double shift : {-kPeriod, 0.0, kPeriod})
        draw(y + shift);
}

void shadedCrater(cairo_t* cr, double x, double y, double r, const Colour& ground) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x + r * 0.25, y + r * 0.25, r * 0.2, x, y, r);
    const Colour dark = scaled(ground, 0.55), light = scaled(ground, 1.25);
    cairo_pattern_add_color_stop_rgba(p, 0, dark.red, dark.green, dark.blue, 0.9);
    cairo_pattern_add_color_stop_rgba(p, 0.8, ground.red, ground.green, ground.blue, 0.6);
    cairo_pattern_add_color_stop_rgba(p, 1, ground.red, ground.green, ground.blue, 0);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, kTau);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // The rim catches the light on its lower right.
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r * 0.85, -0.3, 1.9);
    cairo_set_line_width(cr, std::max(1.0, r * 0.12));
    setColour(cr, withAlpha(light, 0.7));
    cairo_stroke(cr);
}

void craters(cairo_t* cr, std::uint64_t seed, int count, double minRadius, double maxRadius,
             const Colour& ground) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double x = random.range(10, 230), y = random.range(0, kPeriod);
        const double r = minRadius + (maxRadius - minRadius) * std::pow(random.unit(), 2.5);
        wrapped(y, [&](double wy) { shadedCrater(cr, x, wy, r, ground); });
    }
}

void stars(cairo_t* cr, std::uint64_t seed, int count, double brightness) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double x = random.range(0, 240), y = random.range(0, kPeriod);
        const double b = std::pow(random.unit(), 2.4) * brightness;
        const Colour c{0.75 + 0.25 * b, 0.8 + 0.2 * b, 0.9 + 0.1 * b, 0.3 + 0.7 * b};
        wrapped(y, [&](double wy) {
            if (b > 0.75) {
                glow(cr, x, wy, 3 + 2 * b, withAlpha(c, 0.45));
                fillCircle(cr, x, wy, 0.9, c);
            } else {
                cairo_rectangle(cr, std::floor(x), std::floor(wy), 1, 1);
                setColour(cr, c);
                cairo_fill(cr);
            }
        });
    }
}

// --- Earth: ocean, islands and clouds ---

void paintEarth(Canvas& canvas, int) {
    const Noise land = periodicNoise(101, 80), waves = periodicNoise(102, 8),
                clouds = periodicNoise(103, 60), detail = periodicNoise(104, 20);
    canvas.fillPixels([&](int x, int y) {
        const double n = land.fractal(x / 80.0, y / 80.0, 5);
        const double d = detail.fractal(x / 20.0, y / 20.0, 3);
        Colour c;
        if (n < 0.56) {
            const double shallow = smoothstep(0.44, 0.56, n);
            c = mix(rgb(0x082650), rgb(0x1E7898), shallow);
            c = scaled(c, 0.9 + 0.2 * waves.fractal(x / 8.0, y / 8.0, 2));
        } else if (n < 0.575) {
            c = mix(rgb(0xC8B47A), rgb(0xA89060), d);
        } else {
            const double height = smoothstep(0.6, 0.78, n + d * 0.08);
            c = mix(mix(rgb(0x2E5A22), rgb(0x5A7A30), d), rgb(0x7A6A50), height);
            if (n > 0.74) c = mix(c, rgb(0xD8D8D0), smoothstep(0.74, 0.8, n));
        }
        // Clouds with their shadows a little down and to the right.
        const double cloud = smoothstep(0.56, 0.72, clouds.fractal(x / 60.0, y / 60.0, 5));
        const double shadow =
            smoothstep(0.56, 0.72, clouds.fractal((x - 7) / 60.0, (y - 10) / 60.0, 5));
        c = scaled(c, 1.0 - shadow * 0.35);
        c = mix(c, rgb(0xE8EEF4), cloud * 0.85);
        return scaled(c, 0.82);
    });
}

// --- Space: nebulae, stars and drifting rocks ---

void asteroid(cairo_t* cr, double x, double y, double r, std::uint64_t seed) {
    Random random(seed);
    cairo_new_path(cr);
    const int points = 9;
    for (int i = 0; i < points; ++i) {
        const double a = i * kTau / points;
        const double d = r * random.range(0.75, 1.1);
        if (i == 0)
            cairo_move_to(cr, x + std::cos(a) * d, y + std::sin(a) * d);
        else
            cairo_line_to(cr, x + std::cos(a) * d, y + std::sin(a) * d);
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x - r, y - r, x + r, y + r);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.42, 0.4);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.1, 0.09, 0.1);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int i = 0; i < 2; ++i)
        fillCircle(cr, x + random.range(-r, r) * 0.4, y + random.range(-r, r) * 0.4, r * 0.18,
                   rgb(0x1A1818, 0.8));
}

void paintSpace(Canvas& canvas, int) {
    const Noise violet = periodicNoise(201, 60), teal = periodicNoise(202, 80),
                dust = periodicNoise(203, 15);
    canvas.fillPixels([&](int x, int y) {
        const double a = smoothstep(0.45, 0.8, violet.fractal(x / 60.0, y / 60.0, 5));
        const double b = smoothstep(0.5, 0.85, teal.fractal(x / 80.0, y / 80.0, 5));
        const double d = dust.fractal(x / 15.0, y / 15.0, 3);
        Colour c = rgb(0x04050C);
        c = mix(c, rgb(0x3A1658), a * 0.7);
        c = mix(c, rgb(0x0E4858), b * 0.6);
        return scaled(c, 0.8 + 0.4 * d);
    });
    cairo_t* cr = canvas.cr();
    stars(cr, 204, 420, 1.0);
    // A distant spiral galaxy.
    wrapped(300, [&](double y) {
        cairo_save(cr);
        cairo_translate(cr, 170, y);
        cairo_rotate(cr, 0.5);
        cairo_scale(cr, 1, 0.45);
        glow(cr, 0, 0, 30, rgb(0xD8C8FF, 0.45));
        glow(cr, 0, 0, 9, rgb(0xFFF0E0, 0.9));
        cairo_restore(cr);
    });
    Random random(205);
    for (int i = 0; i < 12; ++i) {
        const double x = random.range(10, 230), y = random.range(0, kPeriod);
        const double r = random.range(4, 13);
        const std::uint64_t seed = random.next();
        wrapped(y, [&](double wy) { asteroid(cr, x, wy, r, seed); });
    }
}

// --- Mars: red desert, dunes, a canyon and craters ---

double canyonCentre(double y) {
    return 120 + 62 * std::sin(kTau * y / kPeriod) + 18 * std::sin(3 * kTau * y / kPeriod + 1);
}

void paintMars(Canvas& canvas, int) {
    const Noise ground = periodicNoise(301, 60), fine = periodicNoise(302, 10),
                warp = periodicNoise(303, 40);
    canvas.fillPixels([&](int x, int y) {
        const double n = ground.fractal(x / 60.0, y / 60.0, 5);
        const double f = fine.fractal(x / 10.0, y / 10.0, 2);
        const double w = warp.fractal(x / 40.0, y / 40.0, 3);
        Colour c = mix(rgb(0x5A2210), rgb(0xB0522A), n);
        // Dune ripples across the wind.
        const double ripple = std::sin(x * 0.22 + y * 0.09 + w * 9);
        c = scaled(c, 0.92 + 0.1 * ripple * smoothstep(0.45, 0.7, n) + 0.1 * f);
        // The canyon: a dark winding floor with a lit western wall.
        const double d = std::abs(x - canyonCentre(y));
        const double floor = 1.0 - smoothstep(9, 16, d);
        const double wall = smoothstep(8, 12, d) * (1.0 - smoothstep(14, 20, d));
        c = mix(c, rgb(0x2A0E06), floor * 0.85);
        if (x < canyonCentre(y)) c = mix(c, rgb(0xE08050), wall * 0.35);
        return scaled(c, 0.85);
    });
    craters(canvas.cr(), 304, 28, 4, 22, rgb(0x8A3A1C));
}

// --- Jupiter: turbulent cloud bands and storms ---

void paintJupiter(Canvas& canvas, int) {
    const Noise turbulence = periodicNoise(401, 40), fine = periodicNoise(402, 12);
    canvas.fillPixels([&](int x, int y) {
        const double t = turbulence.fractal(x / 40.0, y / 40.0, 5);
        const double f = fine.fractal(x / 12.0, y / 12.0, 3);
        // Six bands in every 960 rows, their edges torn by the turbulence.
        const double band = std::sin(6 * kTau * y / kPeriod + (t - 0.5) * 5 + x * 0.004);
        const double tone = 0.5 + 0.5 * band;
        Colour c = mix(rgb(0x7A4020), rgb(0xE0C8A0), tone);
        c = mix(c, rgb(0xC86A30), smoothstep(0.55, 0.75, t) * 0.5);
        return scaled(c, (0.75 + 0.2 * f) * 0.85);
    });
    cairo_t* cr = canvas.cr();
    Random random(403);
    for (int i = 0; i < 5; ++i) {
        const double x = random.range(30, 210), y = random.range(0, kPeriod);
        const double r = random.range(12, i == 0 ? 34 : 20);
        const bool red = i == 0;
        wrapped(y, [&](double wy) {
            cairo_save(cr);
            cairo_translate(cr, x, wy);
            cairo_scale(cr, 1.7, 1);
            for (int ring = 0; ring < 4; ++ring) {
                const double rr = r * (1 - ring * 0.22);
                fillCircle(cr, 0, 0, rr,
                           red ? mix(rgb(0x8A3018), rgb(0xD87050), ring / 3.0)
                               : mix(rgb(0xB89878), rgb(0xF0E4D0), ring / 3.0));
            }
            cairo_restore(cr);
        });
    }
}

// --- Saturnus: across the rings, a river of ice ---

void paintSaturnus(Canvas& canvas, int) {
    const Noise rings = Noise(501, 64, 4), grain = periodicNoise(502, 6);
    canvas.fillPixels([&](int x, int y) {
        // Distance across the rings; they curve gently as they pass.
        const double across =
            x + 26 * std::sin(kTau * y / kPeriod) + 8 * std::sin(2 * kTau * y / kPeriod);
        const double density = rings.fractal(across / 18.0 + 8, 0.5, 4);
        const double gap = smoothstep(0.0, 6.0, std::abs(across - 150));  // the great gap
        const double g = grain.fractal(x / 6.0, y / 6.0, 2);
        Colour c = mix(rgb(0x0A0806), rgb(0xC8B088), smoothstep(0.35, 0.75, density) * gap);
        c = scaled(c, 0.7 + 0.5 * g);
        // The planet's golden glow on the left.
        c = mix(c, rgb(0xE0B060), (1.0 - smoothstep(0, 80, x)) * 0.25);
        return scaled(c, 0.8);
    });
    cairo_t* cr = canvas.cr();
    Random random(503);
    for (int i = 0; i < 60; ++i) {
        const double x = random.range(0, 240), y = random.range(0, kPeriod);
        const double r = random.range(1.5, 5);
        const std::uint64_t seed = random.next();
        wrapped(y, [&](double wy) {
            asteroid(cr, x, wy, r, seed);
            fillCircle(cr, x - r * 0.3, wy - r * 0.3, r * 0.35, rgb(0xF0F4FF, 0.8));
        });
    }
}

// --- Uranus: a pale sea of haze ---

void paintUranus(Canvas& canvas, int) {
    const Noise haze = periodicNoise(601, 80), puffs = periodicNoise(602, 30);
    canvas.fillPixels([&](int x, int y) {
        const double h = haze.fractal(x / 80.0, y / 80.0, 5);
        const double band = 0.5 + 0.5 * std::sin(4 * kTau * y / kPeriod + (h - 0.5) * 3);
        Colour c = mix(rgb(0x1A5A64), rgb(0x6AB8C0), band * 0.6 + h * 0.4);
        const double puff = smoothstep(0.6, 0.75, puffs.fractal(x / 30.0, y / 30.0, 4));
        c = mix(c, rgb(0xD8F8F8), puff * 0.6);
        return scaled(c, 0.78);
    });
    cairo_t* cr = canvas.cr();
    Random random(603);
    for (int i = 0; i < 40; ++i) {
        const double x = random.range(0, 240), y = random.range(0, kPeriod);
        const double r = random.range(2, 4);
        wrapped(y, [&](double wy) { glow(cr, x, wy, r, rgb(0xE8FFFF, 0.7)); });
    }
}

// --- Neptunus: deep blue, racing white streaks and a dark storm ---

void paintNeptunus(Canvas& canvas, int) {
    const Noise depth = periodicNoise(701, 60), streaks = Noise(702, 2, 48);
    canvas.fillPixels([&](int x, int y) {
        const double d = depth.fractal(x / 60.0, y / 60.0, 5);
        Colour c = mix(rgb(0x061440), rgb(0x2450B8), d);
        const double s = streaks.fractal(x / 120.0, y / 20.0, 4);
        c = mix(c, rgb(0xE8F0FF), smoothstep(0.64, 0.78, s) * 0.8);
        return scaled(c, 0.82);
    });
    cairo_t* cr = canvas.cr();
    for (double y : {250.0, 700.0}) {
        wrapped(y, [&](double wy) {
            cairo_save(cr);
            cairo_translate(cr, y < 500 ? 80 : 170, wy);
            cairo_scale(cr, 1.8, 1);
            fillCircle(cr, 0, 0, 22, rgb(0x040A28, 0.85));
            fillCircle(cr, 0, 0, 14, rgb(0x020618, 0.9));
            cairo_restore(cr);
            glow(cr, (y < 500 ? 80 : 170) + 30, wy + 20, 14, rgb(0xFFFFFF, 0.5));
        });
    }
}

// --- Pluto: ice plains, dark uplands and craters ---

void paintPluto(Canvas& canvas, int) {
    const Noise region = periodicNoise(801, 80), rough = periodicNoise(802, 12),
                cells = periodicNoise(803, 24);
    canvas.fillPixels([&](int x, int y) {
        const double r = region.fractal(x / 80.0, y / 80.0, 5);
        const double g = rough.fractal(x / 12.0, y / 12.0, 3);
        const double plain = smoothstep(0.5, 0.56, r);
        Colour upland = mix(rgb(0x3A2620), rgb(0x8A6A58), g);
        // The nitrogen plain: smooth pale ice broken into cells.
        const double cell = cells.fractal(x / 24.0, y / 24.0, 2);
        const double crack = 1.0 - smoothstep(0.0, 0.03, std::abs(cell - 0.5));
        Colour ice = mix(rgb(0xD8D0C4), rgb(0xF0E8DC), g);
        ice = mix(ice, rgb(0x9A8A7A), crack * 0.6);
        return scaled(mix(upland, ice, plain), 0.72);
    });
    craters(canvas.cr(), 804, 22, 3, 16, rgb(0x6A5446));
}

constexpr PainterRow kBackgroundPainters[] = {
    {"B0001.BAI", paintEarth},    {"B0007.BAI", paintSpace},    {"B0003.BAI", paintMars},
    {"B0002.BAI", paintJupiter},  {"B0006.BAI", paintSaturnus}, {"B0008.BAI", paintUranus},
    {"B0004.BAI", paintNeptunus}, {"B0005.BAI", paintPluto},
};

}  // namespace

std::span<const PainterRow> backgroundPainters() {
    return kBackgroundPainters;
}

}  // namespace cindervane::assetgen
