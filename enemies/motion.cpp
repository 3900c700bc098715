// Motion helpers.
#include "enemies/motion.h"

#include <cmath>
#include <cstdlib>

#include "enemies/enemy.h"

namespace cindervane {
namespace {

// The direction from the enemy's centre to its target's, in whole degrees, with the exact
// axes fixed (the arctangent's rounding must not tilt a shot fired straight down).
std::int32_t directionToTarget(const Enemy& enemy, const Craft& target) {
    const std::int32_t dx = centreX(target) - centreX(enemy);
    const std::int32_t dy = centreY(target) - centreY(enemy);
    auto a =
        static_cast<std::int32_t>(std::atan2(static_cast<double>(dy), static_cast<double>(dx)) *
                                  kFullTurnDegrees * kInverseFullTurn);
    if (dy == 0 && dx > 0) a = 0;
    if (dy == 0 && dx < 0) a = 180;
    if (dx == 0 && dy < 0) a = 270;
    if (dx == 0 && dy > 0) a = 90;
    return a;
}

}  // namespace

std::int32_t centreX(const Actor& actor) {
    return actor.getX() + actor.width() / 2;
}

std::int32_t centreY(const Actor& actor) {
    return actor.getY() + actor.height() / 2;
}

std::int32_t measureOrbitRadius(Enemy& enemy) {
    const std::int32_t dx = enemy.getX() - enemy.getOrbitX();
    const std::int32_t dy = enemy.getY() - enemy.getOrbitY();
    const std::int32_t squared = dx * dx + dy * dy;
    enemy.setOrbitRadius(static_cast<std::int32_t>(std::sqrt(static_cast<double>(squared))));
    return enemy.getOrbitRadius();
}

std::int32_t orbitPointX(const Enemy& enemy) {
    return static_cast<std::int32_t>(enemy.getOrbitRadius() *
                                         std::cos(enemy.getOrbitAngle() * kDegreesToRadians) +
                                     enemy.getOrbitX());
}

std::int32_t orbitPointY(const Enemy& enemy) {
    return static_cast<std::int32_t>(enemy.getOrbitRadius() *
                                         std::sin(enemy.getOrbitAngle() * kDegreesToRadians) +
                                     enemy.getOrbitY());
}

void aimAtTarget(Enemy& enemy) {
    const Craft* target = enemy.getTarget();
    if (!target) return;
    enemy.setTargetAngle(directionToTarget(enemy, *target) - 90);
    enemy.setAngle(enemy.getTargetAngle());
}

void turnTowardTarget(Enemy& enemy) {
    const Craft* target = enemy.getTarget();
    if (!target) return;
    const std::int32_t wanted = directionToTarget(enemy, *target) - 90;
    enemy.setTargetAngle(wanted);
    std::int32_t heading = enemy.getHeading();
    if (std::abs(heading - wanted) < 10)
        heading = wanted;
    else if (heading < wanted)
        heading += 10;
    else
        heading -= 10;
    enemy.setHeading(heading);
    enemy.setAngle(heading);
}

EightWay eightWayOfDrawingAngle(std::int32_t drawingAngle) {
    constexpr double kSin22 = 0.3827;
    const auto component = [](double value) -> std::int32_t {
        return value > kSin22 ? 1 : value < -kSin22 ? -1 : 0;
    };
    const double direction = (drawingAngle + 90) * kDegreesToRadians;
    return {component(std::cos(direction)), component(std::sin(direction))};
}

std::int32_t weaveX(std::int32_t weaveAngle, std::int32_t factor) {
    return 100 - static_cast<std::int32_t>(std::sin(weaveAngle * kDegreesToRadians) * factor);
}

}  // namespace cindervane
