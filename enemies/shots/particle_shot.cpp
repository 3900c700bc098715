// Particle shots.
#include "enemies/shots/particle_shot.h"

#include "enemies/motion.h"
#include "play/craft.h"

namespace cindervane {
namespace {

constexpr std::int32_t sign(std::int32_t value) {
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}

}  // namespace

ParticleShot::ParticleShot() {
    setKind(kKind);
    diesOnHit_ = true;
    setFrameDelay(1);
}

void ParticleShot::move() {
    if (!isAlive()) return;
    moveStep();
    setAge(getAge() + 1);
    if (getAge() == 2 && homing_ && target_) {
        const std::int32_t dx = sign(centreX(*target_) - centreX(*this));
        const std::int32_t dy = sign(centreY(*target_) - centreY(*this));
        if (dx != 0) setDirX(dx);
        if (dy != 0) setDirY(dy);
    }
    if (getX() < -kScreenWidth || getX() > 2 * kScreenWidth || getY() < -kScreenHeight ||
        getY() > 2 * kScreenHeight) {
        setAlive(false);
        setAge(0);
    }
}

}  // namespace cindervane
