// The hit spark.
#include "play/hit_spark.h"

namespace cindervane {

HitSpark::HitSpark() {
    setKind(kKind);
    setFrameDelay(1);
}

}  // namespace cindervane
