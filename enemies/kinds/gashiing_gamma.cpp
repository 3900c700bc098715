// GASHIINGGAMMA.
#include "enemies/kinds/gashiing_gamma.h"

#include "enemies/motion.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {20, 66, 2, 1, 250, 26, 2, 5, -1, 1},
    {32, 70, 2, 1, 250, 26, 0, 5, 0, 1},
    {44, 66, 2, 1, 250, 26, 2, 5, 1, 1},
};

}  // namespace

GashiingGamma::GashiingGamma(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {}

void GashiingGamma::script() {
    if (!getTarget()) return;
    if (getAge() == 20) {
        stop();
        fire();
    }
    if (getAge() == 30) {
        fire();
        setSteering(true);
        setHeading(0);  // it faces down, as it is drawn
    }
    if (!isSteering()) return;
    turnTowardTarget(*this);
    const EightWay way = eightWayOfDrawingAngle(getHeading());
    head(way.dirX, way.dirY);
    if (getHeading() == getTargetAngle()) setSteering(false);
}

}  // namespace cindervane
