// The game's icons for the desktop's menus: the emblem the window shows as its icon, drawn
// again at each size the desktop's icon theme asks for, with soft edges on a clear ground.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "tools/assetgen/canvas.h"

namespace cindervane::assetgen {

// The sizes of the freedesktop icon theme's folders, in pixels.
inline constexpr std::array kDesktopIconSizes = {16, 32, 48, 64, 128, 256};
// The picture file of the window's icon: its painter draws the emblem at 48 pixels.
inline constexpr std::string_view kEmblemFile = "O0144.BAI";
inline constexpr int kEmblemSize = 48;

// Draws the emblem into a clear canvas of size x size pixels; false when the generator has no
// painter for it.
bool paintEmblem(Canvas& canvas, int size);

// Writes hicolor/NxN/apps/cindervane.png under the folder for every size; false with the
// reason on the first failure.
bool writeDesktopIcons(const std::filesystem::path& folder, std::string& error);

}  // namespace cindervane::assetgen
