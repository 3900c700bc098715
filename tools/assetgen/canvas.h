// A drawing surface for the asset generator: a cairo image of 32-bit pixels with alpha, plus
// the few pixel-level operations the painters need.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace cindervane::assetgen {

// A colour with alpha, each channel 0..1, not premultiplied.
struct Colour {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;
};

// A colour from 0xRRGGBB.
constexpr Colour rgb(std::uint32_t value, double alpha = 1.0) {
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0,
            alpha};
}

Colour mix(const Colour& a, const Colour& b, double t);
Colour scaled(const Colour& c, double factor);  // brighter above 1, darker below, alpha kept
Colour withAlpha(const Colour& c, double alpha);

class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() { return cr_; }
    cairo_surface_t* surface() { return surface_; }

    // Pixel access, not premultiplied; flushes or marks the surface as needed.
    Colour pixel(int x, int y);
    void setPixel(int x, int y, const Colour& colour);
    // Copies another canvas's pixels in at (x, y), replacing what is there.
    void paste(Canvas& source, int x, int y);
    // Fills every pixel from a function of (x, y) giving an opaque colour; for pictures
    // computed pixel by pixel, such as the stage backgrounds.
    template <typename Function>
    void fillPixels(Function colourAt) {
        cairo_surface_flush(surface_);
        unsigned char* data = cairo_image_surface_get_data(surface_);
        const int stride = cairo_image_surface_get_stride(surface_);
        for (int y = 0; y < height_; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
            for (int x = 0; x < width_; ++x)
                row[x] = packOpaque(colourAt(x, y));
        }
        cairo_surface_mark_dirty(surface_);
    }
    // Makes every pixel fully opaque or fully clear: alpha below one half becomes clear.
    void hardenAlpha();
    // Grows the picture by a one-pixel rim: every clear pixel (alpha below one half) beside
    // a solid one takes that neighbour's colour darkened by the factor. The canvas's own
    // border stays clear. A sprite so rimmed reads over light and dark ground alike.
    void darkRim(double factor);

  private:
    static std::uint32_t packOpaque(const Colour& c);

    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Lets cairo and the font library give back their caches; called once at the end, so leak
// checkers see a clean exit.
void releaseDrawingCaches();

// Small cairo conveniences used throughout the painters.
void setColour(cairo_t* cr, const Colour& colour);
void fillCircle(cairo_t* cr, double x, double y, double radius, const Colour& colour);
// A soft round glow: the colour at the centre fading to nothing at the radius.
void glow(cairo_t* cr, double x, double y, double radius, const Colour& colour);
void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius);

}  // namespace cindervane::assetgen
