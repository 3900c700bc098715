// The sheets of the effect catalogue: explosions and hit sparks, in loading order.
// Columns: id, symbol (named in the error message), file, frames, frame width, frame height.
#pragma once

#include <array>

#include "core/catalogues/sheet_row.h"

namespace cindervane {

inline constexpr std::array<SheetRow, 2> kEffectSheets{{
    {1, "IMG_EXPLOSION_EXPLOSIONV1", "O0050.BAI", 5, 71, 71},
    {2, "IMG_EXPLOSION_EXPLOSIONV2", "O0051.BAI", 3, 23, 26},
}};

}  // namespace cindervane
