// STEINER.
#include "enemies/kinds/steiner.h"

namespace cindervane {
namespace {

// Twelve barrels round the body, one every 30 degrees (the speeds make the slant), and one
// aimed barrel under it.
constexpr EnemyGunRow kGuns[] = {
    {25, 0, 1, 1, 150, 8, 0, 4, 0, -1},       {38, 2, 1, 1, 150, 8, 2, 3, 1, -1},
    {48, 12, 1, 1, 150, 8, 3, 2, 1, -1},      {50, 25, 1, 1, 150, 8, 4, 0, 1, 0},
    {48, 38, 1, 1, 150, 8, 3, 2, 1, 1},       {38, 48, 1, 1, 150, 8, 2, 3, 1, 1},
    {25, 50, 1, 1, 150, 8, 0, 4, 0, 1},       {12, 48, 1, 1, 150, 8, 2, 3, -1, 1},
    {2, 38, 1, 1, 150, 8, 3, 2, -1, 1},       {0, 25, 1, 1, 150, 8, 4, 0, -1, 0},
    {2, 12, 1, 1, 150, 8, 3, 2, -1, -1},      {12, 2, 1, 1, 150, 8, 2, 3, -1, -1},
    {25, 45, 1, 1, 200, 8, 5, 5, 0, 1, true},
};

}  // namespace

Steiner::Steiner(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {}

void Steiner::script() {
    if (getAge() == 20) stop();
    if (getAge() == 35) fireGuns(0, 11);
    if (getAge() == 36) {
        fireGun(12);
        head(0, -1);
    }
}

}  // namespace cindervane
