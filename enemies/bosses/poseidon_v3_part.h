// A part of the stage 6 boss: one of its two wings, carried above the body on either side,
// or one of its two back sections, lying beneath the body and reaching up behind it. Each is
// destroyed separately, with its own hit points and guns, which the body fires in its volleys.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss_part.h"

namespace cindervane {

class PoseidonV3Part : public BossPart {
  public:
    enum class Piece { LeftWing, RightWing, LeftBack, RightBack };

    // The pictures of the parts in the part catalogue.
    static constexpr std::int32_t kLeftWingKind = 7;
    static constexpr std::int32_t kRightWingKind = 9;
    static constexpr std::int32_t kLeftBackKind = 4;
    static constexpr std::int32_t kRightBackKind = 5;
    static constexpr std::int32_t kWingHp = 300000;
    static constexpr std::int32_t kBackHp = 400000;
    static constexpr std::int32_t kWingWidth = 208;
    static constexpr std::int32_t kBackWidth = 151;

    // Alive, invulnerable until the body arrives, standing still (the body places it), a wing
    // drawn above the body and a back section beneath it, with its guns laid out for its side.
    explicit PoseidonV3Part(Piece piece);
};

}  // namespace cindervane
