// Homing missiles.
#include "play/homing_missile.h"

#include "play/craft.h"

namespace cindervane {

HomingMissile::HomingMissile(std::int32_t kind) {
    kind_ = kind;
    diesOnHit_ = true;
    shootable_ = true;
    toughness_ = 50;
    frameDelay_ = 1;
}

void HomingMissile::turnTowardTarget() {
    const std::int32_t tx = target_->getX();
    const std::int32_t ty = target_->getY();
    const std::int32_t tw = target_->width();
    const std::int32_t th = target_->height();
    const std::int32_t mx = x_ + width() / 2;
    const std::int32_t my = y_ + height() / 2;
    if (tx + tw / 2 != mx && ty > my && my > 2 * ty) {
        // Only a missile leaving the top of the screen while its target's top edge is just
        // above it meets this case; it swings off to the right, whichever side the target
        // is on.
        dirX_ = 1;
        dirY_ = 0;
        setAngle(angle_ + speedX_);
    } else if (mx > tx + tw && ty < my) {
        dirX_ = -1;
        dirY_ = -1;
        setAngle(angle_ - speedX_);
    } else if (mx < tx && ty + th < my) {
        dirX_ = 1;
        dirY_ = -1;
        setAngle(angle_ + speedX_);
    } else {
        dirX_ = 0;
        dirY_ = -1;
        setAngle(360);
    }
}

void HomingMissile::move() {
    if (!alive_) return;
    moveStep();
    if (homing_ && target_) turnTowardTarget();
    ++age_;
    if (age_ == 10) {
        dirX_ = 0;
        dirY_ = -1;
    }
    if (x_ < 1 || x_ > kScreenWidth || y_ + height() < 1 || y_ > kScreenHeight) {
        age_ = 0;
        angle_ = 360;
        alive_ = false;
    }
}

}  // namespace cindervane
