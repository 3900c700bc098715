// SCROOPKING.
#include "enemies/kinds/scroop_king.h"

namespace cindervane {

ScroopKing::ScroopKing(RandomGenerator& random) : ScroopBuru(kType, random) {}

}  // namespace cindervane
