// SCROOP.
#include "enemies/kinds/scroop.h"

namespace cindervane {

Scroop::Scroop(RandomGenerator& random) : OrdinaryEnemy(kType, 2, {}, random) {}

void Scroop::script() {
    if (age_ == 20) stop();
    if (age_ == 40) {
        head(0, 1);
        setSpeedY(speedY_ * 2);
    }
}

}  // namespace cindervane
