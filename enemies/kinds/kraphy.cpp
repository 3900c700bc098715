// KRAPHY.
#include "enemies/kinds/kraphy.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {24, 50, 3, 15, 250, 26, 0, 7, 0, 1},
};

}  // namespace

Kraphy::Kraphy(RandomGenerator& random) : SineWeaver(kType, 1, kGuns, random) {}

void Kraphy::script() {
    const bool mirrored = getPattern() == 1;
    fire();
    if (getAge() == 1) startWeave(mirrored ? -45 : 45, 1);
    weave(mirrored ? -120 : 120, mirrored ? -1 : 1);
    if (getOrbitAngle() >= 360) setDirY(-1);
}

}  // namespace cindervane
