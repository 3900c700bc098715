// SCROOPBURU (type 36), the dasher: an unarmed drone that turns to face the ship, stops,
// takes aim and then rams along the line to where the ship was.
#pragma once

#include "enemies/kinds/dasher.h"

namespace cindervane {

class ScroopBuru : public Dasher {
  public:
    static constexpr std::int32_t kType = 36;

    explicit ScroopBuru(RandomGenerator& random);

  protected:
    // The dashers' script (for SCROOPKING too): while steering, from y -10 down, it faces
    // the ship every frame. On the screen with a target: at 20 it stops; at 30 it records
    // the line to the ship and doubles its speeds, and stops steering; from 35 it dashes
    // along the line. At each of those frames it is drawn at the aim it took.
    void script() override;
    bool scriptRuns() const override { return true; }

    ScroopBuru(std::int32_t type, RandomGenerator& random);
};

}  // namespace cindervane
