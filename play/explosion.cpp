// The explosion.
#include "play/explosion.h"

namespace cindervane {

Explosion::Explosion() {
    kind_ = kKind;
    frameDelay_ = 1;
}

}  // namespace cindervane
