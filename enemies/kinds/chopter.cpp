// CHOPTER.
#include "enemies/kinds/chopter.h"

#include "enemies/motion.h"

namespace cindervane {
namespace {

// One aimed shot, slow enough to sidestep.
constexpr EnemyGunRow kGuns[] = {
    {16, 30, 1, 1, 150, 8, 3, 3, 0, 1, true},
};

// The circle of patterns 2 and 3: it starts at the top and turns 3 degrees a frame.
constexpr std::int32_t kCircleStart = 270;
constexpr std::int32_t kCircleStep = 3;
constexpr std::int32_t kClockwiseLimit = 406;      // pattern 3 flies while below it
constexpr std::int32_t kAnticlockwiseLimit = 135;  // pattern 2 flies while at or above it
constexpr std::int32_t kClockwiseFiresFrom = 341;  // pattern 3 fires from here on
constexpr std::int32_t kAnticlockwiseFiresBelow = 200;
constexpr std::int32_t kLeavesCircleFrom = 81;

}  // namespace

Chopter::Chopter(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void Chopter::script() {
    aimAtTarget(*this);
    switch (pattern_) {
        case 0:
        case 1:
            stopFireLeave(30, 40, 60, pattern_ == 0 ? -1 : 1);
            break;
        case 4:
        case 5:
            stopFireLeave(10, 20, 40, pattern_ == 4 ? -1 : 1);
            break;
        case 2:
        case 3:
            circle();
            break;
        default:
            break;
    }
}

void Chopter::stopFireLeave(std::int32_t stopAt, std::int32_t fireAt, std::int32_t leaveAt,
                            std::int32_t sideways) {
    if (age_ == stopAt) stop();
    if (age_ == fireAt) fireGun(0);
    if (age_ == leaveAt) {
        setSpeedX(3);
        head(sideways, -1);
    }
}

void Chopter::circle() {
    if (age_ == 30) stop();
    if (age_ == 40) {
        fireGun(0);
        orbitX_ = x_;
        orbitY_ = 270 - y_;  // the centre lies below it: it starts at the circle's top
        measureOrbitRadius(*this);
        orbitAngle_ = kCircleStart;
        stop();
    }
    // Circling while it stands; leaving straight down ends it.
    if (age_ < 41 || dirX_ != 0 || dirY_ != 0) return;
    const bool clockwise = pattern_ == 3;
    const bool past =
        clockwise ? orbitAngle_ >= kClockwiseLimit : orbitAngle_ < kAnticlockwiseLimit;
    if (past) {
        if (age_ >= kLeavesCircleFrom) head(0, 1);
        return;
    }
    x_ = orbitPointX(*this);
    y_ = orbitPointY(*this);
    orbitAngle_ += clockwise ? kCircleStep : -kCircleStep;
    if (clockwise ? orbitAngle_ >= kClockwiseFiresFrom : orbitAngle_ < kAnticlockwiseFiresBelow)
        fireGun(0);
}

}  // namespace cindervane
