// The common ground of the ordinary enemy kinds.
#include "enemies/kinds/ordinary_enemy.h"

#include <memory>

#include "enemies/enemy_types.h"

namespace cindervane {

OrdinaryEnemy::OrdinaryEnemy(std::int32_t type, std::int32_t frameDelay,
                             std::span<const EnemyGunRow> guns, RandomGenerator& random) {
    setKind(type);
    setAlive(true);
    setFrameUnchecked(0);
    setAngle(0);
    setAge(0);
    setFrameDelay(frameDelay);
    setPattern(0);
    setDirX(0);
    setDirY(1);
    if (const EnemyType* row = findEnemyType(type)) {
        setFullHp(row->hitPoints);
        setHpUnchecked(row->hitPoints);
        setSpeedX(row->speedX);
        setSpeedY(row->speedY);
        const std::int32_t coinKind = coinKindOfValue(row->coinValue);
        setCoinCount(row->coinCount);
        for (int c = 0; c < getCoinCount(); ++c)
            setCoin(c, std::make_unique<Coin>(coinKind, random));
        if (row->carriesBox) {
            setBoxCountUnchecked(1);
            setBox(std::make_unique<ItemBox>());
        }
    }
    addEnemyGuns(*this, guns);
    setExplosion(std::make_unique<Explosion>());
}

void OrdinaryEnemy::move() {
    if (isAlive()) {
        moveStep();
        if (leavesNow()) leaveSilently();
    }
    if (isAlive()) {
        if (animates_) animate();
        setAge(getAge() + 1);
        if (scriptRuns()) script();
    }
    updateOwned();
}

void OrdinaryEnemy::fireGun(int slot) {
    if (Gun* chosen = gun(slot); chosen && slot < getGunCount()) chosen->fire(getX(), getY());
}

void OrdinaryEnemy::fireGuns(int first, int last) {
    for (int slot = first; slot <= last; ++slot)
        fireGun(slot);
}

}  // namespace cindervane
