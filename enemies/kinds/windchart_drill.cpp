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
    setSteering(true);
}

void WindchartDrill::script() {
    if (isSteering()) aimAtTarget(*this);
    if (!getTarget()) return;
    if (getAge() == 30) stop();
    if (getAge() == 40) {
        setSteering(false);
        fire();
        const EightWay way = eightWayOfDrawingAngle(getTargetAngle());
        head(way.dirX, way.dirY);
    }
}

}  // namespace cindervane
