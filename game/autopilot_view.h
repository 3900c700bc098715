// Small helpers the autopilot's files share: boxes, and what counts as on the screen.
#pragma once

#include "platform/draw/geometry.h"
#include "play/actor.h"

namespace cindervane {

// The ship's full speed in pixels a frame.
inline constexpr int kShipSpeed = 8;

inline bool overlaps(const platform::Rect& a, const platform::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

inline platform::Rect shifted(const platform::Rect& box, int dx, int dy) {
    return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

inline bool onScreen(const Actor& actor) {
    return actor.isAlive() && actor.sheet() && actor.getX() + actor.width() > 0 &&
           actor.getX() < kScreenWidth && actor.getY() + actor.height() > 0 &&
           actor.getY() < kScreenHeight;
}

}  // namespace cindervane
