// Projectiles.
#include "play/projectile.h"

namespace cindervane {

Projectile::Projectile() : hitSpark_(std::make_unique<HitSpark>()) {}

Projectile::~Projectile() = default;

void Projectile::strike(std::int32_t px, std::int32_t py) {
    if (diesOnHit_) {
        setAlive(false);
        setAge(0);
        if (homing_) {
            target_ = nullptr;
            setAngleUnchecked(360);
        }
    }
    if (!hitSpark_->isAlive()) {
        hitSpark_->setX(px - hitSpark_->width() / 2);
        hitSpark_->setY(py - hitSpark_->height() / 2);
        hitSpark_->setAlive(true);
        hitSpark_->setFrame(0);
    }
}

}  // namespace cindervane
