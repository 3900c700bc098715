// Reading the generated files back for the tests, field by field from their headers, the
// way the game's loader will: a picture's size, depth, colour table and pixels, and a
// sound's header and samples.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

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

// Reads a picture file; nothing when it is missing or its layout is not the game's.
inline std::optional<Picture> readPicture(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> b = readBytes(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || read32(b, 14) != 40) return std::nullopt;
    Picture p;
    p.width = static_cast<std::int32_t>(read32(b, 18));
    p.height = static_cast<std::int32_t>(read32(b, 22));
    p.bitsPerPixel = static_cast<int>(read16(b, 28));
    if (p.width <= 0 || p.height <= 0 || (p.bitsPerPixel != 8 && p.bitsPerPixel != 24))
        return std::nullopt;
    const std::uint32_t used = read32(b, 46);
    const std::size_t colours = p.bitsPerPixel == 8 ? (used ? (used & 0xFFFF) : 256) : 0;
    for (std::size_t i = 0; i < colours; ++i)
        p.palette.push_back({b[54 + i * 4 + 2], b[54 + i * 4 + 1], b[54 + i * 4]});
    const std::size_t offset = read32(b, 10);
    const std::size_t row = ((p.width * p.bitsPerPixel + 31) / 32) * 4;
    if (offset + row * p.height > b.size()) return std::nullopt;
    p.pixels.resize(static_cast<std::size_t>(p.width) * p.height);
    if (p.bitsPerPixel == 8) p.index.resize(p.pixels.size());
    for (int y = 0; y < p.height; ++y) {
        const std::size_t start = offset + row * (p.height - 1 - y);  // rows bottom first
        for (int x = 0; x < p.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * p.width + x;
            if (p.bitsPerPixel == 8) {
                p.index[i] = b[start + x];
                p.pixels[i] = p.index[i] < p.palette.size() ? p.palette[p.index[i]] : Rgb{};
            } else {
                p.pixels[i] = {b[start + x * 3 + 2], b[start + x * 3 + 1], b[start + x * 3]};
            }
        }
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
