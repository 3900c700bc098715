// Writing picture files.
#include "gamelibrary/picture_writer.h"

#include <algorithm>
#include <fstream>

namespace cindervane {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> encodePictureFile(const PictureData& picture) {
    const bool indexed = picture.bitsPerPixel == 8;
    const std::uint32_t width = static_cast<std::uint32_t>(std::max(picture.width, 0));
    const std::uint32_t height = static_cast<std::uint32_t>(std::max(picture.height, 0));
    const std::uint32_t bytesPerPixel = indexed ? 1 : 3;
    const std::uint32_t rowBytes = ((width * picture.bitsPerPixel + 31) / 32) * 4;
    const std::uint32_t colours =
        indexed
            ? static_cast<std::uint32_t>(picture.palette.empty()
                                             ? 256
                                             : std::min<std::size_t>(picture.palette.size(), 256))
            : 0;
    const std::uint32_t tableBytes = colours * 4;
    const std::uint32_t pixelOffset = 14 + 40 + tableBytes;
    const std::uint32_t imageBytes = rowBytes * height;

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + imageBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, pixelOffset);
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, picture.bitsPerPixel);
    put32(out, 0);  // uncompressed
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dots per inch
    put32(out, 2835);
    put32(out, indexed ? colours : 0);
    put32(out, 0);
    for (std::uint32_t i = 0; i < colours; ++i) {
        const platform::RgbQuad entry =
            i < picture.palette.size() ? picture.palette[i] : platform::RgbQuad{};
        out.push_back(entry.blue);
        out.push_back(entry.green);
        out.push_back(entry.red);
        out.push_back(0);
    }
    // Rows bottom first, each padded with zeros to a multiple of 4 bytes.
    for (std::uint32_t row = 0; row < height; ++row) {
        const std::uint32_t sourceRow = height - 1 - row;
        const std::size_t start = static_cast<std::size_t>(sourceRow) * width * bytesPerPixel;
        for (std::uint32_t i = 0; i < width * bytesPerPixel; ++i)
            out.push_back(start + i < picture.pixels.size() ? picture.pixels[start + i] : 0);
        for (std::uint32_t i = width * bytesPerPixel; i < rowBytes; ++i)
            out.push_back(0);
    }
    return out;
}

bool writePictureFile(const std::filesystem::path& file, const PictureData& picture) {
    const std::vector<std::uint8_t> bytes = encodePictureFile(picture);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace cindervane
