// The Rauder, boss of stage 2.
#include "enemies/bosses/rauder.h"

#include <array>

#include "enemies/enemy_gun_row.h"
#include "enemies/motion.h"

namespace cindervane {

namespace {

constexpr std::int32_t kCoins = 8;

// Guns 0 to 5 the lasers, 6 to 8 the pulse beams, 9 to 26 six missile triples, each
// spreading left, straight and right.
constexpr EnemyGunRow kGuns[] = {
    {18, 175, 5, 1, 2000, 31, 3, 15, 0, 1},  {27, 165, 5, 1, 2000, 32, 3, 16, 0, 1},
    {36, 155, 5, 1, 2000, 32, 3, 17, 0, 1},  {179, 155, 5, 1, 2000, 32, 3, 17, 0, 1},
    {188, 165, 5, 1, 2000, 32, 3, 16, 0, 1}, {197, 175, 5, 1, 2000, 32, 3, 15, 0, 1},
    {105, 175, 10, 1, 800, 26, 2, 4, 0, 1},  {105, 175, 10, 1, 800, 26, 4, 4, 1, 1},
    {105, 175, 10, 1, 800, 26, 4, 4, -1, 1}, {67, 92, 5, 1, 700, 5, 3, 8, -1, 1},
    {67, 92, 5, 1, 700, 5, 3, 8, 0, 1},      {67, 92, 5, 1, 700, 5, 3, 8, 1, 1},
    {77, 92, 5, 1, 700, 5, 3, 9, -1, 1},     {77, 92, 5, 1, 700, 5, 3, 9, 0, 1},
    {77, 92, 5, 1, 700, 5, 3, 9, 1, 1},      {86, 92, 5, 1, 700, 5, 3, 10, -1, 1},
    {86, 92, 5, 1, 700, 5, 3, 10, 0, 1},     {86, 92, 5, 1, 700, 5, 3, 10, 1, 1},
    {132, 92, 5, 1, 700, 5, 3, 10, -1, 1},   {132, 92, 5, 1, 700, 5, 3, 10, 0, 1},
    {132, 92, 5, 1, 700, 5, 3, 10, 1, 1},    {142, 92, 5, 1, 700, 5, 3, 9, -1, 1},
    {142, 92, 5, 1, 700, 5, 3, 9, 0, 1},     {142, 92, 5, 1, 700, 5, 3, 9, 1, 1},
    {151, 92, 5, 1, 700, 5, 3, 8, -1, 1},    {151, 92, 5, 1, 700, 5, 3, 8, 0, 1},
    {151, 92, 5, 1, 700, 5, 3, 8, 1, 1},
};

// Above this row it comes in fast, its age held at 10.
constexpr std::int32_t kEntryRow = -100;
constexpr std::int32_t kEntrySpeed = 3;
constexpr std::int32_t kEntryAge = 10;
// It stands on the top of its circle at age 30 and starts round it at 55.
constexpr std::int32_t kArrivalAge = 30;
constexpr std::int32_t kCircleAge = 55;
constexpr std::int32_t kCircleDrop = 30;
constexpr std::int32_t kCircleTop = 270;
constexpr std::int32_t kCircleStep = 7;
constexpr std::int32_t kFuryCircleStep = 10;
constexpr std::int32_t kVolleyRound = 100;
// The dashes: speeds, and the rounds of age that call each.
constexpr std::int32_t kDashSpeedX = 5;
constexpr std::int32_t kDashSpeedY = 9;
constexpr std::int32_t kDownDashRound = 400;
constexpr std::int32_t kRightDashRound = 300;
constexpr std::int32_t kLeftDashRound = 200;

constexpr bool within(std::int32_t c, std::int32_t low, std::int32_t high) {
    return c >= low && c <= high;
}

}  // namespace

Rauder::Rauder(RandomGenerator& random) : Boss(kType, kFullHp, 1, 1, kCoins, random) {
    addEnemyGuns(*this, kGuns);
    volleyCounter_ = 0;
}

void Rauder::fireGun(int slot) {
    if (Gun* each = gun(slot)) each->fire(getX(), getY());
}

void Rauder::fireVolley(std::int32_t c) {
    const bool fury = getHp() < kFuryHp;
    if ((within(c, 11, 29) && c % 5 == 0) || (within(c, 51, 79) && c % 7 == 0)) {
        fireGun(7);
        fireGun(8);
    }
    if ((within(c, 11, 29) && c % 7 == 0) || (within(c, 61, 89) && c % 5 == 0)) fireGun(6);
    // Each pair of counts opens one missile triple at its two sides, and in its fury the
    // middle one too.
    constexpr std::int32_t kTripleCounts[6][2] = {{1, 51},  {6, 56},  {11, 61},
                                                  {21, 71}, {26, 76}, {31, 81}};
    for (int triple = 0; triple < 6; ++triple) {
        if (c != kTripleCounts[triple][0] && c != kTripleCounts[triple][1]) continue;
        const int first = 9 + 3 * triple;
        fireGun(first);
        fireGun(first + 2);
        if (fury) fireGun(first + 1);
    }
    if (c == 99)
        for (int triple = 0; triple < 6; ++triple)
            fireGun(10 + 3 * triple);
    if (c == 31)
        for (int laser = 0; laser <= 5; ++laser)
            fireGun(laser);
}

void Rauder::circle() {
    if (getAge() == kArrivalAge) {
        setOrbitX(getX());
        setOrbitY(getY() + kCircleDrop);
        measureOrbitRadius(*this);
        setDirX(0);
        setDirY(0);
        setOrbitAngle(kCircleTop);
        setHpUnchecked(kFullHp);
        setInvulnerable(false);
    }
    if (getAge() >= kCircleAge) {
        setSpeedX(1);
        setSpeedY(1);
        setX(orbitPointX(*this));
        setY(orbitPointY(*this));
        setOrbitAngle(getOrbitAngle() - (getHp() < kFuryHp ? kFuryCircleStep : kCircleStep));
        volleyCounter_ = (volleyCounter_ + 1) % kVolleyRound;
        fireVolley(volleyCounter_);
    }
    if (getAge() % kDownDashRound == 0) {
        setPattern(1);
    } else if (getAge() % kRightDashRound == 0) {
        setPattern(2);
    } else if (getAge() % kLeftDashRound == 0) {
        setPattern(3);
    }
}

void Rauder::dash(std::int32_t period, std::int32_t standTo, std::int32_t outTo,
                  std::int32_t backTo, std::int32_t circleTo, std::int32_t dx, std::int32_t dy) {
    const std::int32_t r = getAge() % period;
    if (r < standTo) {
        setSpeedX(0);
        setSpeedY(0);
    } else if (r < outTo) {
        setSpeedX(kDashSpeedX);
        setSpeedY(kDashSpeedY);
        setDirX(dx);
        setDirY(dy);
    } else if (r < backTo) {
        setSpeedX(kDashSpeedX);
        setSpeedY(kDashSpeedY);
        setDirX(-dx);
        setDirY(-dy);
    } else if (r <= circleTo) {
        // The centre of its circle never moves: the next frame puts it back on it.
        setPattern(0);
    }
}

void Rauder::foretellBeams(BeamForecast& forecast) const {
    if (!isAlive() || getY() < kEntryRow) return;
    // Follows its phases forward: the counter runs only on its circle, which a dash round
    // interrupts and the end of the dash resumes.
    std::array<bool, kWindUpFrames + 1> volley{};
    std::int32_t pattern = getPattern();
    std::int32_t c = volleyCounter_;
    for (std::int32_t k = 1; k <= kWindUpFrames; ++k) {
        const std::int32_t age = getAge() + k;
        if (pattern == 0) {
            if (age >= kCircleAge) {
                c = (c + 1) % kVolleyRound;
                volley[k] = c == 31;
            }
            if (age % kDownDashRound == 0)
                pattern = 1;
            else if (age % kRightDashRound == 0)
                pattern = 2;
            else if (age % kLeftDashRound == 0)
                pattern = 3;
        } else {
            const std::int32_t period = pattern == 1   ? kDownDashRound
                                        : pattern == 2 ? kRightDashRound
                                                       : kLeftDashRound;
            const std::int32_t r = age % period;
            if (r >= (pattern == 1 ? 36 : 46) && r <= (pattern == 1 ? 50 : 65)) pattern = 0;
        }
    }
    for (int laser = 0; laser <= 5; ++laser)
        foretellGun(forecast, *this, -1, laser, [&](std::int32_t k) { return volley[k]; });
}

void Rauder::move() {
    if (isAlive()) {
        if (getY() < kEntryRow) {
            setSpeedX(kEntrySpeed);
            setSpeedY(kEntrySpeed);
            setDirX(0);
            setDirY(1);
            setAge(kEntryAge);
        }
        moveStep();
        setAge(getAge() + 1);
        switch (getPattern()) {
            case 0:
                circle();
                break;
            case 1:
                dash(kDownDashRound, 6, 21, 36, 50, 0, 1);
                break;
            case 2:
                dash(kRightDashRound, 6, 26, 46, 65, 1, 1);
                break;
            case 3:
                dash(kLeftDashRound, 6, 26, 46, 65, -1, 1);
                break;
            default:
                break;
        }
    }
    updateOwned();
}

}  // namespace cindervane
