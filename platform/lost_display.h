// A lost display: when the X server goes away, Xlib would end the process on the spot. The
// SDL back end instead asks Xlib to report it, runs each call that talks to the window system
// through a guard, and closes the game the normal way (its scores saved) once one fails.
#pragma once

#include <functional>

struct SDL_Window;

namespace cindervane::platform {

// From now on a lost connection to the window's display ends the guarded call that met it
// instead of the process (X11 only; elsewhere nothing changes).
void watchForLostDisplay(SDL_Window* window);

// Runs the call; false when the display was lost during it and the call was cut short. The
// call must hold nothing that needs destroying: only SDL and Xlib lie between it and the
// guard.
bool callGuarded(const std::function<void()>& call);

}  // namespace cindervane::platform
