// ZAPHONGLEADER.
#include "enemies/kinds/zaphong_leader.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {12, 50, 4, 8, 250, 26, 0, 7, 0, 1},  // forward
    {35, 50, 4, 8, 250, 26, 0, 7, 0, 1},
    {14, 44, 2, 15, 250, 8, 4, 4, 0, 1, true},  // aimed
    {36, 44, 2, 15, 250, 8, 4, 4, 0, 1, true},
    {2, 36, 2, 20, 400, 5, 2, 6, -1, 1},  // missiles slanting outwards
    {53, 36, 2, 20, 400, 5, 2, 6, 1, 1},
};

}  // namespace

ZaphongLeader::ZaphongLeader(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void ZaphongLeader::script() {
    if (getAge() == 1) head(0, 1);
    if (getAge() == 60) head(0, -1);
    if (getY() < 0) return;
    if (getAge() < 60)
        fireGuns(0, 1);
    else
        fireGuns(2, 5);
}

}  // namespace cindervane
