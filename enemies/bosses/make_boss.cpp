// The bosses by their type number.
#include "enemies/bosses/make_boss.h"

#include "enemies/bosses/alpha_zero.h"
#include "enemies/bosses/deathbringer.h"
#include "enemies/bosses/poseidon.h"
#include "enemies/bosses/poseidon_v2.h"
#include "enemies/bosses/poseidon_v3.h"
#include "enemies/bosses/rauder.h"
#include "enemies/bosses/silver_hawk.h"
#include "enemies/bosses/winged_bear.h"

namespace cindervane {

std::unique_ptr<Enemy> makeBoss(int type, RandomGenerator& random) {
    switch (type) {
        case Poseidon::kType:
            return std::make_unique<Poseidon>(random);
        case Rauder::kType:
            return std::make_unique<Rauder>(random);
        case PoseidonV2::kType:
            return std::make_unique<PoseidonV2>(random);
        case SilverHawk::kType:
            return std::make_unique<SilverHawk>(random);
        case WingedBear::kType:
            return std::make_unique<WingedBear>(random);
        case PoseidonV3::kType:
            return std::make_unique<PoseidonV3>(random);
        case Deathbringer::kType:
            return std::make_unique<Deathbringer>(random);
        case AlphaZero::kType:
            return std::make_unique<AlphaZero>(random);
        default:
            return nullptr;
    }
}

}  // namespace cindervane
