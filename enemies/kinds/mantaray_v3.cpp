// MANTARAYV3.
#include "enemies/kinds/mantaray_v3.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {12, 44, 3, 15, 350, 27, 0, 7, 0, 1},                                       // wing bolts
    {93, 44, 3, 15, 350, 27, 0, 7, 0, 1}, {56, 54, 1, 45, 600, 7, 0, 4, 0, 1},  // napalm bomb
    {35, 40, 2, 25, 300, 5, 2, 6, -1, 1},  // missiles slanting outwards
    {80, 40, 2, 25, 300, 5, 2, 6, 1, 1},
};

}  // namespace

MantarayV3::MantarayV3(RandomGenerator& random) : MantarayV2(kType, kGuns, random) {}

}  // namespace cindervane
