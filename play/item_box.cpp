// Item boxes.
#include "play/item_box.h"

namespace cindervane {

ItemBox::ItemBox() {
    setKind(kKind);
    setSpeedXUncapped(3);
    setSpeedYUncapped(3);
    setDirX(1);
    setDirY(1);
    setFrameDelay(2);
}

void ItemBox::updateBox() {
    if (!isAlive()) return;
    moveStep();
    if (!(getX() > 0 && getX() + width() < kScreenWidth)) setDirX(-getDirX());
    if (!(getY() > 0 && getY() + height() < kScreenHeight)) setDirY(-getDirY());
    animate();
    setAge(getAge() + 1);
    if (getAge() >= kLifetime) setAlive(false);
}

}  // namespace cindervane
