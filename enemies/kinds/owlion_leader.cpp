// OWLIONLEADER.
#include "enemies/kinds/owlion_leader.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {10, 30, 2, 1, 120, 8, 2, 4, -1, 1},
    {22, 34, 2, 1, 120, 8, 0, 4, 0, 1},
    {34, 30, 2, 1, 120, 8, 2, 4, 1, 1},
};

constexpr std::int32_t kSweep[] = {35, 37, 39, 41, 43, 45};

}  // namespace

OwlionLeader::OwlionLeader(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void OwlionLeader::script() {
    const bool fromRight = getPattern() == 1;
    if (getAge() == 30) stop();
    for (int i = 0; i < 6; ++i)
        if (getAge() == kSweep[i]) fireGun(fromRight ? 2 - i % 3 : i % 3);
    if (getAge() == 45) head(fromRight ? -1 : 1, 1);
}

}  // namespace cindervane
