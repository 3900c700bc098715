// Hyper beam segments.
#include "play/beam_segment.h"

namespace cindervane {

BeamSegment::BeamSegment(std::int32_t kind) {
    setKind(kind);
    diesOnHit_ = false;
    setFrameDelay(1);
}

void BeamSegment::move() {
    if (isAlive()) animate();
}

}  // namespace cindervane
