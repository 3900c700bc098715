// Rectangles and points in screen pixels, and the rectangle intersection the overlap tests
// use. A rectangle covers left..right - 1 and top..bottom - 1, as the drawing calls fill it.
#pragma once

#include <algorithm>
#include <cstdint>

namespace cindervane::platform {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
    // No pixel inside: right not past left or bottom not past top.
    constexpr bool empty() const { return right <= left || bottom <= top; }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The part both rectangles cover. When it is empty (or either rectangle is), out becomes
// the empty rectangle 0, 0, 0, 0 and the answer is false.
constexpr bool intersectRect(Rect& out, const Rect& a, const Rect& b) {
    const Rect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
    if (a.empty() || b.empty() || common.empty()) {
        out = Rect{};
        return false;
    }
    out = common;
    return true;
}

}  // namespace cindervane::platform
