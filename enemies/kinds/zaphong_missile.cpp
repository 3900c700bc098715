// ZAPHONGMISSILE.
#include "enemies/kinds/zaphong_missile.h"

namespace cindervane {
namespace {

// Missiles can be shot down.
constexpr EnemyGunRow kGuns[] = {
    {12, 40, 1, 1, 350, 5, 0, 7, 0, 1},
    {38, 40, 1, 1, 350, 5, 0, 7, 0, 1},
    {4, 36, 1, 1, 350, 5, 2, 6, -1, 1},
    {46, 36, 1, 1, 350, 5, 2, 6, 1, 1},
};

}  // namespace

ZaphongMissile::ZaphongMissile(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {}

void ZaphongMissile::script() {
    if (getAge() == 20) {
        stop();
        fireGuns(0, 1);
    }
    if (getAge() == 22) fireGuns(2, 3);
    if (getAge() == 25) head(getPattern() == 1 ? 1 : -1, 1);
}

}  // namespace cindervane
