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
inline constexpr const char* kSerif = "DejaVu Serif";
inline constexpr const char* kNarrow = "Liberation Sans Narrow";

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

struct PlanetLook {
    Colour light;
    Colour dark;
    Colour band;
    int bands = 0;
    double bandStrength = 0;
    Colour atmosphere{0, 0, 0, 0};
    Colour ring{0, 0, 0, 0};  // alpha 0: no ring
};
// A lit planet disc (light from the upper left), with bands, haze and an optional ring.
void planet(cairo_t* cr, double cx, double cy, double radius, const PlanetLook& look,
            std::uint64_t seed);

// A vertical gradient over a rectangle.
void verticalGradient(cairo_t* cr, double x, double y, double width, double height,
                      const Colour& top, const Colour& bottom);

}  // namespace cindervane::assetgen
