// WRIDER.
#include "enemies/kinds/wrider.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {25, 50, 2, 1, 200, 8, 0, 5, 0, 1},   // the fan: middle,
    {10, 46, 2, 1, 200, 8, 2, 5, -1, 1},  // left,
    {40, 46, 2, 1, 200, 8, 2, 5, 1, 1},   // right
    {6, 40, 2, 1, 400, 5, 0, 7, 0, 1},    // missiles
    {49, 40, 2, 1, 400, 5, 0, 7, 0, 1},
    {15, 44, 3, 1, 250, 8, 4, 4, 0, 1, true},  // the aimed pair
    {35, 44, 3, 1, 250, 8, 4, 4, 0, 1, true},
};

}  // namespace

Wrider::Wrider(RandomGenerator& random) : SineWeaver(kType, 2, kGuns, random) {}

void Wrider::script() {
    const std::int32_t p = pattern_ >= 0 && pattern_ <= 5 ? pattern_ : 0;
    const std::int32_t weaveOf = p >= 4 ? p - 4 : p;  // 4 and 5 weave as 0 and 1
    if (age_ == 1) {
        constexpr std::int32_t kStartLean[] = {45, -45, -135, 135};
        startWeave(kStartLean[weaveOf], fromBelow() ? -1 : 1);
    }
    weave(weaveOf == 0 || weaveOf == 3 ? 120 : -120, weaveOf == 0 || weaveOf == 2 ? 1 : -1);
    if (p <= 3 && orbitAngle_ >= (p == 0 ? 361 : 360)) dirY_ = fromBelow() ? 1 : -1;

    if (age_ == 10) fireGun(0);
    if (age_ == 15) fireGun(1);
    if (age_ == 20) fireGun(2);
    if (age_ == 55) fireGuns(0, 2);
    if (age_ == 30 || age_ == 31 || age_ == 120) fireGuns(3, 4);
    if (age_ == 35 || age_ == 40 || age_ == 45) fireGuns(5, 6);
}

bool Wrider::leavesNow() const {
    if (age_ <= kGrace) return false;
    return dirY_ > 0 ? y_ >= kScreenHeight + 1 : y_ < -height();
}

}  // namespace cindervane
