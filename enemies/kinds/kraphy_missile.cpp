// KRAPHYMISSILE.
#include "enemies/kinds/kraphy_missile.h"

namespace cindervane {
namespace {

// Missiles and napalm can be shot down.
constexpr EnemyGunRow kGuns[] = {
    {10, 40, 1, 1, 400, 5, 0, 7, 0, 1},
    {46, 40, 1, 1, 400, 5, 0, 7, 0, 1},
    {26, 50, 1, 1, 600, 7, 0, 5, 0, 1},
};

}  // namespace

KraphyMissile::KraphyMissile(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {}

void KraphyMissile::script() {
    if (getAge() == 30) {
        stop();
        fireGuns(0, 1);
    }
    if (getAge() == 40) {
        fireGun(2);
        head(getPattern() == 1 ? 1 : -1, -1);
    }
}

}  // namespace cindervane
