// MANTARAYV2.
#include "enemies/kinds/mantaray_v2.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {12, 44, 3, 20, 300, 26, 0, 6, 0, 1},                                            // wing bolts
    {95, 44, 3, 20, 300, 26, 0, 6, 0, 1},      {56, 54, 1, 60, 500, 7, 0, 4, 0, 1},  // napalm bomb
    {35, 48, 2, 30, 200, 8, 4, 4, 0, 1, true},                                       // aimed shots
    {75, 48, 2, 30, 200, 8, 4, 4, 0, 1, true},
};

}  // namespace

MantarayV2::MantarayV2(RandomGenerator& random) : MantarayV2(kType, kGuns, random) {}

MantarayV2::MantarayV2(std::int32_t type, std::span<const EnemyGunRow> guns,
                       RandomGenerator& random)
    : OrdinaryEnemy(type, 2, guns, random) {}

void MantarayV2::script() {
    if (getAge() == 1) head(0, 1);
    if (getAge() >= 60 && getY() >= 0) fire();
}

}  // namespace cindervane
