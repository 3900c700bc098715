// Explosions, hit sparks, the spinning coins and the item box, plus the still coin and box
// pictures of the help page.
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/craft_kit.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/random.h"

namespace cindervane::assetgen {

namespace {

const Colour kWhiteHot = rgb(0xFFFBE8);
const Colour kYellow = rgb(0xFFD840);
const Colour kOrange = rgb(0xFF8A18);
const Colour kRed = rgb(0xD83010);
const Colour kSmoke = rgb(0x4A3A34);
const Colour kSmokeDark = rgb(0x2A2226);

// A ball of fire or smoke: a shaded disc lit from the upper left.
void puff(cairo_t* cr, double x, double y, double r, const Colour& light, const Colour& dark) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.35, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(p, 0, light.red, light.green, light.blue);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.red, dark.green, dark.blue);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// --- The big explosion: five frames growing and fading ---

void paintExplosion(Canvas& canvas, int frame) {
    cairo_t* cr = canvas.cr();
    const double c = 35.5;
    Random random(5100);  // the same puffs in every frame, so the cloud grows in place
    struct Puff {
        double angle, distance, size;
    };
    std::vector<Puff> puffs;
    for (int i = 0; i < 14; ++i)
        puffs.push_back({random.range(0, 2 * M_PI), random.range(0.25, 1.0), random.range(0.5, 1)});
    const double growth[] = {0.3, 0.55, 0.8, 0.95, 1.0};
    const double g = growth[frame];
    const double reach = 24 * g;
    // Flash and rays in the first frames.
    if (frame <= 1) {
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4 + 0.2;
            cairo_new_path(cr);
            cairo_move_to(cr, c + std::cos(a - 0.2) * 4, c + std::sin(a - 0.2) * 4);
            cairo_line_to(cr, c + std::cos(a) * (16 + frame * 14),
                          c + std::sin(a) * (16 + frame * 14));
            cairo_line_to(cr, c + std::cos(a + 0.2) * 4, c + std::sin(a + 0.2) * 4);
            cairo_close_path(cr);
            setColour(cr, frame ? kYellow : kWhiteHot);
            cairo_fill(cr);
        }
    }
    for (const Puff& p : puffs) {
        const double x = c + std::cos(p.angle) * p.distance * reach;
        const double y = c + std::sin(p.angle) * p.distance * reach;
        const double r = (5 + 9 * p.size) * (0.5 + g * 0.6);
        // Fading: late frames burn out from the middle and leave dark, broken smoke.
        if (frame >= 3 && p.distance < 0.45) continue;
        if (frame == 4 && p.size < 0.7) continue;
        Colour light, dark;
        switch (frame) {
            case 0:
                light = kWhiteHot, dark = kYellow;
                break;
            case 1:
                light = kWhiteHot, dark = kOrange;
                break;
            case 2:
                light = kYellow, dark = kRed;
                break;
            case 3:
                light = kOrange, dark = kSmoke;
                break;
            default:
                light = rgb(0x7A5A48), dark = kSmokeDark;
                break;
        }
        puff(cr, x, y, frame == 4 ? r * 0.75 : r, light, dark);
    }
    if (frame <= 2) puff(cr, c, c, (8 + frame * 5), kWhiteHot, frame ? kYellow : kWhiteHot);
    // Debris and embers.
    Random sparks(5200 + frame);
    for (int i = 0; i < 10 + frame * 3; ++i) {
        const double a = sparks.range(0, 2 * M_PI);
        const double d = sparks.range(0.6, 1.3) * (10 + 22 * g);
        if (d > 33) continue;
        fillCircle(cr, c + std::cos(a) * d, c + std::sin(a) * d, sparks.range(0.7, 1.5),
                   frame >= 3 ? kOrange : kYellow);
    }
}

// --- The hit spark: a quick star of light ---

void paintHitSpark(Canvas& canvas, int frame) {
    cairo_t* cr = canvas.cr();
    const double cx = 11.5, cy = 13;
    const double size[] = {7, 11, 11};
    Random random(5300);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3 + random.range(-0.2, 0.2);
        const double l = size[frame] * random.range(0.8, 1.1);
        if (frame == 2 && i % 2) continue;
        cairo_new_path(cr);
        cairo_move_to(cr, cx + std::cos(a - 0.5), cy + std::sin(a - 0.5));
        cairo_line_to(cr, cx + std::cos(a) * l, cy + std::sin(a) * l);
        cairo_line_to(cr, cx + std::cos(a + 0.5), cy + std::sin(a + 0.5));
        cairo_close_path(cr);
        setColour(cr, frame == 2 ? kOrange : kYellow);
        cairo_fill(cr);
    }
    if (frame < 2) {
        fillCircle(cr, cx, cy, 3.5 + frame * 1.5, kYellow);
        fillCircle(cr, cx, cy, 2.2 + frame, kWhiteHot);
    } else {
        fillCircle(cr, cx, cy, 2.5, kOrange);
        for (int i = 0; i < 7; ++i) {
            const double a = random.range(0, 2 * M_PI);
            fillCircle(cr, cx + std::cos(a) * 7, cy + std::sin(a) * 7, 1.4, kYellow);
        }
    }
}

// --- Coins: silver and gold, small and large, turning over seven frames ---

struct CoinMetal {
    Colour light, face, dark, edge;
};

const CoinMetal kSilver{rgb(0xFFFFFF), rgb(0xC4CCD6), rgb(0x6A7484), rgb(0x8A94A2)};
const CoinMetal kGold{rgb(0xFFF4B0), rgb(0xF0B830), rgb(0x8A5A10), rgb(0xB8841C)};

void coin(cairo_t* cr, double cx, double cy, double radius, double turn, const CoinMetal& m,
          bool large) {
    const double squeeze = std::max(std::abs(std::cos(turn)), 0.12);
    const double thickness = radius * 0.22 * std::abs(std::sin(turn));
    cairo_save(cr);
    // The coin's edge, seen while it turns.
    cairo_save(cr);
    cairo_translate(cr, cx + thickness / 2, cy);
    cairo_scale(cr, radius * squeeze, radius);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    setColour(cr, scaled(m.dark, 0.6));
    cairo_fill(cr);
    cairo_rectangle(cr, cx - thickness / 2, cy - radius + 0.5, thickness, 2 * radius - 1);
    setColour(cr, m.edge);
    cairo_fill(cr);
    // The face.
    cairo_save(cr);
    cairo_translate(cr, cx - thickness / 2, cy);
    cairo_scale(cr, radius * squeeze, radius);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* p =
        cairo_pattern_create_linear(cx - radius, cy - radius, cx + radius, cy + radius);
    cairo_pattern_add_color_stop_rgb(p, 0, m.light.red, m.light.green, m.light.blue);
    cairo_pattern_add_color_stop_rgb(p, 0.45, m.face.red, m.face.green, m.face.blue);
    cairo_pattern_add_color_stop_rgb(p, 1, m.dark.red, m.dark.green, m.dark.blue);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, scaled(m.dark, 0.5));
    cairo_set_line_width(cr, large ? 1.2 : 0.8);
    cairo_stroke(cr);
    // A raised rim and a star in the middle.
    if (squeeze > 0.35) {
        cairo_save(cr);
        cairo_translate(cr, cx - thickness / 2, cy);
        cairo_scale(cr, squeeze, 1);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, radius * 0.72, 0, 2 * M_PI);
        cairo_restore(cr);
        setColour(cr, scaled(m.dark, 0.9));
        cairo_set_line_width(cr, large ? 1.4 : 0.9);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, cx - thickness / 2, cy);
        cairo_scale(cr, squeeze, 1);
        cairo_new_path(cr);
        for (int i = 0; i < 10; ++i) {
            const double a = i * M_PI / 5 - M_PI / 2;
            const double r = radius * (i % 2 ? 0.22 : 0.5);
            if (i == 0)
                cairo_move_to(cr, std::cos(a) * r, std::sin(a) * r);
            else
                cairo_line_to(cr, std::cos(a) * r, std::sin(a) * r);
        }
        cairo_close_path(cr);
        cairo_restore(cr);
        setColour(cr, m.dark);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void paintCoin(Canvas& canvas, int frame, const CoinMetal& metal) {
    const double w = canvas.width();
    const bool large = w > 20;
    // Half a turn over the seven frames: the back looks like the front, so it loops.
    coin(canvas.cr(), w / 2, w / 2, w / 2 - (large ? 2.2 : 1.6), frame * M_PI / 7, metal, large);
    if (frame == 0) fillCircle(canvas.cr(), w * 0.34, w * 0.32, large ? 1.8 : 1.0, rgb(0xFFFFFF));
}

void paintCoinV1(Canvas& canvas, int frame) {
    paintCoin(canvas, frame, kSilver);
}
void paintCoinV2(Canvas& canvas, int frame) {
    paintCoin(canvas, frame, kGold);
}
void paintCoinV3(Canvas& canvas, int frame) {
    paintCoin(canvas, frame, kSilver);
}
void paintCoinV4(Canvas& canvas, int frame) {
    paintCoin(canvas, frame, kGold);
}

// --- The item box: a capsule with a glowing core and a shine that sweeps across ---

void paintItemBox(Canvas& canvas, int frame) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    bevelPanel(cr, 2, 2.5, w - 4, h - 5, 6, rgb(0x3A7AC8), 1.6);
    // Window with the glowing contents.
    roundedRectangle(cr, 9, 7, w - 18, h - 14, 3);
    setColour(cr, rgb(0x0C2A20));
    cairo_fill(cr);
    const double pulse = 0.5 + 0.5 * std::cos(frame * 2 * M_PI / 10);
    glow(cr, w / 2, h / 2, 9 + pulse * 2, rgb(0x50FF90));
    drawLettering(cr, "P", w / 2, h / 2 + 4.5, {kSans, 12, true}, rgb(0xFFFFFF), rgb(0xB0FFC8),
                  rgb(0x0A4020), 1, Align::Centre);
    // The shine, sweeping from left to right.
    const double x = -6 + frame * (w + 4) / 9.0;
    cairo_save(cr);
    roundedRectangle(cr, 3, 3.5, w - 6, h - 7, 5);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x, 2);
    cairo_line_to(cr, x + 4, 2);
    cairo_line_to(cr, x - 4, h - 2);
    cairo_line_to(cr, x - 8, h - 2);
    cairo_close_path(cr);
    setColour(cr, rgb(0xFFFFFF, 0.75));
    cairo_fill(cr);
    cairo_restore(cr);
    // Corner lights blinking in turn.
    const Colour on = rgb(0xFFE040), off = rgb(0x806020);
    fillCircle(cr, 5.5, 6, 1.3, frame % 2 ? on : off);
    fillCircle(cr, w - 5.5, h - 6, 1.3, frame % 2 ? off : on);
}

// The still pictures on the help page.
void paintHelpGoldCoin(Canvas& canvas, int) {
    paintCoin(canvas, 0, kGold);
}
void paintHelpSilverCoin(Canvas& canvas, int) {
    paintCoin(canvas, 0, kSilver);
}
void paintHelpItemBox(Canvas& canvas, int) {
    paintItemBox(canvas, 0);
}

constexpr PainterRow kEffectPainters[] = {
    {"O0050.BAI", paintExplosion},      {"O0051.BAI", paintHitSpark},
    {"I0002.BAI", paintCoinV1},         {"I0003.BAI", paintCoinV2},
    {"I0004.BAI", paintCoinV3},         {"I0005.BAI", paintCoinV4},
    {"I0001.BAI", paintItemBox},        {"O0001.BAI", paintHelpGoldCoin},
    {"O0002.BAI", paintHelpSilverCoin}, {"O0019.BAI", paintHelpItemBox},
};

}  // namespace

std::span<const PainterRow> effectPainters() {
    return kEffectPainters;
}

}  // namespace cindervane::assetgen
