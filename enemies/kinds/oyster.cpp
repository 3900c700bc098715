// OYSTER.
#include "enemies/kinds/oyster.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {33, 80, 1, 1, 30, 35, 0, 0, 0, 1},    // the super laser, 31 passes of its frames
    {60, 80, 1, 1, 10, 34, 0, 0, 0, 1},    // the sighting line down its middle
    {10, 70, 3, 1, 250, 27, 3, 6, -1, 1},  // heavy bolts down-left
    {105, 70, 3, 1, 250, 27, 3, 6, 1, 1},  // and down-right
};

constexpr std::int32_t kSightings[] = {70, 330, 430};
constexpr std::int32_t kBeams[] = {110, 350, 450};
constexpr std::int32_t kBolts[] = {125, 165, 205, 300, 305, 310, 405, 420};

}  // namespace

Oyster::Oyster(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void Oyster::script() {
    if (getAge() == 65) stop();
    if (ageIsOneOf(kSightings)) fireGun(1);
    if (ageIsOneOf(kBeams)) fireGun(0);
    if (ageIsOneOf(kBolts)) fireGuns(2, 3);
    // A slow shift to one side, so the next beams fall in another column, and a quicker
    // one back towards the middle.
    const std::int32_t towardsMiddle = getX() + width() / 2 < kScreenWidth / 2 ? 1 : -1;
    if (getAge() == 205) {
        setSpeedX(1);
        head(-towardsMiddle, 0);
    }
    if (getAge() == 380) {
        setSpeedX(3);
        head(towardsMiddle, 0);
    }
    if (getAge() == 280 || getAge() == 401) stop();
    if (getAge() == 485) head(0, 1);
}

}  // namespace cindervane
