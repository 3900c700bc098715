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
    const std::int32_t p = pattern_ >= 0 && pattern_ <= 3 ? pattern_ : 0;
    if (age_ == 1) {
        constexpr std::int32_t kStartLean[] = {45, -45, -135, 135};
        startWeave(kStartLean[p], fromBelow() ? -1 : 1);
    }
    weave(p == 0 || p == 3 ? 120 : -120, p == 0 || p == 2 ? 1 : -1);
    if (orbitAngle_ >= (p == 0 ? 361 : 360)) dirY_ = fromBelow() ? 1 : -1;
}

bool Zaphong::leavesNow() const {
    if (age_ <= kGrace) return false;
    return fromBelow() ? y_ >= kScreenHeight + 1 : y_ < -height();
}

}  // namespace cindervane
