// Enemy gun layouts.
#include "enemies/enemy_gun_row.h"

#include <memory>

#include "enemies/enemy.h"
#include "enemies/shots/enemy_shots.h"

namespace cindervane {

bool addEnemyGuns(Enemy& enemy, std::span<const EnemyGunRow> rows) {
    for (const EnemyGunRow& row : rows) {
        const std::int32_t slot = enemy.getGunCount();
        if (slot >= Craft::kMaxGuns) return false;
        auto gun = std::make_unique<Gun>();
        gun->setOffsetX(row.offsetX);
        gun->setOffsetY(row.offsetY);
        gun->setInterval(row.interval);
        gun->setDamage(row.damage);
        gun->setEnabled(true);
        gun->setProjectileCount(row.projectiles);
        for (int p = 0; p < gun->getProjectileCount(); ++p) {
            std::unique_ptr<Projectile> shot = makeEnemyShot(row.kind);
            if (!shot) {
                gun->setProjectileCount(0);
                break;
            }
            shot->setSpeedX(row.speedX);
            shot->setSpeedY(row.speedY);
            shot->setDirX(row.dirX);
            shot->setDirY(row.dirY);
            shot->setHoming(row.aimed);
            gun->setProjectile(p, std::move(shot));
        }
        enemy.setGun(slot, std::move(gun));
        enemy.setGunCount(slot + 1);
    }
    return true;
}

}  // namespace cindervane
