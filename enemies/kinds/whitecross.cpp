// WHITECROSS.
#include "enemies/kinds/whitecross.h"

#include "enemies/motion.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {8, 44, 3, 10, 250, 26, 0, 7, 0, 1},  // forward
    {29, 44, 3, 10, 250, 26, 0, 7, 0, 1},
    {0, 30, 3, 12, 250, 26, 3, 6, -1, 1},       // slanting left
    {37, 30, 3, 12, 250, 26, 3, 6, 1, 1},       // slanting right
    {10, 40, 2, 30, 250, 8, 4, 4, 0, 1, true},  // aimed
    {30, 40, 2, 30, 250, 8, 4, 4, 0, 1, true},
};

}  // namespace

Whitecross::Whitecross(RandomGenerator& random) : SineWeaver(kType, 2, kGuns, random) {}

void Whitecross::script() {
    setOrbitAngle(getOrbitAngle() + weaveStep());
    setX(weaveX(getOrbitAngle(), 120));
    if (getY() < 0) return;
    fireGuns(0, 1);
    fireGuns(4, 5);
    // x = 100 - 120 sin(angle) falls while the cosine is positive: it swings left.
    const std::int32_t turn = (getOrbitAngle() % 360 + 360) % 360;
    fireGun(turn < 90 || turn >= 270 ? 2 : 3);
}

}  // namespace cindervane
