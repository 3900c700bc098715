// Sprites.
#include "gamelibrary/sprite.h"

namespace cindervane {

using platform::ColourRef;
using platform::DeviceContext;
using platform::Point;
using platform::Rect;

Sprite::Sprite(DeviceContext* targetDC) : Surface(targetDC) {}

bool Sprite::drawKeyed(ColourRef keyColour) {
    return drawKeyedAt(x_, y_, keyColour);
}

bool Sprite::drawOn(DeviceContext& dc) {
    return drawAtOn(dc, x_, y_);
}

bool Sprite::draw() {
    return drawAt(x_, y_);
}

bool Sprite::drawStretched(int width, int height) {
    return drawStretchedAt(x_, y_, width, height);
}

Rect Sprite::hitBox() const {
    const std::int32_t w = width();
    const std::int32_t h = height();
    return Rect{x_ + (w >> 2), y_ + (h >> 2), x_ - (w >> 2) + w, y_ - (h >> 2) + h};
}

bool Sprite::overlaps(Sprite& other, Rect& out) {
    ownBox_ = hitBox();
    otherBox_ = other.hitBox();
    if (!platform::intersectRect(overlap_, ownBox_, otherBox_)) return false;
    out = overlap_;
    return true;
}

bool Sprite::overlapCentre(Sprite& other, Point& out) {
    Rect common;
    if (!overlaps(other, common)) return false;
    out.x = (common.left + common.right) / 2;
    out.y = (common.top + common.bottom) / 2;
    return true;
}

}  // namespace cindervane
