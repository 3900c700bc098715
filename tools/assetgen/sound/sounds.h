// The composers of every sound file: the four effects and the sixteen music pieces.
#pragma once

#include <span>
#include <string_view>

#include "tools/assetgen/painter_table.h"

namespace cindervane::assetgen {

struct ComposerRow {
    std::string_view file;
    Composer composer;
};

std::span<const ComposerRow> effectComposers();
std::span<const ComposerRow> musicComposers();

}  // namespace cindervane::assetgen
