// The gun layout every ship variant is built with: the 25 ordinary guns in slot order and
// the 6 hyper beam guns. Only the x offsets (and the hyper beam's y offsets and lengths)
// differ between the variants; those are in the variant table.
#pragma once

#include <array>
#include <cstdint>

namespace cindervane {

// How a family of the ship's shots moves.
enum class ShotFamily { Straight, Pulse, Missile, Laser };

struct ShipGunRow {
    std::int32_t kind;  // the projectiles' picture in the shot catalogue
    ShotFamily family;
    std::int32_t projectiles;
    std::int32_t interval;
    std::int32_t speedX;
    std::int32_t speedY;
    std::int32_t dirX;
    std::int32_t dirY;
    bool homing;
    bool enabled;
    std::int32_t damage;   // until a level setter replaces it
    std::int32_t offsetY;  // the same for every variant
};

// Guns 0 to 24: machine guns, heavy machine guns, the pulse cannon's three grades, four
// pairs of homing missiles and the laser's three grades in pairs.
inline constexpr std::array<ShipGunRow, 25> kShipGuns{{
    {3, ShotFamily::Straight, 10, 2, 12, 15, 0, -1, false, false, 100, 3},
    {3, ShotFamily::Straight, 10, 2, 12, 15, 0, -1, false, false, 100, 3},
    {20, ShotFamily::Straight, 10, 2, 5, 15, -1, -1, false, false, 100, 3},
    {21, ShotFamily::Straight, 10, 2, 5, 15, 1, -1, false, false, 100, 3},
    {19, ShotFamily::Straight, 10, 2, 12, 15, 0, -1, false, false, 100, 3},
    {19, ShotFamily::Straight, 10, 2, 12, 15, 0, -1, false, false, 100, 3},
    {22, ShotFamily::Straight, 10, 2, 5, 15, -1, -1, false, false, 100, 3},
    {23, ShotFamily::Straight, 10, 2, 5, 15, 1, -1, false, false, 100, 3},
    {9, ShotFamily::Pulse, 5, 10, 12, 12, 0, -1, false, false, 400, 0},
    {24, ShotFamily::Pulse, 5, 9, 15, 15, 0, -1, false, false, 400, 0},
    {25, ShotFamily::Pulse, 5, 8, 17, 17, 0, -1, false, false, 400, 0},
    {1, ShotFamily::Missile, 1, 10, 5, 15, 0, -1, true, false, 300, 20},
    {1, ShotFamily::Missile, 1, 10, 5, 15, 0, -1, true, false, 300, 20},
    {1, ShotFamily::Missile, 1, 12, 5, 15, 0, -1, true, false, 300, 20},
    {1, ShotFamily::Missile, 1, 12, 5, 15, 0, -1, true, false, 300, 20},
    {1, ShotFamily::Missile, 1, 14, 5, 15, 0, -1, true, false, 300, 20},
    {1, ShotFamily::Missile, 1, 14, 5, 15, 0, -1, true, false, 300, 20},
    {1, ShotFamily::Missile, 1, 16, 5, 15, 0, -1, true, false, 300, 20},
    {1, ShotFamily::Missile, 1, 16, 5, 15, 0, -1, true, false, 300, 20},
    {11, ShotFamily::Laser, 1, 20, 0, 0, 0, -1, false, true, 800, -275},
    {11, ShotFamily::Laser, 1, 20, 0, 0, 0, -1, false, true, 800, -275},
    {29, ShotFamily::Laser, 1, 25, 0, 0, 0, -1, false, true, 800, -275},
    {29, ShotFamily::Laser, 1, 25, 0, 0, 0, -1, false, true, 800, -275},
    {30, ShotFamily::Laser, 1, 30, 0, 0, 0, -1, false, true, 800, -275},
    {30, ShotFamily::Laser, 1, 30, 0, 0, 0, -1, false, true, 800, -275},
}};

struct HyperGunRow {
    std::int32_t headKind;  // the segment in slot 0
    std::int32_t bodyKind;  // every later segment
    std::int32_t damage;    // until the hyper beam level replaces it
};

// Hyper guns 0 to 5: the beam's three grades in pairs, for charge levels 2, 3 and 4.
inline constexpr std::array<HyperGunRow, 6> kHyperGuns{{
    {13, 14, 1000},
    {13, 14, 1000},
    {15, 16, 100},
    {15, 16, 100},
    {17, 18, 100},
    {17, 18, 100},
}};

}  // namespace cindervane
