// The dash.
#include "enemies/kinds/dasher.h"

#include <cstdlib>

#include "enemies/motion.h"

namespace cindervane {
namespace {

constexpr std::int32_t sign(std::int32_t value) {
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}

}  // namespace

void Dasher::lockOn() {
    if (!getTarget()) return;
    lockedTargetX_ = centreX(*getTarget());
    lockedTargetY_ = centreY(*getTarget());
    lockedOwnX_ = centreX(*this);
    lockedOwnY_ = centreY(*this);
    remainder_ = 0.0;
    setSpeedY(getSpeedY() * 2);
    setSpeedX(getSpeedX() * 2);
}

void Dasher::dashStep() {
    const std::int32_t dx = lockedTargetX_ - lockedOwnX_;
    const std::int32_t dy = lockedTargetY_ - lockedOwnY_;
    if (dx == 0 && dy != 0) {
        head(0, sign(dy));
    } else if (dy == 0 && dx != 0) {
        head(sign(dx), 0);
    } else if (std::abs(dx) == std::abs(dy)) {
        head(sign(dx), sign(dy));
    } else if (std::abs(dy) > std::abs(dx)) {
        setDirY(sign(dy));
        remainder_ += static_cast<double>(dx) / dy * getSpeedY();
        const auto whole = static_cast<std::int32_t>(remainder_);
        if (std::abs(whole) >= 1) {
            setX(getX() + (lockedTargetX_ > lockedOwnX_ ? std::abs(whole) : -std::abs(whole)));
            remainder_ -= whole;
        }
    } else {
        setDirX(sign(dx));
        remainder_ += static_cast<double>(dy) / dx * getSpeedX();
        const auto whole = static_cast<std::int32_t>(remainder_);
        if (std::abs(whole) >= 1) {
            setY(getY() + (lockedTargetY_ > lockedOwnY_ ? std::abs(whole) : -std::abs(whole)));
            remainder_ -= whole;
        }
    }
}

}  // namespace cindervane
