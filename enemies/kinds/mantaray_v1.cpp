// MANTARAYV1.
#include "enemies/kinds/mantaray_v1.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {10, 40, 3, 1, 200, 26, 0, 6, 0, 1},       // left wing bolt
    {87, 40, 3, 1, 200, 26, 0, 6, 0, 1},       // right wing bolt
    {51, 50, 1, 1, 400, 7, 0, 4, 0, 1},        // napalm bomb
    {30, 44, 2, 1, 150, 8, 4, 4, 0, 1, true},  // aimed shots
    {70, 44, 2, 1, 150, 8, 4, 4, 0, 1, true},
};

constexpr std::int32_t kTurns[] = {67, 121, 175, 229, 283, 337, 392};
constexpr std::int32_t kWingBolts[] = {67, 175, 256, 364};
constexpr std::int32_t kBombs[] = {121, 230, 383};
constexpr std::int32_t kAimedShots[] = {202, 219, 337, 381, 392};

}  // namespace

MantarayV1::MantarayV1(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void MantarayV1::script() {
    if (getAge() == 1) {
        head(0, 1);
        setSpeedY(getSpeedY() * 2);  // down into the screen quickly, to sway there slowly
    }
    if (getAge() == 31) head(getPattern() == 1 ? -1 : 1, 0);
    if (ageIsOneOf(kTurns)) setDirX(-getDirX());
    if (getAge() == 421) head(0, 1);
    if (getY() < 0) return;
    if (ageIsOneOf(kWingBolts)) fireGuns(0, 1);
    if (ageIsOneOf(kBombs)) fireGun(2);
    if (ageIsOneOf(kAimedShots)) fireGuns(3, 4);
}

}  // namespace cindervane
