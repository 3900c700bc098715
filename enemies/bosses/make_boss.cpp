// The bosses by their type number.
#include "enemies/bosses/make_boss.h"

#include "enemies/bosses/poseidon.h"

namespace cindervane {

std::unique_ptr<Enemy> makeBoss(int type, RandomGenerator& random) {
    switch (type) {
        case Poseidon::kType:
            return std::make_unique<Poseidon>(random);
        default:
            return nullptr;
    }
}

}  // namespace cindervane
