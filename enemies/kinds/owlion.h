// OWLION (type 22): a weaving fighter that swoops down across the screen and back up,
// firing an aimed shot on the way down and another on the way up.
#pragma once

#include "enemies/kinds/sine_weaver.h"

namespace cindervane {

class Owlion : public SineWeaver {
  public:
    static constexpr std::int32_t kType = 22;

    explicit Owlion(RandomGenerator& random);

  protected:
    // The ZAPHONG weave with patterns 0 and 1 only (leaning 45 or -45 at age 1, factor 120
    // or -120), fire at ages 30 and 120, and the turn upwards once the weave angle is above
    // 360 (pattern 0) or at 360 (pattern 1).
    void script() override;
    bool scriptRuns() const override { return true; }
    // Only above the screen, after its first 50 frames.
    bool leavesNow() const override { return getAge() > kGrace && getY() < -height(); }
};

}  // namespace cindervane
