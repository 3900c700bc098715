// The hit spark.
#include "play/hit_spark.h"

namespace cindervane {

HitSpark::HitSpark() {
    kind_ = kKind;
    frameDelay_ = 1;
}

}  // namespace cindervane
