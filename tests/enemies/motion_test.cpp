// The motion helpers: aiming at the ship along the exact axes and at 45 degrees, the bounded
// turn, the orbit point with the game's pi, and nothing done without a target.
#include "enemies/motion.h"

#include <gtest/gtest.h>

#include "../play/play_field.h"
#include "enemies/enemy.h"

namespace cindervane {
namespace {

constexpr std::int32_t kChopterKind = 4;  // 42 x 42, for the enemy and the ship alike

class MotionTest : public ::testing::Test {
  protected:
    MotionTest() {
        for (Actor* actor : {static_cast<Actor*>(&enemy), static_cast<Actor*>(&ship)}) {
            actor->setKind(kChopterKind);
            actor->resolveSprite(field.state.run.craftSheets);
            actor->setAlive(true);
        }
        enemy.setX(100);
        enemy.setY(100);
        enemy.setTarget(&ship);
    }

    // Puts the ship's centre dx, dy from the enemy's.
    void shipAt(std::int32_t dx, std::int32_t dy) {
        ship.setX(enemy.getX() + dx);
        ship.setY(enemy.getY() + dy);
    }

    PlayField field;
    Enemy enemy;
    Craft ship;
};

TEST_F(MotionTest, AimingFollowsTheExactAxesAndTruncatesTheDiagonal) {
    struct Case {
        std::int32_t dx, dy, targetAngle, drawingAngle;
    };
    for (const Case& c : {Case{0, 80, 0, 360},     // straight below: upright
                          Case{80, 0, -90, 270},   // right
                          Case{-80, 0, 90, 90},    // left
                          Case{0, -80, 180, 180},  // above
                          Case{50, 50, -45, 315}}) {
        shipAt(c.dx, c.dy);
        aimAtTarget(enemy);
        EXPECT_EQ(enemy.getTargetAngle(), c.targetAngle) << c.dx << ", " << c.dy;
        EXPECT_EQ(enemy.getAngle(), c.drawingAngle) << c.dx << ", " << c.dy;
    }
}

TEST_F(MotionTest, TurningMovesTheHeadingAtMostTenDegreesACall) {
    // From heading 0 to a target angle of 35 (a direction of 125.47 degrees).
    shipAt(-57, 80);
    for (std::int32_t heading : {10, 20, 30, 35}) {
        turnTowardTarget(enemy);
        EXPECT_EQ(enemy.getTargetAngle(), 35);
        EXPECT_EQ(enemy.getHeading(), heading);
        EXPECT_EQ(enemy.getAngle(), heading);
    }
    // No wrap round 360: from 350 to the target angle 0 it turns down through 340.
    enemy.setHeading(350);
    shipAt(0, 80);
    turnTowardTarget(enemy);
    EXPECT_EQ(enemy.getHeading(), 340);
}

TEST_F(MotionTest, WithoutATargetNeitherAimingOperationChangesAnything) {
    enemy.setTarget(nullptr);
    enemy.setTargetAngle(12);
    enemy.setHeading(7);
    enemy.setAngle(33);
    aimAtTarget(enemy);
    turnTowardTarget(enemy);
    EXPECT_EQ(enemy.getTargetAngle(), 12);
    EXPECT_EQ(enemy.getHeading(), 7);
    EXPECT_EQ(enemy.getAngle(), 33);
}

TEST_F(MotionTest, TheOrbitUsesTheGamesPiAndTruncates) {
    enemy.setOrbitX(50);
    enemy.setOrbitY(40);
    enemy.setX(50 + 60);
    enemy.setY(40 + 80);
    EXPECT_EQ(measureOrbitRadius(enemy), 100);
    EXPECT_EQ(enemy.getOrbitRadius(), 100);
    enemy.setOrbitAngle(90);
    EXPECT_EQ(orbitPointX(enemy), 50);   // cos is 0.0000463 with pi as 3.1415
    EXPECT_EQ(orbitPointY(enemy), 139);  // 40 + 99.99999989, truncated
    enemy.setOrbitAngle(270);
    EXPECT_EQ(orbitPointX(enemy), 49);  // 50 - 0.0139
    EXPECT_EQ(orbitPointY(enemy), -59);
    EXPECT_EQ(weaveX(90, 120), -19);  // 100 - truncate(119.99999)
    EXPECT_EQ(weaveX(90, -120), 219);
    EXPECT_EQ(weaveX(0, 120), 100);
}

TEST(EightWay, ADrawingAngleGivesTheNearestOfEightDirections) {
    struct Case {
        std::int32_t angle, dirX, dirY;
    };
    for (const Case& c : {Case{0, 0, 1},
                          {360, 0, 1},
                          {270, 1, 0},
                          {90, -1, 0},
                          {180, 0, -1},
                          {-45, 1, 1},
                          {-20, 0, 1},
                          {-30, 1, 1},
                          {135, -1, -1}}) {
        const EightWay way = eightWayOfDrawingAngle(c.angle);
        EXPECT_EQ(way.dirX, c.dirX) << c.angle;
        EXPECT_EQ(way.dirY, c.dirY) << c.angle;
    }
}

}  // namespace
}  // namespace cindervane
