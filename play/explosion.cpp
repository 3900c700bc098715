// The explosion.
#include "play/explosion.h"

namespace cindervane {

Explosion::Explosion() {
    setKind(kKind);
    setFrameDelay(1);
}

}  // namespace cindervane
