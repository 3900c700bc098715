// The Winged Bear, boss of stage 5.
#include "enemies/bosses/winged_bear.h"

#include <iterator>

#include "enemies/enemy_gun_row.h"
#include "enemies/motion.h"

namespace cindervane {

namespace {

constexpr std::int32_t kCoins = 15;
constexpr std::int32_t kPlating = 4;

// Guns 0 to 5 missiles across its belly, 6 to 9 lasers from its wings, 10 to 17 a fan of
// particles from its left paw and 18 to 25 from its right, 26 to 29 particles aimed at the
// ship, 30 to 32 pulse beams from its mouth, 33 and 34 napalm.
constexpr EnemyGunRow kGuns[] = {
    {40, 160, 2, 1, 700, 5, 0, 10, 0, 1},      {70, 162, 2, 1, 700, 5, 0, 10, 0, 1},
    {95, 165, 2, 1, 700, 5, 0, 10, 0, 1},      {140, 165, 2, 1, 700, 5, 0, 10, 0, 1},
    {165, 162, 2, 1, 700, 5, 0, 10, 0, 1},     {195, 160, 2, 1, 700, 5, 0, 10, 0, 1},
    {10, 120, 2, 1, 400, 31, 0, 25, 0, 1},     {30, 140, 2, 1, 400, 31, 0, 25, 0, 1},
    {200, 140, 2, 1, 400, 31, 0, 25, 0, 1},    {220, 120, 2, 1, 400, 31, 0, 25, 0, 1},
    {60, 150, 4, 1, 200, 8, 4, 1, -1, 1},      {60, 150, 4, 1, 200, 8, 3, 3, -1, 1},
    {60, 150, 4, 1, 200, 8, 2, 4, -1, 1},      {60, 150, 4, 1, 200, 8, 1, 4, -1, 1},
    {60, 150, 4, 1, 200, 8, 0, 4, 0, 1},       {60, 150, 4, 1, 200, 8, 1, 4, 1, 1},
    {60, 150, 4, 1, 200, 8, 2, 4, 1, 1},       {60, 150, 4, 1, 200, 8, 3, 3, 1, 1},
    {175, 150, 4, 1, 200, 8, 3, 3, -1, 1},     {175, 150, 4, 1, 200, 8, 2, 4, -1, 1},
    {175, 150, 4, 1, 200, 8, 1, 4, -1, 1},     {175, 150, 4, 1, 200, 8, 0, 4, 0, 1},
    {175, 150, 4, 1, 200, 8, 1, 4, 1, 1},      {175, 150, 4, 1, 200, 8, 2, 4, 1, 1},
    {175, 150, 4, 1, 200, 8, 3, 3, 1, 1},      {175, 150, 4, 1, 200, 8, 4, 1, 1, 1},
    {90, 100, 3, 1, 300, 8, 5, 5, 0, 1, true}, {145, 100, 3, 1, 300, 8, 5, 5, 0, 1, true},
    {60, 130, 3, 1, 300, 8, 5, 5, 0, 1, true}, {175, 130, 3, 1, 300, 8, 5, 5, 0, 1, true},
    {112, 165, 4, 1, 800, 27, 0, 6, 0, 1},     {112, 165, 4, 1, 800, 27, 2, 6, -1, 1},
    {112, 165, 4, 1, 800, 27, 2, 6, 1, 1},     {80, 150, 2, 1, 1000, 7, 0, 4, 0, 1},
    {150, 150, 2, 1, 1000, 7, 0, 4, 0, 1},
};
static_assert(std::size(kGuns) == 35);

// Its marks: slower from age 10, arrived at 30, circling from 55.
constexpr std::int32_t kBrakeAge = 10;
constexpr std::int32_t kArrivalAge = 30;
constexpr std::int32_t kCircleAge = 55;
constexpr std::int32_t kBrakeSpeed = 3;
// A small circle below the spot where it stands, round once in 72 frames.
constexpr std::int32_t kCircleDrop = 20;
constexpr std::int32_t kCircleTop = 270;
constexpr std::int32_t kCircleStep = 5;
constexpr std::int32_t kVolleyRound = 100;

}  // namespace

WingedBear::WingedBear(RandomGenerator& random) : Boss(kType, kFullHp, 1, 4, kCoins, random) {
    addEnemyGuns(*this, kGuns);
    plate(kPlating);
}

void WingedBear::fireVolley(std::int32_t c) {
    // Missile pairs from the outside in, twice a round.
    const std::int32_t r = c % 50;
    if (r == 0) {
        fireGuns(0, 0);
        fireGuns(5, 5);
    } else if (r == 5) {
        fireGuns(1, 1);
        fireGuns(4, 4);
    } else if (r == 10) {
        fireGuns(2, 3);
    }
    if (c == 20) fireGuns(10, 17);
    if (c == 70) fireGuns(18, 25);
    if (c == 30 || c == 80) fireGuns(6, 9);
    if (c % 20 == 5) fireGuns(26 + (c / 20) % 4, 26 + (c / 20) % 4);
    // The slanting pulse beams every quarter round, the straight one with three of them.
    if (c % 25 == 15) fireGuns(31, 32);
    if (c == 15 || c == 40 || c == 90) fireGuns(30, 30);
    if (c == 45 || c == 95) fireGuns(33, 34);
}

void WingedBear::foretellBeams(BeamForecast& forecast) const {
    if (!isAlive() || getAge() < kCircleAge - 1) return;
    for (int gun = 6; gun <= 9; ++gun)
        foretellGun(forecast, *this, -1, gun, [&](std::int32_t k) {
            const std::int32_t c = (volleyCounter_ + k) % kVolleyRound;
            return c == 30 || c == 80;
        });
}

void WingedBear::move() {
    if (isAlive()) {
        moveStep();
        setAge(getAge() + 1);
        if (getAge() == kBrakeAge) {
            setSpeedY(kBrakeSpeed);
        } else if (getAge() == kArrivalAge) {
            setOrbitX(getX());
            setOrbitY(getY() + kCircleDrop);
            measureOrbitRadius(*this);
            setOrbitAngle(kCircleTop);
            setDirX(0);
            setDirY(0);
            setHpUnchecked(kFullHp);
            setInvulnerable(false);
        } else if (getAge() >= kCircleAge) {
            // Its age stays here: nothing more is keyed on it.
            setAge(kCircleAge);
            setX(orbitPointX(*this));
            setY(orbitPointY(*this));
            setOrbitAngle((getOrbitAngle() - kCircleStep) % 360);
            volleyCounter_ = (volleyCounter_ + 1) % kVolleyRound;
            fireVolley(volleyCounter_);
        }
    }
    updateOwned();
}

}  // namespace cindervane
