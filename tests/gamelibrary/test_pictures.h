// Pictures for the graphics tests, written with the game's own picture writer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "gamelibrary/picture_writer.h"

namespace cindervane {

// The palette of the test pictures: 0 blue (the key), 1 red, 2 green, 3 white, 4 black,
// then greys.
inline std::vector<platform::RgbQuad> testPalette(std::size_t entries = 256) {
    std::vector<platform::RgbQuad> palette(entries);
    const platform::RgbQuad first[] = {
        {255, 0, 0, 0}, {0, 0, 255, 0}, {0, 255, 0, 0}, {255, 255, 255, 0}, {0, 0, 0, 0}};
    for (std::size_t i = 0; i < entries; ++i) {
        const auto grey = static_cast<std::uint8_t>(i);
        palette[i] = i < 5 ? first[i] : platform::RgbQuad{grey, grey, grey, 0};
    }
    return palette;
}

// An 8-bit picture whose pixel (x, y), counted from the top left, is index(x, y).
inline PictureData indexedPicture(int width, int height,
                                  const std::function<std::uint8_t(int, int)>& index,
                                  std::vector<platform::RgbQuad> palette = testPalette()) {
    PictureData picture;
    picture.width = width;
    picture.height = height;
    picture.bitsPerPixel = 8;
    picture.palette = std::move(palette);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.pixels.push_back(index(x, y));
    return picture;
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

inline void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace cindervane
