// Item boxes: the one box an item carrier releases when it is destroyed. It bounces round
// the screen until the ship takes it or its time runs out, and gives the ship one upgrade
// or its full hit points.
#pragma once

#include <cstdint>

#include "play/actor.h"

namespace cindervane {

class ItemBox : public Actor {
  public:
    // Its picture in the box catalogue.
    static constexpr std::int32_t kKind = 10;
    // Frames a released box lives.
    static constexpr std::int32_t kLifetime = 1000;

    // Dead at (0, 0), moving down and right at 3 pixels a frame, holding no item yet.
    ItemBox();

    // One frame of a released box: the motion step, a bounce off each screen edge it has
    // reached, the animation, and dead after its 1000th frame. Nothing happens to a dead box.
    void updateBox();

    // What the box gives: 0 to 8 (hit points, missile, machine gun, pulse, armour, charge
    // rate, laser, hyper beam, recharge rate).
    std::int32_t getItemKind() const { return itemKind_; }
    void setItemKind(std::int32_t kind) { itemKind_ = kind; }

  private:
    std::int32_t itemKind_ = 10;
};

}  // namespace cindervane
