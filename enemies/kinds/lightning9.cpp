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
    const bool fromLeft = getPattern() == 0 || getPattern() == 2;
    const std::int32_t sweep = getPattern() >= 2 ? 360 : 180;
    if (getAge() == 20) stop();
    if (getAge() == 30) {
        stop();
        setOrbitX(getX() + (fromLeft ? kRadius : -kRadius));
        setOrbitY(getY());
        measureOrbitRadius(*this);
        setOrbitAngle(fromLeft ? 180 : 0);
        turned_ = 0;
    }
    if (getAge() > 30 && getDirX() == 0 && getDirY() == 0) {
        if (turned_ >= sweep) {
            head(0, 1);
        } else {
            setOrbitAngle(getOrbitAngle() + (fromLeft ? -kStep : kStep));
            turned_ += kStep;
            setX(orbitPointX(*this));
            setY(orbitPointY(*this));
        }
    }
    if (getAge() == 45) fireGun(0);
    if (getAge() == 51) fireGun(1);
    if (getAge() == 53) fireGun(2);
}

}  // namespace cindervane
