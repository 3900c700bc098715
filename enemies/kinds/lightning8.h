// LIGHTNING8 (type 17): a light fighter that weaves down and back up like the owlion,
// firing a bolt at the start and near the end of its run, its wings held in one pose.
#pragma once

#include "enemies/kinds/sine_weaver.h"

namespace cindervane {

class Lightning8 : public SineWeaver {
  public:
    static constexpr std::int32_t kType = 17;

    explicit Lightning8(RandomGenerator& random);

  protected:
    // The OWLION weave (patterns 0 and 1), turning upwards once the weave angle reaches 360;
    // fire at ages 25 and 85; from age 10 its frame is held at 3 after every animation step.
    void script() override;
    bool scriptRuns() const override { return true; }
};

}  // namespace cindervane
