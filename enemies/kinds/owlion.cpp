// OWLION.
#include "enemies/kinds/owlion.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {22, 40, 2, 1, 150, 8, 4, 4, 0, 1, true},
};

}  // namespace

Owlion::Owlion(RandomGenerator& random) : SineWeaver(kType, 2, kGuns, random) {}

void Owlion::script() {
    const bool mirrored = getPattern() == 1;
    if (getAge() == 1) startWeave(mirrored ? -45 : 45, 1);
    weave(mirrored ? -120 : 120, mirrored ? -1 : 1);
    if (getAge() == 30 || getAge() == 120) fire();
    if (mirrored ? getOrbitAngle() >= 360 : getOrbitAngle() > 360) setDirY(-1);
}

}  // namespace cindervane
