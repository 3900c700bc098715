// ZAPHONGLASER.
#include "enemies/kinds/zaphong_laser.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {22, 50, 1, 1, 10, 34, 0, 0, 0, 1},   // the sighting line
    {20, 50, 1, 1, 120, 33, 0, 0, 0, 1},  // the laser, each of its frames a hit
    {2, 40, 2, 1, 150, 8, 3, 4, -1, 1},   // slanting shots
    {43, 40, 2, 1, 150, 8, 3, 4, 1, 1},
};

}  // namespace

ZaphongLaser::ZaphongLaser(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {}

void ZaphongLaser::script() {
    if (getAge() == 20) {
        stop();
        fireGun(0);
    }
    if (getAge() == 22) fireGuns(2, 3);
    if (getAge() == 25) {
        fireGun(1);
        head(0, getPattern() == 1 ? 1 : -1);
    }
}

}  // namespace cindervane
