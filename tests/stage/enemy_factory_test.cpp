// The spawn walk and the factory: which rows fire and when, in what order they are listed,
// the arrivals they report (a boss, the fast scroll of type 38) and how the screen shows
// them, and every picture the factory reports missing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../enemies/test_enemy.h"
#include "../play/play_field.h"
#include "stage/enemy_factory.h"

namespace cindervane {
namespace {

class Factory : public ::testing::Test {
  protected:
    void setTable(std::initializer_list<SpawnEntry> rows) { setSpawnTable(field.state, rows); }
    std::vector<Enemy*> listed() { return listedEnemies(field.state); }

    PlayField field;
};

TEST_F(Factory, OnlyRowsOfTheTickFireAndATickZeroRowNeverDoes) {
    // Type 28 is the stage 1 boss; types that do not exist are passed over.
    setTable({{28, 0, 0, 10, -150, 0, 1, 0},
              {0, 5, 0, 0, 0, 0, 1, 0},
              {33, 5, 0, 0, 0, 0, 1, 0},
              {51, 5, 0, 0, 0, 0, 1, 0},
              {28, 5, 1, 10, -150, 0, 1, 0}});
    for (int tick = 1; tick <= 10; ++tick)  // each tick reports only its own arrivals
        EXPECT_EQ(spawnDue(field.state.field, field.state.run, tick).bossCameOn, tick == 5);
    ASSERT_EQ(listed().size(), 1u);
    EXPECT_EQ(listed()[0]->getPattern(), 1);
    EXPECT_EQ(field.state.field.spawnCursor, field.state.field.spawnCount);
}

TEST_F(Factory, RowsSharingATickAreListedInTableOrderAtTheirPlaces) {
    setTable({{28, 7, 0, 10, -150, 0, 1, 0}, {28, 7, 1, -5, 20, 1, 0, 0}});
    spawnDue(field.state.field, field.state.run, 7);
    const auto enemies = listed();
    ASSERT_EQ(enemies.size(), 2u);
    EXPECT_EQ(enemies[0]->getX(), 10);
    EXPECT_EQ(enemies[0]->getY(), -150);
    EXPECT_EQ(enemies[0]->getDirY(), 1);
    EXPECT_EQ(enemies[1]->getX(), -5);
    EXPECT_EQ(enemies[1]->getDirX(), 1);
    EXPECT_EQ(enemies[1]->getDirY(), 0);
    EXPECT_EQ(enemies[1]->getPattern(), 1);
    EXPECT_EQ(enemies[0]->getScoreValue(), 50000);
    EXPECT_TRUE(field.boxes().empty());
}

TEST_F(Factory, NoRowFiresOnceTheStageIsCleared) {
    setTable({{28, 3, 0, 10, -150, 0, 1, 0}, {28, 4, 0, 10, -150, 0, 1, 0}});
    spawnDue(field.state.field, field.state.run, 3);
    field.state.field.stageCleared = true;
    spawnDue(field.state.field, field.state.run, 4);
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(Factory, ABossIsReportedAndType38TheFastScrollAndTheScreenShowsThem) {
    const TestEnemyLayout boss{.kind = kPoseidon, .boss = true};
    Arrivals arrivals = admitEnemy(field.state.field, field.state.run,
                                   makeTestEnemy(field.state, boss), {28, 1, 0, 10, -150, 0, 1, 0});
    EXPECT_TRUE(arrivals.bossCameOn);
    EXPECT_FALSE(arrivals.fastScroll);

    // A stand-in drawn with an ordinary picture, listed as the stage 4 boss's type.
    arrivals = admitEnemy(field.state.field, field.state.run, makeTestEnemy(field.state, boss),
                          {38, 1, 0, 90, 320, 0, 0, 0});
    EXPECT_TRUE(arrivals.fastScroll);
    EXPECT_TRUE(arrivals.bossCameOn);
    EXPECT_EQ(listed().back()->getScoreValue(), 120000);

    arrivals = admitEnemy(field.state.field, field.state.run, makeTestEnemy(field.state, {}),
                          {4, 1, 0, 0, 0, 0, 1, 0});
    EXPECT_FALSE(arrivals.bossCameOn);
    EXPECT_FALSE(arrivals.fastScroll);

    // The screen shows a boss warning and the fast scroll of what came on.
    field.state.flow.scrollSpeed = 2;
    showArrivals(field.state.flow, {.bossCameOn = true, .fastScroll = false});
    EXPECT_EQ(field.state.flow.bossWarning, 75);
    EXPECT_EQ(field.state.flow.scrollSpeed, 2);
    field.state.flow.bossWarning = 3;
    showArrivals(field.state.flow, {});
    EXPECT_EQ(field.state.flow.bossWarning, 3);
    showArrivals(field.state.flow, {.bossCameOn = false, .fastScroll = true});
    EXPECT_EQ(field.state.flow.scrollSpeed, 9);
}

// Built ahead of time, the pooled enemy still draws its coins' drift and speed from the
// game's chance when it comes on: the game goes on exactly as if it had been built then.
TEST_F(Factory, APooledEnemyComesOnAsOneBuiltAtThatMomentWould) {
    const std::initializer_list<SpawnEntry> rows = {
        {4, 3, 0, 40, -20, 0, 1, 0}, {28, 3, 0, 10, -150, 0, 1, 0}, {7, 4, 0, 20, -80, 0, 1, 2}};
    PlayField built;
    setTable(rows);
    setSpawnTable(built.state, rows);
    fillEnemyPool(field.state.field);
    field.state.run.random.reseed(99);
    built.state.run.random.reseed(99);

    for (int tick = 1; tick <= 4; ++tick) {
        spawnDue(field.state.field, field.state.run, tick);
        spawnDue(built.state.field, built.state.run, tick);
    }
    EXPECT_EQ(field.state.run.random.state(), built.state.run.random.state());
    auto* pooled = field.state.field.enemies.head();
    auto* fresh = built.state.field.enemies.head();
    int enemies = 0;
    for (; pooled && fresh; pooled = pooled->next, fresh = fresh->next, ++enemies) {
        const Enemy& a = *pooled->object;
        const Enemy& b = *fresh->object;
        EXPECT_EQ(a.getKind(), b.getKind());
        EXPECT_EQ(a.getX(), b.getX());
        ASSERT_EQ(a.getCoinCount(), b.getCoinCount());
        for (int c = 0; c < a.getCoinCount(); ++c) {
            EXPECT_EQ(a.coin(c)->getDirX(), b.coin(c)->getDirX()) << a.getKind() << " " << c;
            EXPECT_EQ(a.coin(c)->getSpeedY(), b.coin(c)->getSpeedY()) << a.getKind() << " " << c;
        }
    }
    EXPECT_EQ(enemies, 3);
    EXPECT_EQ(pooled, nullptr);
    EXPECT_EQ(fresh, nullptr);
    // Each pooled enemy comes on once; the pool is empty for the rows that fired.
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(field.state.field.enemyPool[row], nullptr) << row;
}

TEST_F(Factory, TheBoxTakesTheRowsItemKind) {
    admitEnemy(field.state.field, field.state.run, makeTestEnemy(field.state, {.box = true}),
               {7, 1, 0, 20, -80, 0, 1, 2});
    ASSERT_NE(listed()[0]->box(), nullptr);
    EXPECT_EQ(listed()[0]->box()->getItemKind(), 2);
    EXPECT_NE(listed()[0]->box()->sheet(), nullptr);
}

TEST_F(Factory, EveryMissingPictureIsReportedInItsOrderAndTheEnemyIsStillListed) {
    constexpr std::int32_t kNoPicture = 99;
    TestEnemyLayout layout{.kind = kNoPicture,
                           .guns = 1,
                           .shotsPerGun = 1,
                           .shotKind = kNoPicture,
                           .coins = 1,
                           .coinKind = 9,
                           .box = true};
    auto enemy = makeTestEnemy(field.state, layout);
    enemy->gun(0)->projectile(0)->hitSpark().setKind(kNoPicture);
    enemy->box()->setKind(kNoPicture);
    enemy->explosion()->setKind(kNoPicture);
    TestEnemyLayout partLayout = layout;
    partLayout.box = false;
    auto part = makeTestEnemy(field.state, partLayout);
    part->explosion()->setKind(kNoPicture);
    part->gun(0)->projectile(0)->hitSpark().setKind(kNoPicture);
    enemy->addPart(std::move(part), 0);

    admitEnemy(field.state.field, field.state.run, std::move(enemy), {4, 1, 0, 0, 0, 0, 1, 0});
    const std::vector<std::string> expected = {
        "Error loading Ship Pointer",
        "Error loading Enemy Guns Pointer",
        "Error loading Enemy Gun Ammos Explosion Pointer",
        "Error loading Enemy Coins Pointer",
        "Error loading Enemy Boxs Pointer",
        "Error loading Enemy Explosion Pointer",
        "Error loading Enemy Parts Pointer",
        "Error loading Enemy Guns Pointer",
        "Error loading Enemy Gun Ammos Explosion Pointer",
        "Error loading Enemy Coins Pointer",
        "Error loading Enemy Explosion Pointer",
    };
    EXPECT_EQ(field.boxes(), expected);
    ASSERT_EQ(listed().size(), 1u);
    EXPECT_EQ(listed()[0]->sheet(), nullptr);
}

}  // namespace
}  // namespace cindervane
