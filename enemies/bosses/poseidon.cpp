// The Poseidon, boss of stage 1.
#include "enemies/bosses/poseidon.h"

#include <cmath>

#include "enemies/enemy_gun_row.h"
#include "enemies/motion.h"

namespace cindervane {

namespace {

constexpr std::int32_t kCoins = 5;

// Guns 0 to 7 missiles, 8 and 9 the wing lasers, 10 to 16 the particle fans.
constexpr EnemyGunRow kGuns[] = {
    {60, 120, 2, 9, 700, 5, 2, 10, 0, 1},   {70, 120, 2, 9, 700, 5, 2, 10, 0, 1},
    {80, 120, 2, 9, 700, 5, 2, 10, 0, 1},   {90, 120, 2, 9, 700, 5, 2, 10, 0, 1},
    {125, 120, 2, 9, 700, 5, 2, 10, 0, 1},  {135, 120, 2, 9, 700, 5, 2, 10, 0, 1},
    {145, 120, 2, 9, 700, 5, 2, 10, 0, 1},  {155, 120, 2, 9, 700, 5, 2, 10, 0, 1},
    {4, 30, 2, 10, 1200, 31, 25, 25, 0, 1}, {210, 30, 2, 10, 1200, 31, 25, 25, 0, 1},
    {105, 115, 5, 5, 200, 8, 2, 2, -1, 1},  {85, 120, 5, 5, 200, 8, 3, 3, 0, 1},
    {125, 120, 5, 5, 200, 8, 3, 3, 0, 1},   {105, 115, 5, 5, 200, 8, 2, 2, 1, 1},
    {105, 115, 10, 3, 200, 8, 7, 7, 0, 1},  {105, 110, 10, 3, 200, 8, 5, 5, -1, 1},
    {105, 110, 10, 3, 200, 8, 5, 5, 1, 1},
};

// The frame of its arrival, counted on the screen, and the first frame of its sweep.
constexpr std::int32_t kArrivalAge = 5;
constexpr std::int32_t kSweepAge = 15;
// The sweep turns when the left edge passes -30 or the right edge reaches 271.
constexpr std::int32_t kLeftTurn = -30;
constexpr std::int32_t kRightTurn = 271;
constexpr std::int32_t kVolleyRound = 20;

}  // namespace

Poseidon::Poseidon(RandomGenerator& random) : Boss(kType, kFullHp, 1, 1, kCoins, random) {
    addEnemyGuns(*this, kGuns);
    volleyCounter_ = 0;
}

void Poseidon::bounce() {
    if (getX() < kLeftTurn || getX() + width() >= kRightTurn) setDirX(-getDirX());
}

void Poseidon::swing(std::int32_t centreRow) {
    // Truncation toward zero, as the game's conversion does: rows centreRow - 10 .. + 10.
    setY(centreRow - static_cast<std::int32_t>(std::cos(swingAngle_ * kDegreesToRadians) * -10.0));
    // With dirY 0 the vertical speed serves as the swing step: 4 degrees a frame.
    swingAngle_ = swingAngle_ % 360 + getSpeedY();
}

void Poseidon::missileVolley(std::int32_t c) {
    if (c == 0 || c == 10) {
        fireGuns(0, 0);
        fireGuns(7, 7);
    } else if (c == 3 || c == 13) {
        fireGuns(1, 1);
        fireGuns(6, 6);
        fireGuns(8, 9);
    } else if (c == 6 || c == 16) {
        fireGuns(2, 2);
        fireGuns(5, 5);
    } else if (c == 9 || c == 19) {
        fireGuns(3, 4);
        fireGuns(8, 9);
    }
}

void Poseidon::foretellBeams(BeamForecast& forecast) const {
    if (!isAlive() || getY() <= 0 || getPattern() > 1) return;
    // The frames before the sweep, and with it the volleys, begins.
    const std::int32_t wait = getPattern() == 0 && getAge() < kSweepAge ? kSweepAge - getAge() : 0;
    auto calledAt = [&](std::int32_t k) {
        if (k <= wait) return false;
        const std::int32_t c = (volleyCounter_ + k - wait - 1) % kVolleyRound;
        return c == 3 || c == 13 || c == 9 || c == 19;
    };
    foretellGun(forecast, *this, -1, 8, calledAt);
    foretellGun(forecast, *this, -1, 9, calledAt);
}

void Poseidon::move() {
    if (isAlive()) {
        moveStep();
        // Nothing but the entry until the body has come down onto the screen.
        if (getY() > 0) {
            const std::int32_t c = volleyCounter_;
            if (getPattern() == 0) {
                setAge(getAge() + 1);
                if (getAge() == kArrivalAge) {
                    setHpUnchecked(kFullHp);
                    setDirY(0);
                    setDirX(1);
                    setSpeedX(1);
                    setSpeedY(4);
                    swingAngle_ = 180;
                    setInvulnerable(false);
                } else if (getAge() > kSweepAge) {
                    bounce();
                    swing(15);
                    missileVolley(c);
                    if (c == 0 || c == 5 || c == 10) fireGuns(10, 13);
                    if (c == 1 || c == 6 || c == 11) fireGuns(14, 16);
                    volleyCounter_ = (c + 1) % kVolleyRound;
                    if (getHp() < kFuryHp) {
                        setPattern(1);
                        setSpeedX(3);
                    }
                }
            } else if (getPattern() == 1) {
                setAge(getAge() + 1);
                if (getAge() == kArrivalAge) {
                    setDirX(1);
                    setDirY(0);
                }
                bounce();
                swing(10);
                missileVolley(c);
                if (c == 0 || c == 5 || c == 10) fireGuns(10, 13);
                if (c == 1 || c == 9 || c == 13 || c == 17) fireGuns(14, 16);
                volleyCounter_ = (c + 1) % kVolleyRound;
            }
        }
    }
    updateOwned();
}

}  // namespace cindervane
