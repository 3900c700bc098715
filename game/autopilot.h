// The autopilot: a bot that plays the game for tests, demonstrations and the balance report.
// Once a frame, before the frame runs, it looks at the game state and answers through the
// same stylus and button input a player's hand reaches: it taps through the screens, shops
// and flies the ship. Its only chance is its own generator, seeded by its settings, so the
// same game seed and autopilot settings give the same game every time.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "game/autopilot_hand.h"
#include "game/autopilot_settings.h"
#include "game/autopilot_view.h"
#include "gamelibrary/random_generator.h"
#include "platform/draw/geometry.h"
#include "play/player_ship.h"
#include "stage/game_state.h"

namespace cindervane {

struct KeyboardKey;
struct TapArea;

class Autopilot {
  public:
    // Its decisions go through the hand given, the device's stylus and buttons by default.
    explicit Autopilot(AutopilotSettings settings = {},
                       std::unique_ptr<AutopilotHand> hand = nullptr);

    // One frame's worth of input for the screen now shown: new game on the main menu, the
    // stage intro and ending tapped through, continue after a cleared stage, upgrades bought
    // and then done in the shop, give up on game over, the nick "BOT"; during play, the ship
    // steered away from shots, bodies and the columns of guns about to fire, and under
    // enemies, auto fire kept on, the evade roll and the hyper beam used when they help.
    void act(GameState& state);
    // Whether act belongs right after the frame rather than before it (see AutopilotHand).
    bool actsAfterFrame() const { return hand_->actsAfterFrame(); }

    // Something that can hurt the ship: an enemy shot or body, its hit box, its velocity in
    // pixels a frame, and what it would cost.
    struct Threat {
        platform::Rect box;
        std::int32_t vx;
        std::int32_t vy;
        std::int32_t cost;
        bool certain;          // a shot or body already there, or a volley it has seen coming
        platform::Rect swept;  // everywhere it can be within the look-ahead
        int from;              // the first frame it is there: a shot not yet fired comes later
        bool body;             // an enemy's body: only a roll gets the ship through it
        int spread;  // pixels it may stray each way every four frames (bodies turn and swerve)
    };
    // The first heavy hit a plan runs into (an eighth of the full hit points or more):
    // its frame (0 when none comes), whether it would end the ship, and whether it is a
    // body rather than a shot.
    struct Hit {
        int earliest = 0;
        bool lethal = false;
        bool body = false;
    };
    static constexpr int kMaxThreats = 2048;

    // Where it wants the ship's corner: x anywhere from left to right, and the row y.
    struct Goal {
        int left;
        int right;
        int y;
    };

    // What the skill changes: frames between its looks at the field (its reaction), how far
    // ahead it looks, how tightly it keeps under its target, and the habits of a practised
    // hand (timing the guns it has watched, rolling, holding the beam for a target).
    struct Skill {
        int replan;        // frames between new plans, at least 1
        int replanJitter;  // up to this many frames more, by its own generator
        int lookAhead;     // frames, at most kMaxLookAhead
        int aimShare;      // the eighths of an enemy's width on each side it leaves out
        bool watchesGuns;
        bool rolls;
        bool aimsBeam;
        bool readsWindUps;  // it leaves the columns of guns it sees winding up
        int bodySpread;     // pixels it allows a body to stray each way every four frames
    };
    static constexpr int kMaxLookAhead = 16;
    static Skill skillOf(AutopilotSkill skill);

  private:
    // A gun of a fast shot it keeps an eye on: when it fired last, and how many frames
    // passed between its last two volleys.
    struct WatchedGun {
        const Craft* owner = nullptr;
        int gun = 0;
        std::uint32_t aliveSlots = 0;
        std::int32_t seenAt = 0;
        std::int32_t firedAt = -1;
        std::int32_t period = 0;
    };
    static constexpr int kMaxWatchedGuns = 128;
    // Where a body was last frame, so its path is judged by how it really moves.
    struct SeenBody {
        const Craft* body = nullptr;
        std::int32_t x = 0;
        std::int32_t y = 0;
        std::int32_t seenAt = 0;
        platform::Point velocity{};  // as judged when it was last seen
        platform::Point turn{};      // how that velocity changed from the frame before
    };
    static constexpr int kMaxSeenBodies = 128;
    // The way a boss dashed in each of its phases (by pattern): 0 not yet seen, else the
    // sideways direction + 2.
    static constexpr int kChargeWayCount = 8;
    std::array<int, kChargeWayCount> chargeWays_{};

    void tapAt(GameState& state, int x, int y);
    void tapArea(GameState& state, const TapArea& area);
    void tapKey(GameState& state, const KeyboardKey& key);
    void press(GameState& state, KeyIndex key);
    void tapThroughScreen(GameState& state);
    void shop(GameState& state);
    void fly(GameState& state);
    void enterNick(GameState& state);
    // Under the enemy it means to shoot (the nearest, and of those the lowest), or on an item
    // box low on the screen; a little above the panel.
    Goal chooseGoal(const GameState& state, const PlayerShip& ship) const;
    // Every shot and body that can reach the ship within the look-ahead, and the lines the
    // enemies' fast guns will fire along.
    void gatherThreats(const GameState& state, const PlayerShip& ship);
    void addThreat(const platform::Rect& box, int vx, int vy, std::int32_t cost,
                   bool certain = true, int from = 0, bool body = false, int spread = 0);
    void addShot(const Projectile& shot, const PlayerShip& ship, std::int32_t cost);
    void addBody(const Enemy& enemy, std::int32_t fullHp);
    void addGunLines(const Enemy& enemy);
    // The beams and lasers a boss's guns show winding up: each shot where its muzzle will be
    // when it fires, from that frame on.
    void addWindUps(const Enemy& boss);
    WatchedGun* watch(const Craft& owner, int gun);
    // How far the body moved since the last frame, as it is remembered; its own speed and
    // direction for a body not seen before.
    // How it changed since the frame before goes into turn, when asked for.
    platform::Point bodyVelocity(const Enemy& body, platform::Point* turn = nullptr);
    // The cost of a plan: heading (dx, dy) at the ship's speed for `hold` frames, then
    // standing; hit is the first certain heavy hit on the way.
    std::int64_t planCost(const PlayerShip& ship, int dx, int dy, int hold, const Goal& goal,
                          Hit& hit) const;
    // The cheapest of the ways it can fly, kept as the plan until its next look.
    void choosePlan(const PlayerShip& ship, const Goal& goal);
    void steer(GameState& state, const PlayerShip& ship);
    void useButtons(GameState& state);
    // A body within range pixels of the ship, near enough to meet it while it is slow, whose
    // hit points times share are hp or more.
    bool heavyBodyNear(const GameState& state, const PlayerShip& ship, int range,
                       std::int32_t share, std::int32_t hp) const;

    AutopilotSettings settings_;
    Skill skill_;
    // The autopilot's own chance; the game's generator is never drawn from.
    RandomGenerator random_;
    std::unique_ptr<AutopilotHand> hand_;
    // The side it leans to when two ways cost the same: -1 left, +1 right.
    int side_ = 1;
    GameScreen lastScreen_ = GameScreen::Logo;
    std::int32_t framesOnScreen_ = 0;
    std::int32_t frame_ = 0;
    // The stylus is held down on the play screen, steering the ship.
    bool stylusHeld_ = false;
    // The plan it flies until its next look: heading and the frame of its first hit.
    int planDx_ = 0;
    int planDy_ = 0;
    Hit planHit_;
    // A boss is on the field: the roll is kept for the hits that would end the ship (as it
    // is away from bosses while the ship has half its hit points or more).
    bool bossNear_ = false;
    int nextPlan_ = 0;
    // Frames the roll under way still keeps the ship from harm (0 when it is not rolling).
    int rollLeft_ = 0;
    // The ship's speed this frame, pixels a frame: a third of its top speed while the
    // charge bar is full or the beam is out.
    int shipSpeed_ = kShipSpeed;
    // A boss of this stage has been seen dashing: the charge is not built up near it, as a
    // full charge bar and the beam slow the ship, and the beam does not stop a ram.
    bool bossDashes_ = false;
    // Frames this stage's boss has been on the screen.
    std::int32_t bossWatched_ = 0;
    // Frames the charge bar has been full without the beam being let go.
    std::int32_t chargeHeld_ = 0;
    // The frame it last saw a body that a ram would end the ship on, near enough to come at it
    // while the beam is out: they come in waves, so no charge is begun for a while after.
    std::int32_t lethalBodySeenAt_ = -1;
    // Frames since the stage's boss fell.
    std::int32_t clearedFrames_ = 0;
    // This frame's threats; made once with the autopilot, so a frame allocates nothing.
    std::array<Threat, kMaxThreats> threats_{};
    int threatCount_ = 0;
    std::array<WatchedGun, kMaxWatchedGuns> watched_{};
    std::array<SeenBody, kMaxSeenBodies> seenBodies_{};
    // The box the ship can reach within the look-ahead.
    platform::Rect reach_{};
};

}  // namespace cindervane
