// Sprites: a surface with a screen position, drawn at that position, and the overlap tests
// the collisions use.
#pragma once

#include <cstdint>

#include "gamelibrary/surface.h"
#include "platform/draw/geometry.h"

namespace cindervane {

class Sprite : public Surface {
  public:
    // As a surface, at 0, 0 and not visible.
    explicit Sprite(platform::DeviceContext* targetDC);

    // Draws at the sprite's position leaving out the key colour (the surface's keyed draw).
    virtual bool drawKeyed(platform::ColourRef keyColour);
    // Opaque copy at the sprite's position to the given context.
    virtual bool drawOn(platform::DeviceContext& dc);
    // Opaque copy at the sprite's position to the target.
    virtual bool draw();
    // Stretched into the width x height box at the sprite's position.
    virtual bool drawStretched(int width, int height);
    // True when the middle halves of the two sprites' boxes overlap (each box shrunk by a
    // quarter of its width and height on every side); out then holds the common part.
    // Otherwise false and out is left alone.
    virtual bool overlaps(Sprite& other, platform::Rect& out);
    // The centre of the overlap, halves rounded toward zero; false, with out left alone,
    // when the sprites do not overlap.
    virtual bool overlapCentre(Sprite& other, platform::Point& out);

    std::int32_t x() const { return x_; }
    std::int32_t y() const { return y_; }
    void setPosition(std::int32_t x, std::int32_t y) {
        x_ = x;
        y_ = y;
    }
    // Copied from the play object before drawing; the framework itself does not read it.
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

  private:
    // The box the overlap test uses: a quarter off every side. The quarter is an arithmetic
    // shift of the signed size, so it rounds toward minus infinity.
    platform::Rect hitBox() const;

    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
    bool visible_ = false;
    // Scratch of the overlap test.
    platform::Rect overlap_;
    platform::Rect ownBox_;
    platform::Rect otherBox_;
};

}  // namespace cindervane
