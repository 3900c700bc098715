// The sheets of the item box catalogue, in loading order.
// Columns: id, symbol (named in the error message), file, frames, frame width, frame height.
#pragma once

#include <array>

#include "core/catalogues/sheet_row.h"

namespace cindervane {

inline constexpr std::array<SheetRow, 1> kBoxSheets{{
    {10, "IMG_ITEM_BOX", "I0001.BAI", 10, 37, 27},
}};

}  // namespace cindervane
