// SCROOP.
#include "enemies/kinds/scroop.h"

namespace cindervane {

Scroop::Scroop(RandomGenerator& random) : OrdinaryEnemy(kType, 2, {}, random) {}

void Scroop::script() {
    if (getAge() == 20) stop();
    if (getAge() == 40) {
        head(0, 1);
        setSpeedY(getSpeedY() * 2);
    }
}

}  // namespace cindervane
