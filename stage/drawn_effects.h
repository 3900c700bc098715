// What the play field shows beyond the game's own actors, for the eye alone: the staged fall
// of a boss (large blasts over a second and a half, flying debris and a short white flash),
// a larger blast where the ship is lost or a boss loses a part, and the glow that winds up at
// a boss's guns in the frames before its beams and lasers fire. It is fed only from what the
// drawing sees (an explosion on its first frame, the forecast a boss reads from its own
// counters), keeps its own counters and its own chance, and nothing the game decides, dumps,
// replays or hashes reads it.
#pragma once

#include <array>
#include <cstdint>

#include "platform/draw/bitmap.h"

namespace cindervane {

struct GameState;

class DrawnEffects {
  public:
    static constexpr int kMaxBlasts = 32;
    static constexpr int kMaxDebris = 48;
    // Frames of a boss's fall, of the white flash that opens it.
    static constexpr int kFallFrames = 45;
    static constexpr int kFlashFrames = 6;

    // Once a play frame, after the play field is drawn and before the head-up display: starts
    // the falls whose explosions begin this frame, draws every effect and every boss's wind-up
    // over the field, then moves the effects on by a frame. A new stage (the frame clock
    // starting again) clears what was left of the last one.
    void drawOver(GameState& state, platform::DeviceContext& target);

    // A boss, a boss's part or the ship destroyed in the box (left, top, width, height).
    void bossFalls(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    void partFalls(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    void shipFalls(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

    int liveBlasts() const;
    int liveDebris() const;
    int flashFramesLeft() const { return flash_; }
    void clear();

  private:
    struct Blast {
        std::int32_t x = 0, y = 0;  // centre
        std::int32_t size = 0;      // drawn size at its largest frame
        std::int32_t delay = 0;     // frames before it shows
        std::int32_t age = 0;
        bool live = false;
    };
    struct Debris {
        std::int32_t x = 0, y = 0;    // sixteenths of a pixel
        std::int32_t dx = 0, dy = 0;  // sixteenths of a pixel a frame
        std::int32_t delay = 0;
        std::int32_t age = 0;
        std::int32_t life = 0;
        std::int32_t shade = 0;
        bool live = false;
    };

    void noticeFalls(GameState& state);
    void addBlast(std::int32_t x, std::int32_t y, std::int32_t size, std::int32_t delay);
    void addDebris(std::int32_t x, std::int32_t y, int count, std::int32_t delay);
    void drawBlasts(GameState& state, platform::DeviceContext& target);
    void drawDebris(platform::DeviceContext& target);
    void drawFlash(platform::DeviceContext& target);
    void drawWindUps(GameState& state, platform::DeviceContext& target);
    void advance();
    // The effects' own chance, never the game's: a small xorshift.
    std::int32_t roll(std::int32_t below);

    std::array<Blast, kMaxBlasts> blasts_{};
    std::array<Debris, kMaxDebris> debris_{};
    std::int32_t flash_ = 0;
    std::uint32_t chance_ = 0x2545F491u;
    std::int32_t lastFrame_ = 0;
};

}  // namespace cindervane
