// CHOPTERGATTLING.
#include "enemies/kinds/chopter_gattling.h"

namespace cindervane {
namespace {

// Two barrels under the body, ten rounds each, a round every third frame.
constexpr EnemyGunRow kGuns[] = {
    {2, 34, 10, 3, 80, 8, 0, 6, 0, 1},
    {14, 34, 10, 3, 80, 8, 0, 6, 0, 1},
};

}  // namespace

ChopterGattling::ChopterGattling(RandomGenerator& random)
    : OrdinaryEnemy(kType, 2, kGuns, random) {}

void ChopterGattling::script() {
    if (ageIn(20, 29)) {
        stop();
        fire();
    }
    if (getAge() == 40) head(getPattern() == 1 ? 1 : -1, 1);
}

}  // namespace cindervane
