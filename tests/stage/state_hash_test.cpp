// The state hash: the same game gives the same hash, a change to play shows in the part it
// belongs to and only there, and what is only seen or heard leaves it alone.
#include "stage/state_hash.h"

#include <gtest/gtest.h>

#include <functional>

#include "../enemies/test_enemy.h"
#include "../play/play_field.h"
#include "play/projectile.h"
#include "stage/make_player_ship.h"

namespace cindervane {
namespace {

enum PartIndex { kGamePart, kShipPart, kEnemiesPart, kShotsPart, kItemsPart, kRandomPart };

// Two fields built alike: a ship, and a boss with a part, guns, coins and a box.
class StateHash : public ::testing::Test {
  protected:
    StateHash() {
        for (PlayField* field : {&first, &second}) {
            makePlayerShip(field->state, ShipVariant::REDPHOENIX, 1);
            auto boss = makeTestEnemy(
                field->state,
                {.kind = kPoseidon, .guns = 2, .coins = 3, .box = true, .boss = true});
            boss->addPart(makeTestEnemy(field->state, {.kind = kOmegaRear, .hp = 300}), 1);
            listEnemy(field->state, std::move(boss), 10, 20);
            listEnemy(field->state, makeTestEnemy(field->state, {.guns = 1}), 100, 50);
        }
    }

    // Which parts differ after the change is made to the second field only.
    std::vector<int> partsChangedBy(const std::function<void(GameState&)>& change) {
        const StateHashes before = hashGameState(second.state);
        change(second.state);
        const StateHashes after = hashGameState(second.state);
        std::vector<int> changed;
        for (std::size_t i = 0; i < after.parts.size(); ++i)
            if (after.parts[i] != before.parts[i]) changed.push_back(static_cast<int>(i));
        if (!changed.empty()) {
            EXPECT_NE(after.whole(), before.whole());
        } else {
            EXPECT_EQ(after.whole(), before.whole());
        }
        return changed;
    }

    static Enemy& enemy(GameState& state, int index) { return *listedEnemies(state)[index]; }

    PlayField first;
    PlayField second;
};

TEST_F(StateHash, AChangeToPlayShowsInItsOwnPartOnly) {
    using Parts = std::vector<int>;
    // Two games built alike hash alike, wherever their objects live.
    EXPECT_EQ(hashGameState(first.state).parts, hashGameState(second.state).parts);
    EXPECT_EQ(partsChangedBy([](GameState& s) { s.scores.score += 10; }), Parts{kGamePart});
    EXPECT_EQ(partsChangedBy(
                  [](GameState& s) { s.scores.highScores = std::make_unique<HighScoreTable>(); }),
              Parts{kGamePart});
    EXPECT_EQ(partsChangedBy([](GameState& s) { s.field.ship->setX(s.field.ship->getX() + 1); }),
              Parts{kShipPart});
    EXPECT_EQ(partsChangedBy([](GameState& s) {
                  for (int i = 0; i < 10 && !s.field.ship->gun(0)->fire(0, 0); ++i) {
                  }
              }),
              Parts{kShotsPart});  // a shot leaves the gun
    EXPECT_EQ(partsChangedBy([](GameState& s) { enemy(s, 0).part(0)->setHp(299); }),
              Parts{kEnemiesPart});
    EXPECT_EQ(partsChangedBy([](GameState& s) { enemy(s, 1).gun(0)->projectile(2)->setY(7); }),
              Parts{kShotsPart});
    EXPECT_EQ(partsChangedBy([](GameState& s) { enemy(s, 0).coin(1)->setAlive(true); }),
              Parts{kItemsPart});
    EXPECT_EQ(partsChangedBy([](GameState& s) { enemy(s, 0).box()->setY(3); }), Parts{kItemsPart});
    EXPECT_EQ(partsChangedBy([](GameState& s) { s.run.random.next(); }), Parts{kRandomPart});
}

TEST_F(StateHash, ATargetIsKnownByItsPlaceNotItsAddress) {
    Projectile* shot = second.state.field.ship->gun(0)->projectile(0);
    Projectile* twin = first.state.field.ship->gun(0)->projectile(0);
    // The same place in two different games (at different addresses) hashes alike.
    twin->setTarget(enemy(first.state, 0).part(0));
    shot->setTarget(enemy(second.state, 0).part(0));
    EXPECT_EQ(hashGameState(first.state).parts, hashGameState(second.state).parts);
    EXPECT_EQ(partsChangedBy([&](GameState& s) { shot->setTarget(&enemy(s, 1)); }),
              std::vector<int>{kShotsPart});
}

TEST_F(StateHash, WhatIsOnlySeenOrHeardLeavesItAlone) {
    EXPECT_TRUE(partsChangedBy([](GameState& s) {
                    enemy(s, 1).setHitFlash(true);
                    s.field.ship->setHitFlash(true);
                    s.field.currentMusicEntry = 3;
                    if (s.run.soundEffects[0]) s.run.soundEffects[0]->play(true);
                }).empty());
}

}  // namespace
}  // namespace cindervane
