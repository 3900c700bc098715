// The sheets of the coin catalogue, in loading order.
// Columns: id, symbol (named in the error message), file, frames, frame width, frame height.
#pragma once

#include <array>

#include "core/catalogues/sheet_row.h"

namespace cindervane {

inline constexpr std::array<SheetRow, 4> kCoinSheets{{
    {1, "IMG_ITEM_COINV1", "I0002.BAI", 7, 16, 16},
    {2, "IMG_ITEM_COINV2", "I0003.BAI", 7, 16, 16},
    {3, "IMG_ITEM_COINV3", "I0004.BAI", 7, 31, 31},
    {4, "IMG_ITEM_COINV4", "I0005.BAI", 7, 31, 31},
}};

}  // namespace cindervane
