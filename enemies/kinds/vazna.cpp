// VAZNA.
#include "enemies/kinds/vazna.h"

#include "enemies/motion.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {28, 60, 3, 12, 200, 10, 0, 9, 0, 1},
};

}  // namespace

Vazna::Vazna(RandomGenerator& random) : SineWeaver(kType, 2, kGuns, random) {
    setOrbitAngle(45);
}

void Vazna::script() {
    const std::int32_t step = weaveStep();
    setOrbitAngle(getOrbitAngle() + step);
    setX(weaveX(getOrbitAngle(), getPattern() == 1 ? -120 : 120));
    if (getY() >= 0) fire();
}

}  // namespace cindervane
