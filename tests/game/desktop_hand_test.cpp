// The autopilot's desktop hand: in flight it holds the arrows or the stick toward the point
// the autopilot steers for, and the stick's deflection puts the desktop controls' stylus on
// that very point; outside flight it walks the pointer onto a tap and presses A there once;
// the device's buttons become the hand's.
#include <gtest/gtest.h>

#include <vector>

#include "../shell/shell_fixture.h"
#include "game/desktop_hand.h"
#include "platform/desktop_controls.h"
#include "shell/screen_flow.h"

namespace cindervane {
namespace {

using platform::HandHold;

// A back end that keeps what the hand holds and shows it a pointer the test places.
class HandCatcher : public platform::HeadlessPlatform {
  public:
    explicit HandCatcher(const std::filesystem::path& data) : HeadlessPlatform(chosen(data), {}) {}
    static platform::PlatformOptions chosen(const std::filesystem::path& data) {
        platform::PlatformOptions options;
        options.dataDirectory = data;
        return options;
    }
    bool holdHand(const HandHold& hold) override {
        holds.push_back(hold);
        return true;
    }
    bool handPointer(int& x, int& y) const override {
        x = pointerX;
        y = pointerY;
        return true;
    }
    std::vector<HandHold> holds;
    int pointerX = 120;
    int pointerY = 160;
};

class DesktopHandTest : public ShellTest {
  protected:
    void startPlay() {
        startNewGame(state);
        beginStageFromIntro(state);
    }
    int shipX() const { return state.field.ship->getX() + state.field.ship->width() / 2; }
    int shipY() const { return state.field.ship->getY() + state.field.ship->height() / 2; }

    TestFolder handData;
    HandCatcher catcher{handData.path()};
};

TEST_F(DesktopHandTest, InFlightTheKeysAndTheStickLeadToTheStylusPoint) {
    startPlay();
    DesktopHand keys(catcher, platform::Hand::Keyboard);
    keys.stylusDown(state, shipX() + 24, shipY() - 24);
    keys.finishTurn(state);
    EXPECT_EQ(catcher.holds.back().directions, platform::kDirectionRight | platform::kDirectionUp);
    keys.stylusMove(state, shipX(), shipY() + 24);
    keys.finishTurn(state);
    EXPECT_EQ(catcher.holds.back().directions, platform::kDirectionDown);
    keys.stylusUp(state, shipX(), shipY());
    keys.finishTurn(state);
    EXPECT_EQ(catcher.holds.back().directions, 0);

    // The stick's deflection puts the controls' virtual stylus where the autopilot points,
    // near or far (far is held at the controls' reach, which is full speed anyway).
    DesktopHand pad(catcher, platform::Hand::Gamepad);
    for (const int offset : {-12, 5, 16, 30}) {
        pad.stylusDown(state, shipX() + offset, shipY());
        pad.finishTurn(state);
        const HandHold hold = catcher.holds.back();
        EXPECT_EQ(hold.stickY, 0);
        int stylusX = -1;
        platform::DesktopControls controls([&](const platform::Message& message) {
            if (message.id == platform::WM_LBUTTONDOWN || message.id == platform::WM_MOUSEMOVE)
                stylusX = platform::pointParamX(message.lParam);
        });
        controls.setPlayView({true, true, shipX(), shipY()});
        controls.setStick(hold.stickX, hold.stickY);
        EXPECT_NEAR(stylusX, shipX() + offset, 1) << offset;
    }
}

TEST_F(DesktopHandTest, OutsideFlightThePointerWalksToATapAndPressesAOnce) {
    ASSERT_NE(state.flow.screen, GameScreen::Play);
    for (const platform::Hand kind : {platform::Hand::Keyboard, platform::Hand::Gamepad}) {
        DesktopHand hand(catcher, kind);
        catcher.pointerX = 120;
        catcher.pointerY = 160;
        hand.stylusDown(state, 40, 230);
        hand.stylusUp(state, 40, 230);
        hand.finishTurn(state);
        HandHold hold = catcher.holds.back();
        EXPECT_EQ(hold.presses, 0);
        if (kind == platform::Hand::Keyboard) {
            EXPECT_EQ(hold.directions, platform::kDirectionLeft | platform::kDirectionDown);
        } else {
            EXPECT_LT(hold.stickX, 0);
            EXPECT_GT(hold.stickY, 0);
        }
        // Level on y, still to the right: only left.
        catcher.pointerY = 231;
        hand.finishTurn(state);
        hold = catcher.holds.back();
        EXPECT_EQ(hold.presses, 0);
        if (kind == platform::Hand::Keyboard) {
            EXPECT_EQ(hold.directions, platform::kDirectionLeft);
        }
        // On the spot: A, and nothing more after it.
        catcher.pointerX = 41;
        hand.finishTurn(state);
        EXPECT_EQ(catcher.holds.back().presses, platform::kHandA);
        EXPECT_EQ(catcher.holds.back().directions, 0);
        hand.finishTurn(state);
        EXPECT_EQ(catcher.holds.back().presses, 0);
    }
}

TEST_F(DesktopHandTest, TheDevicesButtonsBecomeTheHandsAndATapInFlightIsDropped) {
    startPlay();
    DesktopHand hand(catcher, platform::Hand::Keyboard);
    hand.press(state, 4);  // auto fire: A
    hand.press(state, 5);  // the roll: B
    hand.press(state, 0);  // a direction key charges: Start
    hand.finishTurn(state);
    EXPECT_EQ(catcher.holds.back().presses,
              platform::kHandA | platform::kHandB | platform::kHandStart);
    hand.press(state, 6);  // C pauses
    hand.finishTurn(state);
    EXPECT_EQ(catcher.holds.back().presses, platform::kHandC);
    // The hidden corner cannot be reached by keys in flight: no pointer walk, no press.
    hand.stylusDown(state, 238, 318);
    hand.stylusUp(state, 238, 318);
    hand.finishTurn(state);
    hand.finishTurn(state);
    EXPECT_EQ(catcher.holds.back().presses, 0);
    EXPECT_EQ(catcher.holds.back().directions, 0);
}

}  // namespace
}  // namespace cindervane
