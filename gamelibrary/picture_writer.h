// Writing picture files: the same layout the game reads ("BM" file header, 40-byte
// information header, colour table, rows bottom first, each padded to 4 bytes). The asset
// generator and the tests make their pictures with it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/draw/bitmap.h"

namespace cindervane {

struct PictureData {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 8;          // 8 (palettised) or 24 (blue, green, red)
    std::vector<platform::RgbQuad> palette;  // 8-bit pictures: up to 256 entries
    std::vector<std::uint8_t> pixels;        // top row first, no padding: width x height
                                             // indices, or width x height x 3 bytes (BGR)
};

// The whole file as bytes. An 8-bit picture's colour table has palette.size() entries
// (written as "colours used"), or 256 when the palette is empty.
std::vector<std::uint8_t> encodePictureFile(const PictureData& picture);

// Writes the file; false when it cannot be written completely.
bool writePictureFile(const std::filesystem::path& file, const PictureData& picture);

}  // namespace cindervane
