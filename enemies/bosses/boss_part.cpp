// The common ground of the bosses' parts.
#include "enemies/bosses/boss_part.h"

#include <memory>

namespace cindervane {

BossPart::BossPart(std::int32_t kind, std::int32_t hp, std::int32_t layer) {
    kind_ = kind;
    isBoss_ = true;
    invulnerable_ = true;
    alive_ = true;
    frame_ = 0;
    setAngle(0);
    age_ = 0;
    frameDelay_ = 2;
    fullHp_ = hp;
    hp_ = hp;
    setSpeedX(0);
    setSpeedY(0);
    pattern_ = 0;
    dirX_ = 0;
    dirY_ = 0;
    partLayer_ = layer;
    explosion_ = std::make_unique<Explosion>();
}

void BossPart::move() {
    if (alive_) moveStep();
    updateOwned();
}

}  // namespace cindervane
