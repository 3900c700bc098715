// OWLIONNAPALM.
#include "enemies/kinds/owlion_napalm.h"

namespace cindervane {
namespace {

// Napalm can be shot down, but it takes a while.
constexpr EnemyGunRow kGuns[] = {
    {23, 30, 3, 1, 300, 7, 0, 6, 0, 1},
};

constexpr std::int32_t kBombs[] = {7, 10, 13, 30, 33, 36};

}  // namespace

OwlionNapalm::OwlionNapalm(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void OwlionNapalm::script() {
    if (ageIsOneOf(kBombs)) fire();
    if (getAge() == 13 && getPattern() == 1)
        setDirX(getX() + width() / 2 < kScreenWidth / 2 ? 1 : -1);
}

}  // namespace cindervane
