// The autopilot: a bot that plays the game for tests and demonstrations. Once a frame, before
// the frame is drawn, it looks at the game state and answers through the same stylus and
// button input a player's hand reaches: it taps through the screens and flies the ship.
// It uses no clock and no chance, so the same seed gives the same game every time.
#pragma once

#include <array>
#include <cstdint>

#include "game/game_state.h"
#include "platform/draw/geometry.h"
#include "play/player_ship.h"

namespace cindervane {

class Autopilot {
  public:
    // With refills, it also taps the hidden corner that refills the ship when its hit
    // points run low, as a player may.
    explicit Autopilot(bool refills) : refills_(refills) {}

    // One frame's worth of input for the screen now shown: new game on the main menu, the
    // stage intro and ending tapped through, continue after a cleared stage, done in the
    // shop, give up on game over, the nick "BOT"; during play, the ship steered away from
    // shots and bodies and under enemies, auto fire kept on, the evade roll and the hyper
    // beam used when they help.
    void act(GameState& state);

    // Something that can hurt the ship: an enemy shot or body, its hit box, its velocity in
    // pixels a frame, and what it would cost.
    struct Threat {
        platform::Rect box;
        std::int32_t vx;
        std::int32_t vy;
        std::int32_t cost;
        bool certain;  // a shot or body already there, not one a gun may fire
    };
    static constexpr int kMaxThreats = 2048;

    // Where it wants the ship's corner: x anywhere from left to right, and the row y.
    struct Goal {
        int left;
        int right;
        int y;
    };

  private:
    void tapThroughScreen(GameState& state);
    void fly(GameState& state);
    void enterNick(GameState& state);
    // Under the enemy it means to shoot (the nearest, and of those the lowest), or on an item
    // box low on the screen; a little above the panel.
    Goal chooseGoal(const GameState& state, const PlayerShip& ship) const;
    // Every shot and body that can reach the ship within the look-ahead, and the lines the
    // enemies' guns would fire along.
    void gatherThreats(const GameState& state, const PlayerShip& ship);
    void addThreat(const platform::Rect& box, int vx, int vy, std::int32_t cost,
                   bool certain = true);
    void addShot(const Projectile& shot, const PlayerShip& ship, std::int32_t cost);
    void addBody(const Enemy& enemy, std::int32_t fullHp);
    void addGunLines(const Enemy& enemy);
    // The cost of a plan: heading (dx, dy) at full speed for `hold` frames, then standing;
    // earliest is the frame of its first certain hit, or 0 when nothing certain hits.
    std::int64_t planCost(const PlayerShip& ship, int dx, int dy, int hold, const Goal& goal,
                          int& earliest) const;
    void useButtons(GameState& state, int earliest);

    bool refills_;
    GameScreen lastScreen_ = GameScreen::Logo;
    std::int32_t framesOnScreen_ = 0;
    // The stylus is held down on the play screen, steering the ship.
    bool stylusHeld_ = false;
    // Frames the charge bar has been full without the beam being let go.
    std::int32_t chargeHeld_ = 0;
    // Frames since the stage's boss fell.
    std::int32_t clearedFrames_ = 0;
    // This frame's threats; made once with the autopilot, so a frame allocates nothing.
    std::array<Threat, kMaxThreats> threats_{};
    int threatCount_ = 0;
    // The box the ship can reach within the look-ahead.
    platform::Rect reach_{};
};

}  // namespace cindervane
