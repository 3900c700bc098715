// The sheets of the projectile catalogue: the shots of the ship and the enemies, in loading order.
// Columns: id, symbol (named in the error message), file, frames, frame width, frame height.
#pragma once

#include <array>

#include "core/catalogues/sheet_row.h"

namespace cindervane {

inline constexpr std::array<SheetRow, 32> kProjectileSheets{{
    {1, "IMG_SHOT_HOMMINGUP", "A0001.BAI", 1, 15, 15},
    {8, "IMG_SHOT_PARTICLE", "A0018.BAI", 1, 10, 10},
    {4, "IMG_SHOT_MISSILEUP", "A0016.BAI", 1, 5, 23},
    {5, "IMG_SHOT_MISSILEUP", "A0016.BAI", 1, 5, 23},
    {3, "IMG_SHOT_MACHINEGUNV1", "A0013.BAI", 1, 5, 10},
    {19, "IMG_SHOT_MACHINEGUNV2", "A0014.BAI", 1, 10, 20},
    {20, "IMG_SHOT_MACHINEGUNLV1", "A0009.BAI", 1, 10, 12},
    {22, "IMG_SHOT_MACHINEGUNLV2", "A0010.BAI", 1, 19, 23},
    {21, "IMG_SHOT_MACHINEGUNRV1", "A0011.BAI", 1, 10, 12},
    {23, "IMG_SHOT_MACHINEGUNRV2", "A0012.BAI", 1, 19, 23},
    {7, "IMG_SHOT_NAPALMDOWN", "A0017.BAI", 1, 8, 35},
    {9, "IMG_SHOT_PULSECANNONV1", "A0022.BAI", 1, 15, 23},
    {24, "IMG_SHOT_PULSECANNONV2", "A0023.BAI", 1, 17, 40},
    {25, "IMG_SHOT_PULSECANNONV3", "A0024.BAI", 1, 20, 60},
    {10, "IMG_SHOT_PULSEBEAMV1", "A0019.BAI", 1, 13, 17},
    {26, "IMG_SHOT_PULSEBEAMV2", "A0020.BAI", 1, 13, 26},
    {27, "IMG_SHOT_PULSEBEAMV3", "A0021.BAI", 1, 15, 29},
    {11, "IMG_SHOT_LASERBLUEV1", "A0002.BAI", 3, 15, 300},
    {29, "IMG_SHOT_LASERBLUEV2", "A0003.BAI", 3, 15, 300},
    {30, "IMG_SHOT_LASERBLUEV3", "A0004.BAI", 3, 15, 300},
    {12, "IMG_SHOT_LASERREDV1", "A0005.BAI", 1, 7, 60},
    {31, "IMG_SHOT_LASERREDV2", "A0006.BAI", 1, 9, 62},
    {32, "IMG_SHOT_LASERREDV3", "A0007.BAI", 1, 10, 62},
    {13, "IMG_SHOT_SUPERV1A", "A0025.BAI", 2, 25, 25},
    {14, "IMG_SHOT_SUPERV1B", "A0026.BAI", 2, 25, 10},
    {15, "IMG_SHOT_SUPERV2A", "A0027.BAI", 2, 41, 30},
    {16, "IMG_SHOT_SUPERV2B", "A0028.BAI", 2, 41, 10},
    {17, "IMG_SHOT_SUPERV3A", "A0029.BAI", 2, 64, 45},
    {18, "IMG_SHOT_SUPERV3B", "A0030.BAI", 2, 64, 10},
    {33, "IMG_SHOT_LASERREDV4", "A0008.BAI", 3, 15, 300},
    {34, "IMG_SHOT_LASERLINE", "A0031.BAI", 2, 10, 300},
    {35, "IMG_SHOT_LASERREDSUPER", "A0032.BAI", 2, 64, 280},
}};

}  // namespace cindervane
