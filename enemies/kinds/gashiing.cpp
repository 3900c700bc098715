// GASHIING.
#include "enemies/kinds/gashiing.h"

namespace cindervane {
namespace {

// A ring of eight barrels; every shot leaves outwards and turns towards the ship on its
// second frame. Three rounds each, as a round flies long before it is gone.
constexpr EnemyGunRow kGuns[] = {
    {14, -4, 3, 1, 80, 8, 0, 3, 0, -1, true}, {30, 0, 3, 1, 80, 8, 3, 3, 1, -1, true},
    {32, 14, 3, 1, 80, 8, 3, 0, 1, 0, true},  {30, 28, 3, 1, 80, 8, 3, 3, 1, 1, true},
    {14, 32, 3, 1, 80, 8, 0, 3, 0, 1, true},  {-2, 28, 3, 1, 80, 8, 3, 3, -1, 1, true},
    {-4, 14, 3, 1, 80, 8, 3, 0, -1, 0, true}, {-2, 0, 3, 1, 80, 8, 3, 3, -1, -1, true},
};

}  // namespace

Gashiing::Gashiing(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void Gashiing::script() {
    if (getAge() == 30) {
        stop();
        fire();
    }
    if (getAge() == 90 || getAge() == 150) fire();
    if (getAge() != 210) return;
    switch (getPattern()) {
        case 0:
            head(0, 1);
            setSpeedY(getSpeedY() * 2);
            break;
        case 3:
            head(0, -1);
            setSpeedY(getSpeedY() * 2);
            break;
        case 1:
        case 2:
        case 4:
        case 5:
            head(getPattern() == 1 || getPattern() == 4 ? 1 : -1, getPattern() <= 2 ? 1 : -1);
            setSpeedX(getSpeedX() * 2);
            break;
        default:
            break;
    }
}

}  // namespace cindervane
