// Stage 6, Uranus: the whole timetable in row order, which is also tick order. Each row
// reads type, tick, pattern, x, y, dirX, dirY, item kind.
//
// Lightning9 pairs circle in again and again, between the whole owlion family (leaders
// from the corners, napalm and laser owlions), chopter wedges and columns, gashiing
// alphas and gammas, and scroopburus and scroopkings. Two manta rays, two heavy manta
// rays, the great manta ray, an oyster and the white cross are the big craft. Carriers
// bring charge rate, hyper beam and a repair; the last rush ends at 2130 and the four-
// winged Poseidon comes at 2340, a last carrier at 3040 only if it still flies.
#pragma once

#include <array>

#include "core/spawn_entry.h"

namespace cindervane {

// clang-format off
constexpr std::array<SpawnEntry, 160> kStage6Timetable = {{
    // Lightning9 pairs circle in, chopters from both sides behind them
    {18, 50, 0, 5, -50, 0, 1, 0},      {18, 50, 1, 185, -50, 0, 1, 0},
    {18, 65, 0, 5, -50, 0, 1, 0},      {18, 65, 1, 185, -50, 0, 1, 0},
    {18, 80, 0, 5, -50, 0, 1, 0},      {18, 80, 1, 185, -50, 0, 1, 0},
    {4, 105, 0, -42, 60, 1, 0, 0},     {4, 105, 1, 240, 60, -1, 0, 0},
    // Owlion leaders from the top corners, then from above
    {24, 140, 1, -54, -54, 1, 1, 0},   {24, 140, 0, 240, -54, -1, 1, 0},
    {24, 160, 0, 20, -40, 0, 1, 0},    {24, 160, 1, 166, -40, 0, 1, 0},
    // Scroopburus dash at the ship; gattling chopters follow them down
    {36, 200, 0, 30, -40, 0, 1, 0},    {36, 215, 0, 170, -40, 0, 1, 0},
    {36, 230, 0, 100, -40, 0, 1, 0},   {5, 250, 1, 40, -50, 0, 1, 0},
    {5, 250, 0, 174, -50, 0, 1, 0},
    // Napalm owlions, a pair
    {25, 280, 0, 40, -40, 0, 1, 0},    {25, 280, 1, 146, -40, 0, 1, 0},
    // A wedge of chopters
    {4, 320, 0, 5, -52, 0, 1, 0},      {4, 320, 1, 193, -52, 0, 1, 0},
    {4, 330, 0, 35, -90, 0, 1, 0},     {4, 330, 1, 163, -90, 0, 1, 0},
    {4, 340, 0, 65, -130, 0, 1, 0},    {4, 340, 1, 133, -130, 0, 1, 0},
    // A row of three gashiing alphas
    {10, 380, 0, 20, -70, 0, 1, 0},    {10, 380, 1, 85, -70, 0, 1, 0},
    {10, 380, 0, 150, -70, 0, 1, 0},
    // Lightning9 pairs and a third down the middle
    {18, 430, 0, 5, -50, 0, 1, 0},     {18, 430, 1, 185, -50, 0, 1, 0},
    {18, 450, 0, 5, -50, 0, 1, 0},     {18, 450, 1, 185, -50, 0, 1, 0},
    {18, 465, 2, 95, -50, 0, 1, 0},
    // Laser owlions at the edges, a leader owlion between them
    {23, 500, 0, 5, -40, 0, 1, 0},     {23, 500, 1, 181, -40, 0, 1, 0},
    {26, 515, 0, 93, -45, 0, 1, 0},
    // Scroopkings, one after another
    {37, 550, 0, 30, -45, 0, 1, 0},    {37, 565, 0, 165, -45, 0, 1, 0},
    {37, 580, 0, 70, -45, 0, 1, 0},    {37, 595, 0, 125, -45, 0, 1, 0},
    // A manta ray, chopters from both sides beside it
    {19, 630, 0, 65, -60, 0, 1, 0},    {4, 655, 0, -42, 100, 1, 0, 0},
    {4, 655, 1, 240, 100, -1, 0, 0},
    // Item carrier (charge rate)
    {7, 690, 0, 20, -80, 0, 1, 5},
    // Lightning9 pairs, a quick chopter down the middle after them
    {18, 750, 0, 5, -50, 0, 1, 0},     {18, 750, 1, 185, -50, 0, 1, 0},
    {18, 770, 0, 5, -50, 0, 1, 0},     {18, 770, 1, 185, -50, 0, 1, 0},
    {4, 785, 4, 99, -50, 0, 1, 0},
    // Gashiing gammas turn after the ship
    {12, 810, 0, 20, -76, 0, 1, 0},    {12, 810, 0, 144, -76, 0, 1, 0},
    {12, 825, 0, 82, -76, 0, 1, 0},
    // Owlion leaders and napalm owlions
    {24, 850, 1, -54, -54, 1, 1, 0},   {24, 850, 0, 240, -54, -1, 1, 0},
    {25, 870, 0, 40, -40, 0, 1, 0},    {25, 870, 1, 146, -40, 0, 1, 0},
    {24, 890, 0, 20, -40, 0, 1, 0},    {24, 890, 1, 166, -40, 0, 1, 0},
    // The heavy manta ray, scroopburus from the sides and from above
    {20, 930, 0, 60, -65, 0, 1, 0},    {36, 960, 0, -40, 80, 1, 0, 0},
    {36, 975, 0, 240, 120, -1, 0, 0},  {36, 990, 0, 100, -40, 0, 1, 0},
    // A column of chopters circling out to both sides; gattling chopters after
    {4, 1000, 3, 99, -84, 0, 1, 0},    {4, 1010, 2, 99, -84, 0, 1, 0},
    {4, 1020, 3, 99, -84, 0, 1, 0},    {4, 1030, 2, 99, -84, 0, 1, 0},
    {4, 1040, 3, 99, -84, 0, 1, 0},    {5, 1060, 1, 60, -50, 0, 1, 0},
    {5, 1060, 0, 154, -50, 0, 1, 0},
    // Gashiing alphas close in from both sides
    {10, 1090, 0, -70, 40, 1, 0, 0},   {10, 1090, 0, 240, 40, -1, 0, 0},
    {10, 1110, 1, -70, 110, 1, 0, 0},  {10, 1110, 1, 240, 110, -1, 0, 0},
    // Lightning8s from alternate sides
    {17, 1150, 0, 40, -50, 0, 1, 0},   {17, 1160, 1, 150, -50, 0, 1, 0},
    {17, 1170, 0, 60, -50, 0, 1, 0},   {17, 1180, 1, 130, -50, 0, 1, 0},
    {17, 1190, 0, 80, -50, 0, 1, 0},   {17, 1200, 1, 110, -50, 0, 1, 0},
    // Laser owlions and napalm owlions
    {23, 1220, 0, 5, -40, 0, 1, 0},    {23, 1220, 1, 181, -40, 0, 1, 0},
    {25, 1235, 0, 60, -40, 0, 1, 0},   {25, 1235, 1, 126, -40, 0, 1, 0},
    // Lightning9 pairs
    {18, 1270, 0, 5, -50, 0, 1, 0},    {18, 1270, 1, 185, -50, 0, 1, 0},
    {18, 1290, 0, 5, -50, 0, 1, 0},    {18, 1290, 1, 185, -50, 0, 1, 0},
    // Scroopkings and gashiing gammas
    {37, 1320, 0, 30, -45, 0, 1, 0},   {37, 1320, 0, 165, -45, 0, 1, 0},
    {37, 1335, 0, 70, -45, 0, 1, 0},   {37, 1335, 0, 125, -45, 0, 1, 0},
    {12, 1355, 0, 20, -76, 0, 1, 0},   {12, 1355, 0, 144, -76, 0, 1, 0},
    // The oyster, quick chopters at its sides
    {27, 1370, 0, 55, -95, 0, 1, 0},   {4, 1395, 4, 20, -50, 0, 1, 0},
    {4, 1395, 5, 178, -50, 0, 1, 0},
    // Item carrier (hyper beam); scroopburus dash in after it
    {7, 1420, 0, 20, -80, 0, 1, 7},    {36, 1450, 0, 30, -40, 0, 1, 0},
    {36, 1465, 0, 170, -40, 0, 1, 0},  {36, 1480, 0, 100, -40, 0, 1, 0},
    // Lightning9 pairs
    {18, 1510, 0, 5, -50, 0, 1, 0},    {18, 1510, 1, 185, -50, 0, 1, 0},
    {18, 1530, 0, 5, -50, 0, 1, 0},    {18, 1530, 1, 185, -50, 0, 1, 0},
    // The great manta ray, owlion leaders from the corners
    {21, 1560, 0, 60, -65, 0, 1, 0},   {24, 1590, 1, -54, -54, 1, 1, 0},
    {24, 1590, 0, 240, -54, -1, 1, 0},
    // Gashiing alphas: a pair from above, a pair from the sides
    {10, 1610, 1, 20, -70, 0, 1, 0},   {10, 1610, 1, 150, -70, 0, 1, 0},
    {10, 1625, 0, -70, 70, 1, 0, 0},   {10, 1625, 0, 240, 70, -1, 0, 0},
    // Item carrier (full hit points)
    {7, 1640, 0, 20, -80, 0, 1, 0},
    // Gashiing gammas and napalm owlions
    {12, 1690, 0, 20, -76, 0, 1, 0},   {12, 1690, 0, 82, -76, 0, 1, 0},
    {12, 1690, 0, 144, -76, 0, 1, 0},  {25, 1710, 0, 40, -40, 0, 1, 0},
    {25, 1710, 1, 146, -40, 0, 1, 0},
    // A wedge of chopters
    {4, 1740, 0, 5, -52, 0, 1, 0},     {4, 1740, 1, 193, -52, 0, 1, 0},
    {4, 1750, 0, 35, -90, 0, 1, 0},    {4, 1750, 1, 163, -90, 0, 1, 0},
    {4, 1760, 0, 65, -130, 0, 1, 0},   {4, 1760, 1, 133, -130, 0, 1, 0},
    // The second manta ray with laser owlions at the edges
    {19, 1790, 1, 10, -60, 0, 1, 0},   {23, 1810, 0, 5, -40, 0, 1, 0},
    {23, 1810, 1, 181, -40, 0, 1, 0},
    // Lightning9 pairs, scroopkings after them
    {18, 1840, 0, 5, -50, 0, 1, 0},    {18, 1840, 1, 185, -50, 0, 1, 0},
    {18, 1860, 0, 5, -50, 0, 1, 0},    {18, 1860, 1, 185, -50, 0, 1, 0},
    {37, 1880, 0, 30, -45, 0, 1, 0},   {37, 1880, 0, 165, -45, 0, 1, 0},
    // The white cross weaves down; scroopburus from the sides
    {41, 1910, 0, 95, -50, 0, 1, 0},   {36, 1925, 0, -40, 60, 1, 0, 0},
    {36, 1935, 0, 240, 100, -1, 0, 0},
    // The second heavy manta ray, alphas from the sides
    {20, 1960, 0, 60, -65, 0, 1, 0},   {10, 1990, 1, -70, 60, 1, 0, 0},
    {10, 1990, 1, 240, 60, -1, 0, 0},
    // The last rush: every owlion, chopters, kings and lightning9s together
    {24, 2020, 1, -54, -54, 1, 1, 0},  {24, 2020, 0, 240, -54, -1, 1, 0},
    {4, 2030, 0, -42, 40, 1, 0, 0},    {4, 2030, 1, 240, 40, -1, 0, 0},
    {25, 2040, 0, 40, -40, 0, 1, 0},   {25, 2040, 1, 146, -40, 0, 1, 0},
    {23, 2050, 0, 5, -40, 0, 1, 0},    {23, 2050, 1, 181, -40, 0, 1, 0},
    {18, 2060, 0, 5, -50, 0, 1, 0},    {18, 2060, 1, 185, -50, 0, 1, 0},
    {12, 2070, 0, 82, -76, 0, 1, 0},   {37, 2080, 0, 30, -45, 0, 1, 0},
    {37, 2080, 0, 165, -45, 0, 1, 0},  {4, 2090, 3, 99, -84, 0, 1, 0},
    {4, 2100, 2, 99, -84, 0, 1, 0},    {36, 2110, 0, 100, -40, 0, 1, 0},
    {5, 2120, 1, 60, -50, 0, 1, 0},    {5, 2120, 0, 154, -50, 0, 1, 0},
    {10, 2130, 0, 20, -70, 0, 1, 0},   {10, 2130, 0, 150, -70, 0, 1, 0},
    // The boss: Poseidon with its four wings
    {30, 2340, 0, 0, -320, 0, 1, 0},
    // A last item carrier, should Poseidon still fly by then
    {7, 3040, 0, 20, -80, 0, 1, 0},
}};
// clang-format on

}  // namespace cindervane
