// ZAPHONG (type 47), the sine weaver: it swings across the whole screen while it flies down
// (patterns 0 and 1) or up (2 and 3), firing a steady stream, and goes back out the way it
// came.
#pragma once

#include "enemies/kinds/sine_weaver.h"

namespace cindervane {

class Zaphong : public SineWeaver {
  public:
    static constexpr std::int32_t kType = 47;

    explicit Zaphong(RandomGenerator& random);

  protected:
    // Every frame, from its first: fire (the guns' intervals pace the shots); at age 1 the
    // weave starts leaning 45 (pattern 0), -45 (1), -135 (2) or 135 (3), downwards for 0 and
    // 1 and upwards for 2 and 3; each frame one step of the weave, factor 120 for 0 and 3 and
    // -120 for 1 and 2, leaning first one way for 0 and 2 and the other for 1 and 3. Once
    // the weave angle reaches 361 (pattern 0) or 360 (the others) it turns back: up for 0
    // and 1, down for 2 and 3.
    void script() override;
    bool scriptRuns() const override { return true; }
    // After its first 50 frames: patterns 0 and 1 go once above the screen, 2 and 3 once
    // below it. There is no side exit.
    bool leavesNow() const override;

  private:
    bool fromBelow() const { return getPattern() == 2 || getPattern() == 3; }
};

}  // namespace cindervane
