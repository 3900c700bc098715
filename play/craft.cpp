// Craft.
#include "play/craft.h"

namespace cindervane {

Craft::~Craft() = default;

bool Craft::draw() {
    if (!isAlive() || !sheet()) return false;
    if (offScreen()) return true;
    syncSprite();
    drawSyncedFrame(hitFlash_);
    hitFlash_ = false;
    return true;
}

void Craft::fire() {
    for (int i = 0; i < gunCount_; ++i) {
        Gun* slot = guns_[i].get();
        if (slot && slot->isEnabled()) slot->fire(getX(), getY());
    }
}

void Craft::move() {
    moveStep();
}

void Craft::die() {
    setAlive(false);
    hp_ = 0;
    if (explosion_) {
        explosion_->centreOn(*this);
        explosion_->setAlive(true);
        explosion_->setFrame(0);
    }
}

void Craft::takeDamage(std::int32_t amount) {
    if (!invulnerable_) {
        std::int32_t change = 0;
        if (amount < 0) {
            // Widened so a boss's hit points times the armour cannot overflow; the division
            // truncates toward zero as the game's arithmetic always has.
            const std::int64_t scale = armorScale_ > 0 ? armorScale_ : 1;
            const std::int64_t kept = armorScale_ > 0 ? armorScale_ - armor_ : 1;
            change = static_cast<std::int32_t>(kept * amount / scale);
            if (change == 0) change = -1;
        }
        hp_ = hp_ + change >= 1 ? hp_ + change : 0;
    }
    hitFlash_ = true;
}

Gun* Craft::gun(int slot) const {
    return slot >= 0 && slot < kMaxGuns ? guns_[slot].get() : nullptr;
}

void Craft::setGun(int slot, std::unique_ptr<Gun> gun) {
    if (slot >= 0 && slot < kMaxGuns) guns_[slot] = std::move(gun);
}

void Craft::updateShots() {
    for (int i = 0; i < gunCount_; ++i) {
        Gun* slot = guns_[i].get();
        if (slot && slot->isEnabled()) slot->updateShots();
    }
}

void Craft::drawShots() {
    for (int i = 0; i < gunCount_; ++i) {
        Gun* slot = guns_[i].get();
        if (slot && slot->isEnabled()) slot->drawShots();
    }
}

void Craft::forgetTarget(const Craft& gone) {
    for (const auto& slot : guns_) {
        if (!slot) continue;
        for (int p = 0; p < slot->getProjectileCount(); ++p) {
            Projectile* shot = slot->projectile(p);
            if (shot && shot->getTarget() == &gone) shot->setTarget(nullptr);
        }
    }
}

bool Craft::anyShotAlive() const {
    for (int i = 0; i < gunCount_; ++i) {
        const Gun* slot = guns_[i].get();
        if (slot && slot->anyShotAlive()) return true;
    }
    return false;
}

}  // namespace cindervane
