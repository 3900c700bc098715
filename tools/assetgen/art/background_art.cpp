// The eight stage backgrounds, 240 x 1280 each, one look per world. The play field shows 320
// rows and scrolls from row 960 up to row 0, then starts again at 960, so everything here
// repeats every 960 rows: the noise is periodic and every drawn feature is drawn again one
// period above and below. The worlds are kept dark enough for the shots to read over them.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/world_surface.h"
#include "tools/assetgen/inventory.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/random.h"

namespace cindervane::assetgen {

namespace {

constexpr double kPeriod = kBackgroundWrap;
constexpr double kTau = 2 * M_PI;

// The world's surface seen from above, darkened by the shade and with only the given part
// of its colour kept (the rest turned to grey of the same brightness), so that the shots,
// the ship and the boss stand out from it.
void paintSurface(Canvas& canvas, World world, double shade, double colourKept = 1) {
    const WorldSurface surface(world);
    canvas.fillPixels([&](int x, int y) {
        const Colour c = scaled(surface.at(x, y), shade);
        const double grey = c.red * 0.3 + c.green * 0.59 + c.blue * 0.11;
        return mix(Colour{grey, grey, grey, 1}, c, colourKept);
    });
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
    paintSurface(canvas, World::Earth, 0.72, 0.85);
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
    paintSurface(canvas, World::Space, 1.0);
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

void paintMars(Canvas& canvas, int) {
    paintSurface(canvas, World::Mars, 0.7, 0.45);
    craters(canvas.cr(), 304, 28, 4, 22, rgb(0x8A3A1C));
}

// --- Jupiter: turbulent cloud bands and storms ---

void paintJupiter(Canvas& canvas, int) {
    paintSurface(canvas, World::Jupiter, 0.5, 0.7);
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
    paintSurface(canvas, World::Saturnus, 0.55, 0.45);
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
    paintSurface(canvas, World::Uranus, 0.48, 0.7);
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
    paintSurface(canvas, World::Neptunus, 0.82);
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
    paintSurface(canvas, World::Pluto, 0.55, 0.8);
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
