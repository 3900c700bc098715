// Screenshots: a screen-format bitmap written as a PNG file.
#pragma once

#include <filesystem>
#include <string>

#include "platform/draw/bitmap.h"

namespace cindervane::platform {

// Writes the bitmap as an 8-bit RGB PNG. On failure returns false with the reason in error.
bool writePng(const std::filesystem::path& file, const Bitmap& picture, std::string& error);

}  // namespace cindervane::platform
