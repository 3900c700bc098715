// Shared 2-D painting.
#include "tools/assetgen/paint_kit.h"

#include <cmath>
#include <string>

#include "tools/assetgen/random.h"

namespace cindervane::assetgen {

namespace {

double alignedX(cairo_t* cr, const TextStyle& style, std::string_view text, double x, Align align) {
    if (align == Align::Left) return x;
    const double width = textWidth(cr, style, text);
    return align == Align::Centre ? x - width / 2 : x - width;
}

}  // namespace

void selectFont(cairo_t* cr, const TextStyle& style) {
    cairo_select_font_face(cr, style.family,
                           style.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, style.size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double textWidth(cairo_t* cr, const TextStyle& style, std::string_view text) {
    selectFont(cr, style);
    const std::string s(text);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, s.c_str(), &extents);
    return extents.x_advance;
}

double fitSize(cairo_t* cr, TextStyle style, std::string_view text, double width) {
    while (style.size > 6 && textWidth(cr, style, text) > width)
        style.size -= 0.5;
    return style.size;
}

void drawText(cairo_t* cr, std::string_view text, double x, double baseline, const TextStyle& style,
              const Colour& colour, Align align) {
    const double left = alignedX(cr, style, text, x, align);
    selectFont(cr, style);
    const std::string s(text);
    cairo_new_path(cr);
    cairo_move_to(cr, left, baseline);
    setColour(cr, colour);
    cairo_show_text(cr, s.c_str());
    cairo_new_path(cr);
}

void drawLettering(cairo_t* cr, std::string_view text, double x, double baseline,
                   const TextStyle& style, const Colour& top, const Colour& bottom,
                   const Colour& outline, double outlineWidth, Align align) {
    const double left = alignedX(cr, style, text, x, align);
    selectFont(cr, style);
    const std::string s(text);
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Shadow, then outline, then the gradient face.
    cairo_new_path(cr);
    cairo_move_to(cr, left + outlineWidth * 0.8, baseline + outlineWidth * 0.9);
    cairo_text_path(cr, s.c_str());
    setColour(cr, scaled(outline, 0.5));
    cairo_set_line_width(cr, outlineWidth * 2);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, left, baseline);
    cairo_text_path(cr, s.c_str());
    setColour(cr, outline);
    cairo_set_line_width(cr, outlineWidth * 2);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* gradient =
        cairo_pattern_create_linear(0, baseline - style.size * 0.8, 0, baseline);
    cairo_pattern_add_color_stop_rgba(gradient, 0, top.red, top.green, top.blue, top.alpha);
    cairo_pattern_add_color_stop_rgba(gradient, 0.5, mix(top, bottom, 0.35).red,
                                      mix(top, bottom, 0.35).green, mix(top, bottom, 0.35).blue, 1);
    cairo_pattern_add_color_stop_rgba(gradient, 0.55, bottom.red, bottom.green, bottom.blue,
                                      bottom.alpha);
    cairo_pattern_add_color_stop_rgba(gradient, 1, scaled(bottom, 1.25).red,
                                      scaled(bottom, 1.25).green, scaled(bottom, 1.25).blue, 1);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    cairo_restore(cr);
}

void bevelPanel(cairo_t* cr, double x, double y, double width, double height, double radius,
                const Colour& face, double bevel) {
    cairo_save(cr);
    roundedRectangle(cr, x, y, width, height, radius);
    setColour(cr, scaled(face, 0.35));
    cairo_fill(cr);
    roundedRectangle(cr, x + 0.5, y + 0.5, width - 1, height - 1, radius);
    cairo_pattern_t* edge = cairo_pattern_create_linear(x, y, x + width * 0.3, y + height);
    const Colour light = scaled(face, 1.45), dark = scaled(face, 0.5);
    cairo_pattern_add_color_stop_rgb(edge, 0, light.red, light.green, light.blue);
    cairo_pattern_add_color_stop_rgb(edge, 1, dark.red, dark.green, dark.blue);
    cairo_set_source(cr, edge);
    cairo_fill(cr);
    cairo_pattern_destroy(edge);
    roundedRectangle(cr, x + bevel + 0.5, y + bevel + 0.5, width - 2 * bevel - 1,
                     height - 2 * bevel - 1, std::max(0.0, radius - bevel));
    cairo_pattern_t* body = cairo_pattern_create_linear(0, y, 0, y + height);
    const Colour top = scaled(face, 1.15), bottom = scaled(face, 0.85);
    cairo_pattern_add_color_stop_rgb(body, 0, top.red, top.green, top.blue);
    cairo_pattern_add_color_stop_rgb(body, 1, bottom.red, bottom.green, bottom.blue);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    cairo_restore(cr);
}

void sunkenCell(cairo_t* cr, double x, double y, double width, double height, const Colour& face) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, width, height);
    setColour(cr, scaled(face, 1.5));
    cairo_fill(cr);
    cairo_rectangle(cr, x, y, width - 1, height - 1);
    setColour(cr, scaled(face, 0.4));
    cairo_fill(cr);
    cairo_rectangle(cr, x + 1, y + 1, width - 2, height - 2);
    setColour(cr, face);
    cairo_fill(cr);
    cairo_restore(cr);
}

void starfield(cairo_t* cr, double width, double height, std::uint64_t seed, int count,
               double brightness) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double x = random.range(0, width), y = random.range(0, height);
        const double b = std::pow(random.unit(), 2.2) * brightness;
        const double tint = random.range(-0.15, 0.15);
        const Colour c{std::min(1.0, 0.75 + b * 0.25 + tint), std::min(1.0, 0.78 + b * 0.22),
                       std::min(1.0, 0.85 + b * 0.15 - tint), 0.35 + 0.65 * b};
        if (b > 0.7) {
            glow(cr, x, y, 2.5 + 2 * b, withAlpha(c, 0.5));
            fillCircle(cr, x, y, 0.9, c);
        } else {
            cairo_rectangle(cr, std::floor(x), std::floor(y), 1, 1);
            setColour(cr, c);
            cairo_fill(cr);
        }
    }
}

void planetRing(cairo_t* cr, double cx, double cy, double radius, const Colour& colour,
                bool nearHalf) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.35);
    cairo_scale(cr, 1, 0.28);
    const double from = nearHalf ? 0 : M_PI, to = nearHalf ? M_PI : 2 * M_PI;
    // Three bands with a dark gap between the outer two.
    const double bands[][3] = {{2.15, 1.95, 0.8}, {1.9, 1.62, 1.0}, {1.58, 1.35, 0.7}};
    for (const auto& band : bands) {
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, radius * band[0], from, to);
        cairo_arc_negative(cr, 0, 0, radius * band[1], to, from);
        cairo_close_path(cr);
        setColour(cr, scaled(colour, nearHalf ? band[2] : band[2] * 0.7));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void verticalGradient(cairo_t* cr, double x, double y, double width, double height,
                      const Colour& top, const Colour& bottom) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y, 0, y + height);
    cairo_pattern_add_color_stop_rgba(gradient, 0, top.red, top.green, top.blue, top.alpha);
    cairo_pattern_add_color_stop_rgba(gradient, 1, bottom.red, bottom.green, bottom.blue,
                                      bottom.alpha);
    cairo_rectangle(cr, x, y, width, height);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

}  // namespace cindervane::assetgen
