// The common ground of the bosses.
#include "enemies/bosses/boss.h"

#include <memory>

namespace cindervane {

Boss::Boss(std::int32_t kind, std::int32_t hp, std::int32_t speedX, std::int32_t speedY,
           std::int32_t coins, RandomGenerator& random) {
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
    setSpeedX(speedX);
    setSpeedY(speedY);
    pattern_ = 0;
    dirX_ = 0;
    dirY_ = 1;
    setCoinCount(coins);
    for (int c = 0; c < coinCount_; ++c)
        coins_[c] = std::make_unique<Coin>(kCoinKind, random);
    explosion_ = std::make_unique<Explosion>();
}

void Boss::plate(std::int32_t armor) {
    setArmor(armor);
    for (int i = 0; i < partCount_; ++i)
        if (Enemy* piece = part(i)) piece->setArmor(armor);
}

void Boss::fireGuns(int first, int last) {
    for (int g = first; g <= last; ++g)
        if (Gun* each = gun(g)) each->fire(x_, y_);
}

}  // namespace cindervane
