// The head-up display: the bars and their widths and colours, the blinking power bar, the
// rising pickup label, the figures, the speaker icon and the outcome of a stage.
#include "shell/head_up_display.h"

#include <gtest/gtest.h>

#include "../play/play_field.h"
#include "stage/make_player_ship.h"
#include "stage/play_frame.h"

namespace cindervane {
namespace {

constexpr std::uint32_t kGreen = 0x00FF00;     // the test hit point bar
constexpr std::uint32_t kYellow = 0xFCFE04;    // 0x04FEFC as a screen colour
constexpr std::uint32_t kRedBar = 0xFF0000;    // 0x0000FF
constexpr std::uint32_t kPaleMint = 0xD4FEF4;  // 0xF4FED4
constexpr std::uint32_t kBlue = 0x0000FF;      // 0xFF0000

class HeadUpDisplayTest : public ::testing::Test {
  protected:
    HeadUpDisplayTest() {
        makePlayerShip(field.state, ShipVariant::REDPHOENIX, 1);
        ship = field.state.field.ship.get();
    }

    void draw() { drawHeadUpDisplay(field.state, field.backDC); }
    // The display's part of a Play frame: drawn, then its counters moved on.
    void frame() {
        draw();
        advanceHeadUpDisplay(field.state);
    }
    // How many pixels of a row, from x on, have the colour.
    int run(int x, int y, std::uint32_t colour) const {
        int length = 0;
        while (x + length < 240 && field.pixel(x + length, y) == colour)
            ++length;
        return length;
    }

    PlayField field;
    PlayerShip* ship = nullptr;
};

TEST_F(HeadUpDisplayTest, BarWidthsTruncateAndTheEvadeBarIsYellowOnlyWhenFull) {
    draw();
    EXPECT_EQ(run(11, 303, kGreen), 99);
    EXPECT_EQ(run(114, 313, kYellow), 34);
    ship->setFullHp(100);
    ship->setHp(1);
    ship->setEvadeBar(50);
    draw();
    EXPECT_EQ(run(11, 303, kGreen), 0);
    EXPECT_EQ(run(114, 313, kRedBar), 17);
    EXPECT_EQ(field.pixel(114 + 17, 313), kScreenBlack);
}

TEST_F(HeadUpDisplayTest, ThePowerBarShowsTheChargeOverThePowerAndBlinksOnceTheyMeet) {
    ship->setPower(50);
    ship->setCharge(20);
    draw();
    EXPECT_EQ(run(11, 313, kBlue), 20 * 81 / 100);
    EXPECT_EQ(run(11 + 16, 313, kPaleMint), 40 - 16);
    // Equal lengths (both empty included) alternate with the frame counter.
    for (int power : {0, 50}) {
        ship->setPower(power);
        ship->setCharge(power);
        field.state.flow.frameCounter = 4;
        draw();
        EXPECT_EQ(run(11, 313, kPaleMint), power * 81 / 100) << power;
        field.state.flow.frameCounter = 5;
        draw();
        EXPECT_EQ(run(11, 313, kBlue), power * 81 / 100) << power;
    }
}

TEST_F(HeadUpDisplayTest, APickupLabelRisesARowAFrameForTenFrames) {
    field.state.flow.pickupIndex = 6;
    field.state.flow.pickupTimer = 10;
    field.state.flow.pickupLabels[6].left = 100;
    field.state.flow.pickupLabels[6].top = 200;
    for (int i = 0; i < 12; ++i)
        frame();
    EXPECT_EQ(field.state.flow.pickupTimer, 0);
    const PickupLabel& label = field.state.flow.pickupLabels[6];
    EXPECT_EQ(label.top, 190);
    EXPECT_EQ(label.left, 100);
    EXPECT_EQ(label.right, 200);
    EXPECT_EQ(label.bottom, 208);
}

// The leftmost column of the money figure with any text drawn; 240 for none.
int leftmostText(const PlayField& field) {
    for (int x = 177; x < 235; ++x)
        for (int y = 308; y < 320; ++y)
            if (field.pixel(x, y) != kScreenBlack) return x;
    return 240;
}

TEST_F(HeadUpDisplayTest, FiguresAreRightAlignedWithZeroShownAndAMinusForNegatives) {
    field.state.scores.money = 0;
    draw();
    const int zero = leftmostText(field);
    EXPECT_LT(zero, 235);
    field.clearScreen();
    field.state.scores.money = -7;
    draw();
    EXPECT_LT(leftmostText(field), zero);
}

TEST_F(HeadUpDisplayTest, The76thFrameAfterTheLossSwitchesToGameOverOnce) {
    field.state.flow.screen = GameScreen::Play;
    field.state.field.playerDown = true;
    field.state.run.soundEffects[2]->play(true);
    int frames = 0;
    while (field.state.flow.screen == GameScreen::Play && frames < 100) {
        frame();
        ++frames;
    }
    EXPECT_EQ(frames, 76);
    EXPECT_EQ(field.state.flow.gameOverCounter, 76);
    EXPECT_FALSE(field.state.run.soundEffects[2]->isPlaying());
}

TEST_F(HeadUpDisplayTest, TheSpeakerShowsWhatATapWillDoOverTheWarningAndStageClearCaptions) {
    field.state.field.stageCleared = true;
    draw();
    EXPECT_EQ(field.pixel(5, 5), kScreenWhite);     // the "off" picture while sound is on
    EXPECT_EQ(field.pixel(30, 2), kScreenWhite);    // stage clear at (28, 0)
    EXPECT_EQ(field.pixel(60, 120), kScreenWhite);  // continue at (54, 116)
    field.clearScreen();
    field.state.field.stageCleared = false;
    field.state.run.soundOn = false;
    field.state.flow.bossWarning = 2;
    draw();
    EXPECT_EQ(field.pixel(5, 5), kGreen);
    EXPECT_EQ(field.pixel(30, 120), kScreenWhite);  // the warning at (24, 116)
}

TEST_F(HeadUpDisplayTest, DrawingLeavesEveryCounterAsItFoundIt) {
    GameState& state = field.state;
    state.flow.screen = GameScreen::Play;
    state.flow.pickupIndex = 2;
    state.flow.pickupTimer = 3;
    state.flow.pickupLabels[2].left = 50;
    state.flow.pickupLabels[2].top = 100;
    state.flow.bossWarning = 2;
    state.field.playerDown = true;
    state.flow.gameOverCounter = 75;
    for (int i = 0; i < 3; ++i)
        draw();
    EXPECT_EQ(state.flow.pickupTimer, 3);
    EXPECT_EQ(state.flow.pickupLabels[2].top, 100);
    EXPECT_EQ(state.flow.bossWarning, 2);
    EXPECT_EQ(state.flow.gameOverCounter, 75);
    EXPECT_EQ(state.flow.screen, GameScreen::Play);
    advanceHeadUpDisplay(state);
    EXPECT_EQ(state.flow.pickupTimer, 2);
    EXPECT_EQ(state.flow.pickupLabels[2].top, 99);
    EXPECT_EQ(state.flow.bossWarning, 1);
    EXPECT_EQ(state.flow.screen, GameScreen::GameOver);
}

}  // namespace
}  // namespace cindervane
