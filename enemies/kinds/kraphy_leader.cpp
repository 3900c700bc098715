// KRAPHYLEADER.
#include "enemies/kinds/kraphy_leader.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {23, 52, 3, 10, 400, 27, 0, 7, 0, 1},       // the cannon
    {10, 44, 2, 20, 200, 8, 4, 4, 0, 1, true},  // aimed guns
    {41, 44, 2, 20, 200, 8, 4, 4, 0, 1, true},
    {4, 36, 2, 30, 400, 5, 2, 6, -1, 1},  // missiles slanting outwards
    {52, 36, 2, 30, 400, 5, 2, 6, 1, 1},
};

}  // namespace

KraphyLeader::KraphyLeader(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {}

void KraphyLeader::script() {
    if (getAge() == 1) {
        head(0, 1);
        setSpeedY(2);
    }
    if (getAge() == 60) {
        head(getX() + width() / 2 < kScreenWidth / 2 ? -1 : 1, 1);
        setSpeedX(2);
    }
    if (getY() < 0) return;
    if (getAge() < 60)
        fireGun(0);
    else
        fireGuns(1, 4);
}

}  // namespace cindervane
