// The enemies' projectile kinds: which family moves each kind, whether it dies on hitting and
// its power (the damage a shootable shot absorbs before a further hit downs it), and the
// factory that builds a shot of a kind.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "play/projectile.h"

namespace cindervane {

enum class EnemyShotFamily {
    Particle,       // straight, an aimed one turns once towards the ship
    PulseBeam,      // straight, gone when its corner leaves the screen
    StandingLaser,  // stands, plays its frames once
    LaserLine,      // stands for ten updates
    SuperLaser,     // stands, plays its frames 31 times
    Falling,        // straight, gone when it leaves the screen's rows
};

struct EnemyShotRow {
    std::int32_t kind;  // its picture in the shot catalogue
    EnemyShotFamily family;
    bool diesOnHit;
    std::int32_t power;
};

inline constexpr std::array<EnemyShotRow, 13> kEnemyShots{{
    {8, EnemyShotFamily::Particle, true, 0},         // IMG_SHOT_PARTICLE 10x10
    {26, EnemyShotFamily::PulseBeam, true, 0},       // IMG_SHOT_PULSEBEAMV2 13x26
    {27, EnemyShotFamily::PulseBeam, true, 0},       // IMG_SHOT_PULSEBEAMV3 15x29
    {10, EnemyShotFamily::PulseBeam, true, 0},       // IMG_SHOT_PULSEBEAMV1 13x17
    {33, EnemyShotFamily::StandingLaser, false, 0},  // IMG_SHOT_LASERREDV4 15x300
    {34, EnemyShotFamily::LaserLine, false, 0},      // IMG_SHOT_LASERLINE 10x300
    {35, EnemyShotFamily::SuperLaser, false, 0},     // IMG_SHOT_LASERREDSUPER 64x280
    {31, EnemyShotFamily::Falling, false, 0},        // IMG_SHOT_LASERREDV2 9x62
    {12, EnemyShotFamily::Falling, false, 0},        // IMG_SHOT_LASERREDV1 7x60
    {32, EnemyShotFamily::Falling, false, 0},        // IMG_SHOT_LASERREDV3 10x62
    {5, EnemyShotFamily::Falling, true, 80},         // missile 5x23
    {4, EnemyShotFamily::Falling, true, 80},         // IMG_SHOT_MISSILEUP 5x23
    {7, EnemyShotFamily::Falling, true, 1000},       // IMG_SHOT_NAPALMDOWN 8x35
}};

// The row of an enemy shot kind, or null for a kind no enemy fires.
constexpr const EnemyShotRow* findEnemyShot(std::int32_t kind) {
    for (const EnemyShotRow& row : kEnemyShots)
        if (row.kind == kind) return &row;
    return nullptr;
}

// A dead shot of the kind, with its flags as the table gives them; null for a kind no enemy
// fires.
std::unique_ptr<Projectile> makeEnemyShot(std::int32_t kind);

}  // namespace cindervane
