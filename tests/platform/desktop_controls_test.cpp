// Flying without a stylus: the stylus messages held keys, the stick and the mouse make
// together, and the pointer outside flight.
#include "platform/desktop_controls.h"

#include <gtest/gtest.h>

#include <vector>

namespace cindervane::platform {
namespace {

struct Stylus {
    std::uint32_t id;
    int x;
    int y;
    bool operator==(const Stylus&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Stylus& s) {
    const char* name = s.id == WM_LBUTTONDOWN ? "down" : s.id == WM_LBUTTONUP ? "up" : "move";
    return out << name << " " << s.x << "," << s.y;
}

class Controls : public ::testing::Test {
  protected:
    Controls()
        : controls([this](const Message& m) {
              posted.push_back({m.id, pointParamX(m.lParam), pointParamY(m.lParam)});
          }) {}

    void fly(int shipX, int shipY) { controls.setPlayView({true, true, shipX, shipY}); }
    std::vector<Stylus> take() { return std::exchange(posted, {}); }

    std::vector<Stylus> posted;
    DesktopControls controls;
};

constexpr int R = DesktopControls::kReach;

TEST_F(Controls, HeldKeysHoldTheStylusAheadOfTheShipMovingWithItAndLiftItOnRelease) {
    fly(100, 200);
    controls.setKeyDirections(kDirectionRight);
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_LBUTTONDOWN, 100 + R, 200}}));
    // The ship moved: the point moves with it, one message a frame.
    fly(108, 200);
    controls.update(0);
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_MOUSEMOVE, 108 + R, 200}}));
    controls.setKeyDirections(kDirectionRight | kDirectionUp);
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_MOUSEMOVE, 108 + R, 200 - R}}));
    // Opposite keys cancel on their axis.
    controls.setKeyDirections(kDirectionRight | kDirectionUp | kDirectionLeft);
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_MOUSEMOVE, 108, 200 - R}}));
    controls.setKeyDirections(0);
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_LBUTTONUP, 108, 200 - R}}));
    EXPECT_FALSE(controls.stylusDown());
}

TEST_F(Controls, ThePointAheadIsHeldToTheScreen) {
    fly(230, 10);
    controls.setKeyDirections(kDirectionRight | kDirectionUp);
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_LBUTTONDOWN, kScreenWidth - 1, 0}}));
}

TEST_F(Controls, MouseAndKeysTogetherWhicheverWasUsedLastWins) {
    fly(100, 200);
    controls.mouseButton(true, 50, 60);
    controls.setKeyDirections(kDirectionLeft);
    // Letting go of the keys hands the stylus back to the held mouse, without lifting it.
    controls.setKeyDirections(0);
    controls.mouseMoved(55, 65);
    // The keys again, then the mouse moves: the mouse has it.
    controls.setKeyDirections(kDirectionDown);
    controls.mouseMoved(70, 80);
    controls.mouseButton(false, 72, 82);
    // With the mouse up the held key steers again.
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_LBUTTONDOWN, 50, 60},
                                           {WM_MOUSEMOVE, 100 - R, 200},
                                           {WM_MOUSEMOVE, 50, 60},
                                           {WM_MOUSEMOVE, 55, 65},
                                           {WM_MOUSEMOVE, 100, 200 + R},
                                           {WM_MOUSEMOVE, 70, 80},
                                           {WM_MOUSEMOVE, 100, 200 + R}}));
    controls.setKeyDirections(0);
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_LBUTTONUP, 100, 200 + R}}));
    // The mouse alone lifts where its button comes up.
    controls.mouseButton(true, 10, 10);
    controls.mouseButton(false, 12, 14);
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_LBUTTONDOWN, 10, 10}, {WM_LBUTTONUP, 12, 14}}));
}

TEST_F(Controls, TheStickSteersInProportionPastItsDeadZone) {
    fly(120, 160);
    controls.setStick(DesktopControls::kDeadZone, -DesktopControls::kDeadZone);
    EXPECT_TRUE(take().empty());
    controls.setStick(32767, 0);
    controls.setStick(-32768, 32767);
    // Half way between rest and the stop: half the reach.
    controls.setStick(DesktopControls::kDeadZone + (32767 - DesktopControls::kDeadZone + 1) / 2, 0);
    controls.setStick(0, 0);
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_LBUTTONDOWN, 120 + R, 160},
                                           {WM_MOUSEMOVE, 120 - R, 160 + R},
                                           {WM_MOUSEMOVE, 120 + R / 2, 160},
                                           {WM_LBUTTONUP, 120 + R / 2, 160}}));
    // The d-pad is a stick pushed to its stops.
    controls.setPadDirections(kDirectionDown);
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_LBUTTONDOWN, 120, 160 + R}}));
}

TEST_F(Controls, OutsideFlightKeysMoveAPointerThatTheTapButtonsPress) {
    controls.setPlayView({false, false, 0, 0});
    EXPECT_FALSE(controls.pointerShown());
    controls.update(1000);
    controls.setKeyDirections(kDirectionLeft | kDirectionUp);
    controls.update(1100);
    EXPECT_TRUE(controls.pointerShown());
    const int first = kScreenWidth / 2 - controls.pointerX();
    EXPECT_GT(first, 0);
    EXPECT_EQ(kScreenHeight / 2 - controls.pointerY(), first);
    // The longer it is held, the faster it goes.
    controls.update(1200);
    const int x = controls.pointerX(), y = controls.pointerY();
    EXPECT_GT(kScreenWidth / 2 - first - x, first);
    EXPECT_TRUE(take().empty());  // moving the pointer touches nothing
    EXPECT_TRUE(controls.tapButton(Hand::Keyboard, true));
    EXPECT_TRUE(controls.tapButton(Hand::Keyboard, true));  // the key's repeat
    // Holding the tap and moving drags the stylus; the pad's own button is apart.
    controls.setKeyDirections(kDirectionRight);
    controls.update(1250);
    const int dragX = controls.pointerX();
    EXPECT_GT(dragX, x);
    EXPECT_FALSE(controls.tapButton(Hand::Gamepad, false));
    EXPECT_TRUE(controls.tapButton(Hand::Keyboard, false));
    EXPECT_EQ(take(),
              (std::vector<Stylus>{
                  {WM_LBUTTONDOWN, x, y}, {WM_MOUSEMOVE, dragX, y}, {WM_LBUTTONUP, dragX, y}}));
    // The pointer never leaves the screen and a long wait does not fling it.
    controls.update(60000);
    EXPECT_LE(controls.pointerX() - dragX, DesktopControls::kPointerSpeed / 10);
    for (int i = 1; i <= 20; ++i)
        controls.update(60000 + i * 100000);
    EXPECT_EQ(controls.pointerX(), kScreenWidth - 1);
    // The mouse hides it and sets where it starts from.
    controls.mouseMoved(30, 40);
    EXPECT_FALSE(controls.pointerShown());
    EXPECT_EQ(controls.pointerX(), 30);
}

TEST_F(Controls, InFlightTheTapButtonsAreTheDevicesAndTheModesChangeWithPlay) {
    fly(100, 200);
    EXPECT_FALSE(controls.tapButton(Hand::Gamepad, true));
    EXPECT_FALSE(controls.tapButton(Hand::Gamepad, false));
    controls.setKeyDirections(kDirectionUp);
    // Play paused with the key still held: the stylus lifts, and comes down again on return.
    controls.setPlayView({false, false, 100, 200});
    fly(100, 200);
    controls.releaseAll();
    EXPECT_EQ(take(), (std::vector<Stylus>{{WM_LBUTTONDOWN, 100, 200 - R},
                                           {WM_LBUTTONUP, 100, 200 - R},
                                           {WM_LBUTTONDOWN, 100, 200 - R},
                                           {WM_LBUTTONUP, 100, 200 - R}}));
}

}  // namespace
}  // namespace cindervane::platform
