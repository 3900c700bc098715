// The common ground of the bosses' parts.
#include "enemies/bosses/boss_part.h"

#include <memory>

namespace cindervane {

BossPart::BossPart(std::int32_t kind, std::int32_t hp, std::int32_t layer) {
    setKind(kind);
    setBoss(true);
    setInvulnerable(true);
    setAlive(true);
    setFrameUnchecked(0);
    setAngle(0);
    setAge(0);
    setFrameDelay(2);
    setFullHp(hp);
    setHpUnchecked(hp);
    setSpeedX(0);
    setSpeedY(0);
    setPattern(0);
    setDirX(0);
    setDirY(0);
    setPartLayer(layer);
    setExplosion(std::make_unique<Explosion>());
}

void BossPart::move() {
    if (isAlive()) moveStep();
    updateOwned();
}

}  // namespace cindervane
