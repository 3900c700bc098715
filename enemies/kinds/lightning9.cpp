// LIGHTNING9.
#include "enemies/kinds/lightning9.h"

#include "enemies/motion.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {20, 40, 1, 1, 120, 8, 4, 4, 0, 1, true},
    {6, 36, 1, 1, 120, 8, 4, 4, 0, 1, true},
    {34, 36, 1, 1, 120, 8, 4, 4, 0, 1, true},
};

constexpr std::int32_t kRadius = 45;
constexpr std::int32_t kStep = 3;

}  // namespace

Lightning9::Lightning9(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void Lightning9::script() {
    // Patterns 0 and 2 start on the left of their circle and go round anticlockwise on the
    // screen (down first); 1 and 3 are their mirror images.
    const bool fromLeft = pattern_ == 0 || pattern_ == 2;
    const std::int32_t sweep = pattern_ >= 2 ? 360 : 180;
    if (age_ == 20) stop();
    if (age_ == 30) {
        stop();
        orbitX_ = x_ + (fromLeft ? kRadius : -kRadius);
        orbitY_ = y_;
        measureOrbitRadius(*this);
        orbitAngle_ = fromLeft ? 180 : 0;
        turned_ = 0;
    }
    if (age_ > 30 && dirX_ == 0 && dirY_ == 0) {
        if (turned_ >= sweep) {
            head(0, 1);
        } else {
            orbitAngle_ += fromLeft ? -kStep : kStep;
            turned_ += kStep;
            x_ = orbitPointX(*this);
            y_ = orbitPointY(*this);
        }
    }
    if (age_ == 45) fireGun(0);
    if (age_ == 51) fireGun(1);
    if (age_ == 53) fireGun(2);
}

}  // namespace cindervane
