// SCROOPBURU.
#include "enemies/kinds/scroop_buru.h"

#include "enemies/motion.h"

namespace cindervane {

ScroopBuru::ScroopBuru(RandomGenerator& random) : ScroopBuru(kType, random) {}

ScroopBuru::ScroopBuru(std::int32_t type, RandomGenerator& random) : Dasher(type, 2, {}, random) {
    steering_ = true;
}

void ScroopBuru::script() {
    if (steering_ && getY() >= -10) aimAtTarget(*this);
    if (getY() < 0 || !target_) return;
    if (getAge() == 20) {
        stop();
        setAngle(targetAngle_);
    }
    if (getAge() == 30) {
        lockOn();
        steering_ = false;
        setAngle(targetAngle_);
    }
    if (getAge() >= 35) {
        dashStep();
        setAngle(targetAngle_);
    }
}

}  // namespace cindervane
