// Stage 7, Neptunus: the timetable in row order. Each row reads type, tick, pattern, x, y,
// dirX, dirY, item kind.
//
// Zaphongs weave down from above and up from below all through the stage, with yriders,
// kraphys and their cannons, missile carriers and leader, arc sweepers, gashiing alphas
// and gammas, flying turrets, dashers, two oysters, the heavy and the great manta ray,
// two vaznas, the white cross and the zaphong leader and laser. The main run goes up to
// the carrier at 3530; three more runs, each starting again at tick 30, thicken the
// opening, and some of their craft share tick and place with others, flying as one. The
// Deathbringer comes at 3900, a last carrier at 4600 only if it still flies.
#pragma once

#include <array>

#include "core/spawn_entry.h"

namespace cindervane {

// clang-format off
constexpr std::array<SpawnEntry, 169> kStage7Timetable = {{
    // Zaphongs weave down from alternate sides
    {47, 50, 0, 10, -55, 0, 1, 0},     {47, 80, 1, 175, -55, 0, 1, 0},
    // Item carrier (hyper beam)
    {7, 110, 0, 20, -80, 0, 1, 7},
    // A pair of yriders, then zaphongs again
    {46, 140, 0, 30, -60, 0, 1, 0},    {46, 140, 1, 150, -60, 0, 1, 0},
    {47, 180, 0, 10, -55, 0, 1, 0},    {47, 200, 1, 175, -55, 0, 1, 0},
    // Arc sweepers cross from the top corners
    {11, 240, 0, 14, -82, 0, 1, 0},    {11, 240, 2, 145, -82, 0, 1, 0},
    // Scroopburus dash at the ship
    {36, 290, 0, 30, -40, 0, 1, 0},    {36, 305, 0, 170, -40, 0, 1, 0},
    {36, 320, 0, 100, -40, 0, 1, 0},
    // The first flying turret, zaphongs rising past it
    {8, 360, 0, 71, -100, 0, 1, 0},    {47, 390, 3, 10, 320, 0, -1, 0},
    {47, 410, 2, 175, 320, 0, -1, 0},
    // Kraphys weave down from alternate sides
    {13, 450, 0, 10, -61, 0, 1, 0},    {13, 465, 1, 170, -61, 0, 1, 0},
    {13, 480, 0, 10, -61, 0, 1, 0},    {13, 495, 1, 170, -61, 0, 1, 0},
    // A pair of yriders
    {46, 530, 0, 30, -60, 0, 1, 0},    {46, 530, 1, 150, -60, 0, 1, 0},
    // Zaphong missile carriers, a pair
    {49, 600, 0, 30, -55, 0, 1, 0},    {49, 600, 1, 155, -55, 0, 1, 0},
    // Arc sweepers rise from the bottom corners
    {11, 640, 3, 0, 320, 0, -1, 0},    {11, 640, 1, 160, 320, 0, -1, 0},
    // Gashiing alphas: a row of three
    {10, 680, 0, 20, -70, 0, 1, 0},    {10, 680, 1, 85, -70, 0, 1, 0},
    {10, 680, 0, 150, -70, 0, 1, 0},
    // Zaphongs from above and below at once
    {47, 720, 0, 10, -55, 0, 1, 0},    {47, 720, 2, 175, 320, 0, -1, 0},
    // Kraphy cannons stop and fire, a scroopking dashes between them
    {14, 800, 0, 20, -65, 0, 1, 0},    {14, 800, 1, 159, -65, 0, 1, 0},
    {37, 825, 0, 97, -45, 0, 1, 0},
    // The heavy manta ray, yriders at its flanks
    {20, 860, 0, 60, -65, 0, 1, 0},    {46, 890, 0, 0, -60, 0, 1, 0},
    {46, 890, 1, 180, -60, 0, 1, 0},
    // A second flying turret
    {8, 930, 0, 71, -100, 0, 1, 0},
    // Scroopburus from the sides
    {36, 1030, 0, -40, 60, 1, 0, 0},   {36, 1045, 0, 240, 100, -1, 0, 0},
    {36, 1060, 0, -40, 140, 1, 0, 0},
    // Item carrier (laser), zaphongs rising either side
    {7, 1110, 0, 20, -80, 0, 1, 6},    {47, 1140, 3, 10, 320, 0, -1, 0},
    {47, 1140, 2, 175, 320, 0, -1, 0},
    // Kraphy missile carriers
    {15, 1180, 0, 20, -65, 0, 1, 0},   {15, 1180, 1, 159, -65, 0, 1, 0},
    // Yriders in a row of three, zaphong missile carriers behind them
    {46, 1220, 0, 10, -60, 0, 1, 0},   {46, 1220, 1, 90, -60, 0, 1, 0},
    {46, 1220, 1, 170, -60, 0, 1, 0},  {49, 1250, 0, 50, -55, 0, 1, 0},
    {49, 1250, 1, 135, -55, 0, 1, 0},
    // Arc sweepers from all four corners in turn
    {11, 1290, 0, 14, -82, 0, 1, 0},   {11, 1305, 2, 145, -82, 0, 1, 0},
    {11, 1320, 3, 0, 320, 0, -1, 0},   {11, 1335, 1, 160, 320, 0, -1, 0},
    // Gashiing alphas from the sides
    {10, 1370, 0, -70, 40, 1, 0, 0},   {10, 1370, 0, 240, 40, -1, 0, 0},
    // Wriders weave down slowly one behind the other, in step, so one side is always open
    {45, 1430, 0, 10, -60, 0, 1, 0},   {45, 1470, 0, 10, -60, 0, 1, 0},
    // The first oyster, scroopkings around it
    {27, 1500, 0, 55, -95, 0, 1, 0},   {37, 1530, 0, 10, -45, 0, 1, 0},
    {37, 1530, 0, 185, -45, 0, 1, 0},
    // Flying turrets side by side
    {8, 1590, 0, 10, -100, 0, 1, 0},   {8, 1590, 0, 132, -100, 0, 1, 0},
    // Kraphys and the kraphy leader
    {13, 1660, 0, 10, -61, 0, 1, 0},   {13, 1660, 1, 170, -61, 0, 1, 0},
    {16, 1680, 0, 89, -65, 0, 1, 0},   {13, 1700, 0, 10, -61, 0, 1, 0},
    {13, 1700, 1, 170, -61, 0, 1, 0},
    // Yriders in pairs, zaphongs from below between them
    {46, 1750, 0, 30, -60, 0, 1, 0},   {46, 1750, 1, 150, -60, 0, 1, 0},
    {47, 1765, 3, 10, 320, 0, -1, 0},  {47, 1765, 2, 175, 320, 0, -1, 0},
    {46, 1780, 0, 60, -60, 0, 1, 0},   {46, 1780, 1, 120, -60, 0, 1, 0},
    // A vazna weaves through; gashiing gammas turn after the ship
    {40, 1830, 0, 10, -70, 0, 1, 0},   {12, 1850, 0, 20, -76, 0, 1, 0},
    {12, 1850, 0, 144, -76, 0, 1, 0},
    // The zaphong leader with zaphongs all around it
    {50, 1900, 0, 90, -60, 0, 1, 0},   {47, 1915, 0, 10, -55, 0, 1, 0},
    {47, 1915, 1, 175, -55, 0, 1, 0},  {47, 1930, 2, 175, 320, 0, -1, 0},
    {47, 1930, 3, 10, 320, 0, -1, 0},
    // Kraphy missile carriers, a pair
    {15, 1980, 0, 20, -65, 0, 1, 0},   {15, 1980, 1, 159, -65, 0, 1, 0},
    // Arc sweepers cross in pairs
    {11, 2030, 0, 14, -82, 0, 1, 0},   {11, 2030, 2, 145, -82, 0, 1, 0},
    {11, 2060, 3, 0, 320, 0, -1, 0},   {11, 2060, 1, 160, 320, 0, -1, 0},
    // Gashiing alphas: a row of three
    {10, 2110, 1, 20, -70, 0, 1, 0},   {10, 2110, 0, 85, -70, 0, 1, 0},
    {10, 2110, 1, 150, -70, 0, 1, 0},
    // A third flying turret; zaphongs weave down past it
    {8, 2160, 0, 71, -100, 0, 1, 0},   {47, 2190, 0, 10, -55, 0, 1, 0},
    {47, 2205, 1, 175, -55, 0, 1, 0},  {47, 2220, 0, 10, -55, 0, 1, 0},
    {47, 2235, 1, 175, -55, 0, 1, 0},
    // The great manta ray down the left side, leaving a lane open; yriders beside it
    {21, 2300, 0, 0, -65, 0, 1, 0},   {46, 2330, 0, 125, -60, 0, 1, 0},
    {46, 2330, 1, 180, -60, 0, 1, 0},
    // Zaphongs from above and below
    {47, 2400, 0, 10, -55, 0, 1, 0},   {47, 2400, 2, 175, 320, 0, -1, 0},
    {47, 2420, 1, 175, -55, 0, 1, 0},  {47, 2420, 3, 10, 320, 0, -1, 0},
    // Item carrier (full hit points)
    {7, 2520, 0, 20, -80, 0, 1, 0},
    // Kraphys weave down, zaphong missile carriers behind them
    {13, 2570, 0, 10, -61, 0, 1, 0},   {13, 2585, 1, 170, -61, 0, 1, 0},
    {13, 2600, 0, 10, -61, 0, 1, 0},   {13, 2615, 1, 170, -61, 0, 1, 0},
    {49, 2640, 0, 30, -55, 0, 1, 0},   {49, 2640, 1, 155, -55, 0, 1, 0},
    // The second oyster and a wrider above it
    {27, 2690, 0, 55, -95, 0, 1, 0},   {45, 2720, 0, 10, -60, 0, 1, 0},
    // Arc sweepers from the bottom, alphas from the sides
    {11, 2760, 3, 0, 320, 0, -1, 0},   {11, 2760, 1, 160, 320, 0, -1, 0},
    {10, 2780, 0, -70, 60, 1, 0, 0},   {10, 2780, 0, 240, 60, -1, 0, 0},
    // A row of yriders
    {46, 2820, 0, 10, -60, 0, 1, 0},   {46, 2820, 1, 90, -60, 0, 1, 0},
    {46, 2820, 1, 170, -60, 0, 1, 0},
    // The zaphong laser between zaphongs rising from below
    {48, 2870, 0, 92, -55, 0, 1, 0},   {47, 2880, 3, 10, 320, 0, -1, 0},
    {47, 2880, 2, 175, 320, 0, -1, 0},
    // Flying turrets at both sides, the white cross weaves between them
    {8, 2930, 0, 10, -100, 0, 1, 0},   {8, 2930, 0, 132, -100, 0, 1, 0},
    {41, 2960, 0, 95, -50, 0, 1, 0},
    // A zaphong stream from the left, another rising on the right
    {47, 3010, 0, 10, -55, 0, 1, 0},   {47, 3020, 2, 175, 320, 0, -1, 0},
    {47, 3025, 0, 10, -55, 0, 1, 0},   {47, 3035, 2, 175, 320, 0, -1, 0},
    {47, 3040, 0, 10, -55, 0, 1, 0},   {47, 3050, 2, 175, 320, 0, -1, 0},
    {47, 3055, 0, 10, -55, 0, 1, 0},   {47, 3065, 2, 175, 320, 0, -1, 0},
    // Scroopburus and scroopkings, wriders weaving down behind them
    {36, 3100, 0, 30, -40, 0, 1, 0},   {37, 3115, 0, 165, -45, 0, 1, 0},
    {37, 3130, 0, 30, -45, 0, 1, 0},   {45, 3150, 1, 170, -60, 0, 1, 0},
    {45, 3190, 1, 170, -60, 0, 1, 0},
    // The last rush: zaphongs, kraphys, yriders and dashers from every side
    {47, 3200, 0, 10, -55, 0, 1, 0},   {47, 3200, 1, 175, -55, 0, 1, 0},
    {40, 3215, 1, 160, -70, 0, 1, 0},  {47, 3230, 2, 175, 320, 0, -1, 0},
    {47, 3230, 3, 10, 320, 0, -1, 0},  {13, 3245, 0, 10, -61, 0, 1, 0},
    {13, 3245, 1, 170, -61, 0, 1, 0},  {46, 3260, 0, 30, -60, 0, 1, 0},
    {46, 3260, 1, 150, -60, 0, 1, 0},  {36, 3270, 0, 240, 100, -1, 0, 0},
    {37, 3285, 0, 97, -45, 0, 1, 0},   {47, 3300, 0, 10, -55, 0, 1, 0},
    {47, 3300, 1, 175, -55, 0, 1, 0},  {13, 3330, 0, 10, -61, 0, 1, 0},
    {13, 3330, 1, 170, -61, 0, 1, 0},  {46, 3345, 0, 90, -60, 0, 1, 0},
    // Item carrier (full hit points) before the quiet
    {7, 3530, 0, 20, -80, 0, 1, 0},
    // A second run, from tick 30 again: zaphongs rise from below over the opening
    {47, 30, 3, 10, 320, 0, -1, 0},    {47, 60, 2, 175, 320, 0, -1, 0},
    {47, 90, 3, 10, 320, 0, -1, 0},    {47, 120, 2, 175, 320, 0, -1, 0},
    // A third run from tick 30: a second stream from above, doubling the first
    {47, 30, 1, 175, -55, 0, 1, 0},    {47, 50, 0, 10, -55, 0, 1, 0},
    {47, 80, 1, 175, -55, 0, 1, 0},    {47, 200, 1, 175, -55, 0, 1, 0},
    // A fourth run from tick 30: a yrider, a zaphong and a yrider doubling earlier ones, a kraphy
    {46, 30, 0, 90, -60, 0, 1, 0},     {47, 60, 2, 175, 320, 0, -1, 0},
    {46, 140, 0, 30, -60, 0, 1, 0},    {13, 160, 0, 10, -61, 0, 1, 0},
    // The boss: the Deathbringer
    {6, 3900, 0, 0, -80, 0, 0, 0},
    // A last item carrier, should the Deathbringer still fly by then
    {7, 4600, 0, 20, -80, 0, 1, 0},
}};
// clang-format on

}  // namespace cindervane
