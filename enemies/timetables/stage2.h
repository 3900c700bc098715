// Stage 2, Space: the whole timetable in row order, which is also tick order. Each row
// reads type, tick, pattern, x, y, dirX, dirY, item kind.
//
// Owlion streams open the stage, then scroops, gashiings on station, lightning9 pairs and
// scroopburus that dash at the ship. Gashiing alphas arrive at 700 and keep coming in
// greater numbers from above and from the sides; three manta rays bring gashiing escorts.
// Four carriers bring a machine gun, a missile and two repairs. The alpha storm at 2580
// is the peak; after the last scroopburus the Rauder comes in alone at 2915.
#pragma once

#include <array>

#include "core/spawn_entry.h"

namespace cindervane {

// clang-format off
constexpr std::array<SpawnEntry, 132> kStage2Timetable = {{
    // Owlions weave down from the left, then from the right
    {22, 70, 0, 40, -55, 0, 1, 0},     {22, 80, 0, 50, -55, 0, 1, 0},
    {22, 90, 0, 60, -55, 0, 1, 0},     {22, 100, 0, 70, -55, 0, 1, 0},
    {22, 110, 0, 80, -55, 0, 1, 0},    {22, 150, 1, 160, -55, 0, 1, 0},
    {22, 160, 1, 150, -55, 0, 1, 0},   {22, 170, 1, 140, -55, 0, 1, 0},
    {22, 180, 1, 130, -55, 0, 1, 0},   {22, 190, 1, 120, -55, 0, 1, 0},
    // A diagonal of scroops
    {35, 230, 0, 30, -40, 0, 1, 0},    {35, 240, 0, 70, -40, 0, 1, 0},
    {35, 250, 0, 110, -40, 0, 1, 0},   {35, 260, 0, 150, -40, 0, 1, 0},
    {35, 270, 0, 190, -40, 0, 1, 0},
    // Gashiings take up station, two at the sides and one in the middle
    {9, 310, 1, 40, -38, 0, 1, 0},     {9, 310, 2, 162, -38, 0, 1, 0},
    {9, 345, 0, 101, -38, 0, 1, 0},
    // Lightning9 pairs circle in from both edges
    {18, 410, 0, 5, -50, 0, 1, 0},     {18, 410, 1, 185, -50, 0, 1, 0},
    {18, 430, 0, 5, -50, 0, 1, 0},     {18, 430, 1, 185, -50, 0, 1, 0},
    // Scroopburus stop and dash at the ship
    {36, 480, 0, 30, -40, 0, 1, 0},    {36, 495, 0, 170, -40, 0, 1, 0},
    {36, 510, 0, 70, -40, 0, 1, 0},    {36, 525, 0, 130, -40, 0, 1, 0},
    // Item carrier (machine gun) with a scroop either side of it
    {7, 570, 0, 20, -80, 0, 1, 2},     {35, 610, 0, 190, -40, 0, 1, 0},
    {35, 640, 0, 140, -40, 0, 1, 0},
    // The first gashiing alphas: one, then a pair
    {10, 700, 0, 85, -70, 0, 1, 0},    {10, 730, 1, 20, -70, 0, 1, 0},
    {10, 730, 1, 150, -70, 0, 1, 0},
    // Owlions cross from both sides
    {22, 790, 0, 40, -55, 0, 1, 0},    {22, 800, 1, 160, -55, 0, 1, 0},
    {22, 810, 0, 50, -55, 0, 1, 0},    {22, 820, 1, 150, -55, 0, 1, 0},
    {22, 830, 0, 60, -55, 0, 1, 0},    {22, 840, 1, 140, -55, 0, 1, 0},
    // A manta ray with gashiings cutting in from the top corners
    {19, 900, 0, 65, -60, 0, 1, 0},    {9, 940, 2, 200, -38, -1, 1, 0},
    {9, 940, 1, 2, -38, 1, 1, 0},
    // Lightning9 pairs, a gashiing down the middle behind them
    {18, 1010, 0, 5, -50, 0, 1, 0},    {18, 1010, 1, 185, -50, 0, 1, 0},
    {18, 1030, 0, 5, -50, 0, 1, 0},    {18, 1030, 1, 185, -50, 0, 1, 0},
    {9, 1050, 0, 101, -38, 0, 1, 0},
    // Scroopburus slide in from the sides
    {36, 1080, 0, -40, 60, 1, 0, 0},   {36, 1095, 0, 240, 100, -1, 0, 0},
    {36, 1110, 0, -40, 140, 1, 0, 0},  {36, 1125, 0, 240, 40, -1, 0, 0},
    // Owlion leaders sweep in from the top corners
    {24, 1170, 1, -54, -54, 1, 1, 0},  {24, 1170, 0, 240, -54, -1, 1, 0},
    // Item carrier (full hit points)
    {7, 1220, 0, 20, -80, 0, 1, 0},
    // A napalm owlion, then gashiings that leave upwards
    {25, 1280, 0, 93, -40, 0, 1, 0},   {9, 1310, 4, 30, -38, 0, 1, 0},
    {9, 1310, 5, 172, -38, 0, 1, 0},
    // Owlions weave down from the right
    {22, 1360, 1, 160, -55, 0, 1, 0},  {22, 1370, 1, 150, -55, 0, 1, 0},
    {22, 1380, 1, 140, -55, 0, 1, 0},  {22, 1390, 1, 130, -55, 0, 1, 0},
    {22, 1400, 1, 120, -55, 0, 1, 0},
    // A row of three gashiing alphas
    {10, 1440, 0, 20, -70, 0, 1, 0},   {10, 1440, 1, 85, -70, 0, 1, 0},
    {10, 1440, 0, 150, -70, 0, 1, 0},
    // Lightning8 pair
    {17, 1490, 0, 40, -50, 0, 1, 0},   {17, 1490, 1, 150, -50, 0, 1, 0},
    // Scroopburus, the last one from higher up
    {36, 1540, 0, 100, -40, 0, 1, 0},  {36, 1555, 0, 30, -40, 0, 1, 0},
    {36, 1570, 0, 170, -40, 0, 1, 0},  {36, 1585, 0, 100, -80, 0, 1, 0},
    // Lightning9 pairs
    {18, 1610, 0, 5, -50, 0, 1, 0},    {18, 1610, 1, 185, -50, 0, 1, 0},
    {18, 1630, 0, 5, -50, 0, 1, 0},    {18, 1630, 1, 185, -50, 0, 1, 0},
    // Item carrier (missile)
    {7, 1670, 0, 20, -80, 0, 1, 1},
    // A second manta ray, a gashiing behind it
    {19, 1730, 1, 10, -60, 0, 1, 0},   {9, 1770, 3, 150, -38, 0, 1, 0},
    // Gashiing alphas close in from both sides, then from above
    {10, 1820, 0, -70, 40, 1, 0, 0},   {10, 1820, 0, 240, 40, -1, 0, 0},
    {10, 1850, 1, -70, 110, 1, 0, 0},  {10, 1850, 1, 240, 110, -1, 0, 0},
    {10, 1880, 0, 85, -70, 0, 1, 0},
    // Owlions from alternate sides
    {22, 1930, 0, 40, -55, 0, 1, 0},   {22, 1940, 1, 150, -55, 0, 1, 0},
    {22, 1950, 0, 60, -55, 0, 1, 0},   {22, 1960, 1, 130, -55, 0, 1, 0},
    {22, 1970, 0, 80, -55, 0, 1, 0},
    // A square of gashiings
    {9, 2020, 1, 30, -38, 0, 1, 0},    {9, 2020, 2, 172, -38, 0, 1, 0},
    {9, 2040, 4, 70, -78, 0, 1, 0},    {9, 2040, 5, 132, -78, 0, 1, 0},
    // Napalm owlions, a pair
    {25, 2090, 0, 40, -40, 0, 1, 0},   {25, 2090, 1, 146, -40, 0, 1, 0},
    // Scroopburus from the sides and from above
    {36, 2130, 0, -40, 80, 1, 0, 0},   {36, 2145, 0, 240, 80, -1, 0, 0},
    {36, 2160, 0, 50, -40, 0, 1, 0},   {36, 2175, 0, 150, -40, 0, 1, 0},
    // Lightning9 pair, a gashiing behind it that leaves upwards
    {18, 2210, 0, 5, -50, 0, 1, 0},    {18, 2210, 1, 185, -50, 0, 1, 0},
    {9, 2230, 3, 101, -38, 0, 1, 0},
    // Item carrier (full hit points)
    {7, 2260, 0, 20, -80, 0, 1, 0},
    // Owlion leaders and an alpha between them
    {24, 2320, 0, 20, -40, 0, 1, 0},   {24, 2320, 1, 166, -40, 0, 1, 0},
    {10, 2340, 0, 85, -70, 0, 1, 0},
    // The third manta ray with gashiings from the corners
    {19, 2380, 0, 65, -60, 0, 1, 0},   {9, 2400, 2, 200, -38, -1, 1, 0},
    {9, 2400, 1, 2, -38, 1, 1, 0},     {9, 2430, 0, 40, -38, 0, 1, 0},
    {9, 2430, 0, 162, -38, 0, 1, 0},
    // Owlion leaders from the corners, owlions behind them
    {24, 2470, 1, -54, -54, 1, 1, 0},  {24, 2470, 0, 240, -54, -1, 1, 0},
    {22, 2490, 0, 40, -55, 0, 1, 0},   {22, 2490, 1, 160, -55, 0, 1, 0},
    // Lightning9 pairs
    {18, 2520, 0, 5, -50, 0, 1, 0},    {18, 2520, 1, 185, -50, 0, 1, 0},
    {18, 2540, 0, 5, -50, 0, 1, 0},    {18, 2540, 1, 185, -50, 0, 1, 0},
    // The alpha storm: gashiing alphas from above and both sides
    {10, 2580, 0, 20, -70, 0, 1, 0},   {10, 2580, 0, 150, -70, 0, 1, 0},
    {10, 2595, 1, 85, -70, 0, 1, 0},   {10, 2610, 1, -70, 50, 1, 0, 0},
    {10, 2610, 1, 240, 50, -1, 0, 0},  {10, 2625, 0, 85, -70, 0, 1, 0},
    {10, 2640, 0, -70, 120, 1, 0, 0},  {10, 2640, 0, 240, 120, -1, 0, 0},
    {10, 2655, 1, 20, -70, 0, 1, 0},   {10, 2655, 1, 150, -70, 0, 1, 0},
    // Last scroopburus; then the Rauder comes in alone
    {36, 2690, 0, 30, -40, 0, 1, 0},   {36, 2700, 0, 170, -40, 0, 1, 0},
    {36, 2710, 0, 100, -40, 0, 1, 0},  {36, 2720, 0, 60, -40, 0, 1, 0},
    // The boss: the Rauder
    {31, 2915, 0, 10, -205, 0, 1, 0},
}};
// clang-format on

}  // namespace cindervane
