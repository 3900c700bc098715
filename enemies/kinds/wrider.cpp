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
    const std::int32_t p = getPattern() >= 0 && getPattern() <= 5 ? getPattern() : 0;
    const std::int32_t weaveOf = p >= 4 ? p - 4 : p;  // 4 and 5 weave as 0 and 1
    if (getAge() == 1) {
        constexpr std::int32_t kStartLean[] = {45, -45, -135, 135};
        startWeave(kStartLean[weaveOf], fromBelow() ? -1 : 1);
    }
    weave(weaveOf == 0 || weaveOf == 3 ? 120 : -120, weaveOf == 0 || weaveOf == 2 ? 1 : -1);
    if (p <= 3 && getOrbitAngle() >= (p == 0 ? 361 : 360)) setDirY(fromBelow() ? 1 : -1);

    if (getAge() == 10) fireGun(0);
    if (getAge() == 15) fireGun(1);
    if (getAge() == 20) fireGun(2);
    if (getAge() == 55) fireGuns(0, 2);
    if (getAge() == 30 || getAge() == 31 || getAge() == 120) fireGuns(3, 4);
    if (getAge() == 35 || getAge() == 40 || getAge() == 45) fireGuns(5, 6);
}

bool Wrider::leavesNow() const {
    if (getAge() <= kGrace) return false;
    return getDirY() > 0 ? getY() >= kScreenHeight + 1 : getY() < -height();
}

}  // namespace cindervane
