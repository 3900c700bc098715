// WRIDER (type 45): a heavy rider that weaves slowly across the screen like the zaphong,
// working through a fan of shots, missiles and aimed shots as it comes in.
#pragma once

#include "enemies/kinds/sine_weaver.h"

namespace cindervane {

class Wrider : public SineWeaver {
  public:
    static constexpr std::int32_t kType = 45;

    explicit Wrider(RandomGenerator& random);

  protected:
    // Every frame from its first, the ZAPHONG weave of its pattern (0 to 3; 4 and 5 fly as 0
    // and 1 but never turn back). Single guns fire by age: the fan's middle, left and right
    // at 10, 15 and 20 and the whole fan again at 55; the missiles at 30 and 31 and again at
    // 120; the aimed pair at 35, 40 and 45.
    void script() override;
    bool scriptRuns() const override { return true; }
    // After its first 50 frames: once beyond the screen edge it is flying towards.
    bool leavesNow() const override;

  private:
    bool fromBelow() const { return getPattern() == 2 || getPattern() == 3; }
};

}  // namespace cindervane
