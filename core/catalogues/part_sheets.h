// The sheets of the part catalogue: boss parts and the ship's aura, in loading order.
// Columns: id, symbol (named in the error message), file, frames, frame width, frame height.
// kNoEnemy marks the rows whose error message leaves out "Enemy ".
#pragma once

#include <array>

#include "core/catalogues/sheet_row.h"

namespace cindervane {

inline constexpr std::array<SheetRow, 10> kPartSheets{{
    {6, "IMG_ENEMY_POSEIDONLEFTV2", "S0032.BAI", 1, 208, 110},
    {8, "IMG_ENEMY_POSEIDONRIGHTV2", "S0033.BAI", 1, 208, 110},
    {4, "IMG_ENEMY_POSEIDONBACKLV3", "S0035.BAI", 1, 151, 226},
    {5, "IMG_ENEMY_POSEIDONBACKRV3", "S0036.BAI", 1, 151, 226},
    {7, "IMG_ENEMY_POSEIDONLEFTV3", "S0032.BAI", 1, 208, 145},
    {9, "IMG_ENEMY_POSEIDONRIGHTV3", "S0033.BAI", 1, 208, 145},
    {1, "IMG_ENEMY_OMEGA9FRONT", "S0022.BAI", 1, 72, 109},
    {2, "IMG_ENEMY_OMEGA9CENTER", "S0023.BAI", 1, 180, 94},
    {3, "IMG_ENEMY_OMEGA9REAR", "S0024.BAI", 1, 90, 85},
    {10, "IMG_TEAM_FIREBIRD", "S0057.BAI", 3, 100, 71},
}};

}  // namespace cindervane
