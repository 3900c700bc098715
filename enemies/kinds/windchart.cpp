// WINDCHART.
#include "enemies/kinds/windchart.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {19, 40, 4, 6, 200, 8, 0, 8, 0, 1},
};

}  // namespace

Windchart::Windchart(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {}

void Windchart::script() {
    fire();
    const std::int32_t inwards = getPattern() == 1 ? -1 : 1;
    if (getAge() == 10) head(inwards, 1);
    if (getAge() == 25) head(-inwards, 1);
}

}  // namespace cindervane
