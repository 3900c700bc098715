// Turning a finished canvas into the picture the game reads.
#include "tools/assetgen/picture_conversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace cindervane::assetgen {

namespace {

Rgb8 toRgb8(const Colour& c) {
    auto channel = [](double v) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
    };
    return {channel(c.red), channel(c.green), channel(c.blue)};
}

// A visible pixel may never be the key colour itself.
Rgb8 visible(Rgb8 c) {
    if (c == kKeyColour) c.blue = 254;
    return c;
}

}  // namespace

PictureData sheetPicture(Canvas& canvas) {
    canvas.hardenAlpha();
    const int width = canvas.width();
    const int height = canvas.height();
    std::vector<Rgb8> colours(static_cast<std::size_t>(width) * height);
    std::vector<bool> opaque(colours.size());
    std::vector<Rgb8> used;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Colour c = canvas.pixel(x, y);
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            opaque[i] = c.alpha >= 0.5;
            if (opaque[i]) {
                colours[i] = visible(toRgb8(c));
                used.push_back(colours[i]);
            }
        }

    PaletteQuantiser quantiser(254);
    quantiser.build(used);

    PictureData picture;
    picture.width = width;
    picture.height = height;
    picture.bitsPerPixel = 8;
    picture.palette.assign(256, platform::RgbQuad{});
    picture.palette[kKeyIndex] = {kKeyColour.blue, kKeyColour.green, kKeyColour.red, 0};
    for (std::size_t i = 0; i < quantiser.palette().size(); ++i) {
        const Rgb8 c = visible(quantiser.palette()[i]);
        picture.palette[i + 1] = {c.blue, c.green, c.red, 0};
    }
    picture.palette[kFlashIndex] = {255, 255, 255, 0};

    std::map<std::array<std::uint8_t, 3>, std::uint8_t> lookup;
    picture.pixels.resize(colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (!opaque[i]) {
            picture.pixels[i] = kKeyIndex;
            continue;
        }
        const std::array<std::uint8_t, 3> key{colours[i].red, colours[i].green, colours[i].blue};
        auto found = lookup.find(key);
        if (found == lookup.end())
            found =
                lookup.emplace(key, static_cast<std::uint8_t>(quantiser.indexOf(colours[i]) + 1))
                    .first;
        picture.pixels[i] = found->second;
    }
    return picture;
}

PictureData rgbPicture(Canvas& canvas, bool keyed) {
    const int width = canvas.width();
    const int height = canvas.height();
    PictureData picture;
    picture.width = width;
    picture.height = height;
    picture.bitsPerPixel = 24;
    picture.pixels.reserve(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Colour c = canvas.pixel(x, y);
            Rgb8 out;
            if (keyed)
                out = c.alpha < 0.5 ? kKeyColour : visible(toRgb8(c));
            else
                out = visible(toRgb8(scaled(c, c.alpha)));
            picture.pixels.push_back(out.blue);
            picture.pixels.push_back(out.green);
            picture.pixels.push_back(out.red);
        }
    return picture;
}

Rgb8 pictureColour(const PictureData& picture, int x, int y) {
    const std::size_t i = static_cast<std::size_t>(y) * picture.width + x;
    if (picture.bitsPerPixel == 8) {
        const platform::RgbQuad& q = picture.palette[picture.pixels[i]];
        return {q.red, q.green, q.blue};
    }
    return {picture.pixels[i * 3 + 2], picture.pixels[i * 3 + 1], picture.pixels[i * 3]};
}

}  // namespace cindervane::assetgen
