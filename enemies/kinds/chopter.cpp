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
    switch (getPattern()) {
        case 0:
        case 1:
            stopFireLeave(30, 40, 60, getPattern() == 0 ? -1 : 1);
            break;
        case 4:
        case 5:
            stopFireLeave(10, 20, 40, getPattern() == 4 ? -1 : 1);
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
    if (getAge() == stopAt) stop();
    if (getAge() == fireAt) fireGun(0);
    if (getAge() == leaveAt) {
        setSpeedX(3);
        head(sideways, -1);
    }
}

void Chopter::circle() {
    if (getAge() == 30) stop();
    if (getAge() == 40) {
        fireGun(0);
        setOrbitX(getX());
        setOrbitY(270 - getY());  // the centre lies below it: it starts at the circle's top
        measureOrbitRadius(*this);
        setOrbitAngle(kCircleStart);
        stop();
    }
    // Circling while it stands; leaving straight down ends it.
    if (getAge() < 41 || getDirX() != 0 || getDirY() != 0) return;
    const bool clockwise = getPattern() == 3;
    const bool past =
        clockwise ? getOrbitAngle() >= kClockwiseLimit : getOrbitAngle() < kAnticlockwiseLimit;
    if (past) {
        if (getAge() >= kLeavesCircleFrom) head(0, 1);
        return;
    }
    setX(orbitPointX(*this));
    setY(orbitPointY(*this));
    setOrbitAngle(getOrbitAngle() + (clockwise ? kCircleStep : -kCircleStep));
    if (clockwise ? getOrbitAngle() >= kClockwiseFiresFrom
                  : getOrbitAngle() < kAnticlockwiseFiresBelow)
        fireGun(0);
}

}  // namespace cindervane
