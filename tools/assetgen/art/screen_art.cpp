// The screen pictures: maker logos, the title and main menu, the help and credit screens'
// backdrops and titles, the button panel, the status panel with its bar, the speaker icons,
// the on-screen keyboard and the upgrade shops. Labels and buttons sit exactly on the areas
// where the game counts taps.
#include <array>
#include <cmath>
#include <string>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/craft_kit.h"
#include "tools/assetgen/art/screen_layout.h"
#include "tools/assetgen/art/ship_models.h"
#include "tools/assetgen/art/world_surface.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/random.h"

namespace cindervane::assetgen {

namespace {

const Colour kInk = rgb(0x0A0C14);
const Colour kPanelBlue = rgb(0x26344E);
const Colour kFireTop = rgb(0xFFF0A0);
const Colour kFireBottom = rgb(0xE83A10);
const Colour kSteelTop = rgb(0xF4F8FF);
const Colour kSteelBottom = rgb(0x6A88B0);

void fill(cairo_t* cr, const Colour& colour) {
    setColour(cr, colour);
    cairo_paint(cr);
}

// The game's name in flame-coloured lettering.
void gameTitle(cairo_t* cr, double x, double baseline, double size) {
    TextStyle style{kSans, size, true, true};
    style.size = fitSize(cr, style, "CINDERVANE", 226);
    drawLettering(cr, "CINDERVANE", x, baseline, style, kFireTop, kFireBottom, rgb(0x1A0804),
                  style.size * 0.07, Align::Centre);
}

// A deep space backdrop: a dark gradient, a faint nebula and stars.
void spaceBackdrop(cairo_t* cr, double width, double height, std::uint64_t seed,
                   const Colour& nebula) {
    verticalGradient(cr, 0, 0, width, height, rgb(0x05060E), rgb(0x0E1226));
    Random random(seed);
    for (int i = 0; i < 7; ++i)
        glow(cr, random.range(0, width), random.range(0, height), random.range(40, 90),
             withAlpha(nebula, random.range(0.08, 0.18)));
    starfield(cr, width, height, seed + 1, static_cast<int>(width * height / 260));
}

// The maker's emblem: a stylised kestrel in a ring.
void makerEmblem(cairo_t* cr, double cx, double cy, double r, const Colour& colour,
                 const Colour& ring) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_set_line_width(cr, r * 0.12);
    setColour(cr, ring);
    cairo_stroke(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, r / 10, r / 10);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -6.5);
    cairo_curve_to(cr, 2, -4, 5, -3, 8.5, -4.5);
    cairo_curve_to(cr, 6, -1, 3, 0, 1.5, 0.5);
    cairo_line_to(cr, 3, 6.5);
    cairo_line_to(cr, 0, 4.5);
    cairo_line_to(cr, -3, 6.5);
    cairo_line_to(cr, -1.5, 0.5);
    cairo_curve_to(cr, -3, 0, -6, -1, -8.5, -4.5);
    cairo_curve_to(cr, -5, -3, -2, -4, 0, -6.5);
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill(cr);
    cairo_restore(cr);
}

// --- Maker logos ---

void paintMakerLogo(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    fill(cr, rgb(0xFFFFFF));
    makerEmblem(cr, 36, 38, 27, rgb(0xC8302A), rgb(0x28324A));
    drawText(cr, kMakerName, 72, 42, {kSans, 17, true}, rgb(0x28324A));
    drawText(cr, "INTERACTIVE", 73, 58, {kCondensed, 10.5, false}, rgb(0xC8302A));
    cairo_rectangle(cr, 72, 47, 140, 1.5);
    setColour(cr, rgb(0x28324A));
    cairo_fill(cr);
}

void paintMakerSplash(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    spaceBackdrop(cr, 240, 300, 2501, rgb(0x6040C0));
    glow(cr, 120, 120, 90, rgb(0xFF6030, 0.35));
    makerEmblem(cr, 120, 118, 52, rgb(0xFF5A3A), rgb(0xE8ECF4));
    drawLettering(cr, kMakerName, 120, 212, {kSans, 20, true}, kSteelTop, kSteelBottom,
                  rgb(0x0A0C18), 1.4, Align::Centre);
    drawText(cr, "PRESENTS", 120, 236, {kCondensed, 12, false}, rgb(0xC0C8D8), Align::Centre);
}

void paintMakerWeb(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    fill(cr, rgb(0x000000));
    drawText(cr, kMakerWeb, 116, 12, {kCondensed, 10.5, false}, rgb(0x8A9AB8), Align::Centre);
}

// --- Title and main menu ---

void titleScene(cairo_t* cr, std::uint64_t seed) {
    spaceBackdrop(cr, 240, 320, seed, rgb(0xC04020));
    drawStagePlanet(cr, World::Earth, 190, 300, 110);
}

// The picture behind the prologue. The prologue's text scrolls up the right-hand column
// (from x 104), so the title stands upright along the left edge and the two never cross.
void paintTitle(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    titleScene(cr, 2601);
    cairo_save(cr);
    cairo_translate(cr, 58, 160);
    cairo_rotate(cr, -M_PI / 2);
    TextStyle style{kSans, 36, true, true};
    style.size = fitSize(cr, style, "CINDERVANE", 300);
    drawLettering(cr, "CINDERVANE", 0, 0, style, kFireTop, kFireBottom, rgb(0x1A0804),
                  style.size * 0.07, Align::Centre);
    drawText(cr, "THE LAST SQUADRON", 0, 22, {kCondensed, 12, true}, rgb(0xFFD8A0), Align::Centre);
    cairo_restore(cr);
}

void paintMainMenu(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    titleScene(cr, 2701);
    gameTitle(cr, 120, 56, 34);
    drawText(cr, "THE LAST SQUADRON", 120, 74, {kCondensed, 11, true}, rgb(0xFFD8A0),
             Align::Centre);
    drawShip(cr, ShipVariant::RedPhoenix, 176, 178, 1.9, 18);
    // The menu, each label inside its tap area.
    roundedRectangle(cr, 4, 219, 122, 92, 6);
    setColour(cr, rgb(0x060812, 0.72));
    cairo_fill_preserve(cr);
    setColour(cr, rgb(0x6A7EA8, 0.9));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (const MenuLabel& item : kMenuLabels) {
        const double top = item.area.top, bottom = item.area.bottom;
        const double middle = (top + bottom + 1) / 2.0;
        cairo_new_path(cr);
        cairo_move_to(cr, item.area.left + 2, middle - 3.5);
        cairo_line_to(cr, item.area.left + 7, middle);
        cairo_line_to(cr, item.area.left + 2, middle + 3.5);
        cairo_close_path(cr);
        setColour(cr, rgb(0xFF8A30));
        cairo_fill(cr);
        const TextStyle style{kSans, 11, true};
        drawLettering(cr, item.text, item.area.left + 11, middle + 4, style, kSteelTop,
                      rgb(0xB8C8E0), kInk, 1.0, Align::Left);
    }
    drawText(cr, "(C) " + std::string(kMakerName), 236, 316, {kCondensed, 8, false}, rgb(0x8090B0),
             Align::Right);
}

// --- Help, credit and high score screens ---

void paintHelpBackdrop(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    verticalGradient(cr, 0, 0, 240, 285, rgb(0x0A1428), rgb(0x050810));
    // A faint grid, like a briefing screen.
    for (int x = 0; x < 240; x += 16) {
        cairo_rectangle(cr, x, 0, 1, 285);
        setColour(cr, rgb(0x2A4070, 0.35));
        cairo_fill(cr);
    }
    for (int y = 8; y < 285; y += 16) {
        cairo_rectangle(cr, 0, y, 240, 1);
        setColour(cr, rgb(0x2A4070, 0.35));
        cairo_fill(cr);
    }
    starfield(cr, 240, 285, 2801, 60, 0.6);
    cairo_rectangle(cr, 0, 0, 240, 2);
    setColour(cr, rgb(0xFF7A30));
    cairo_fill(cr);
}

void screenTitle(Canvas& canvas, const char* text) {
    cairo_t* cr = canvas.cr();
    verticalGradient(cr, 0, 0, 240, 35, rgb(0x30405E), rgb(0x101624));
    cairo_rectangle(cr, 0, 33, 240, 2);
    setColour(cr, rgb(0x0A0C14));
    cairo_fill(cr);
    makerEmblem(cr, 18, 17, 11, rgb(0xFF6A3A), rgb(0x9AAACC));
    drawLettering(cr, text, 124, 25, {kSans, 18, true}, kSteelTop, kSteelBottom, kInk, 1.2,
                  Align::Centre);
}

// The help pages' title carries what a desktop player needs on every page: the keys and
// pad controls that steer and pause, beside the title.
void paintHelpTitle(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    verticalGradient(cr, 0, 0, 240, 35, rgb(0x30405E), rgb(0x101624));
    cairo_rectangle(cr, 0, 33, 240, 2);
    setColour(cr, rgb(0x0A0C14));
    cairo_fill(cr);
    makerEmblem(cr, 18, 17, 11, rgb(0xFF6A3A), rgb(0x9AAACC));
    drawLettering(cr, "HELP", 64, 25, {kSans, 18, true}, kSteelTop, kSteelBottom, kInk, 1.2,
                  Align::Centre);
    const TextStyle heading{kCondensed, 7.5, true};
    const TextStyle keys{kCondensed, 7.5, false};
    const Colour headingColour = rgb(0xFFB070), keysColour = rgb(0xD8E0F0);
    const char* steer = "ARROWS, WASD, STICK, D-PAD";
    const char* pause = "C, P, ESC, PAD START, BACK";
    const TextStyle fitted{
        kCondensed, std::min(fitSize(cr, keys, steer, 104), fitSize(cr, keys, pause, 104)), false};
    drawText(cr, "STEER", 100, 14, heading, headingColour);
    drawText(cr, steer, 130, 14, fitted, keysColour);
    drawText(cr, "PAUSE", 100, 26, heading, headingColour);
    drawText(cr, pause, 130, 26, fitted, keysColour);
}
void paintCreditTitle(Canvas& canvas, int) {
    screenTitle(canvas, "CREDITS");
}
void paintHighScoreTitle(Canvas& canvas, int) {
    screenTitle(canvas, "HIGH SCORES");
}

// The lower half of the handheld: the shot button, the evade button and the direction pad
// that charges the hyper beam, each where the help page's pointer lines end, and beside each
// the desktop's keys and pad buttons for it.
void paintButtonPanel(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    bevelPanel(cr, 1, 8, 206, 55, 14, rgb(0x3A4050), 2);
    roundedRectangle(cr, 8, 14, 192, 43, 10);
    setColour(cr, rgb(0x22262E));
    cairo_fill(cr);
    auto button = [&](const Point2& c, const Colour& colour, const char* label) {
        fillCircle(cr, c.x + 1, c.y + 1.5, 9.5, rgb(0x0A0A0E));
        cairo_pattern_t* p = cairo_pattern_create_radial(c.x - 3, c.y - 3, 1, c.x, c.y, 9);
        const Colour light = scaled(colour, 1.5), dark = scaled(colour, 0.6);
        cairo_pattern_add_color_stop_rgb(p, 0, light.red, light.green, light.blue);
        cairo_pattern_add_color_stop_rgb(p, 1, dark.red, dark.green, dark.blue);
        cairo_new_path(cr);
        cairo_arc(cr, c.x, c.y, 9, 0, 2 * M_PI);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        drawText(cr, label, c.x, c.y + 4, {kSans, 10, true}, rgb(0xFFFFFF), Align::Centre);
    };
    button(kShotButton, rgb(0xD03030), "A");
    button(kEvadeButton, rgb(0x3060D0), "B");
    // The direction pad.
    const Point2 pad = kHyperPad;
    fillCircle(cr, pad.x, pad.y, 18, rgb(0x14161C));
    for (int i = 0; i < 2; ++i) {
        const double w = i ? 30 : 10, h = i ? 10 : 30;
        roundedRectangle(cr, pad.x - w / 2, pad.y - h / 2, w, h, 2);
        setColour(cr, rgb(0x5A6070));
        cairo_fill(cr);
    }
    fillCircle(cr, pad.x, pad.y, 3, rgb(0x3A3E48));
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        const double x = pad.x + std::sin(a) * 11, y = pad.y - std::cos(a) * 11;
        cairo_new_path(cr);
        cairo_move_to(cr, x + std::sin(a) * 3, y - std::cos(a) * 3);
        cairo_line_to(cr, x + std::cos(a) * 2.5, y + std::sin(a) * 2.5);
        cairo_line_to(cr, x - std::cos(a) * 2.5, y - std::sin(a) * 2.5);
        cairo_close_path(cr);
        setColour(cr, rgb(0xD8DCE4));
        cairo_fill(cr);
    }
    // Beside each of the device's buttons, the keyboard keys and pad buttons that do the
    // same on a desktop: keys in white, the pad's in pale blue.
    const TextStyle keyStyle{kCondensed, 7, true};
    const Colour keyColour = rgb(0xF4F6FA), padColour = rgb(0x9CC8FF);
    auto label = [&](double x, double y, const char* keysText, const char* padText) {
        drawText(cr, keysText, x, y, keyStyle, keyColour, Align::Centre);
        drawText(cr, padText, x, y + 8, keyStyle, padColour, Align::Centre);
    };
    label(kShotButton.x, 50, "Z / SPACE", "PAD A");
    label(kEvadeButton.x, 50, "X", "PAD B");
    label(kHyperPad.x - 38, 27, "ENTER", "PAD X");
    label(kHyperPad.x + 38, 27, "L.SHIFT", "L1 / R1");
    fillCircle(cr, 194, 19, 1.8, rgb(0x40FF60));
}

void pageButton(Canvas& canvas, const char* text, bool pointsLeft) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    bevelPanel(cr, 0.5, 0.5, w - 1, h - 1, h / 2 - 1, rgb(0x3A5A90), 1.6);
    const double ax = pointsLeft ? 12 : w - 12, ay = h / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, ax + (pointsLeft ? -5 : 5), ay);
    cairo_line_to(cr, ax + (pointsLeft ? 3 : -3), ay - 5.5);
    cairo_line_to(cr, ax + (pointsLeft ? 3 : -3), ay + 5.5);
    cairo_close_path(cr);
    setColour(cr, rgb(0xFF9A40));
    cairo_fill(cr);
    drawLettering(cr, text, pointsLeft ? w / 2 + 5 : w / 2 - 5, h / 2 + 4.5, {kSans, 11.5, true},
                  kSteelTop, rgb(0xC8D4E8), kInk, 1, Align::Centre);
}

void paintPreviousButton(Canvas& canvas, int) {
    pageButton(canvas, "PREV", true);
}
void paintNextButton(Canvas& canvas, int) {
    pageButton(canvas, "NEXT", false);
}

// --- The status panel, its hit point bar and the speaker switch ---

void paintPanel(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    verticalGradient(cr, 0, 0, 240, 22, rgb(0x3A4A68), rgb(0x141A28));
    cairo_rectangle(cr, 0, 0, 240, 1);
    setColour(cr, rgb(0x8AA0C8));
    cairo_fill(cr);
    // Sunken frames round the three bar slots, then the slots cut out so the bars show.
    for (const Rect& slot : {kPanelHpSlot, kPanelPowerSlot, kPanelEvadeSlot}) {
        cairo_rectangle(cr, slot.left - 1, slot.top - 1, slot.right - slot.left + 2,
                        slot.bottom - slot.top + 2);
        setColour(cr, rgb(0x07090E));
        cairo_fill(cr);
        cairo_rectangle(cr, slot.left - 1, slot.bottom, slot.right - slot.left + 2, 1);
        setColour(cr, rgb(0x9AB0D8));
        cairo_fill(cr);
    }
    // Little marks beside the bars: a cross for hit points, a bolt for power, arrows for the
    // evade roll.
    const Colour mark = rgb(0xFFB060);
    cairo_rectangle(cr, 3, 5, 5, 1.6), cairo_rectangle(cr, 4.7, 3.3, 1.6, 5);
    setColour(cr, rgb(0xFF5050));
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 6.5, 12), cairo_line_to(cr, 3, 15.8), cairo_line_to(cr, 5.5, 15.8);
    cairo_line_to(cr, 4, 19.5), cairo_line_to(cr, 8, 15), cairo_line_to(cr, 5.5, 15);
    cairo_close_path(cr);
    setColour(cr, mark);
    cairo_fill(cr);
    for (int i = 0; i < 2; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 98 + i * 6, 12.5), cairo_line_to(cr, 103 + i * 6, 15.5);
        cairo_line_to(cr, 98 + i * 6, 18.5);
        cairo_set_line_width(cr, 1.5);
        setColour(cr, rgb(0xFFE040));
        cairo_stroke(cr);
    }
    // A coin beside the money.
    fillCircle(cr, 168, 16, 3.6, rgb(0x805010));
    fillCircle(cr, 168, 16, 2.8, rgb(0xF0C040));
    fillCircle(cr, 167.2, 15.2, 1, rgb(0xFFF0B0));
    // The slots themselves are the colour key: the bars under the panel show through.
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    for (const Rect& slot : {kPanelHpSlot, kPanelPowerSlot, kPanelEvadeSlot}) {
        cairo_rectangle(cr, slot.left, slot.top, slot.right - slot.left, slot.bottom - slot.top);
        cairo_fill(cr);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void paintHpBar(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 99, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 0.1, 0.1);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 1.0, 0.8, 0.15);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.2, 0.9, 0.3);
    cairo_rectangle(cr, 0, 0, 99, 7);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_rectangle(cr, 0, 1, 99, 1.5);
    setColour(cr, rgb(0xFFFFFF, 0.45));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 5.5, 99, 1.5);
    setColour(cr, rgb(0x000000, 0.3));
    cairo_fill(cr);
    for (int x = 10; x < 99; x += 10) {
        cairo_rectangle(cr, x, 0, 1, 7);
        setColour(cr, rgb(0x000000, 0.25));
        cairo_fill(cr);
    }
}

void speakerIcon(Canvas& canvas, bool soundOn) {
    cairo_t* cr = canvas.cr();
    roundedRectangle(cr, 0.5, 0.5, 20, 20, 4);
    setColour(cr, rgb(0x10141E, 0.85));
    cairo_fill_preserve(cr);
    setColour(cr, rgb(0x8AA0C8));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 8), cairo_line_to(cr, 7, 8), cairo_line_to(cr, 11, 4.5);
    cairo_line_to(cr, 11, 16.5), cairo_line_to(cr, 7, 13), cairo_line_to(cr, 4, 13);
    cairo_close_path(cr);
    setColour(cr, rgb(0xE8ECF4));
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.5);
    if (soundOn) {
        for (int i = 0; i < 2; ++i) {
            cairo_new_path(cr);
            cairo_arc(cr, 11, 10.5, 3.5 + i * 3, -0.9, 0.9);
            setColour(cr, rgb(0x70E080));
            cairo_stroke(cr);
        }
    } else {
        cairo_new_path(cr);
        cairo_move_to(cr, 13, 7.5), cairo_line_to(cr, 18, 13.5);
        cairo_move_to(cr, 18, 7.5), cairo_line_to(cr, 13, 13.5);
        setColour(cr, rgb(0xFF4A4A));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

// The icon shows what the player hears: the game shows this one while the sound is on...
void paintSpeakerWhileOn(Canvas& canvas, int) {
    speakerIcon(canvas, true);
}
// ...and this one while it is off.
void paintSpeakerWhileOff(Canvas& canvas, int) {
    speakerIcon(canvas, false);
}

// --- The window's icon: the Red Phoenix on a dark disc ringed in ember orange ---

void paintWindowIcon(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    cairo_new_path(cr);
    cairo_arc(cr, 24, 24, 22.5, 0, 2 * 3.14159265358979);
    setColour(cr, rgb(0x141A2E));
    cairo_fill_preserve(cr);
    setColour(cr, rgb(0xFF8A2A));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    drawShip(cr, ShipVariant::RedPhoenix, 24, 26, 0.62, 0);
}

// --- The on-screen keyboard: every key exactly on its tap rectangle ---

// The nick entry's keyboard: raised keycaps lit from above on a black deck, the letters and
// digits in blue, clear in red and enter in green, each cap filling exactly its tap area.
void paintKeyboard(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    fill(cr, rgb(0x000000));
    for (const KeyboardKey& key : kKeyboardKeys) {
        const double x = key.area.left - kKeyboardX, y = key.area.top - kKeyboardY;
        const double w = key.area.right - key.area.left + 1, h = key.area.bottom - key.area.top + 1;
        const std::string_view label = key.label;
        const Colour cap = label == "CLEAR"   ? rgb(0xB03A28)
                           : label == "ENTER" ? rgb(0x2E8A40)
                                              : rgb(0x3A5490);
        // The face lit from above, a bright top edge, shadowed bottom edge and right side.
        cairo_pattern_t* face = cairo_pattern_create_linear(0, y, 0, y + h);
        const Colour light = scaled(cap, 1.35), dark = scaled(cap, 0.75);
        cairo_pattern_add_color_stop_rgb(face, 0, light.red, light.green, light.blue);
        cairo_pattern_add_color_stop_rgb(face, 1, dark.red, dark.green, dark.blue);
        cairo_rectangle(cr, x, y, w, h);
        cairo_set_source(cr, face);
        cairo_fill(cr);
        cairo_pattern_destroy(face);
        cairo_rectangle(cr, x, y, w, 1);
        setColour(cr, scaled(cap, 1.75));
        cairo_fill(cr);
        cairo_rectangle(cr, x, y + h - 1, w, 1);
        cairo_rectangle(cr, x + w - 1, y + 1, 1, h - 1);
        setColour(cr, scaled(cap, 0.4));
        cairo_fill(cr);
        const TextStyle style{kCondensed, h < 11 ? 7.5 : 9, true};
        const double size = fitSize(cr, style, key.label, w - 3);
        drawText(cr, key.label, x + w / 2, y + h / 2 + size * 0.34, {kCondensed, size, true},
                 rgb(0xFFFFFF), Align::Centre);
    }
}

// --- The upgrade shop ---

void paintShop(Canvas& canvas, ShipVariant variant, const char* name) {
    cairo_t* cr = canvas.cr();
    spaceBackdrop(cr, 240, 320, 3001 + static_cast<int>(variant), rgb(0x3060C0));
    // Title bar with the ship's name.
    verticalGradient(cr, 0, 0, 240, 44, rgb(0x30405E), rgb(0x101624));
    cairo_rectangle(cr, 0, 44, 240, 2);
    setColour(cr, rgb(0xFF7A30));
    cairo_fill(cr);
    drawLettering(cr, "UPGRADE SHOP", 120, 22, {kSans, 17, true}, kSteelTop, kSteelBottom, kInk,
                  1.2, Align::Centre);
    drawText(cr, name, 120, 38, {kCondensed, 10.5, true}, rgb(0xFFB070), Align::Centre);
    // Money.
    drawText(cr, "MONEY", 14, 69, {kSans, 11, true}, rgb(0xFFD860));
    fillCircle(cr, 106, 65, 5.5, rgb(0x805010));
    fillCircle(cr, 106, 65, 4.5, rgb(0xF0C040));
    sunkenCell(cr, kShopMoney.left, kShopMoney.top, kShopMoney.right - kShopMoney.left + 1,
               kShopMoney.bottom - kShopMoney.top + 1, rgb(0x0A1020));
    // Column heads.
    const TextStyle head{kCondensed, 7.5, true};
    drawText(cr, "LV", 113.5, 82, head, rgb(0x9AB0D8), Align::Centre);
    drawText(cr, "BUY", 138.5, 82, head, rgb(0x9AB0D8), Align::Centre);
    drawText(cr, "SELL", 163.5, 82, head, rgb(0x9AB0D8), Align::Centre);
    drawText(cr, "PRICE", 207, 82, head, rgb(0x9AB0D8), Align::Centre);
    for (int row = 0; row < 8; ++row) {
        const ShopRowArea& r = kShopRows[row];
        const double top = r.top, height = r.bottom - r.top + 1;
        // The row's band and the category's name.
        roundedRectangle(cr, 3, top - 1, 234, height + 2, 3);
        setColour(cr, rgb(0x182238, 0.85));
        cairo_fill(cr);
        const TextStyle label{kCondensed, 9.5, true};
        const double size = fitSize(cr, label, kShopCategories[row], 96);
        drawText(cr, kShopCategories[row], 7, top + height / 2 + 3.5, {kCondensed, size, true},
                 rgb(0xE8ECF4));
        sunkenCell(cr, kShopLevelLeft, top, kShopLevelRight - kShopLevelLeft + 1, height,
                   rgb(0x0A1020));
        auto button = [&](double left, double right, const Colour& colour, bool plus) {
            const double w = right - left + 1;
            bevelPanel(cr, left, top, w, height, 3, colour, 1.2);
            const double cx = left + w / 2, cy = top + height / 2;
            cairo_rectangle(cr, cx - 4.5, cy - 1, 9, 2);
            if (plus) cairo_rectangle(cr, cx - 1, cy - 4.5, 2, 9);
            setColour(cr, rgb(0xFFFFFF));
            cairo_fill(cr);
        };
        button(kShopBuyLeft, kShopBuyRight, rgb(0x2E9A48), true);
        button(kShopSellLeft, kShopSellRight, rgb(0xB04830), false);
        // The price is printed in black, so its cell is light.
        bevelPanel(cr, kShopPriceLeft - 2, top, kShopPriceRight - kShopPriceLeft + 3, height, 2,
                   rgb(0xD8DCC0), 1);
    }
    // The ship on its stand, and the done button.
    glow(cr, 52, 292, 34, rgb(0x40A0FF, 0.5));
    drawShip(cr, variant, 52, 288, 0.85, 0);
    bevelPanel(cr, kShopDone.left, kShopDone.top, kShopDone.right - kShopDone.left + 1,
               kShopDone.bottom - kShopDone.top + 1, 6, rgb(0xC05A20), 1.6);
    drawLettering(cr, "DONE", (kShopDone.left + kShopDone.right + 1) / 2.0, kShopDone.bottom - 5,
                  {kSans, 13, true}, rgb(0xFFFFFF), rgb(0xFFD8A0), kInk, 1, Align::Centre);
}

void paintShopA(Canvas& canvas, int) {
    paintShop(canvas, ShipVariant::RedPhoenix, "RED PHOENIX");
}
void paintShopV(Canvas& canvas, int) {
    paintShop(canvas, ShipVariant::RedPhoenixV, "RED PHOENIX V");
}
void paintShopX(Canvas& canvas, int) {
    paintShop(canvas, ShipVariant::RedPhoenixX, "RED PHOENIX X");
}

constexpr PainterRow kScreenPainters[] = {
    {"O0024.BAI", paintMakerLogo},      {"O0025.BAI", paintMakerSplash},
    {"O0027.BAI", paintMakerWeb},       {"O0026.BAI", paintTitle},
    {"O0048.BAI", paintMainMenu},       {"O0018.BAI", paintHelpBackdrop},
    {"O0020.BAI", paintHelpTitle},      {"O0022.BAI", paintCreditTitle},
    {"O0021.BAI", paintHighScoreTitle}, {"O0067.BAI", paintButtonPanel},
    {"O0004.BAI", paintPreviousButton}, {"O0005.BAI", paintNextButton},
    {"O0028.BAI", paintPanel},          {"O0003.BAI", paintHpBar},
    {"O0030.BAI", paintSpeakerWhileOn}, {"O0031.BAI", paintSpeakerWhileOff},
    {"O0023.BAI", paintKeyboard},       {"O0064.BAI", paintShopA},
    {"O0065.BAI", paintShopV},          {"O0066.BAI", paintShopX},
    {"O0144.BAI", paintWindowIcon},
};

}  // namespace

std::span<const PainterRow> screenPainters() {
    return kScreenPainters;
}

}  // namespace cindervane::assetgen
