// WHITECROSS (type 41): a heavily armoured cross that weaves down through the screen in one
// full swing, firing ahead all the time, outwards on the side it swings towards, and aimed
// shots.
#pragma once

#include "enemies/kinds/sine_weaver.h"

namespace cindervane {

class Whitecross : public SineWeaver {
  public:
    static constexpr std::int32_t kType = 41;

    explicit Whitecross(RandomGenerator& random);

  protected:
    // Every frame from its first: a step of the weave (from weave angle 0, so it starts in
    // the middle, factor 120, upright, never turning back); on the screen it calls its two
    // forward guns and its two aimed guns, and the slanting gun on the side it is swinging
    // towards (their intervals pace them all).
    void script() override;
    bool scriptRuns() const override { return true; }
    // Leaves below or beside the screen.
    bool leavesNow() const override { return belowOrBesideScreen(); }
};

}  // namespace cindervane
