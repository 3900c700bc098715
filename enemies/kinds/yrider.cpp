// YRIDER.
#include "enemies/kinds/yrider.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {10, 50, 2, 1, 350, 27, 0, 7, 0, 1},
    {35, 50, 2, 1, 350, 27, 0, 7, 0, 1},
};

}  // namespace

Yrider::Yrider(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void Yrider::script() {
    if (getAge() == 20) {
        stop();
        fire();
    }
    if (getAge() == 27) {
        fire();
        head(getPattern() == 1 ? 1 : -1, 1);
    }
}

}  // namespace cindervane
