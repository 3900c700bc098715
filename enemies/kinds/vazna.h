// VAZNA (type 40): a fast, richly rewarded raider that weaves down through the screen in one
// full swing, firing bolts as it goes.
#pragma once

#include "enemies/kinds/sine_weaver.h"

namespace cindervane {

class Vazna : public SineWeaver {
  public:
    static constexpr std::int32_t kType = 40;

    explicit Vazna(RandomGenerator& random);

  protected:
    // Every frame from its first: a step of the weave (from weave angle 45, factor 120 for
    // pattern 0 and -120 for pattern 1, upright, never turning back) and its gun called
    // while on the screen (its interval paces it).
    void script() override;
    bool scriptRuns() const override { return true; }
    // Leaves below or beside the screen.
    bool leavesNow() const override { return belowOrBesideScreen(); }
};

}  // namespace cindervane
