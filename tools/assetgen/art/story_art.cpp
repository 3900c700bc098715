// The story screens: the briefing picture, the eight stage intro pictures, the four ending
// pictures, and the scrolling text pictures of the prologue, the briefing and every stage's
// opening and closing. A text picture holds its text in the rows the screen scrolls through,
// followed by one window of padding.
#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/craft_kit.h"
#include "tools/assetgen/art/ship_models.h"
#include "tools/assetgen/art/story_text.h"
#include "tools/assetgen/art/text_layout.h"
#include "tools/assetgen/art/world_surface.h"
#include "tools/assetgen/inventory.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/random.h"

namespace cindervane::assetgen {

namespace {

const Colour kInk = rgb(0x0A0C14);
const Colour kTextColour = rgb(0xE8ECF4);
const Colour kHeadingTop = rgb(0xFFF0A0);
const Colour kHeadingBottom = rgb(0xFF6A20);

// --- Scrolling text ---

void paintStoryText(Canvas& canvas, const StoryText& text) {
    cairo_t* cr = canvas.cr();
    const double width = canvas.width();
    const double window = text.overTitle ? kPrologueWindowHeight : kStoryWindowHeight;
    const double room = canvas.height() - window;  // the rows the screen scrolls through
    if (!text.overTitle) {
        setColour(cr, rgb(0x000000));
        cairo_paint(cr);
    }
    const double margin = 6;
    // The prologue keeps to the right-hand column, clear of the title standing at the left.
    const double columnLeft = text.overTitle ? 104 : 0;
    const double columnWidth = width - columnLeft;
    const double centre = columnLeft + columnWidth / 2;
    const TextLayout layout(cr, text.heading, text.body, columnWidth - (text.overTitle ? 10 : 28),
                            room - 2 * margin, text.overTitle ? 14 : 13);
    double y = margin + std::max(0.0, (room - 2 * margin - layout.height()) / 2);
    if (!text.heading.empty()) {
        TextStyle style{kSans, layout.size() * 1.5, true, true};
        style.size = fitSize(cr, style, text.heading, columnWidth - 10);
        drawLettering(cr, text.heading, centre, y + layout.size() * 1.5, style, kHeadingTop,
                      kHeadingBottom, kInk, 1.2, Align::Centre);
        y += layout.headingHeight();
    }
    const TextStyle body{kCondensed, layout.size(), true};
    for (const auto& paragraph : layout.paragraphs()) {
        for (const std::string& line : paragraph) {
            const double baseline = y + layout.lineHeight() * 0.78;
            if (text.overTitle)
                drawLettering(cr, line, centre, baseline, body, rgb(0xFFFFFF), rgb(0xD8E0F0), kInk,
                              1.3, Align::Centre);
            else
                drawText(cr, line, centre, baseline, body, kTextColour, Align::Centre);
            y += layout.lineHeight();
        }
        y += layout.paragraphGap();
    }
}

template <int kIndex>
void paintStoryTextAt(Canvas& canvas, int) {
    paintStoryText(canvas, kStoryTexts[kIndex]);
}

// --- Pictures ---

struct PlanetScene {
    const char* title;
    const char* name;
    World world;
    double radius;
    double x;
    double y;
    std::uint64_t seed;
};

void planetScene(Canvas& canvas, const PlanetScene& scene, ShipVariant ship) {
    cairo_t* cr = canvas.cr();
    verticalGradient(cr, 0, 0, 240, 180, rgb(0x03040A), rgb(0x0C1020));
    starfield(cr, 240, 180, scene.seed, 170);
    drawStagePlanet(cr, scene.world, scene.x, scene.y, scene.radius);
    drawShip(cr, ship, 58, 120, 1.1, -18, -25);
    drawLettering(cr, scene.title, 12, 26, {kSans, 13, true}, rgb(0xFFFFFF), rgb(0xC8D4E8), kInk,
                  1.1, Align::Left);
    drawLettering(cr, scene.name, 12, 50, {kSans, 20, true, true}, kHeadingTop, kHeadingBottom,
                  kInk, 1.4, Align::Left);
}

void paintIntro1(Canvas& c, int) {
    planetScene(c, {"STAGE 1", "EARTH", World::Earth, 120, 190, 190, 6101},
                ShipVariant::RedPhoenix);
}
void paintIntro2(Canvas& c, int) {
    planetScene(c, {"STAGE 2", "SPACE", World::Space, 60, 180, 110, 6201}, ShipVariant::RedPhoenix);
}
void paintIntro3(Canvas& c, int) {
    planetScene(c, {"STAGE 3", "MARS", World::Mars, 95, 180, 170, 6301}, ShipVariant::RedPhoenix);
}
void paintIntro4(Canvas& c, int) {
    planetScene(c, {"STAGE 4", "JUPITER", World::Jupiter, 110, 185, 175, 6401},
                ShipVariant::RedPhoenixV);
}
void paintIntro5(Canvas& c, int) {
    planetScene(c, {"STAGE 5", "SATURNUS", World::Saturnus, 48, 170, 110, 6501},
                ShipVariant::RedPhoenixV);
}
void paintIntro6(Canvas& c, int) {
    planetScene(c, {"STAGE 6", "URANUS", World::Uranus, 80, 180, 150, 6601},
                ShipVariant::RedPhoenixX);
}
void paintIntro7(Canvas& c, int) {
    planetScene(c, {"STAGE 7", "NEPTUNUS", World::Neptunus, 85, 180, 150, 6701},
                ShipVariant::RedPhoenixX);
}
void paintIntro8(Canvas& c, int) {
    planetScene(c, {"STAGE 8", "PLUTO", World::Pluto, 55, 175, 115, 6801},
                ShipVariant::RedPhoenixX);
}

// The carrier Cindervane, seen from above.
void carrier(cairo_t* cr, double x, double y, double scale) {
    Mesh mesh;
    const Material hull = metal(0x6A7484), deck = metal(0x3A4250), red = metal(0xB02828);
    Mesh side;
    side.slab({{10, -40}, {22, -20}, {24, 50}, {12, 60}}, 0, 6, hull, hull, 2);
    side.tube(18, 4, 56, 68, 5, metal(0x4A505A));
    side.slab({{22, 0}, {30, 6}, {30, 30}, {22, 34}}, 0, 4, red, red);
    side.mirrorX();
    mesh.append(side);
    mesh.slab({{0, -70}, {12, -40}, {12, 58}, {-12, 58}, {-12, -40}}, 0, 10, hull, hull, 2);
    mesh.slab({{-6, -50}, {6, -50}, {6, 40}, {-6, 40}}, 10, 11, deck, deck);
    mesh.box({8, 0, 10}, {14, 18, 20}, hull);
    Pose pose;
    pose.originX = x;
    pose.originY = y;
    pose.scale = scale;
    pose.yaw = 20;
    for (double nx : {-18.0, 18.0})
        tailFlame(cr, pose, {nx, 68, 4}, 8, 10, rgb(0xFFF4C0), rgb(0x60B0FF));
    MeshRenderer::draw(cr, mesh, pose);
    for (int i = 0; i < 6; ++i)
        beacon(cr, MeshRenderer::project({0, -44.0 + i * 15, 11}, pose), 0.9, rgb(0x80FFB0));
}

void paintBriefing(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    verticalGradient(cr, 0, 0, 240, 180, rgb(0x03040A), rgb(0x0C1020));
    starfield(cr, 240, 180, 6001, 160);
    drawStagePlanet(cr, World::Earth, 60, 230, 150);
    carrier(cr, 150, 84, 0.95);
    drawShip(cr, ShipVariant::RedPhoenix, 66, 60, 0.9, -20, -10);
    drawLettering(cr, "CINDERVANE", 228, 170, {kSans, 13, true, true}, rgb(0xFFFFFF), rgb(0xC8D4E8),
                  kInk, 1, Align::Right);
}

// A victory over the stage just cleared: the ship flying away from the fire of its prey.
void endingScene(Canvas& canvas, ShipVariant ship, World world, std::uint64_t seed,
                 const Colour& blast) {
    cairo_t* cr = canvas.cr();
    verticalGradient(cr, 0, 0, 240, 180, rgb(0x03040A), rgb(0x10101C));
    starfield(cr, 240, 180, seed, 170);
    drawStagePlanet(cr, world, 200, 230, 140);
    // The boss's last fire: a cloud of burning puffs and flying debris.
    Random random(seed + 2);
    glow(cr, 70, 120, 70, withAlpha(blast, 0.6));
    for (int i = 0; i < 14; ++i) {
        const double a = random.range(0, 2 * M_PI), d = random.range(0, 34);
        const double x = 70 + std::cos(a) * d, y = 120 + std::sin(a) * d * 0.8;
        const double r = random.range(8, 18) * (1 - d / 60);
        cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, 1, x, y, r);
        const Colour core = mix(rgb(0xFFF4C0), blast, d / 40), rim = scaled(blast, 0.45);
        cairo_pattern_add_color_stop_rgba(p, 0, core.red, core.green, core.blue, 1);
        cairo_pattern_add_color_stop_rgba(p, 1, rim.red, rim.green, rim.blue, 0.9);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    for (int i = 0; i < 18; ++i) {
        const double a = random.range(0, 2 * M_PI), d0 = random.range(30, 45);
        const double d1 = d0 + random.range(8, 22);
        cairo_new_path(cr);
        cairo_move_to(cr, 70 + std::cos(a) * d0, 120 + std::sin(a) * d0 * 0.8);
        cairo_line_to(cr, 70 + std::cos(a) * d1, 120 + std::sin(a) * d1 * 0.8);
        cairo_set_line_width(cr, random.range(1, 2.2));
        setColour(cr, mix(blast, rgb(0xFFFFFF), 0.5));
        cairo_stroke(cr);
    }
    drawShip(cr, ship, 150, 62, 1.5, 25, 35);
}

void paintEndingA(Canvas& canvas, int) {
    endingScene(canvas, ShipVariant::RedPhoenix, World::Earth, 6901, rgb(0xFFA040));
}
void paintEndingV(Canvas& canvas, int) {
    endingScene(canvas, ShipVariant::RedPhoenixV, World::Saturnus, 6911, rgb(0xFF8030));
}
void paintEndingX(Canvas& canvas, int) {
    endingScene(canvas, ShipVariant::RedPhoenixX, World::Neptunus, 6921, rgb(0x80C0FF));
}

// After Jupiter: the silver hawk falling into the great storm.
void paintEndingJupiter(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    verticalGradient(cr, 0, 0, 240, 180, rgb(0x03040A), rgb(0x100C08));
    starfield(cr, 240, 180, 6931, 140);
    drawStagePlanet(cr, World::Jupiter, 120, 300, 230);
    // The fall: a silver streak ending in a flash in the clouds.
    cairo_new_path(cr);
    cairo_move_to(cr, 40, 30);
    cairo_curve_to(cr, 70, 60, 100, 90, 128, 128);
    cairo_set_line_width(cr, 3);
    setColour(cr, rgb(0xD8E4FF, 0.9));
    cairo_stroke(cr);
    glow(cr, 130, 130, 22, rgb(0xFFF0C0));
    drawShip(cr, ShipVariant::RedPhoenixV, 186, 52, 1.4, -20, -20);
}

constexpr PainterRow kStoryPainters[] = {
    {"O0029.BAI", paintBriefing},
    {"O0052.BAI", paintIntro1},
    {"O0053.BAI", paintIntro2},
    {"O0054.BAI", paintIntro3},
    {"O0055.BAI", paintIntro4},
    {"O0056.BAI", paintIntro5},
    {"O0057.BAI", paintIntro6},
    {"O0058.BAI", paintIntro7},
    {"O0059.BAI", paintIntro8},
    {"O0060.BAI", paintEndingA},
    {"O0061.BAI", paintEndingV},
    {"O0062.BAI", paintEndingX},
    {"O0063.BAI", paintEndingJupiter},
    {kStoryTexts[0].file, paintStoryTextAt<0>},
    {kStoryTexts[1].file, paintStoryTextAt<1>},
    {kStoryTexts[2].file, paintStoryTextAt<2>},
    {kStoryTexts[3].file, paintStoryTextAt<3>},
    {kStoryTexts[4].file, paintStoryTextAt<4>},
    {kStoryTexts[5].file, paintStoryTextAt<5>},
    {kStoryTexts[6].file, paintStoryTextAt<6>},
    {kStoryTexts[7].file, paintStoryTextAt<7>},
    {kStoryTexts[8].file, paintStoryTextAt<8>},
    {kStoryTexts[9].file, paintStoryTextAt<9>},
    {kStoryTexts[10].file, paintStoryTextAt<10>},
    {kStoryTexts[11].file, paintStoryTextAt<11>},
    {kStoryTexts[12].file, paintStoryTextAt<12>},
    {kStoryTexts[13].file, paintStoryTextAt<13>},
    {kStoryTexts[14].file, paintStoryTextAt<14>},
    {kStoryTexts[15].file, paintStoryTextAt<15>},
    {kStoryTexts[16].file, paintStoryTextAt<16>},
    {kStoryTexts[17].file, paintStoryTextAt<17>},
};

}  // namespace

std::span<const PainterRow> storyPainters() {
    return kStoryPainters;
}

}  // namespace cindervane::assetgen
