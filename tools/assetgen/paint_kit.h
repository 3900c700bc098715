// Shared 2-D painting for the screens, captions and effects: lettering, panels and buttons,
// stars and planets, all in the one style of the game's pictures.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string_view>

#include "tools/assetgen/canvas.h"

namespace cindervane::assetgen {

enum class Align { Left, Centre, Right };

struct TextStyle {
    const char* family = "DejaVu Sans";
    double size = 12;
    bool bold = true;
    bool italic = false;
};

inline constexpr const char* kCondensed = "DejaVu Sans Condensed";
inline constexpr const char* kSans = "DejaVu Sans";

void selectFont(cairo_t* cr, const TextStyle& style);
double textWidth(cairo_t* cr, const TextStyle& style, std::string_view text);
// The largest size not above style.size at which the text fits the width.
double fitSize(cairo_t* cr, TextStyle style, std::string_view text, double width);

// Plain text on a baseline.
void drawText(cairo_t* cr, std::string_view text, double x, double baseline, const TextStyle& style,
              const Colour& colour, Align align = Align::Left);
// Lettering for titles and captions: a top-to-bottom gradient with a dark outline and a
// drop shadow.
void drawLettering(cairo_t* cr, std::string_view text, double x, double baseline,
                   const TextStyle& style, const Colour& top, const Colour& bottom,
                   const Colour& outline, double outlineWidth, Align align = Align::Centre);

// A raised panel with a light upper-left edge and a dark lower-right edge.
void bevelPanel(cairo_t* cr, double x, double y, double width, double height, double radius,
                const Colour& face, double bevel = 1.5);
// A sunken cell, the opposite of a panel.
void sunkenCell(cairo_t* cr, double x, double y, double width, double height, const Colour& face);

// Scattered stars of varied brightness and size.
void starfield(cairo_t* cr, double width, double height, std::uint64_t seed, int count,
               double brightness = 1.0);

// Half of a planet's ring, seen from a little above: the far half goes behind the planet,
// the near half in front of it.
void planetRing(cairo_t* cr, double cx, double cy, double radius, const Colour& colour,
                bool nearHalf);

// A vertical gradient over a rectangle.
void verticalGradient(cairo_t* cr, double x, double y, double width, double height,
                      const Colour& top, const Colour& bottom);

}  // namespace cindervane::assetgen
