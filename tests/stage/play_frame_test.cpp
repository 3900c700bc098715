// The play frame: pickups and shots while evading, ramming, kills scored once, the beam's
// damage once a frame, shootable shots and toughness, coins paid at the kill and when
// taken, a boss's death clearing the stage, the missiles' targets, the firing sounds and
// the hidden refill.
#include "shell/frame_dispatch.h"

#include <gtest/gtest.h>

#include "../allocation_watch.h"
#include "../enemies/test_enemy.h"
#include "../play/play_field.h"
#include "shell/ship_upgrades.h"
#include "stage/enemy_factory.h"
#include "stage/make_player_ship.h"

namespace cindervane {
namespace {

class PlayFrameTest : public ::testing::Test {
  protected:
    PlayFrameTest() {
        makePlayerShip(field.state, ShipVariant::REDPHOENIX, 1);
        applyShipUpgrades(field.state, 1);
        ship = field.state.field.ship.get();  // at (90, 256), 60 x 42
        field.state.flow.screen = GameScreen::Play;
    }

    void frame() {
        ++field.state.flow.frameCounter;
        runPlayScreen(field.state, field.backDC);
    }

    // A round of the ship's first machine gun (100 damage) that will be at (x, y) once the
    // ship's update has moved it.
    Projectile& shipRound(int slot, int x, int y) {
        Projectile& round = *ship->gun(0)->projectile(slot);
        round.setAlive(true);
        round.setX(x);
        round.setY(y + 15);
        return round;
    }

    // Switches the actor alive at (x, y).
    template <class Thing>
    static Thing& placeAlive(Thing& thing, int x, int y) {
        thing.setAlive(true);
        thing.setX(x);
        thing.setY(y);
        return thing;
    }
    // A still shot of the enemy's first gun at (x, y).
    static Projectile& enemyShot(Enemy& enemy, int slot, int x, int y) {
        return placeAlive(*enemy.gun(0)->projectile(slot), x, y);
    }

    PlayField field;
    PlayerShip* ship = nullptr;
};

TEST_F(PlayFrameTest, WhileEvadingShotsAndBodiesPassThroughButCoinsAndBoxesAreTaken) {
    TestEnemy& enemy = spawnTestEnemy(
        field.state, {.hp = 800, .guns = 1, .shotSpeed = 0, .coins = 1, .box = true}, 100, 250);
    enemy.box()->setItemKind(2);
    enemyShot(enemy, 0, 115, 270);
    Coin& coin = placeAlive(*enemy.coin(0), 110, 275);
    ItemBox& box = placeAlive(*enemy.box(), 100, 260);
    ship->keyUp(5);

    frame();
    EXPECT_EQ(ship->getHp(), 5000);
    EXPECT_EQ(enemy.getHp(), 800);
    EXPECT_FALSE(coin.isAlive());
    EXPECT_EQ(field.state.scores.money, 100);
    EXPECT_FALSE(box.isAlive());
    EXPECT_EQ(ship->getMachineGunLevel(), 2);
    EXPECT_EQ(field.state.flow.pickupIndex, 2);
    EXPECT_EQ(field.state.flow.pickupTimer, 9);  // set to 10, one frame shown
    EXPECT_EQ(field.state.flow.pickupLabels[2].left, 103);
    EXPECT_EQ(field.state.flow.pickupLabels[2].top, 263 - 1);

    // The frame the roll ends, the same shot hits.
    enemy.setX(0);
    enemy.setY(0);
    while (ship->isEvading())
        frame();
    EXPECT_EQ(ship->getHp(), 4900);
    EXPECT_FALSE(enemy.gun(0)->projectile(0)->isAlive());
}

TEST_F(PlayFrameTest, ABoxAtItsCapIsUsedUpWithItsLabelAndAnUnknownKindShowsNothing) {
    TestEnemy& enemy = spawnTestEnemy(field.state, {.box = true}, 0, 0);
    ItemBox& box = placeAlive(*enemy.box(), 100, 260);
    ship->setMissileCap(0);
    box.setItemKind(1);
    frame();
    EXPECT_FALSE(box.isAlive());
    EXPECT_EQ(ship->getMissileLevel(), 0);
    EXPECT_EQ(field.state.flow.pickupIndex, 1);
    EXPECT_EQ(field.state.flow.pickupTimer, 9);

    field.state.flow.pickupTimer = 0;
    box.setItemKind(12);
    placeAlive(box, 100, 260);
    frame();
    EXPECT_FALSE(box.isAlive());
    EXPECT_EQ(field.state.flow.pickupIndex, 1);
    EXPECT_EQ(field.state.flow.pickupTimer, 0);
}

TEST_F(PlayFrameTest, RammingExchangesWhatEachSideHasLeftEvenThroughTheBeam) {
    ship->setHp(300);
    ship->setInvulnerable(true);
    TestEnemy& enemy = spawnTestEnemy(field.state, {.hp = 5000}, 100, 250);
    frame();
    EXPECT_EQ(enemy.getHp(), 4700);
    EXPECT_TRUE(enemy.isAlive());
    EXPECT_EQ(ship->getHp(), 0);
    EXPECT_FALSE(ship->isAlive());
    EXPECT_TRUE(field.state.field.playerDown);
    EXPECT_TRUE(ship->explosion()->isAlive());
    EXPECT_TRUE(field.state.run.soundEffects[0]->isPlaying());
}

TEST_F(PlayFrameTest, TwoHitsAfterTheKillingOneScoreAndDropOnceAndCoinsPayInFullWhenTaken) {
    TestEnemy& enemy =
        spawnTestEnemy(field.state, {.hp = 100, .scoreValue = 800, .coins = 2}, 100, 100);
    Projectile& first = shipRound(0, 115, 115);
    Projectile& second = shipRound(1, 118, 115);
    frame();
    EXPECT_FALSE(enemy.isAlive());
    EXPECT_FALSE(first.isAlive());
    EXPECT_TRUE(second.isAlive());  // it found the enemy dead and flew on
    EXPECT_EQ(field.state.scores.score, 800);
    EXPECT_EQ(field.state.scores.money, 2 * 10);  // a tenth of each coin at the kill
    EXPECT_TRUE(field.state.run.soundEffects[0]->isPlaying());
    EXPECT_FALSE(field.state.field.stageCleared);
    Coin& coin = placeAlive(*enemy.coin(1), 110, 270);  // onto the ship: the full value
    coin.setDirY(0);
    frame();
    EXPECT_EQ(field.state.scores.money, 2 * 10 + 100);
    EXPECT_FALSE(coin.isAlive());
}

TEST_F(PlayFrameTest, ABeamGunDealsItsDamageOnceAFrameHoweverManySegmentsTouch) {
    ship->setPower(32);
    ship->keyDown(0);
    ship->setCharge(32);
    ship->keyDown(0);
    ASSERT_EQ(ship->getChargeLevel(), 2);
    // Only the left beam gun's column crosses it.
    TestEnemy& enemy = spawnTestEnemy(field.state, {.kind = kPoseidon, .hp = 10000}, -50, 60);
    frame();
    int touching = 0;
    for (int s = 0; s < 27; ++s)
        if (ship->hyperGun(0)->projectile(s)->hitSpark().isAlive()) ++touching;
    EXPECT_GE(touching, 5);
    EXPECT_EQ(enemy.getHp(), 10000 - 400);
    frame();
    EXPECT_EQ(enemy.getHp(), 10000 - 800);
}

TEST_F(PlayFrameTest, AShootableShotSoaksUpItsToughnessAndGoesAtTheNextHit) {
    TestEnemy& enemy = spawnTestEnemy(
        field.state, {.guns = 1, .shotKind = kEnemyMissile, .shotSpeed = 0}, 180, 20);
    Projectile& missile = enemyShot(enemy, 0, 50, 150);
    missile.setShootable(true);
    missile.setToughness(50);
    Projectile& round = shipRound(0, 50, 155);
    frame();
    EXPECT_FALSE(round.isAlive());
    EXPECT_EQ(missile.getToughness(), 0);
    EXPECT_TRUE(missile.isAlive());
    shipRound(1, 50, 155);
    frame();
    EXPECT_FALSE(missile.isAlive());

    // An invulnerable shooter's shots keep their toughness.
    enemy.setInvulnerable(true);
    enemyShot(enemy, 1, 50, 150).setToughness(50);
    enemy.gun(0)->projectile(1)->setShootable(true);
    shipRound(2, 50, 155);
    frame();
    EXPECT_EQ(enemy.gun(0)->projectile(1)->getToughness(), 50);
}

TEST_F(PlayFrameTest, ABossDeathClearsTheStageAndTheSweepEndsTheRestWithoutScore) {
    TestEnemy& boss = spawnTestEnemy(
        field.state, {.kind = kPoseidon, .hp = 100, .scoreValue = 50000, .boss = true}, 0, 0);
    TestEnemy& other =
        spawnTestEnemy(field.state, {.scoreValue = 800, .guns = 1, .coins = 2}, 180, 150);
    Projectile& flying = enemyShot(other, 0, 180, 200);
    shipRound(0, 100, 60);
    frame();
    EXPECT_FALSE(boss.isAlive());
    EXPECT_TRUE(field.state.field.stageCleared);
    EXPECT_FALSE(other.isAlive());
    EXPECT_EQ(other.getHp(), 0);
    EXPECT_TRUE(other.explosion()->isAlive());
    EXPECT_FALSE(other.coin(0)->isAlive());
    EXPECT_EQ(field.state.scores.score, 50000);
    EXPECT_TRUE(flying.isAlive());  // shots already out fly on
}

TEST_F(PlayFrameTest, MissilesTakeTheOldestLiveEnemyAndLetADeadOneGo) {
    ship->setMissileLevel(1);
    TestEnemy& gone = spawnTestEnemy(field.state, {}, 10, 10);
    gone.setAlive(false);
    gone.explosion()->setAlive(true);  // still listed
    TestEnemy& oldest = spawnTestEnemy(field.state, {}, 20, 20);
    spawnTestEnemy(field.state, {}, 150, 20);
    Projectile& missile = placeAlive(*ship->gun(11)->projectile(0), 100, 250);
    frame();
    EXPECT_EQ(missile.getTarget(), &oldest);
    oldest.setAlive(false);
    frame();
    EXPECT_NE(missile.getTarget(), &oldest);
    EXPECT_NE(missile.getTarget(), nullptr);
}

TEST_F(PlayFrameTest, AWaitingMissileKeepsItsTargetUntilTheEnemyLeavesTheList) {
    ship->setMissileLevel(1);
    TestEnemy& target = spawnTestEnemy(field.state, {}, 20, 20);
    Projectile& missile = *ship->gun(11)->projectile(0);  // off the screen, not yet fired again
    missile.setTarget(&target);
    frame();
    ASSERT_FALSE(missile.isAlive());
    EXPECT_EQ(missile.getTarget(), &target);
    const Craft* gone = &target;
    target.setAlive(false);  // nothing of it left on the screen: swept this frame
    frame();
    EXPECT_EQ(field.state.field.enemies.head(), nullptr);
    EXPECT_NE(missile.getTarget(), gone);
    EXPECT_EQ(missile.getTarget(), nullptr);
}

TEST_F(PlayFrameTest, TheMachineGunSoundLoopsWhileAutoFireIsOnAndOnlyWithSound) {
    SoundClip& machineGun = *field.state.run.soundEffects[1];
    ship->keyUp(4);
    frame();
    EXPECT_TRUE(machineGun.isLooping());
    EXPECT_EQ(machineGun.repeatLimit(), 100);
    EXPECT_FALSE(field.state.run.soundEffects[3]->isPlaying());
    field.state.run.soundOn = false;
    frame();
    EXPECT_FALSE(machineGun.isPlaying());
}

TEST_F(PlayFrameTest, SixTapsOnTheHiddenCornerRefillTheShipFiveDoNot) {
    ship->setHp(10);
    field.state.flow.refillTaps = 5;
    frame();
    EXPECT_EQ(ship->getHp(), 10);
    field.state.flow.refillTaps = 6;
    frame();
    EXPECT_EQ(ship->getHp(), 5000);
    EXPECT_EQ(field.state.flow.refillTaps, 0);
}

TEST_F(PlayFrameTest, AFrameAsksTheHeapForNothingWhateverHappensInIt) {
    ship->setMissileLevel(9);
    ship->setLaserLevel(9);
    ship->keyUp(4);
    for (int i = 0; i < 6; ++i)
        spawnTestEnemy(field.state, {.hp = 100000, .guns = 2, .coins = 2, .box = true}, 10 + 38 * i,
                       40);
    TestEnemy& doomed = spawnTestEnemy(field.state, {.hp = 1, .coins = 3}, 100, 150);
    for (int i = 0; i < 10; ++i) {
        for (Enemy* enemy : listedEnemies(field.state))
            enemy->fire();
        frame();
    }
    ASSERT_FALSE(doomed.isAlive());  // killed, its coins out, its explosion playing
    field.state.flow.pickupIndex = 3;
    field.state.flow.pickupTimer = 10;
    field.state.flow.bossWarning = 10;
    TestEnemy& next = spawnTestEnemy(field.state, {.hp = 1, .coins = 3}, 100, 150);
    const long long before = allocationCount();
    for (int i = 0; i < 5; ++i)
        frame();
    EXPECT_EQ(allocationCount(), before);
    EXPECT_FALSE(next.isAlive());
}

TEST_F(PlayFrameTest, FramesInWhichTheTimetableBringsEnemiesOnAskTheHeapForNothing) {
    ship->keyUp(4);
    setSpawnTable(field.state, {{4, 3, 0, 40, -20, 0, 1, 0},
                                {7, 3, 0, 120, -80, 0, 1, 2},
                                {28, 4, 0, 10, -150, 0, 1, 0},
                                {4, 5, 0, 160, -20, 0, 1, 0}});
    fillEnemyPool(field.state.field);
    frame();  // the first frame starts what a stage's first frame starts
    const long long before = allocationCount();
    for (int i = 0; i < 5; ++i)
        frame();
    EXPECT_EQ(allocationCount(), before);
    EXPECT_EQ(listedEnemies(field.state).size(), 4u);
    // The boss came on at tick 4; its warning counted down in ticks 4, 5 and 6.
    EXPECT_EQ(field.state.flow.bossWarning, 75 - 3);
}

}  // namespace
}  // namespace cindervane
