// Reading picture files.
#include "gamelibrary/picture_file.h"

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "platform/regular_file.h"

namespace cindervane {

namespace {

std::uint16_t get16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t get32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

PictureInfoHeader decodeInfoHeader(const std::uint8_t* p) {
    PictureInfoHeader header;
    header.size = get32(p);
    header.width = static_cast<std::int32_t>(get32(p + 4));
    header.height = static_cast<std::int32_t>(get32(p + 8));
    header.planes = get16(p + 12);
    header.bitsPerPixel = get16(p + 14);
    header.compression = get32(p + 16);
    header.imageSize = get32(p + 20);
    header.xPixelsPerMetre = static_cast<std::int32_t>(get32(p + 24));
    header.yPixelsPerMetre = static_cast<std::int32_t>(get32(p + 28));
    header.coloursUsed = get32(p + 32);
    header.coloursImportant = get32(p + 36);
    return header;
}

bool depthKnown(std::uint16_t bits) {
    return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 ||
           bits == 32;
}

// The checks that keep a damaged or hostile header from costing anything.
bool headerAcceptable(const PictureInfoHeader& header) {
    return header.size == PictureFile::kInfoHeaderBytes && header.width >= 1 &&
           header.width <= PictureFile::kMaxSide && header.height >= 1 &&
           header.height <= PictureFile::kMaxSide && header.planes == 1 &&
           depthKnown(header.bitsPerPixel) && header.coloursUsed <= 256;
}

}  // namespace

std::uint16_t PictureFile::colourTableBytes(const PictureInfoHeader& header) {
    if (header.coloursUsed != 0)
        return static_cast<std::uint16_t>((header.coloursUsed & 0xFFFF) * 4);
    switch (header.bitsPerPixel) {
        case 1:
            return 8;
        case 2:
            return 16;
        case 4:
            return 64;
        case 8:
            return 1024;
        default:
            return 0;
    }
}

std::int64_t PictureFile::rowBytes(const PictureInfoHeader& header) {
    const std::int64_t bits =
        std::int64_t{header.width} * header.planes * std::int64_t{header.bitsPerPixel};
    return ((bits + 31) / 32) * 4;
}

bool PictureFile::read(std::string_view path) {
    clear();
    std::vector<std::uint8_t> bytes;
    std::string reason;
    if (platform::readRegularFile(std::string(path), kMaxFileBytes, bytes, reason) !=
        platform::FileRead::Read)
        return false;
    return parse(bytes);
}

bool PictureFile::parse(std::span<const std::uint8_t> file) {
    clear();
    if (file.size() < kFileHeaderBytes) return false;
    const std::uint8_t* fileHeader = file.data();
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') return false;
    if (get16(fileHeader + 6) != 0 || get16(fileHeader + 8) != 0) return false;
    const std::uint32_t pixelOffset = get32(fileHeader + 10);

    if (file.size() < kFileHeaderBytes + kInfoHeaderBytes) return false;
    const std::uint8_t* infoHeader = file.data() + kFileHeaderBytes;
    const PictureInfoHeader header = decodeInfoHeader(infoHeader);
    if (!headerAcceptable(header)) return false;

    const std::uint16_t tableBytes = colourTableBytes(header);
    const std::int64_t imageBytes = rowBytes(header) * header.height;
    // The colour table and the rows must lie inside the file before room is made for them.
    const std::int64_t fileBytes = static_cast<std::int64_t>(file.size());
    const std::int64_t tableEnd = std::int64_t{kFileHeaderBytes + kInfoHeaderBytes} + tableBytes;
    // A pixel offset of 0 means the rows follow the colour table directly.
    const std::int64_t rowsStart = pixelOffset != 0 ? std::int64_t{pixelOffset} : tableEnd;
    if (tableEnd > fileBytes || rowsStart + imageBytes > fileBytes) return false;

    const std::size_t blockBytes =
        kInfoHeaderBytes + tableBytes + static_cast<std::size_t>(imageBytes);
    std::unique_ptr<std::uint8_t[]> block(new (std::nothrow) std::uint8_t[blockBytes]);
    if (!block) return false;
    std::memcpy(block.get(), infoHeader, kInfoHeaderBytes);
    // The colour table follows the information header (file offset 54).
    std::memcpy(block.get() + kInfoHeaderBytes, file.data() + kFileHeaderBytes + kInfoHeaderBytes,
                tableBytes);
    std::memcpy(block.get() + kInfoHeaderBytes + tableBytes, file.data() + rowsStart,
                static_cast<std::size_t>(imageBytes));

    header_ = header;
    tableBytes_ = tableBytes;
    block_ = std::move(block);
    blockBytes_ = blockBytes;
    return true;
}

std::span<const platform::RgbQuad> PictureFile::colourTable() const {
    if (!block_) return {};
    static_assert(sizeof(platform::RgbQuad) == 4);
    return {reinterpret_cast<const platform::RgbQuad*>(block_.get() + kInfoHeaderBytes),
            static_cast<std::size_t>(tableBytes_ / 4)};
}

std::span<const std::uint8_t> PictureFile::pixelRows() const {
    if (!block_) return {};
    const std::size_t start = kInfoHeaderBytes + tableBytes_;
    return {block_.get() + start, blockBytes_ - start};
}

void PictureFile::clear() {
    header_ = {};
    tableBytes_ = 0;
    block_.reset();
    blockBytes_ = 0;
}

}  // namespace cindervane
