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
    kind_ = kKind;
    diesOnHit_ = true;
    frameDelay_ = 1;
}

void ParticleShot::move() {
    if (!alive_) return;
    moveStep();
    ++age_;
    if (age_ == 2 && homing_ && target_) {
        const std::int32_t dx = sign(centreX(*target_) - centreX(*this));
        const std::int32_t dy = sign(centreY(*target_) - centreY(*this));
        if (dx != 0) dirX_ = dx;
        if (dy != 0) dirY_ = dy;
    }
    if (x_ < -kScreenWidth || x_ > 2 * kScreenWidth || y_ < -kScreenHeight ||
        y_ > 2 * kScreenHeight) {
        alive_ = false;
        age_ = 0;
    }
}

}  // namespace cindervane
