// KRAPHY (type 13): an armoured weaver that swings down across the screen and back up,
// firing bolts at a steady pace.
#pragma once

#include "enemies/kinds/sine_weaver.h"

namespace cindervane {

class Kraphy : public SineWeaver {
  public:
    static constexpr std::int32_t kType = 13;

    explicit Kraphy(RandomGenerator& random);

  protected:
    // Every frame from its first it calls its gun (the interval paces it) and flies the
    // ZAPHONG weave of patterns 0 and 1: at age 1 leaning 45 (pattern 0) or -45 (pattern 1),
    // factor 120 or -120, turning upwards once the weave angle reaches 360.
    void script() override;
    bool scriptRuns() const override { return true; }
};

}  // namespace cindervane
