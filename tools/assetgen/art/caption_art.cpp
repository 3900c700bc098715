// The captions drawn over the play field: the boss warning, game over, stage clear, pause,
// and the continue, resume, give up and "or" buttons, each covering the area where its tap
// counts. They are drawn with the colour key, so their lettering carries a dark outline that
// reads over any stage.
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/paint_kit.h"

namespace cindervane::assetgen {

namespace {

const Colour kInk = rgb(0x0A0C14);

// Lettering scaled to fill the caption's width, centred on it.
void caption(Canvas& canvas, const char* text, double size, const Colour& top, const Colour& bottom,
             double outline, double baselineShare = 0.78) {
    cairo_t* cr = canvas.cr();
    const double width = canvas.width(), height = canvas.height();
    TextStyle style{kSans, size, true, true};
    style.size = fitSize(cr, style, text, width - outline * 2 - 6);
    drawLettering(cr, text, width / 2, height * baselineShare, style, top, bottom, kInk, outline,
                  Align::Centre);
}

// A caption that is also a button: a raised plate under the lettering.
void buttonCaption(Canvas& canvas, const char* text, const Colour& plate) {
    cairo_t* cr = canvas.cr();
    const double width = canvas.width(), height = canvas.height();
    bevelPanel(cr, 0.5, 0.5, width - 1, height - 1, height / 2 - 2, plate, 2);
    TextStyle style{kSans, 15, true};
    style.size = fitSize(cr, style, text, width - 22);
    drawLettering(cr, text, width / 2, height / 2 + style.size * 0.36, style, rgb(0xFFFFFF),
                  rgb(0xFFE0B0), kInk, 1.2, Align::Centre);
}

void paintWarning(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    // Hazard stripes above and below the word.
    for (double y : {1.0, h - 7.0}) {
        cairo_save(cr);
        cairo_rectangle(cr, 4, y, w - 8, 6);
        cairo_clip(cr);
        setColour(cr, rgb(0x141414));
        cairo_paint(cr);
        for (double x = -8; x < w; x += 12) {
            cairo_new_path(cr);
            cairo_move_to(cr, x, y + 6), cairo_line_to(cr, x + 6, y);
            cairo_line_to(cr, x + 12, y), cairo_line_to(cr, x + 6, y + 6);
            cairo_close_path(cr);
            setColour(cr, rgb(0xFFC820));
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
    TextStyle style{kSans, 24, true};
    style.size = fitSize(cr, style, "WARNING", w - 16);
    drawLettering(cr, "WARNING", w / 2, h / 2 + style.size * 0.36, style, rgb(0xFFF0A0),
                  rgb(0xFF2A10), kInk, 1.6, Align::Centre);
}

void paintGameOver(Canvas& canvas, int) {
    caption(canvas, "GAME OVER", 30, rgb(0xFFE0E0), rgb(0xC01020), 2);
}

void paintStageClear(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    glow(cr, w / 2, h / 2, w * 0.45, rgb(0xFFD060, 0.55));
    drawLettering(cr, "STAGE", w / 2, 19, {kSans, 17, true, true}, rgb(0xFFFFFF), rgb(0xFFC040),
                  kInk, 1.4, Align::Centre);
    TextStyle style{kSans, 25, true, true};
    style.size = fitSize(cr, style, "CLEAR!", w - 12);
    drawLettering(cr, "CLEAR!", w / 2, 44, style, rgb(0xFFFFE0), rgb(0xFF9A10), kInk, 1.8,
                  Align::Centre);
}

void paintPause(Canvas& canvas, int) {
    caption(canvas, "PAUSE", 34, rgb(0xF0FAFF), rgb(0x3A8AE0), 2);
}

void paintContinue(Canvas& canvas, int) {
    buttonCaption(canvas, "CONTINUE", rgb(0x2E8A4A));
}
void paintResume(Canvas& canvas, int) {
    buttonCaption(canvas, "RESUME", rgb(0x2E8A4A));
}
void paintGiveUp(Canvas& canvas, int) {
    buttonCaption(canvas, "GIVE UP", rgb(0xA83A28));
}

void paintOr(Canvas& canvas, int) {
    caption(canvas, "OR", 14, rgb(0xFFFFFF), rgb(0xB8C8E0), 1.2, 0.75);
}

constexpr PainterRow kCaptionPainters[] = {
    {"O0049.BAI", paintWarning}, {"O0036.BAI", paintGameOver}, {"O0047.BAI", paintStageClear},
    {"O0043.BAI", paintPause},   {"O0035.BAI", paintContinue}, {"O0046.BAI", paintResume},
    {"O0037.BAI", paintGiveUp},  {"O0042.BAI", paintOr},
};

}  // namespace

std::span<const PainterRow> captionPainters() {
    return kCaptionPainters;
}

}  // namespace cindervane::assetgen
