// The guns of a boss laid out from a table.
#include "enemies/bosses/boss_guns.h"

#include "play/straight_shot.h"

namespace cindervane {

namespace {

// The laser kinds fly through what they hit; every other kind of a boss dies on its hit.
constexpr bool passesThrough(std::int32_t kind) {
    return kind == 31 || kind == 32 || kind == 12;
}

}  // namespace

std::unique_ptr<Projectile> makeBossShot(std::int32_t kind) {
    auto shot = std::make_unique<StraightShot>(kind);
    shot->setDiesOnHit(!passesThrough(kind));
    return shot;
}

void buildBossGuns(Craft& craft, std::span<const BossGunRow> rows) {
    int slot = 0;
    for (const BossGunRow& row : rows) {
        auto gun = std::make_unique<Gun>();
        gun->setOffsetX(row.offsetX);
        gun->setOffsetY(row.offsetY);
        gun->setInterval(row.interval);
        gun->setDamage(row.damage);
        gun->setEnabled(true);
        gun->setProjectileCount(row.projectiles);
        for (int p = 0; p < row.projectiles; ++p) {
            std::unique_ptr<Projectile> shot = makeBossShot(row.kind);
            shot->setSpeedX(row.speedX);
            shot->setSpeedY(row.speedY);
            shot->setDirX(row.dirX);
            shot->setDirY(row.dirY);
            gun->setProjectile(p, std::move(shot));
        }
        craft.setGun(slot++, std::move(gun));
    }
    craft.setGunCount(slot);
}

}  // namespace cindervane
