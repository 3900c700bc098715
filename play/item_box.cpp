// Item boxes.
#include "play/item_box.h"

namespace cindervane {

ItemBox::ItemBox() {
    kind_ = kKind;
    speedX_ = 3;
    speedY_ = 3;
    dirX_ = 1;
    dirY_ = 1;
    frameDelay_ = 2;
}

void ItemBox::updateBox() {
    if (!alive_) return;
    moveStep();
    if (!(x_ > 0 && x_ + width() < kScreenWidth)) dirX_ = -dirX_;
    if (!(y_ > 0 && y_ + height() < kScreenHeight)) dirY_ = -dirY_;
    animate();
    ++age_;
    if (age_ >= kLifetime) alive_ = false;
}

}  // namespace cindervane
