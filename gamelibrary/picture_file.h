// Reading picture files (".BAI"): a device-independent bitmap file, "BM" file header, 40-byte
// information header, colour table and uncompressed rows bottom first, each padded to a
// multiple of 4 bytes. The reader keeps one block in the order of the file: information
// header, colour table, pixel rows. Pixel bytes are kept exactly as stored.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/draw/bitmap.h"

namespace cindervane {

// The information header as stored (all little-endian in the file).
struct PictureInfoHeader {
    std::uint32_t size = 0;  // must be 40
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: rows stored bottom row first
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;  // never looked at: rows are always read uncompressed
    std::uint32_t imageSize = 0;
    std::int32_t xPixelsPerMetre = 0;
    std::int32_t yPixelsPerMetre = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t coloursImportant = 0;
};

class PictureFile {
  public:
    static constexpr std::size_t kFileHeaderBytes = 14;
    static constexpr std::size_t kInfoHeaderBytes = 40;
    // Pictures larger than this either way are refused, as are sizes below 1.
    static constexpr std::int32_t kMaxSide = platform::Bitmap::kMaxSide;
    // Files larger than the largest picture (32-bit, kMaxSide square) and a little more
    // are refused unread.
    static constexpr std::size_t kMaxFileBytes = 72u * 1024 * 1024;

    // Bytes of the colour table: colours used (its low 16 bits) x 4 when not 0, else by the
    // depth (1: 8, 2: 16, 4: 64, 8: 1024, others 0); kept, as the file format does, in 16
    // bits.
    static std::uint16_t colourTableBytes(const PictureInfoHeader& header);
    // Bytes of one padded pixel row: ((width x planes x bits per pixel + 31) / 32) x 4.
    static std::int64_t rowBytes(const PictureInfoHeader& header);

    // Reads the file. False, with nothing kept, when it is missing, short, damaged or
    // refused: wrong signature, non-zero reserved fields, an information header other than
    // 40 bytes, a size below 1 or above kMaxSide, planes other than 1, a depth other than
    // 1, 2, 4, 8, 16, 24 or 32, more than 256 colours used, or pixel rows that do not lie
    // inside the file. All of this is checked before anything is allocated. Only a regular
    // file is read: a pipe, a device or a folder is refused like a missing file, at once.
    bool read(std::string_view path);
    // The same checks and the same result for a file already in memory.
    bool parse(std::span<const std::uint8_t> file);

    bool loaded() const { return block_ != nullptr; }
    const PictureInfoHeader& header() const { return header_; }
    // The colour table entries (table bytes / 4 of them).
    std::span<const platform::RgbQuad> colourTable() const;
    // The pixel rows, bottom row first: row bytes x height.
    std::span<const std::uint8_t> pixelRows() const;
    // The whole block: information header, colour table, pixel rows.
    std::span<const std::uint8_t> block() const { return {block_.get(), blockBytes_}; }

  private:
    void clear();

    PictureInfoHeader header_;
    std::uint16_t tableBytes_ = 0;
    std::unique_ptr<std::uint8_t[]> block_;
    std::size_t blockBytes_ = 0;
};

}  // namespace cindervane
