// Which painter draws which picture file and which composer makes which sound file.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/assetgen/canvas.h"

namespace cindervane::assetgen {

// Draws one frame (or the whole picture, frame 0) into a canvas of the frame's size. Sheet
// frames are clipped to their drawable area, which leaves the key border.
using Painter = void (*)(Canvas& canvas, int frame);
// Makes the samples of a sound: unsigned 8-bit, 11025 a second.
using Composer = std::vector<std::uint8_t> (*)();

const Painter* findPainter(std::string_view file);
const Composer* findComposer(std::string_view file);

}  // namespace cindervane::assetgen
