// Homing missiles.
#include "play/homing_missile.h"

#include "play/craft.h"

namespace cindervane {

HomingMissile::HomingMissile(std::int32_t kind) {
    setKind(kind);
    diesOnHit_ = true;
    shootable_ = true;
    toughness_ = 50;
    setFrameDelay(1);
}

void HomingMissile::turnTowardTarget() {
    const std::int32_t tx = target_->getX();
    const std::int32_t ty = target_->getY();
    const std::int32_t tw = target_->width();
    const std::int32_t th = target_->height();
    const std::int32_t mx = getX() + width() / 2;
    const std::int32_t my = getY() + height() / 2;
    if (tx + tw / 2 != mx && ty > my && my > 2 * ty) {
        // Only a missile leaving the top of the screen while its target's top edge is just
        // above it meets this case; it swings off to the right, whichever side the target
        // is on.
        setDirX(1);
        setDirY(0);
        setAngle(getAngle() + getSpeedX());
    } else if (mx > tx + tw && ty < my) {
        setDirX(-1);
        setDirY(-1);
        setAngle(getAngle() - getSpeedX());
    } else if (mx < tx && ty + th < my) {
        setDirX(1);
        setDirY(-1);
        setAngle(getAngle() + getSpeedX());
    } else {
        setDirX(0);
        setDirY(-1);
        setAngle(360);
    }
}

void HomingMissile::move() {
    if (!isAlive()) return;
    moveStep();
    if (homing_ && target_) turnTowardTarget();
    setAge(getAge() + 1);
    if (getAge() == 10) {
        setDirX(0);
        setDirY(-1);
    }
    if (getX() < 1 || getX() > kScreenWidth || getY() + height() < 1 || getY() > kScreenHeight) {
        setAge(0);
        setAngleUnchecked(360);
        setAlive(false);
    }
}

}  // namespace cindervane
