// The actor.
#include "play/actor.h"

#include "platform/draw/colour.h"

namespace cindervane {

void Actor::setSpeedX(std::int32_t speed) {
    speedX_ = speedCapX_ != 0 && speed >= speedCapX_ ? speedCapX_ : speed;
}

void Actor::setSpeedY(std::int32_t speed) {
    speedY_ = speedCapY_ != 0 && speed >= speedCapY_ ? speedCapY_ : speed;
}

void Actor::setFrame(std::int32_t frame) {
    frame_ = frame >= 0 && frame < frameCount() ? frame : 0;
}

void Actor::setAngle(std::int32_t angle) {
    if (angle > 360) {
        angle_ = angle - 360;
    } else if (angle < 0) {
        angle_ = angle + 360;
    } else if (angle == 0) {
        angle_ = 360;
    } else {
        angle_ = angle;
    }
}

std::int32_t Actor::width() const {
    const SpriteSheet* drawn = sheet();
    return drawn ? drawn->width() : 0;
}

std::int32_t Actor::height() const {
    const SpriteSheet* drawn = sheet();
    return drawn ? drawn->height() : 0;
}

std::int32_t Actor::frameCount() const {
    const SpriteSheet* drawn = sheet();
    return drawn ? drawn->frameCount() : 0;
}

void Actor::nextFrame() {
    frame_ = frame_ >= frameCount() - 1 ? 0 : frame_ + 1;
}

void Actor::prevFrame() {
    frame_ = frame_ <= 0 ? frameCount() - 1 : frame_ - 1;
}

std::int32_t Actor::tickAnimation() {
    // A delay below 1 would stop the clock; it counts as 1.
    const std::int32_t delay = frameDelay_ < 1 ? 1 : frameDelay_;
    frameTick_ = (frameTick_ + 1) % delay;
    return frameTick_;
}

void Actor::animate() {
    if (tickAnimation() == 0) nextFrame();
}

void Actor::playOnce() {
    if (!alive_) return;
    const std::int32_t shown = frame_ > frameCount() ? 0 : frame_;
    if (shown >= frameCount() - 1) {
        alive_ = false;
        frame_ = 0;
    } else if (tickAnimation() == 0) {
        nextFrame();
    }
}

void Actor::moveStep() {
    x_ += speedX_ * dirX_;
    y_ += speedY_ * dirY_;
}

bool Actor::syncSprite() {
    SpriteSheet* drawn = sheet();
    if (!alive_ || !drawn) return false;
    drawn->setPosition(x_, y_);
    // The sheet itself keeps its frame for an index outside its range.
    drawn->setFrame(frame_ > drawn->frameCount() ? 0 : frame_);
    drawn->setVisible(alive_);
    return true;
}

bool Actor::resolveSprite(const SheetCatalogue& catalogue) {
    SheetEntry* entry = nullptr;
    const bool found = catalogue.find(kind_, entry);
    sprite_ = entry;
    return found;
}

void Actor::centreOn(const Actor& other) {
    x_ = other.x_ + (other.width() - width()) / 2;
    y_ = other.y_ + (other.height() - height()) / 2;
}

platform::Rect Actor::hitBox() const {
    const std::int32_t w = width();
    const std::int32_t h = height();
    return platform::Rect{x_ + (w >> 2), y_ + (h >> 2), x_ - (w >> 2) + w, y_ - (h >> 2) + h};
}

void Actor::hashState(StateHasher& hasher) const {
    for (const std::int32_t value : {x_, y_, dirX_, dirY_, speedX_, speedY_, speedCapX_, speedCapY_,
                                     orbitX_, orbitY_, orbitAngle_})
        hasher.add(value);
    hasher.add(alive_);
    for (const std::int32_t value :
         {kind_, frame_, frameDelay_, frameTick_, age_, pattern_, angle_})
        hasher.add(value);
    hasher.add(sprite_ ? sprite_->id : std::int32_t{-1});
    hashOwnState(hasher);
}

bool Actor::hits(Actor& other, platform::Point& at) {
    if (!alive_ || !other.alive_ || !sheet() || !other.sheet()) return false;
    // The same boxes the sheets will test: no overlap here means none there.
    platform::Rect common;
    if (!platform::intersectRect(common, hitBox(), other.hitBox())) return false;
    syncSprite();
    other.syncSprite();
    return sheet()->overlapCentre(*other.sheet(), at);
}

bool Actor::offScreen() const {
    return x_ + width() < 1 || x_ >= kScreenWidth || y_ + height() < 1 || y_ >= kScreenHeight;
}

void Actor::drawSyncedFrame(bool flash) {
    SpriteSheet& drawn = *sheet();
    const bool turned = angle_ != 0 && angle_ != 360;
    if (flash) {
        if (turned) {
            drawn.drawRotatedFlash(platform::kKeyBlue, angle_);
        } else {
            drawn.drawFlash(platform::kKeyBlue);
        }
    } else if (turned) {
        drawn.drawRotated(platform::kKeyBlue, angle_);
    } else {
        drawn.drawKeyed(platform::kKeyBlue);
    }
}

bool Actor::draw() {
    if (!alive_ || !sheet()) return false;
    if (offScreen()) return true;
    syncSprite();
    drawSyncedFrame(false);
    return true;
}

}  // namespace cindervane
