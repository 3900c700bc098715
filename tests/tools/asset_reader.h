// Reading the generated files back for the tests: a picture's size, depth, colour table and
// pixels through the game's own loader, and a sound's header and samples.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "gamelibrary/surface.h"

namespace cindervane::assetgen::test {

inline const std::filesystem::path& assetFolder() {
    static const std::filesystem::path folder = CINDERVANE_ASSET_DIR;
    return folder;
}

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::uint32_t read16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}

inline std::uint32_t read32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return read16(b, at) | (read16(b, at + 2) << 16);
}

struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    int brightness() const { return (red * 3 + green * 6 + blue) / 10; }
};

inline constexpr Rgb kKey{0, 0, 255};

struct Picture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<Rgb> palette;         // 8-bit pictures
    std::vector<std::uint8_t> index;  // 8-bit pictures: palette index, top row first
    std::vector<Rgb> pixels;          // every picture: colour, top row first

    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    int indexAt(int x, int y) const { return index[static_cast<std::size_t>(y) * width + x]; }
    bool isKey(int x, int y) const { return at(x, y) == kKey; }
};

// Reads a picture with the game's own loader; nothing when the game could not load it.
inline std::optional<Picture> readPicture(const std::filesystem::path& path) {
    Surface surface(nullptr);
    if (!surface.loadImage(path.string())) return std::nullopt;
    const platform::Bitmap& bitmap = *surface.bitmap();
    Picture p{bitmap.width(), bitmap.height(), bitmap.bitsPerPixel(), {}, {}, {}};
    for (const platform::RgbQuad& c : surface.header()->colourTable())
        p.palette.push_back({c.red, c.green, c.blue});
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t c = bitmap.rgbAt(x, y);
            p.pixels.push_back({int(c >> 16 & 0xFF), int(c >> 8 & 0xFF), int(c & 0xFF)});
            if (bitmap.indexed()) p.index.push_back(bitmap.rowFromTop(y)[x]);
        }
    return p;
}

struct Sound {
    std::vector<std::uint8_t> header;   // the first 44 bytes
    std::vector<std::uint8_t> samples;  // everything after them
    std::size_t fileSize = 0;
    double seconds() const { return samples.size() / 11025.0; }
};

inline std::optional<Sound> readSound(const std::filesystem::path& path) {
    std::vector<std::uint8_t> b = readBytes(path);
    if (b.size() < 44) return std::nullopt;
    Sound s;
    s.fileSize = b.size();
    s.header.assign(b.begin(), b.begin() + 44);
    s.samples.assign(b.begin() + 44, b.end());
    return s;
}

}  // namespace cindervane::assetgen::test
