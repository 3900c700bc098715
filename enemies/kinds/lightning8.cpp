// LIGHTNING8.
#include "enemies/kinds/lightning8.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {18, 40, 2, 1, 150, 10, 0, 8, 0, 1},
};

}  // namespace

Lightning8::Lightning8(RandomGenerator& random) : SineWeaver(kType, 2, kGuns, random) {}

void Lightning8::script() {
    const bool mirrored = getPattern() == 1;
    if (getAge() == 1) startWeave(mirrored ? -45 : 45, 1);
    weave(mirrored ? -120 : 120, mirrored ? -1 : 1);
    if (getOrbitAngle() >= 360) setDirY(-1);
    if (getAge() == 25 || getAge() == 85) fire();
    if (getAge() >= 10) setFrame(3);
}

}  // namespace cindervane
