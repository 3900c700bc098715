// Coins.
#include "play/coin.h"

namespace cindervane {

Coin::Coin(std::int32_t kind, RandomGenerator& random) : value_(valueOfKind(kind)) {
    setKind(kind);
    setDirY(-1);
    setSpeedXUncapped(1);
    setFrameDelay(2);
    roll(random);
}

void Coin::roll(RandomGenerator& random) {
    constexpr std::int32_t kDrift[] = {0, -1, 1};
    setDirX(kDrift[random.next() % 3]);
    setSpeedYUncapped(3 + static_cast<std::int32_t>(random.next() & 3));
}

void Coin::move() {
    if (!isAlive()) return;
    moveStep();
    if (getY() > kScreenHeight) {
        setAlive(false);
        setFrameUnchecked(0);
        setAge(0);
        return;
    }
    animate();
    setAge(getAge() + 1);
    if (getAge() >= 6) {
        setDirX(0);
        setDirY(1);
    }
}

}  // namespace cindervane
