// GASHIINGALPHA (type 10): a gunship with a barrel on every edge. It stops, fires a cross of
// four shots (or an X), then dashes along the line to where the ship was.
#pragma once

#include "enemies/kinds/dasher.h"

namespace cindervane {

class GashiingAlpha : public Dasher {
  public:
    static constexpr std::int32_t kType = 10;

    explicit GashiingAlpha(RandomGenerator& random);

  protected:
    // On the screen with a target: at 20 it stops and fires its four straight guns (up,
    // right, down, left) for pattern 0 or its four diagonal ones for pattern 1; at 25 it
    // records the line to the ship and doubles its speeds; from 30 it dashes along it,
    // keeping its drawing angle.
    void script() override;
};

}  // namespace cindervane
