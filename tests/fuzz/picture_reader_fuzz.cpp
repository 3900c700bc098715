// Fuzzing the picture reader: any bytes are either a picture whose rows lie inside the
// block, or refused, without a fault and without a large allocation for a small file.
#include <cstddef>
#include <cstdint>

#include "gamelibrary/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cindervane::PictureFile picture;
    if (!picture.parse({data, size})) return 0;
    // A picture that was taken must describe its own block exactly.
    const auto& header = picture.header();
    const auto rows = picture.pixelRows();
    if (static_cast<std::int64_t>(rows.size()) !=
        cindervane::PictureFile::rowBytes(header) * header.height)
        __builtin_trap();
    if (picture.colourTable().size() * 4 != cindervane::PictureFile::colourTableBytes(header))
        __builtin_trap();
    std::uint32_t sum = 0;
    for (const std::uint8_t byte : rows)
        sum += byte;  // every row byte is readable
    return static_cast<int>(sum & 0);
}
