// ZAPHONG.
#include "enemies/kinds/zaphong.h"

namespace cindervane {
namespace {

// Two barrels under the wings, a light bolt every third frame each.
constexpr EnemyGunRow kGuns[] = {
    {6, 40, 10, 3, 60, 10, 0, 8, 0, 1},
    {36, 40, 10, 3, 60, 10, 0, 8, 0, 1},
};

}  // namespace

Zaphong::Zaphong(RandomGenerator& random) : SineWeaver(kType, 2, kGuns, random) {}

void Zaphong::script() {
    fire();
    const std::int32_t p = getPattern() >= 0 && getPattern() <= 3 ? getPattern() : 0;
    if (getAge() == 1) {
        constexpr std::int32_t kStartLean[] = {45, -45, -135, 135};
        startWeave(kStartLean[p], fromBelow() ? -1 : 1);
    }
    weave(p == 0 || p == 3 ? 120 : -120, p == 0 || p == 2 ? 1 : -1);
    if (getOrbitAngle() >= (p == 0 ? 361 : 360)) setDirY(fromBelow() ? 1 : -1);
}

bool Zaphong::leavesNow() const {
    if (getAge() <= kGrace) return false;
    return fromBelow() ? getY() >= kScreenHeight + 1 : getY() < -height();
}

}  // namespace cindervane
