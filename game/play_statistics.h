// Statistics of one game for the balance report: per stage, whether it was cleared, how long
// it and its boss fight took, the damage the ship took and from which enemies and guns, how
// often each boss gun fired, refills, coins and score. It watches from beside the game state:
// the play frame tells it of hits, and it looks at the state after each frame; the game never
// reads anything it keeps.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "play/play_observer.h"
#include "stage/game_state.h"

namespace cindervane {

class PlayStatistics : public PlayObserver {
  public:
    // A gun of an enemy kind: its hits on the ship, the hit points they cost, and (for the
    // guns of bosses) the volleys it fired and how many of them hit. A volley is a frame
    // after which the gun has a shot in the air that it had not before (a shot that hits in
    // the very frame it leaves the gun is not seen as one). A hit belongs to the gun's latest
    // volley, so a beam that burns for several frames, or a spread that lands twice, counts
    // that volley once.
    struct GunRecord {
        std::int64_t hits = 0;
        std::int64_t damage = 0;
        std::int64_t volleys = 0;
        std::int64_t volleysHit = 0;
        std::int64_t lastVolleyHit = 0;  // the volley (counted from 1) that hit last
    };
    // One try at a stage, from the start of its play to its clear or the ship's loss.
    struct StageRecord {
        int stage = 0;
        bool cleared = false;
        std::int32_t frames = 0;
        std::int32_t bossArrivedAt = -1;  // frames into the stage; -1 before the boss arrives
        std::int32_t bossFrames = 0;
        std::int64_t damage = 0;
        std::map<std::string, std::int64_t> damageByKind;
        std::map<std::string, GunRecord> guns;
        std::int32_t refills = 0;
        std::int64_t coinsEarned = 0;
        std::int64_t coinsSpent = 0;  // in the shop after the stage
        std::int32_t score = 0;
        std::int64_t lostAtFrame = -1;  // the run's frame in which the ship was lost
    };

    void shipHit(const Enemy& enemy, int part, int gun, std::int32_t hpLost) override;
    // Before a frame runs, after the player's (or autopilot's) input.
    void beforeFrame(const GameState& state);
    // After a frame has run.
    void afterFrame(const GameState& state);

    // The game ended: lost on a game over, or won when the last stage's ending was left.
    bool gameEnded() const { return ended_; }
    // The game has ended and its last screen (the high score table or the main menu) shows.
    bool done() const { return done_; }
    nlohmann::json report(const GameState& state) const;

  private:
    StageRecord* current() { return stages_.empty() ? nullptr : &stages_.back(); }
    void watchBossGuns(const Enemy& boss);
    void countVolleys(const Craft& craft, int kind, int part);
    void countVolleysHit(StageRecord& record);

    std::vector<StageRecord> stages_;
    GameScreen lastScreen_ = GameScreen::Logo;
    std::int64_t framesRun_ = 0;
    bool inPlay_ = false;
    bool finished_ = false;
    bool ended_ = false;
    bool done_ = false;
    bool sawGame_ = false;
    std::int32_t lastMoney_ = 0;
    std::int32_t totalRefills_ = 0;
    // The living slots of each boss gun last frame: the boss itself and up to four parts.
    std::array<std::array<std::uint32_t, Craft::kMaxGuns>, 5> bossSlots_{};
    const Enemy* boss_ = nullptr;
    // The guns that hit the ship in this frame, counted against their volleys after it.
    std::vector<std::string> hitThisFrame_;
};

// The key under which the report lists an enemy kind's gun: "kind/gun", or "kind/part/gun"
// for a gun of a part; ramming is gun "body".
std::string gunKey(int kind, int part, int gun);

}  // namespace cindervane
