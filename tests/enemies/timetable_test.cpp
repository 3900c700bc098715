// The eight stage timetables checked against what each stage is built around: its row
// count, first tick, boss row, the rows that come only while the boss lives, last tick,
// enemy counts and item carriers; and every row for a known type and pattern, a straight
// heading and an entry position that agrees with it.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "enemies/timetables/stage1.h"
#include "enemies/timetables/stage2.h"
#include "enemies/timetables/stage3.h"
#include "enemies/timetables/stage4.h"
#include "enemies/timetables/stage5.h"
#include "enemies/timetables/stage6.h"
#include "enemies/timetables/stage7.h"
#include "enemies/timetables/stage8.h"

namespace cindervane {
namespace {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

// Each enemy type's body and the highest pattern value its script tells apart; a zero
// width marks a number that is no enemy type.
struct Body {
    int width;
    int height;
    int lastPattern;
};

// clang-format off
constexpr std::array<Body, 51> kBodies = {{
    {0, 0, 0},
    {90, 90, 0},   {22, 60, 2},   {22, 60, 1},   {42, 42, 5},   {26, 42, 1},    // 1-5
    {260, 210, 0}, {80, 80, 0},   {98, 98, 0},   {38, 38, 5},   {70, 70, 1},    // 6-10
    {80, 80, 3},   {76, 76, 0},   {61, 61, 1},   {61, 61, 1},   {61, 61, 1},    // 11-15
    {61, 61, 0},   {50, 50, 1},   {50, 50, 3},   {110, 58, 1},  {120, 62, 0},   // 16-20
    {120, 63, 0},  {55, 55, 1},   {54, 40, 1},   {54, 40, 1},   {54, 40, 1},    // 21-25
    {54, 40, 1},   {130, 91, 0},  {220, 135, 0}, {220, 145, 0}, {220, 145, 0},  // 26-30
    {224, 205, 0}, {0, 0, 0},     {0, 0, 0},     {0, 0, 0},     {25, 38, 0},    // 31-35
    {40, 40, 0},   {45, 45, 0},   {57, 57, 0},   {60, 60, 0},   {70, 70, 1},    // 36-40
    {50, 50, 0},   {48, 48, 1},   {52, 52, 0},   {240, 170, 0}, {60, 60, 5},    // 41-45
    {60, 60, 1},   {55, 55, 3},   {55, 55, 1},   {55, 55, 1},   {60, 60, 0},    // 46-50
}};
// clang-format on

constexpr int kCarrier = 7;

bool isBoss(int type) {
    return type == 1 || type == 6 || type == 28 || type == 29 || type == 30 || type == 31 ||
           type == 38 || type == 44;
}

struct Stage {
    int number;
    std::span<const SpawnEntry> rows;
    int rowCount;
    int firstTick;
    int bossIndex;
    SpawnEntry boss;               // its type, tick, x, y, dirX and dirY
    std::map<int, int> afterBoss;  // type -> count of the rows after the boss row
    int lastTick;
    std::map<int, int> types;                   // type -> count of every row
    std::vector<std::pair<int, int>> carriers;  // tick, item kind
    int restartsAt30;                           // runs of rows that start again at tick 30
};

SpawnEntry boss(int type, int tick, int x, int y, int dirX, int dirY) {
    return {type, tick, 0, x, y, dirX, dirY, 0};
}

// clang-format off
const std::vector<Stage>& stages() {
    static const std::vector<Stage> all = {
        {1, kStage1Timetable, 120, 50, 119, boss(28, 2105, 10, -150, 0, 1), {}, 2105,
         {{4, 34}, {5, 13}, {7, 3}, {9, 10}, {17, 18}, {18, 6}, {19, 1}, {22, 15}, {23, 2},
          {24, 8}, {25, 1}, {26, 1}, {28, 1}, {35, 7}},
         {{410, 1}, {910, 2}, {1695, 0}}, 0},
        {2, kStage2Timetable, 132, 70, 131, boss(31, 2915, 10, -205, 0, 1), {}, 2915,
         {{7, 4}, {9, 18}, {10, 22}, {17, 2}, {18, 18}, {19, 3}, {22, 28}, {24, 6}, {25, 3},
          {31, 1}, {35, 7}, {36, 20}},
         {{570, 2}, {1220, 0}, {1670, 1}, {2260, 0}}, 0},
        {3, kStage3Timetable, 178, 70, 177, boss(29, 3200, 10, -200, 0, 1), {}, 3200,
         {{4, 27}, {5, 10}, {7, 3}, {9, 22}, {10, 17}, {11, 28}, {17, 20}, {22, 4}, {23, 4},
          {24, 11}, {26, 3}, {27, 2}, {29, 1}, {35, 12}, {36, 14}},
         {{920, 4}, {1560, 3}, {2440, 0}}, 0},
        {4, kStage4Timetable, 182, 50, 180, boss(38, 2320, 90, 320, 0, 0), {{7, 1}}, 3820,
         {{4, 71}, {5, 20}, {7, 5}, {9, 11}, {10, 3}, {11, 4}, {17, 16}, {18, 11}, {19, 2},
          {20, 1}, {22, 9}, {23, 2}, {26, 1}, {27, 2}, {36, 8}, {37, 15}, {38, 1}},
         {{440, 5}, {1245, 7}, {1735, 4}, {2120, 0}, {3820, 0}}, 0},
        {5, kStage5Timetable, 426, 70, 369, boss(44, 2669, 0, -170, 0, 1), {{40, 54}, {7, 2}},
         7729,
         {{2, 279}, {3, 4}, {7, 5}, {9, 12}, {10, 3}, {11, 4}, {12, 4}, {17, 12}, {18, 10},
          {20, 1}, {22, 3}, {23, 2}, {27, 2}, {37, 6}, {39, 13}, {40, 55}, {42, 4}, {43, 6},
          {44, 1}},
         {{785, 6}, {1825, 0}, {2409, 0}, {3309, 0}, {5209, 0}}, 0},
        {6, kStage6Timetable, 160, 50, 158, boss(30, 2340, 0, -320, 0, 1), {{7, 1}}, 3040,
         {{4, 28}, {5, 6}, {7, 4}, {10, 15}, {12, 9}, {17, 6}, {18, 29}, {19, 2}, {20, 2},
          {21, 1}, {23, 8}, {24, 12}, {25, 10}, {26, 1}, {27, 1}, {30, 1}, {36, 12}, {37, 12},
          {41, 1}},
         {{690, 5}, {1420, 7}, {1640, 0}, {3040, 0}}, 0},
        {7, kStage7Timetable, 169, 50, 167, boss(6, 3900, 0, -80, 0, 0), {{7, 1}}, 4600,
         {{6, 1}, {7, 5}, {8, 7}, {10, 10}, {11, 14}, {12, 2}, {13, 17}, {14, 2}, {15, 4},
          {16, 1}, {20, 1}, {21, 1}, {27, 2}, {36, 8}, {37, 6}, {40, 2}, {41, 1}, {45, 5},
          {46, 23}, {47, 49}, {48, 1}, {49, 6}, {50, 1}},
         {{110, 7}, {1110, 6}, {2520, 0}, {3530, 0}, {4600, 0}}, 3},
        {8, kStage8Timetable, 326, 30, 324, boss(1, 4510, 75, -250, 0, 1), {{7, 1}}, 5510,
         {{1, 1}, {4, 40}, {5, 4}, {7, 4}, {8, 6}, {10, 22}, {11, 29}, {12, 2}, {13, 4},
          {14, 4}, {15, 10}, {16, 2}, {20, 2}, {21, 2}, {24, 31}, {26, 1}, {27, 3}, {36, 14},
          {37, 16}, {40, 1}, {41, 2}, {45, 5}, {46, 26}, {47, 65}, {48, 2}, {49, 22},
          {50, 6}},
         {{1060, 7}, {2410, 0}, {4130, 0}, {5510, 0}}, 0},
    };
    return all;
}
// clang-format on

std::string rowName(int index, const SpawnEntry& r) {
    std::string name = "row " + std::to_string(index) + " {";
    for (int field : {r.type, r.tick, r.pattern, r.x, r.y, r.dirX, r.dirY, r.itemKind})
        name += std::to_string(field) + ", ";
    return name.substr(0, name.size() - 2) + "}";
}

class Timetable : public testing::TestWithParam<int> {
  protected:
    const Stage& stage() const { return stages()[GetParam() - 1]; }
};

// The stage's fixed summary, and every row an enemy of a known type and pattern heading
// straight, before the boss's tick or (only the boss's own rows) after it.
TEST_P(Timetable, HasItsRowCountFirstTickBossRowLastTickEnemyCountsAndCarriers) {
    const Stage& s = stage();
    ASSERT_EQ(static_cast<int>(s.rows.size()), s.rowCount);
    EXPECT_EQ(s.rows.front().tick, s.firstTick);
    const SpawnEntry& b = s.rows[s.bossIndex];
    EXPECT_EQ(std::tie(b.type, b.tick, b.x, b.y, b.dirX, b.dirY),
              std::tie(s.boss.type, s.boss.tick, s.boss.x, s.boss.y, s.boss.dirX, s.boss.dirY));
    EXPECT_EQ(s.rows.back().tick, s.lastTick);
    std::map<int, int> counted;
    std::map<int, int> after;
    std::vector<std::pair<int, int>> carriers;
    for (int i = 0; i < static_cast<int>(s.rows.size()); ++i) {
        const SpawnEntry& r = s.rows[i];
        SCOPED_TRACE(rowName(i, r));
        ++counted[r.type];
        EXPECT_GE(r.tick, 1);  // tick 0 never comes
        EXPECT_LE(r.tick, s.lastTick);
        if (i < s.bossIndex) {
            EXPECT_LT(r.tick, b.tick);
        } else if (i > s.bossIndex) {
            EXPECT_GT(r.tick, b.tick);
            ++after[r.type];
        }
        if (r.type == kCarrier) {
            carriers.emplace_back(r.tick, r.itemKind);
        } else {
            EXPECT_EQ(r.itemKind, 0);
        }
        ASSERT_GT(kBodies.at(r.type).width, 0);
        EXPECT_GE(r.pattern, 0);
        EXPECT_LE(r.pattern, kBodies[r.type].lastPattern);
        EXPECT_TRUE(r.dirX >= -1 && r.dirX <= 1 && r.dirY >= -1 && r.dirY <= 1);
    }
    EXPECT_EQ(counted, s.types);
    EXPECT_EQ(after, s.afterBoss);
    EXPECT_EQ(carriers, s.carriers);
}

// Rows run in tick order, except in stage 7, where three runs start again at tick 30 and
// so lay craft on the same tick and place as others of its opening. Anywhere else two rows
// of one tick and place would be a row written twice.
TEST_P(Timetable, RunsInTickOrderSaveForStage7sRunsFromTick30) {
    const Stage& s = stage();
    int restarts = 0;
    for (int i = 1; i < static_cast<int>(s.rows.size()); ++i) {
        if (s.rows[i].tick < s.rows[i - 1].tick) {
            ++restarts;
            EXPECT_EQ(s.rows[i].tick, 30) << rowName(i, s.rows[i]);
        }
    }
    EXPECT_EQ(restarts, s.restartsAt30);

    int shared = 0;
    for (int i = 0; i < static_cast<int>(s.rows.size()); ++i) {
        for (int j = 0; j < i; ++j) {
            const SpawnEntry& a = s.rows[i];
            const SpawnEntry& b = s.rows[j];
            if (std::tie(a.tick, a.x, a.y) == std::tie(b.tick, b.x, b.y)) {
                ++shared;
                EXPECT_GT(s.restartsAt30, 0) << rowName(i, a) << " repeats " << rowName(j, b);
            }
        }
    }
    if (s.restartsAt30 > 0) {
        EXPECT_GE(shared, 2);
    }
}

// An enemy never starts beyond an edge it is heading away from, and one that starts wholly
// off the screen heads onto it across that edge. Bosses and the laser owlion, which slides
// in from beside the screen by itself, bring themselves on and are held only to the first.
TEST_P(Timetable, EveryEnemyStartsOnTheScreenOrHeadingOntoIt) {
    const Stage& s = stage();
    for (int i = 0; i < static_cast<int>(s.rows.size()); ++i) {
        const SpawnEntry& r = s.rows[i];
        SCOPED_TRACE(rowName(i, r));
        const Body& body = kBodies[r.type];
        const bool above = r.y + body.height <= 0;
        const bool below = r.y >= kScreenHeight;
        const bool leftOf = r.x + body.width <= 0;
        const bool rightOf = r.x >= kScreenWidth;
        EXPECT_FALSE(r.dirY > 0 && below);
        EXPECT_FALSE(r.dirY < 0 && above);
        EXPECT_FALSE(r.dirX > 0 && rightOf);
        EXPECT_FALSE(r.dirX < 0 && leftOf);
        if (!isBoss(r.type) && r.type != 23) {
            EXPECT_TRUE(!above || r.dirY == 1);
            EXPECT_TRUE(!below || r.dirY == -1);
            EXPECT_TRUE(!leftOf || r.dirX == 1);
            EXPECT_TRUE(!rightOf || r.dirX == -1);
        }
        // No further than a screen's length away, so it arrives soon after its tick.
        EXPECT_GE(r.y, -kScreenHeight);
        EXPECT_LE(r.y, 2 * kScreenHeight);
        EXPECT_GE(r.x, -kScreenWidth);
        EXPECT_LE(r.x, 2 * kScreenWidth);
    }
}

INSTANTIATE_TEST_SUITE_P(Stages, Timetable, testing::Range(1, 9),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Stage" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace cindervane
