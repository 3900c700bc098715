// EGMIXER.
#include "enemies/kinds/egmixer.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {36, 60, 1, 200, 500, 7, 0, 5, 0, 1},  // the napalm bomb
    {0, 36, 10, 5, 100, 8, 3, 4, -1, 1},   // side guns: down-left,
    {20, 70, 10, 5, 100, 8, 0, 5, 0, 1},   // down,
    {50, 70, 10, 5, 100, 8, 0, 5, 0, 1},   // down,
    {70, 36, 10, 5, 100, 8, 3, 4, 1, 1},   // down-right
};

struct Sway {
    std::int32_t age;
    std::int32_t dirX;
    std::int32_t dirY;
};

constexpr Sway kSways[] = {
    {25, 1, 0},   {50, -1, 0}, {75, 1, 0},  {100, -1, 0}, {125, 1, 0},
    {150, -1, 0}, {175, 1, 0}, {200, 0, 0}, {225, 0, 1},
};

struct Burst {
    std::int32_t from;
    std::int32_t to;
};

constexpr Burst kBursts[] = {{60, 69}, {80, 89}, {105, 114}, {140, 149}, {190, 200}};

}  // namespace

Egmixer::Egmixer(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void Egmixer::script() {
    fireGun(0);
    for (const Sway& sway : kSways)
        if (getAge() == sway.age) head(sway.dirX, sway.dirY);
    for (const Burst& burst : kBursts)
        if (ageIn(burst.from, burst.to)) fireGuns(1, 4);
}

}  // namespace cindervane
