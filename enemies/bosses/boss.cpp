// The common ground of the bosses.
#include "enemies/bosses/boss.h"

#include <memory>

namespace cindervane {

Boss::Boss(std::int32_t kind, std::int32_t hp, std::int32_t speedX, std::int32_t speedY,
           std::int32_t coins, RandomGenerator& random) {
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
    setSpeedX(speedX);
    setSpeedY(speedY);
    setPattern(0);
    setDirX(0);
    setDirY(1);
    setCoinCount(coins);
    for (int c = 0; c < getCoinCount(); ++c)
        setCoin(c, std::make_unique<Coin>(kCoinKind, random));
    setExplosion(std::make_unique<Explosion>());
}

void Boss::plate(std::int32_t armor) {
    setArmor(armor);
    for (int i = 0; i < getPartCount(); ++i)
        if (Enemy* piece = part(i)) piece->setArmor(armor);
}

void Boss::fireGuns(int first, int last) {
    for (int g = first; g <= last; ++g)
        if (Gun* each = gun(g)) each->fire(getX(), getY());
}

}  // namespace cindervane
