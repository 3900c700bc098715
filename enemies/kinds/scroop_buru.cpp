// SCROOPBURU.
#include "enemies/kinds/scroop_buru.h"

#include "enemies/motion.h"

namespace cindervane {

ScroopBuru::ScroopBuru(RandomGenerator& random) : ScroopBuru(kType, random) {}

ScroopBuru::ScroopBuru(std::int32_t type, RandomGenerator& random) : Dasher(type, 2, {}, random) {
    setSteering(true);
}

void ScroopBuru::script() {
    if (isSteering() && getY() >= -10) aimAtTarget(*this);
    if (getY() < 0 || !getTarget()) return;
    if (getAge() == 20) {
        stop();
        setAngle(getTargetAngle());
    }
    if (getAge() == 30) {
        lockOn();
        setSteering(false);
        setAngle(getTargetAngle());
    }
    if (getAge() >= 35) {
        dashStep();
        setAngle(getTargetAngle());
    }
}

}  // namespace cindervane
