// A lost display.
#include "platform/lost_display.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <csetjmp>

// Last: Xlib's macros (None, Status, ...) must not meet the game's own names.
#if CINDERVANE_HAS_X11
#include <X11/Xlib.h>
#endif

namespace cindervane::platform {

#if CINDERVANE_HAS_X11
namespace {

// Where Xlib's handler for a lost connection returns to: set only around the few SDL calls
// that talk to the X server on the game thread. Xlib's own handler would end the process
// there and then; this one lets the message loop close the game the normal way. It is the
// platform's one piece of process-wide state, as Xlib's handler receives nothing else.
thread_local std::jmp_buf* displayLostTarget = nullptr;

int onDisplayLost(Display*) {
    if (displayLostTarget) std::longjmp(*displayLostTarget, 1);
    return 0;  // outside the guarded calls: Xlib ends the process as before
}

}  // namespace
#endif

void watchForLostDisplay(SDL_Window* window) {
#if CINDERVANE_HAS_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
        XSetIOErrorHandler(onDisplayLost);
#else
    (void)window;
#endif
}

bool callGuarded(const std::function<void()>& call) {
#if CINDERVANE_HAS_X11
    std::jmp_buf target;
    if (setjmp(target) != 0) {
        displayLostTarget = nullptr;
        return false;
    }
    displayLostTarget = &target;
#endif
    call();
#if CINDERVANE_HAS_X11
    displayLostTarget = nullptr;
#endif
    return true;
}

}  // namespace cindervane::platform
