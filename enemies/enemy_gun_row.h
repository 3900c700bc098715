// Enemy gun layouts as data: one row a gun, reading offset, projectiles, interval, damage,
// projectile kind, speeds and direction, so a kind's guns read like the table they come from:
// {17, 40, 10, 3, 80, 8, 0, 6, 0, 1}. An aimed gun's shots turn towards the ship on their
// second frame.
#pragma once

#include <cstdint>
#include <span>

namespace cindervane {

class Enemy;

struct EnemyGunRow {
    std::int32_t offsetX;  // from the enemy's corner
    std::int32_t offsetY;
    std::int32_t projectiles;  // the pool, at most 30
    std::int32_t interval;     // fire calls between shots
    std::int32_t damage;
    std::int32_t kind;  // an enemy shot kind (enemies/shots/enemy_shots.h)
    std::int32_t speedX;
    std::int32_t speedY;
    std::int32_t dirX;
    std::int32_t dirY;
    bool aimed = false;  // the shots' homing flag
};

// Appends one enabled gun a row after the enemy's guns so far, each filled with dead shots
// of its kind flying at its speed and direction, and counts them in its gun count. A row of
// a kind no enemy fires gives a gun without shots. True when every row found a slot.
bool addEnemyGuns(Enemy& enemy, std::span<const EnemyGunRow> rows);

}  // namespace cindervane
