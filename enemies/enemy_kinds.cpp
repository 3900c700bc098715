// The registry of the ordinary enemy kinds.
#include "enemies/enemy_kinds.h"

#include "enemies/kinds/chopter.h"
#include "enemies/kinds/chopter_gattling.h"
#include "enemies/kinds/egmixer.h"
#include "enemies/kinds/gashiing.h"

namespace cindervane {
namespace {

template <typename Kind>
std::unique_ptr<Enemy> make(RandomGenerator& random) {
    return std::make_unique<Kind>(random);
}

}  // namespace

std::unique_ptr<Enemy> makeEnemyOfType(std::int32_t type, RandomGenerator& random) {
    switch (type) {
        case Chopter::kType:
            return make<Chopter>(random);
        case ChopterGattling::kType:
            return make<ChopterGattling>(random);
        case Egmixer::kType:
            return make<Egmixer>(random);
        case Gashiing::kType:
            return make<Gashiing>(random);
        default:
            return nullptr;
    }
}

}  // namespace cindervane
