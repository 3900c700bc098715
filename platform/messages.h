// Window messages: the numbers of the pocket computer's window system, so the shell's
// routing table reads the same on every back end.
#pragma once

#include <cstdint>

namespace cindervane::platform {

enum MessageId : std::uint32_t {
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_ACTIVATE = 0x0006,
    WM_KILLFOCUS = 0x0008,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    // Sent from outside the program: suspend frames and show the shell's bars.
    WM_SUSPEND_REQUEST = 0x03FF,
};

struct Message {
    std::uint32_t id = 0;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
};

// Stylus messages carry x in the low and y in the high 16 bits of lParam.
constexpr std::int64_t makePointParam(int x, int y) {
    return static_cast<std::int64_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                     static_cast<std::uint32_t>(x & 0xFFFF));
}
constexpr int pointParamX(std::int64_t lParam) {
    return static_cast<int>(lParam & 0xFFFF);
}
constexpr int pointParamY(std::int64_t lParam) {
    return static_cast<int>((lParam >> 16) & 0xFFFF);
}

}  // namespace cindervane::platform
