// The guns of a boss laid out from a table, one row a gun: where it sits on the body, its
// pool of shots, its interval and damage, and the kind, speed and heading of its shots.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "play/craft.h"
#include "play/projectile.h"

namespace cindervane {

struct BossGunRow {
    std::int32_t offsetX;
    std::int32_t offsetY;
    std::int32_t projectiles;
    std::int32_t interval;
    std::int32_t damage;
    std::int32_t kind;  // the shot's picture in the shot catalogue
    std::int32_t speedX;
    std::int32_t speedY;
    std::int32_t dirX;
    std::int32_t dirY;
};

// A dead shot of the kind, of the family that kind flies as.
std::unique_ptr<Projectile> makeBossShot(std::int32_t kind);

// Fills the craft's gun slots 0.. with the rows' guns, every one enabled and loaded, and
// sets the gun count.
void buildBossGuns(Craft& craft, std::span<const BossGunRow> rows);

}  // namespace cindervane
