// One frame of the screen machine.
#include "shell/frame_dispatch.h"

#include "platform/draw/blit.h"

namespace cindervane {

void runFrame(GameState& state, platform::Platform& platform) {
    if (!state.backDC) return;
    platform::DeviceContext& window = platform.windowContext();
    platform::bitBlt(window, 0, 0, platform.screenWidth(), platform.screenHeight(), *state.backDC,
                     0, 0);
}

}  // namespace cindervane
