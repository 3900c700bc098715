// Hyper beam segments.
#include "play/beam_segment.h"

namespace cindervane {

BeamSegment::BeamSegment(std::int32_t kind) {
    kind_ = kind;
    diesOnHit_ = false;
    frameDelay_ = 1;
}

void BeamSegment::move() {
    if (alive_) animate();
}

}  // namespace cindervane
