// The second OWLIONLEADER.
#include "enemies/kinds/owlion_leader2.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {22, 34, 3, 1, 150, 8, 0, 4, 0, 1, true},  // the middle one, aimed
    {4, 30, 1, 1, 150, 8, 3, 4, -1, 1},       {14, 32, 1, 1, 150, 8, 1, 4, -1, 1},
    {30, 32, 1, 1, 150, 8, 1, 4, 1, 1},       {40, 30, 1, 1, 150, 8, 3, 4, 1, 1},
};

}  // namespace

OwlionLeader2::OwlionLeader2(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void OwlionLeader2::script() {
    if (getAge() == 10) fire();
    if (getAge() == 12 || getAge() == 15) fireGun(0);
    if (getAge() == 15) setDirX(getPattern() == 1 ? 1 : -1);
}

}  // namespace cindervane
