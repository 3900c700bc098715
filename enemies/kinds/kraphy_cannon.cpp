// KRAPHYCANNON.
#include "enemies/kinds/kraphy_cannon.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {23, 52, 1, 1, 400, 27, 0, 7, 0, 1},  // the cannon
    {8, 48, 1, 1, 300, 26, 3, 6, -1, 1},
    {40, 48, 1, 1, 300, 26, 3, 6, 1, 1},
};

}  // namespace

KraphyCannon::KraphyCannon(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {}

void KraphyCannon::script() {
    if (getAge() == 30) {
        stop();
        fireGun(0);
    }
    if (getAge() == 40) {
        fireGuns(1, 2);
        head(getPattern() == 1 ? 1 : -1, 1);
    }
}

}  // namespace cindervane
