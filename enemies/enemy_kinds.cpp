// The registry of the ordinary enemy kinds.
#include "enemies/enemy_kinds.h"

#include "enemies/kinds/arrowind.h"
#include "enemies/kinds/arrowind_laser.h"
#include "enemies/kinds/chopter.h"
#include "enemies/kinds/chopter_gattling.h"
#include "enemies/kinds/egmixer.h"
#include "enemies/kinds/flying_turret.h"
#include "enemies/kinds/gashiing.h"
#include "enemies/kinds/gashiing_alpha.h"
#include "enemies/kinds/gashiing_beta.h"
#include "enemies/kinds/gashiing_gamma.h"
#include "enemies/kinds/kraphy.h"
#include "enemies/kinds/kraphy_cannon.h"
#include "enemies/kinds/kraphy_leader.h"
#include "enemies/kinds/kraphy_missile.h"
#include "enemies/kinds/lightning8.h"
#include "enemies/kinds/lightning9.h"
#include "enemies/kinds/mantaray_v1.h"
#include "enemies/kinds/mantaray_v2.h"
#include "enemies/kinds/mantaray_v3.h"
#include "enemies/kinds/owlion.h"
#include "enemies/kinds/owlion_laser.h"
#include "enemies/kinds/owlion_leader.h"
#include "enemies/kinds/owlion_leader2.h"
#include "enemies/kinds/owlion_napalm.h"
#include "enemies/kinds/oyster.h"
#include "enemies/kinds/scroop.h"
#include "enemies/kinds/scroop_buru.h"
#include "enemies/kinds/scroop_king.h"
#include "enemies/kinds/steiner.h"
#include "enemies/kinds/vazna.h"
#include "enemies/kinds/whitecross.h"
#include "enemies/kinds/windchart.h"
#include "enemies/kinds/windchart_drill.h"
#include "enemies/kinds/wrider.h"
#include "enemies/kinds/yrider.h"
#include "enemies/kinds/zaphong.h"
#include "enemies/kinds/zaphong_laser.h"
#include "enemies/kinds/zaphong_leader.h"
#include "enemies/kinds/zaphong_missile.h"

namespace cindervane {
namespace {

template <typename Kind>
std::unique_ptr<Enemy> make(RandomGenerator& random) {
    return std::make_unique<Kind>(random);
}

}  // namespace

std::unique_ptr<Enemy> makeEnemyOfType(std::int32_t type, RandomGenerator& random) {
    switch (type) {
        case Arrowind::kType:
            return make<Arrowind>(random);
        case ArrowindLaser::kType:
            return make<ArrowindLaser>(random);
        case Chopter::kType:
            return make<Chopter>(random);
        case ChopterGattling::kType:
            return make<ChopterGattling>(random);
        case Egmixer::kType:
            return make<Egmixer>(random);
        case FlyingTurret::kType:
            return make<FlyingTurret>(random);
        case Gashiing::kType:
            return make<Gashiing>(random);
        case GashiingAlpha::kType:
            return make<GashiingAlpha>(random);
        case GashiingBeta::kType:
            return make<GashiingBeta>(random);
        case GashiingGamma::kType:
            return make<GashiingGamma>(random);
        case Kraphy::kType:
            return make<Kraphy>(random);
        case KraphyCannon::kType:
            return make<KraphyCannon>(random);
        case KraphyMissile::kType:
            return make<KraphyMissile>(random);
        case KraphyLeader::kType:
            return make<KraphyLeader>(random);
        case Lightning8::kType:
            return make<Lightning8>(random);
        case Lightning9::kType:
            return make<Lightning9>(random);
        case MantarayV1::kType:
            return make<MantarayV1>(random);
        case MantarayV2::kType:
            return make<MantarayV2>(random);
        case MantarayV3::kType:
            return make<MantarayV3>(random);
        case Owlion::kType:
            return make<Owlion>(random);
        case OwlionLaser::kType:
            return make<OwlionLaser>(random);
        case OwlionLeader::kType:
            return make<OwlionLeader>(random);
        case OwlionNapalm::kType:
            return make<OwlionNapalm>(random);
        case OwlionLeader2::kType:
            return make<OwlionLeader2>(random);
        case Oyster::kType:
            return make<Oyster>(random);
        case Scroop::kType:
            return make<Scroop>(random);
        case ScroopBuru::kType:
            return make<ScroopBuru>(random);
        case ScroopKing::kType:
            return make<ScroopKing>(random);
        case Steiner::kType:
            return make<Steiner>(random);
        case Vazna::kType:
            return make<Vazna>(random);
        case Whitecross::kType:
            return make<Whitecross>(random);
        case Windchart::kType:
            return make<Windchart>(random);
        case WindchartDrill::kType:
            return make<WindchartDrill>(random);
        case Wrider::kType:
            return make<Wrider>(random);
        case Yrider::kType:
            return make<Yrider>(random);
        case Zaphong::kType:
            return make<Zaphong>(random);
        case ZaphongLaser::kType:
            return make<ZaphongLaser>(random);
        case ZaphongMissile::kType:
            return make<ZaphongMissile>(random);
        case ZaphongLeader::kType:
            return make<ZaphongLeader>(random);
        default:
            return nullptr;
    }
}

}  // namespace cindervane
