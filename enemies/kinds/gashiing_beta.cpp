// GASHIINGBETA.
#include "enemies/kinds/gashiing_beta.h"

#include <cmath>

#include "enemies/motion.h"

namespace cindervane {

GashiingBeta::GashiingBeta(RandomGenerator& random) : OrdinaryEnemy(kType, 2, {}, random) {}

void GashiingBeta::script() {
    const std::int32_t p = getPattern() >= 0 && getPattern() <= 3 ? getPattern() : 0;
    if (getAge() == 1) {
        constexpr std::int32_t kStart[] = {200, 0, 340, 180};
        stop();
        setOrbitAngle(kStart[p]);
    }
    const double a = getOrbitAngle() * kDegreesToRadians;
    // Patterns 0 and 3 swing round a centre on the right edge, 1 and 2 round one left of
    // the screen by its width; 0 and 2 reach down to the bottom less its height from the
    // top edge, 1 and 3 up from the bottom edge to the top.
    const bool rightCentre = p == 0 || p == 3;
    const bool fromTop = p == 0 || p == 2;
    setX(static_cast<std::int32_t>(rightCentre ? std::cos(a) * 240 + 240
                                               : std::cos(a) * 240 - width()));
    setY(static_cast<std::int32_t>(fromTop ? (kScreenHeight - height()) * std::sin(a)
                                           : std::sin(a) * 320 + 320));
    setOrbitAngle(getOrbitAngle() + (p == 0 || p == 1 ? -getSpeedX() : getSpeedX()));
}

}  // namespace cindervane
