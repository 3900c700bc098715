// Guns.
#include "play/gun.h"

namespace cindervane {

Gun::~Gun() = default;

bool Gun::fire(std::int32_t x, std::int32_t y) {
    // An interval below 1 would never come round; it counts as 1.
    const std::int32_t interval = interval_ < 1 ? 1 : interval_;
    fireTick_ = (fireTick_ + 1) % interval;
    if (fireTick_ != 0) return false;
    for (int i = 0; i < projectileCount_; ++i) {
        Projectile* shot = projectiles_[i].get();
        if (!shot || shot->isAlive()) continue;
        shot->setAlive(true);
        shot->setX(x + offsetX_);
        shot->setY(y + offsetY_);
        return true;
    }
    return false;
}

void Gun::setProjectile(int slot, std::unique_ptr<Projectile> projectile) {
    if (slot >= 0 && slot < kMaxProjectiles) projectiles_[slot] = std::move(projectile);
}

void Gun::updateShots() {
    for (int i = 0; i < projectileCount_; ++i) {
        Projectile* shot = projectiles_[i].get();
        if (!shot) continue;
        shot->move();
        shot->hitSpark().stepOnce();
    }
}

void Gun::drawShots() {
    for (int i = 0; i < projectileCount_; ++i) {
        Projectile* shot = projectiles_[i].get();
        if (!shot) continue;
        shot->draw();
        shot->hitSpark().draw();
    }
}

bool Gun::anyShotAlive() const {
    for (int i = 0; i < projectileCount_; ++i) {
        const Projectile* shot = projectiles_[i].get();
        if (shot && shot->isAlive()) return true;
    }
    return false;
}

std::int32_t Gun::liveProjectiles() const {
    std::int32_t live = 0;
    for (int i = 0; i < projectileCount_; ++i) {
        const Projectile* shot = projectiles_[i].get();
        if (shot && shot->isAlive()) ++live;
    }
    return live;
}

}  // namespace cindervane
