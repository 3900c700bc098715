// What each weapon level does to the ship's guns: which guns fire and how hard they hit.
// A damage of 0 switches the guns of that kind off.
#pragma once

#include <array>
#include <cstdint>

namespace cindervane {

// The shot kinds the level setters look for in each gun's first projectile.
inline constexpr std::int32_t kMachineGunKind = 3;
inline constexpr std::int32_t kMachineGunLeftKind = 20;
inline constexpr std::int32_t kMachineGunRightKind = 21;
inline constexpr std::int32_t kHeavyGunKind = 19;
inline constexpr std::int32_t kHeavyGunLeftKind = 22;
inline constexpr std::int32_t kHeavyGunRightKind = 23;
inline constexpr std::int32_t kPulseKinds[3] = {9, 24, 25};
inline constexpr std::int32_t kMissileKind = 1;
inline constexpr std::int32_t kLaserKinds[3] = {11, 29, 30};
inline constexpr std::int32_t kBeamHeadKinds[3] = {13, 15, 17};

struct MachineGunLevel {
    std::int32_t straight;       // kind 3
    std::int32_t diagonal;       // kinds 20 and 21
    std::int32_t heavy;          // kind 19
    std::int32_t heavyDiagonal;  // kinds 22 and 23
};

inline constexpr std::array<MachineGunLevel, 10> kMachineGunLevels{{
    {0, 0, 0, 0},
    {100, 0, 0, 0},
    {110, 0, 0, 0},
    {120, 0, 0, 0},
    {120, 120, 0, 0},
    {130, 130, 0, 0},
    {140, 140, 0, 0},
    {0, 0, 150, 150},
    {0, 0, 180, 180},
    {0, 0, 200, 200},
}};

// Damage of the three grades of a weapon, in the order of its kinds.
struct GradeLevel {
    std::array<std::int32_t, 3> damage;
};

// Kinds 9, 24 and 25.
inline constexpr std::array<GradeLevel, 10> kPulseLevels{{
    {{0, 0, 0}},
    {{150, 0, 0}},
    {{400, 0, 0}},
    {{500, 0, 0}},
    {{0, 600, 0}},
    {{0, 700, 0}},
    {{0, 800, 0}},
    {{0, 0, 900}},
    {{0, 0, 1000}},
    {{0, 0, 1100}},
}};

// Kinds 11, 29 and 30.
inline constexpr std::array<GradeLevel, 10> kLaserLevels{{
    {{0, 0, 0}},
    {{800, 0, 0}},
    {{900, 0, 0}},
    {{1000, 0, 0}},
    {{0, 1500, 0}},
    {{0, 1600, 0}},
    {{0, 1700, 0}},
    {{0, 0, 2500}},
    {{0, 0, 2600}},
    {{0, 0, 2700}},
}};

// How many missile guns fire, the first ones in gun order.
inline constexpr std::array<std::int32_t, 10> kMissileGunsByLevel{0, 2, 2, 2, 4, 4, 4, 8, 8, 8};
inline constexpr std::int32_t kMissileDamage = 300;

struct HyperBeamLevel {
    std::array<std::int32_t, 3> damage;  // beam grades 1 to 3 (kinds 13/14, 15/16, 17/18)
    std::int32_t barCap;                 // the power and charge bars' full mark
};

inline constexpr std::array<HyperBeamLevel, 10> kHyperBeamLevels{{
    {{400, 750, 1250}, 0},
    {{400, 750, 1250}, 1},
    {{550, 750, 1250}, 1},
    {{700, 750, 1250}, 1},
    {{700, 750, 1250}, 2},
    {{700, 950, 1250}, 2},
    {{700, 1200, 1250}, 2},
    {{700, 1200, 1250}, 3},
    {{700, 1200, 1500}, 3},
    {{700, 1200, 2000}, 3},
}};

}  // namespace cindervane
