// GASHIINGALPHA.
#include "enemies/kinds/gashiing_alpha.h"

namespace cindervane {
namespace {

// One round shot a barrel, each shooting outwards from its edge, in turn round the frame
// from the top: the straight ones in the even slots, the diagonals in the odd ones.
constexpr EnemyGunRow kGuns[] = {
    {30, 0, 1, 1, 200, 8, 3, 3, 0, -1}, {60, 0, 1, 1, 200, 8, 3, 3, 1, -1},
    {60, 30, 1, 1, 200, 8, 3, 3, 1, 0}, {60, 60, 1, 1, 200, 8, 3, 3, 1, 1},
    {30, 60, 1, 1, 200, 8, 3, 3, 0, 1}, {0, 60, 1, 1, 200, 8, 3, 3, -1, 1},
    {0, 30, 1, 1, 200, 8, 3, 3, -1, 0}, {0, 0, 1, 1, 200, 8, 3, 3, -1, -1},
};

}  // namespace

GashiingAlpha::GashiingAlpha(RandomGenerator& random) : Dasher(kType, 2, kGuns, random) {}

void GashiingAlpha::script() {
    if (!getTarget()) return;
    if (getAge() == 20) {
        stop();
        const int first = getPattern() == 1 ? 1 : 0;
        for (int slot = first; slot < 8; slot += 2)
            fireGun(slot);
    }
    if (getAge() == 25) lockOn();
    if (getAge() >= 30) dashStep();
}

}  // namespace cindervane
