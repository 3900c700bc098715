// The asset generator's drawing surface.
#include "tools/assetgen/canvas.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace cindervane::assetgen {

namespace {

std::uint8_t channel(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

}  // namespace

Colour mix(const Colour& a, const Colour& b, double t) {
    return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t,
            a.blue + (b.blue - a.blue) * t, a.alpha + (b.alpha - a.alpha) * t};
}

Colour scaled(const Colour& c, double factor) {
    if (factor <= 1.0) return {c.red * factor, c.green * factor, c.blue * factor, c.alpha};
    const double t = std::min(factor - 1.0, 1.0);
    return {c.red + (1 - c.red) * t, c.green + (1 - c.green) * t, c.blue + (1 - c.blue) * t,
            c.alpha};
}

Colour withAlpha(const Colour& c, double alpha) {
    return {c.red, c.green, c.blue, alpha};
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Colour Canvas::pixel(int x, int y) {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const std::uint32_t value = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    const double alpha = ((value >> 24) & 0xFF) / 255.0;
    if (alpha <= 0) return {0, 0, 0, 0};
    return {((value >> 16) & 0xFF) / 255.0 / alpha, ((value >> 8) & 0xFF) / 255.0 / alpha,
            (value & 0xFF) / 255.0 / alpha, alpha};
}

void Canvas::setPixel(int x, int y, const Colour& colour) {
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const double a = std::clamp(colour.alpha, 0.0, 1.0);
    const std::uint32_t value =
        (std::uint32_t{channel(a)} << 24) | (std::uint32_t{channel(colour.red * a)} << 16) |
        (std::uint32_t{channel(colour.green * a)} << 8) | std::uint32_t{channel(colour.blue * a)};
    *reinterpret_cast<std::uint32_t*>(data + y * stride + x * 4) = value;
    cairo_surface_mark_dirty(surface_);
}

void Canvas::paste(Canvas& source, int x, int y) {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr_, source.surface(), x, y);
    cairo_rectangle(cr_, x, y, source.width(), source.height());
    cairo_fill(cr_);
    cairo_restore(cr_);
}

std::uint32_t Canvas::packOpaque(const Colour& c) {
    return 0xFF000000u | (std::uint32_t{channel(c.red)} << 16) |
           (std::uint32_t{channel(c.green)} << 8) | std::uint32_t{channel(c.blue)};
}

void Canvas::darkRim(double factor) {
    std::vector<std::pair<int, int>> rim;
    std::vector<Colour> colours;
    auto solid = [&](int x, int y) { return pixel(x, y).alpha >= 0.5; };
    for (int y = 1; y + 1 < height_; ++y)
        for (int x = 1; x + 1 < width_; ++x) {
            if (solid(x, y)) continue;
            for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
                if (solid(x + dx, y + dy)) {
                    Colour c = scaled(pixel(x + dx, y + dy), factor);
                    c.alpha = 1;
                    rim.push_back({x, y});
                    colours.push_back(c);
                    break;
                }
        }
    for (std::size_t i = 0; i < rim.size(); ++i)
        setPixel(rim[i].first, rim[i].second, colours[i]);
}

void Canvas::hardenAlpha() {
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t value = row[x];
            const std::uint32_t alpha = value >> 24;
            if (alpha < 128) {
                row[x] = 0;
            } else if (alpha < 255) {
                auto unmultiply = [alpha](std::uint32_t c) {
                    return std::min<std::uint32_t>(255, (c * 255 + alpha / 2) / alpha);
                };
                row[x] = 0xFF000000u | (unmultiply((value >> 16) & 0xFF) << 16) |
                         (unmultiply((value >> 8) & 0xFF) << 8) | unmultiply(value & 0xFF);
            }
        }
    }
    cairo_surface_mark_dirty(surface_);
}

void releaseDrawingCaches() {
    cairo_debug_reset_static_data();
    FcFini();
}

void setColour(cairo_t* cr, const Colour& colour) {
    cairo_set_source_rgba(cr, colour.red, colour.green, colour.blue, colour.alpha);
}

void fillCircle(cairo_t* cr, double x, double y, double radius, const Colour& colour) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    setColour(cr, colour);
    cairo_fill(cr);
}

void glow(cairo_t* cr, double x, double y, double radius, const Colour& colour) {
    cairo_pattern_t* pattern = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    cairo_pattern_add_color_stop_rgba(pattern, 0, colour.red, colour.green, colour.blue,
                                      colour.alpha);
    cairo_pattern_add_color_stop_rgba(pattern, 0.45, colour.red, colour.green, colour.blue,
                                      colour.alpha * 0.55);
    cairo_pattern_add_color_stop_rgba(pattern, 1, colour.red, colour.green, colour.blue, 0);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius) {
    const double r = std::min({radius, width / 2, height / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + width - r, y + height - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + height - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

}  // namespace cindervane::assetgen
