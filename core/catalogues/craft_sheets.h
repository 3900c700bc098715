// The sheets of the craft catalogue: enemy craft and the three player ship variants, in loading
// order. Columns: id, symbol (named in the error message), file, frames, frame width, frame height.
// kNoEnemy marks the rows whose error message leaves out "Enemy ".
#pragma once

#include <array>

#include "core/catalogues/sheet_row.h"

namespace cindervane {

inline constexpr std::array<SheetRow, 50> kCraftSheets{{
    {13, "IMG_ENEMY_KRAPHY", "S0013.BAI", 1, 61, 61},
    {14, "IMG_ENEMY_KRAPHYCANNON", "S0014.BAI", 1, 61, 61},
    {15, "IMG_ENEMY_KRAPHYMISSILE", "S0016.BAI", 1, 61, 61},
    {16, "IMG_ENEMY_KRAPHYLEADER", "S0015.BAI", 1, 61, 61},
    {4, "IMG_ENEMY_CHOPTER", "S0004.BAI", 2, 42, 42},
    {5, "IMG_ENEMY_CHOPTERGATTLING", "S0005.BAI", 2, 26, 42},
    {7, "IMG_ENEMY_EGMIXER", "S0007.BAI", 1, 80, 80, kNoEnemy},
    {9, "IMG_ENEMY_GASHIING", "S0009.BAI", 2, 38, 38},
    {10, "IMG_ENEMY_GASHIINGALPHA", "S0010.BAI", 2, 70, 70},
    {11, "IMG_ENEMY_GASHIINGBETA", "S0011.BAI", 3, 80, 80},
    {12, "IMG_ENEMY_GASHIINGGAMMA", "S0012.BAI", 1, 76, 76},
    {18, "IMG_ENEMY_LIGHTNING9", "S0018.BAI", 7, 50, 50},
    {17, "IMG_ENEMY_LIGHTNING8", "S0017.BAI", 7, 50, 50},
    {19, "IMG_ENEMY_MANTARAYV1", "S0019.BAI", 1, 110, 58},
    {20, "IMG_ENEMY_MANTARAYV2", "S0020.BAI", 1, 120, 62},
    {21, "IMG_ENEMY_MANTARAYV3", "S0021.BAI", 1, 120, 63},
    {22, "IMG_ENEMY_OWLION", "S0025.BAI", 1, 55, 55},
    {23, "IMG_ENEMY_OWLIONLASER", "S0026.BAI", 1, 54, 40},
    {24, "IMG_ENEMY_OWLIONLEADER", "S0027.BAI", 1, 54, 40},
    {25, "IMG_ENEMY_OWLIONNAPALM", "S0029.BAI", 1, 54, 40},
    {26, "IMG_ENEMY_OWLIONLEADER", "S0027.BAI", 1, 54, 40},
    {28, "IMG_ENEMY_POSEIDON", "S0031.BAI", 1, 220, 135, kNoEnemy},
    {35, "IMG_ENEMY_SCROOP", "S0038.BAI", 2, 25, 38},
    {36, "IMG_ENEMY_SCROOPBURU", "S0039.BAI", 2, 40, 40},
    {37, "IMG_ENEMY_SCROOPKING", "S0040.BAI", 2, 45, 45},
    {31, "IMG_ENEMY_RAUDER", "S0037.BAI", 1, 224, 205, kNoEnemy},
    {27, "IMG_ENEMY_OYSTER", "S0030.BAI", 1, 130, 91},
    {29, "IMG_ENEMY_POSEIDONV2", "S0034.BAI", 1, 220, 145},
    {38, "IMG_ENEMY_SILVERHAWK", "S0041.BAI", 9, 57, 57},
    {2, "IMG_ENEMY_ARROWIND", "S0002.BAI", 1, 22, 60, kNoEnemy},
    {3, "IMG_ENEMY_ARROWINDLASER", "S0003.BAI", 1, 22, 60, kNoEnemy},
    {39, "IMG_ENEMY_STEINER", "S0042.BAI", 1, 60, 60},
    {40, "IMG_ENEMY_VAZNA", "S0043.BAI", 7, 70, 70, kNoEnemy},
    {42, "IMG_ENEMY_WINDCHART", "S0046.BAI", 1, 48, 48},
    {43, "IMG_ENEMY_WINDCHARTDRILL", "S0045.BAI", 1, 52, 52},
    {44, "IMG_ENEMY_WINGEDBEAR", "S0047.BAI", 1, 240, 170, kNoEnemy},
    {30, "IMG_ENEMY_POSEIDONV3", "S0034.BAI", 1, 220, 145},
    {41, "IMG_ENEMY_WHITECROSS", "S0044.BAI", 7, 50, 50, kNoEnemy},
    {6, "IMG_ENEMY_DEATHBRINGER", "S0006.BAI", 1, 260, 210},
    {8, "IMG_ENEMY_FLYINGTURRET", "S0008.BAI", 1, 98, 98},
    {45, "IMG_ENEMY_WRIDER", "S0048.BAI", 7, 60, 60},
    {46, "IMG_ENEMY_YRIDER", "S0049.BAI", 7, 60, 60},
    {47, "IMG_ENEMY_ZAPHONG", "S0050.BAI", 1, 55, 55},
    {48, "IMG_ENEMY_ZAPHONGLASER", "S0051.BAI", 1, 55, 55},
    {50, "IMG_ENEMY_ZAPHONGLEADER", "S0052.BAI", 1, 60, 60},
    {49, "IMG_ENEMY_ZAPHONGMISSILE", "S0053.BAI", 1, 55, 55},
    {1, "IMG_ENEMY_ALPHAZERO", "S0001.BAI", 3, 90, 90},
    {32, "IMG_TEAM_REDPHOENIX", "S0054.BAI", 13, 60, 42, kNoEnemy},
    {33, "IMG_TEAM_REDPHOENIXV", "S0055.BAI", 13, 59, 51, kNoEnemy},
    {34, "IMG_TEAM_REDPHOENIXX", "S0056.BAI", 13, 75, 50, kNoEnemy},
}};

}  // namespace cindervane
