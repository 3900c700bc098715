// Coins.
#include "play/coin.h"

namespace cindervane {

Coin::Coin(std::int32_t kind, RandomGenerator& random) : value_(valueOfKind(kind)) {
    kind_ = kind;
    dirY_ = -1;
    speedX_ = 1;
    frameDelay_ = 2;
    roll(random);
}

void Coin::roll(RandomGenerator& random) {
    constexpr std::int32_t kDrift[] = {0, -1, 1};
    dirX_ = kDrift[random.next() % 3];
    speedY_ = 3 + static_cast<std::int32_t>(random.next() & 3);
}

void Coin::move() {
    if (!alive_) return;
    moveStep();
    if (y_ > kScreenHeight) {
        alive_ = false;
        frame_ = 0;
        age_ = 0;
        return;
    }
    animate();
    ++age_;
    if (age_ >= 6) {
        dirX_ = 0;
        dirY_ = 1;
    }
}

}  // namespace cindervane
