// The scripts of the ordinary enemy kinds at the marks that matter: entering, stopping,
// firing and leaving on time, the grace period, the chopter's circles, the dashers' line and
// the weave.
#include <gtest/gtest.h>

#include "kind_test_support.h"

namespace cindervane {
namespace {

using EnemyScriptTest = KindTest;

TEST_F(EnemyScriptTest, AGattlingChopterReachesTheScreenStopsFiresTenFramesAndLeavesAt40) {
    Enemy& gattling = spawn(5, {.pattern = 0, .x = 60, .y = -50});
    frames(gattling, 12);
    EXPECT_EQ(gattling.getY(), -2);
    frames(gattling, 1);
    EXPECT_EQ(gattling.getY(), 2);  // on the screen after 13 frames
    untilAge(gattling, 19);
    EXPECT_EQ(liveShots(gattling), 0);
    untilAge(gattling, 20);
    EXPECT_EQ(gattling.getY(), 30);
    EXPECT_EQ(gattling.getDirY(), 0);
    untilAge(gattling, 29);
    EXPECT_EQ(liveShots(gattling), 6);  // every third frame of ten, from both guns
    untilAge(gattling, 40);
    EXPECT_EQ(liveShots(gattling), 6);
    EXPECT_EQ(gattling.getY(), 30);
    EXPECT_EQ(gattling.getX(), 60);
    frames(gattling, 1);
    EXPECT_EQ(gattling.getX(), 56);  // pattern 0 leaves down and to the left
    EXPECT_EQ(gattling.getY(), 34);

    Enemy& right = spawn(5, {.pattern = 1, .x = 60, .y = 0});
    untilAge(right, 41);
    EXPECT_EQ(right.getX(), 64);
}

TEST_F(EnemyScriptTest, AGashiingOfAnUnknownPatternFiresThreeVolleysThenHovers) {
    Enemy& gashiing = spawn(9, {.pattern = 7, .x = 100, .y = 10});
    std::vector<std::int32_t> volleys;
    for (int frame = 1; frame <= 300; ++frame) {
        const int before = liveShots(gashiing);
        frames(gashiing, 1);
        const int after = liveShots(gashiing);
        if (after > before) {
            EXPECT_EQ(after - before, 8) << frame;
            volleys.push_back(gashiing.getAge());
        }
    }
    EXPECT_EQ(volleys, (std::vector<std::int32_t>{30, 90, 150}));
    EXPECT_TRUE(gashiing.isAlive());
    EXPECT_EQ(gashiing.getY(), 10 + 30 * 4);  // stopped at 30 and still there
    EXPECT_EQ(gashiing.getX(), 100);

    Enemy& leaving = spawn(9, {.pattern = 4, .x = 100, .y = 10});
    untilAge(leaving, 211);
    EXPECT_EQ(leaving.getX(), 108);  // up and to the right at double sideways speed
    EXPECT_EQ(leaving.getY(), 10 + 30 * 4 - 4);
}

TEST_F(EnemyScriptTest, LeavingTheScreenWithinTheFirst50FramesKeepsAnEnemyAlive) {
    // Still climbing at 30, above the screen, it skips its stop and flies out at the top.
    Enemy& gashiing = spawn(9, {.pattern = 0, .x = 100, .y = 100, .dirY = -1});
    frames(gashiing, 51);
    EXPECT_LT(gashiing.getY(), -gashiing.height());
    EXPECT_TRUE(gashiing.isAlive());
    frames(gashiing, 1);
    EXPECT_FALSE(gashiing.isAlive());
    EXPECT_FALSE(gashiing.explosion()->isAlive());
}

TEST_F(EnemyScriptTest, AChopterAimsStopsFiresOnceAndLeavesUpwardsSlower) {
    Enemy& chopter = spawn(4, {.pattern = 1, .x = 90, .y = -10});
    shipAt(81, 250);  // its centre straight below the chopter's
    frames(chopter, 5);
    EXPECT_EQ(chopter.getAngle(), 360);
    untilAge(chopter, 40);
    EXPECT_EQ(chopter.getY(), -10 + 30 * 6);
    EXPECT_EQ(liveShots(chopter), 1);
    untilAge(chopter, 61);
    EXPECT_EQ(chopter.getSpeedX(), 3);
    EXPECT_EQ(chopter.getX(), 93);
    EXPECT_EQ(chopter.getY(), 164);
}

TEST_F(EnemyScriptTest, ChoptersOfPatterns2And3FlyACircleThroughTheirPlaceAndLeaveDown) {
    // Stopped at y 78, the circle's centre lies at (99, 270 - 78) with radius 114.
    struct Point {
        int move, x, y;
    };
    const Point clockwise[] = {{41, 98, 78}, {51, 155, 93}, {64, 205, 151}, {86, 179, 272}};
    const Point anticlockwise[] = {{41, 98, 78}, {51, 41, 93}, {64, -7, 151}, {86, 18, 272}};
    for (const auto& [pattern, path] :
         {std::pair{3, std::span<const Point>(clockwise)}, {2, std::span(anticlockwise)}}) {
        Enemy& chopter = spawn(4, {.pattern = pattern, .x = 99, .y = -102});
        int done = 0;
        for (const Point& point : path) {
            frames(chopter, point.move - done);
            done = point.move;
            EXPECT_EQ(chopter.getX(), point.x) << pattern << " " << point.move;
            EXPECT_EQ(chopter.getY(), point.y) << pattern << " " << point.move;
        }
        EXPECT_EQ(chopter.getOrbitRadius(), 114);
        frames(chopter, 1);
        EXPECT_EQ(chopter.getDirY(), 1);
        frames(chopter, 1);
        EXPECT_EQ(chopter.getY(), 278);
    }
}

}  // namespace
}  // namespace cindervane
