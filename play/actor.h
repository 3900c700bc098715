// The actor: everything shown on the play field. A small record with a position, a
// direction and speed, an animation state, a drawing angle and the shared sprite sheet that
// draws it.
#pragma once

#include <cstdint>

#include "core/sheet_catalogue.h"
#include "gamelibrary/state_hasher.h"
#include "platform/draw/geometry.h"

namespace cindervane {

// The play field is the whole 240 x 320 screen.
constexpr std::int32_t kScreenWidth = 240;
constexpr std::int32_t kScreenHeight = 320;

class Actor {
  public:
    Actor() = default;
    // Drops the sprite reference only: the sheets belong to the game.
    virtual ~Actor() = default;
    Actor(const Actor&) = delete;
    Actor& operator=(const Actor&) = delete;

    // Draws the current frame at the actor's position onto its sheet's target, upright or
    // turned by the drawing angle, leaving out the key colour. False when the actor is dead
    // or has no sprite; an actor lying wholly off the screen draws nothing and answers true.
    virtual bool draw();

    void setX(std::int32_t x) { x_ = x; }
    void setY(std::int32_t y) { y_ = y; }
    void setDirX(std::int32_t dirX) { dirX_ = dirX; }
    void setDirY(std::int32_t dirY) { dirY_ = dirY; }
    void setKind(std::int32_t kind) { kind_ = kind; }
    void setFrameDelay(std::int32_t delay) { frameDelay_ = delay; }
    void setAlive(bool alive) { alive_ = alive; }
    // Speeds are held at their cap when one is set (a cap of 0 means none).
    void setSpeedX(std::int32_t speed);
    void setSpeedY(std::int32_t speed);
    void setSpeedCapX(std::int32_t cap) { speedCapX_ = cap; }
    void setSpeedCapY(std::int32_t cap) { speedCapY_ = cap; }
    void setAge(std::int32_t age) { age_ = age; }
    void setPattern(std::int32_t pattern) { pattern_ = pattern; }
    void setOrbitX(std::int32_t x) { orbitX_ = x; }
    void setOrbitY(std::int32_t y) { orbitY_ = y; }
    void setOrbitAngle(std::int32_t angle) { orbitAngle_ = angle; }
    // A frame outside the sheet's frames becomes 0.
    void setFrame(std::int32_t frame);
    // Keeps the angle in 1..360 with one correction: above 360 loses 360, below 0 gains
    // 360, and 0 is kept as 360 (721 becomes 361, -360 becomes 0).
    void setAngle(std::int32_t angle);

    std::int32_t getX() const { return x_; }
    std::int32_t getY() const { return y_; }
    std::int32_t getDirX() const { return dirX_; }
    std::int32_t getDirY() const { return dirY_; }
    std::int32_t getSpeedX() const { return speedX_; }
    std::int32_t getSpeedY() const { return speedY_; }
    std::int32_t getSpeedCapX() const { return speedCapX_; }
    std::int32_t getSpeedCapY() const { return speedCapY_; }
    std::int32_t getOrbitX() const { return orbitX_; }
    std::int32_t getOrbitY() const { return orbitY_; }
    std::int32_t getOrbitAngle() const { return orbitAngle_; }
    bool isAlive() const { return alive_; }
    std::int32_t getKind() const { return kind_; }
    std::int32_t getFrame() const { return frame_; }
    std::int32_t getFrameDelay() const { return frameDelay_; }
    std::int32_t getAge() const { return age_; }
    std::int32_t getPattern() const { return pattern_; }
    std::int32_t getAngle() const { return angle_; }

    // Frame size and frame count of the sheet; 0 without a sprite.
    std::int32_t width() const;
    std::int32_t height() const;
    std::int32_t frameCount() const;

    // The next frame, back to 0 after the last one.
    void nextFrame();
    // The frame before, round to the last one from 0.
    void prevFrame();
    // Counts the animation ticks round frameDelay; 0 means the frame advances now.
    std::int32_t tickAnimation();
    // Looping animation: the frame advances on every frameDelay-th call.
    void animate();
    // Plays the frames once: the actor goes dead, back at frame 0, after its last frame has
    // been shown frameDelay times. Nothing happens to a dead actor.
    void playOnce();
    // One motion step: speed times direction on each axis.
    void moveStep();

    // Copies position, frame and alive flag into the shared sheet before a draw or a hit
    // test; false, copying nothing, when the actor is dead or has no sprite.
    bool syncSprite();
    // Looks the actor's kind up in the catalogue and keeps the entry found, or none; true
    // when found.
    bool resolveSprite(const SheetCatalogue& catalogue);
    SpriteSheet* sheet() const { return sprite_ ? sprite_->sheet : nullptr; }

    // Centres this actor on another one: (other's size - own size) / 2 from its corner.
    void centreOn(const Actor& other);
    // Whether the two actors collide: both alive, both synced and the middle halves of their
    // frames overlap; at is then the centre of the overlap. Actors that cannot meet are
    // turned away before anything is synced.
    bool hits(Actor& other, platform::Point& at);
    // The middle half of the frame in each direction, the part a hit test counts: a quarter
    // of the width and height off every side (an arithmetic shift, as the sheets take it).
    platform::Rect hitBox() const;

    // Folds the fields play depends on into the hasher: position, motion, orbit, the
    // animation's frame and tick, age, pattern, angle and which picture (by its catalogue id,
    // -1 for none), then hashOwnState.
    void hashState(StateHasher& hasher) const;
    // What a class adds of its own that play depends on; a class whose base adds something
    // calls the base first. Purely drawn effects stay out.
    virtual void hashOwnState(StateHasher&) const {}

  protected:
    // Draws the synced frame: flashing (a white silhouette) or plain, turned when the angle
    // is neither 0 nor 360.
    void drawSyncedFrame(bool flash);
    // True when the frame lies wholly outside the screen.
    bool offScreen() const;

    // Plain writes that skip the public setters' rules, for the behaviours that set a speed
    // past its cap, a frame the sheet may not have yet or an angle kept as computed.
    void setSpeedXUncapped(std::int32_t speed) { speedX_ = speed; }
    void setSpeedYUncapped(std::int32_t speed) { speedY_ = speed; }
    void setFrameUnchecked(std::int32_t frame) { frame_ = frame; }
    void setAngleUnchecked(std::int32_t angle) { angle_ = angle; }

  private:
    // Every class built on the actor reaches these through the accessors above.
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
    std::int32_t dirX_ = 0;
    std::int32_t dirY_ = 0;
    std::int32_t speedX_ = 0;
    std::int32_t speedY_ = 0;
    std::int32_t speedCapX_ = 0;
    std::int32_t speedCapY_ = 0;
    std::int32_t orbitX_ = 0;
    std::int32_t orbitY_ = 0;
    std::int32_t orbitAngle_ = 0;
    bool alive_ = false;
    std::int32_t kind_ = 0;
    std::int32_t frame_ = 0;
    std::int32_t frameDelay_ = 1;
    std::int32_t age_ = 0;
    std::int32_t pattern_ = 0;
    std::int32_t angle_ = 360;

    // Only the actor's own animation and sprite operations touch these.
    std::int32_t frameTick_ = 0;
    SheetEntry* sprite_ = nullptr;
};

}  // namespace cindervane
