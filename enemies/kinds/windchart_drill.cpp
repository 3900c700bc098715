// WINDCHARTDRILL.
#include "enemies/kinds/windchart_drill.h"

#include "enemies/motion.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {21, 40, 1, 1, 250, 8, 5, 5, 0, 1, true},
};

}  // namespace

WindchartDrill::WindchartDrill(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {
    steering_ = true;
}

void WindchartDrill::script() {
    if (steering_) aimAtTarget(*this);
    if (!target_) return;
    if (getAge() == 30) stop();
    if (getAge() == 40) {
        steering_ = false;
        fire();
        const EightWay way = eightWayOfDrawingAngle(targetAngle_);
        head(way.dirX, way.dirY);
    }
}

}  // namespace cindervane
