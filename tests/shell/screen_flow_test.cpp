// The screen machine from the logo to the main menu, the menus and the course of a game.
#include <gtest/gtest.h>

#include "shell/high_score_screens.h"
#include "shell/screen_flow.h"
#include "shell/stage_start.h"
#include "shell_fixture.h"
#include "stage/stage_music.h"

namespace cindervane {
namespace {

using ScreenFlow = ShellTest;

TEST_F(ScreenFlow, StartUpShowsTheLogoWhichSwitchesPicturesAtFrame75AndEndsAt150IgnoringTaps) {
    EXPECT_TRUE(noBoxesShown());  // everything loaded
    EXPECT_EQ(state.flow.screen, GameScreen::Logo);
    frames(1);
    // White screen with the maker's logo at (11, 120).
    EXPECT_EQ(host.windowPicture().rgbAt(0, 0), 0xFFFFFFu);
    screenshot("logo");
    frames(73);
    tap(120, 160);
    EXPECT_EQ(state.flow.screen, GameScreen::Logo);
    EXPECT_EQ(fileOf(state.run.logoImage), "O0024.BAI");
    frames(1);
    EXPECT_EQ(fileOf(state.run.logoImage), "O0025.BAI");
    frames(74);
    EXPECT_EQ(state.flow.screen, GameScreen::Logo);
    EXPECT_EQ(state.flow.frameCounter, 149);
    screenshot("logo_second");
    frames(1);
    EXPECT_EQ(state.flow.screen, GameScreen::Prologue);
    EXPECT_EQ(state.flow.frameCounter, 0);
    EXPECT_EQ(fileOf(state.run.logoImage), "O0026.BAI");
    EXPECT_EQ(fileOf(state.flow.backgroundImage), "O0006.BAI");
    EXPECT_EQ(state.flow.scrollY, -340);
}

TEST_F(ScreenFlow, PrologueRuns880FramesAndStory648) {
    frames(150);
    frames(879);
    EXPECT_EQ(state.flow.screen, GameScreen::Prologue);
    screenshot("prologue");
    frames(1);
    ASSERT_EQ(state.flow.screen, GameScreen::Story);
    EXPECT_EQ(state.flow.frameCounter, 0);
    EXPECT_EQ(fileOf(state.flow.introImage), "O0029.BAI");
    EXPECT_EQ(fileOf(state.flow.backgroundImage), "O0017.BAI");
    frames(647);
    EXPECT_EQ(state.flow.screen, GameScreen::Story);
    screenshot("story");
    frames(1);
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);
    EXPECT_EQ(fileOf(state.flow.backgroundImage), "O0048.BAI");
    frames(1);
    screenshot("main_menu");
}

TEST_F(ScreenFlow, ATapSkipsThePrologueAndTheStory) {
    frames(160);
    tap(5, 5);
    EXPECT_EQ(state.flow.screen, GameScreen::Story);
    EXPECT_EQ(state.flow.scrollY, -140);
    frames(3);
    tap(5, 5);
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);
    EXPECT_TRUE(noBoxesShown());
}

class MainMenu : public ShellTest {
  protected:
    MainMenu() { showMainMenu(state); }
};

TEST_F(MainMenu, EachAreaIncludingItsEdgePixelsOpensItsScreen) {
    tap(115, 240);  // the bottom-right pixel of new game
    EXPECT_EQ(state.flow.screen, GameScreen::StageIntro);
    EXPECT_EQ(fileOf(state.flow.introImage), "O0052.BAI");
    EXPECT_EQ(fileOf(state.flow.backgroundImage), "O0009.BAI");
    EXPECT_EQ(state.flow.scrollWrap, 187);
    frames(2);
    screenshot("stage_intro");

    showMainMenu(state);
    tap(10, 241);
    EXPECT_EQ(state.flow.screen, GameScreen::HighScores);
    frames(1);
    screenshot("high_scores");
    tap(100, 100);
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);
    tap(55, 270);
    EXPECT_EQ(state.flow.screen, GameScreen::HelpPage1);
    showMainMenu(state);
    tap(75, 285);
    EXPECT_EQ(state.flow.screen, GameScreen::Credits);
    frames(1);
    screenshot("credits");
    tap(1, 1);  // the credits entered twice load their pictures again
    tap(30, 278);
    EXPECT_EQ(state.flow.screen, GameScreen::Credits);
    EXPECT_EQ(fileOf(state.flow.creditTitleImage), "O0022.BAI");
    EXPECT_EQ(fileOf(state.flow.helpBackground), "O0018.BAI");
    showMainMenu(state);
    tap(116, 240);  // just outside everything
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);
    tap(55, 305);
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);  // exit only asks the window to close
    platform::Message close;
    ASSERT_TRUE(host.peekMessage(close));
    EXPECT_EQ(close.id, platform::WM_CLOSE);
}

TEST_F(MainMenu, HelpPagesOverlapWherePreviousWins) {
    tap(30, 263);
    ASSERT_EQ(state.flow.screen, GameScreen::HelpPage1);
    const Surface* background = state.flow.helpBackground.get();
    frames(1);
    screenshot("help_1");
    tap(200, 300);
    EXPECT_EQ(state.flow.screen, GameScreen::HelpPage2);
    frames(1);
    screenshot("help_2");
    tap(200, 300);
    EXPECT_EQ(state.flow.screen, GameScreen::HelpPage3);
    frames(1);
    screenshot("help_3");
    tap(100, 300);  // inside both: previous
    EXPECT_EQ(state.flow.screen, GameScreen::HelpPage2);
    tap(100, 300);
    EXPECT_EQ(state.flow.screen, GameScreen::HelpPage1);
    EXPECT_EQ(state.flow.helpBackground.get(), background) << "moving between pages loads nothing";
    tap(100, 300);
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);
    tap(30, 263);
    tap(200, 300);
    tap(200, 300);
    tap(200, 300);  // next on the last page
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);
}

class CourseOfAGame : public ShellTest {
  protected:
    CourseOfAGame() {
        showMainMenu(state);
        tap(30, 230);
    }
};

TEST_F(CourseOfAGame, TheIntroTextStartsAgainAndATapNotAKeyStartsTheStage) {
    frames(187 + 140 + 1);
    keyDown(state, 6);  // keys do nothing outside play
    EXPECT_EQ(state.flow.screen, GameScreen::StageIntro);
    EXPECT_EQ(state.flow.scrollY, -140);
    tap(120, 160);
    EXPECT_EQ(state.flow.screen, GameScreen::Play);
    EXPECT_EQ(state.flow.frameCounter, 0);
    EXPECT_EQ(state.field.musicEntryCount, 3);
    EXPECT_EQ(state.field.musicPlaylist[1].fileName, "W0005.BAS");
}

TEST_F(CourseOfAGame, PauseResumesWithSoundsStoppedAndGivesUpWithoutTheTable) {
    tap(120, 160);
    keyDown(state, 6);
    EXPECT_EQ(state.flow.screen, GameScreen::Pause);
    frames(1);
    screenshot("pause");
    state.run.soundOn = false;
    state.run.soundEffects[0]->play(false);
    tap(100, 130);
    EXPECT_EQ(state.flow.screen, GameScreen::Play);
    EXPECT_FALSE(state.run.soundEffects[0]->isPlaying());

    keyDown(state, 9);  // the second extra key pauses too
    state.scores.score = 999999;
    tap(100, 180);
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);
}

TEST_F(CourseOfAGame, AContinueRestartsTheStageWithScoreAsContinuesAndNoMoney) {
    tap(120, 160);
    state.flow.screen = GameScreen::GameOver;
    state.scores.score = 12345;
    state.scores.money = 777;
    frames(1);
    screenshot("game_over");
    tap(60, 120);
    EXPECT_EQ(state.flow.screen, GameScreen::Play);
    EXPECT_EQ(state.scores.score, 1);
    EXPECT_EQ(state.scores.money, 0);
    state.flow.screen = GameScreen::GameOver;
    tap(60, 120);
    EXPECT_EQ(state.scores.score, 2);
    EXPECT_EQ(state.flow.continuesUsed, 2);
}

TEST_F(CourseOfAGame, GivingUpAfterGameOverEntersTheTableOnlyAboveTheTenth) {
    state.scores.highScores->entries[9].score = 500;
    state.flow.screen = GameScreen::GameOver;
    state.scores.score = 500;  // equal: not enough
    tap(100, 180);
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);
    state.flow.screen = GameScreen::GameOver;
    state.scores.score = 501;
    state.scores.nick = u"OLD";
    tap(100, 180);
    EXPECT_EQ(state.flow.screen, GameScreen::NickEntry);
    EXPECT_TRUE(state.scores.nick.empty());
}

TEST_F(CourseOfAGame, AfterStageThreeTheEndingTheShopThenTheNextIntro) {
    state.flow.stageNumber = 3;
    state.flow.screen = GameScreen::Play;
    startStage(state, 3);
    frames(40);
    screenshot("play");
    state.field.stageCleared = true;
    tap(60, 120);
    EXPECT_EQ(state.flow.screen, GameScreen::StageEnding);
    EXPECT_EQ(state.flow.stageNumber, 4);
    EXPECT_EQ(fileOf(state.flow.backgroundImage), "O0070.BAI");
    EXPECT_EQ(state.flow.scrollWrap, 114);
    frames(150);
    screenshot("stage_ending");
    tap(5, 5);
    EXPECT_EQ(state.flow.screen, GameScreen::Shop);
    tap(150, 290);
    EXPECT_EQ(state.flow.screen, GameScreen::StageIntro);
    EXPECT_EQ(fileOf(state.flow.backgroundImage), "O0012.BAI");
    EXPECT_EQ(fileOf(state.flow.introImage), "O0055.BAI");
    EXPECT_EQ(state.flow.scrollWrap, 444);
    frames(1);
    screenshot("stage_intro_4");
}

TEST_F(CourseOfAGame, InPlayTheSpeakerSwitchesTheHiddenCornerCountsAndContinueWaits) {
    tap(120, 160);
    tap(60, 120);  // the continue area does nothing until the stage is cleared
    EXPECT_EQ(state.flow.screen, GameScreen::Play);
    EXPECT_EQ(state.flow.stageNumber, 1);
    state.run.soundEffects[2]->play(false);
    tap(0, 20);
    EXPECT_FALSE(state.run.soundOn);
    EXPECT_FALSE(state.run.soundEffects[2]->isPlaying());
    tap(20, 0);
    EXPECT_TRUE(state.run.soundOn);
    for (int i = 0; i < 6; ++i)
        tap(239, 319);
    EXPECT_EQ(state.flow.refillTaps, 6);
}

TEST_F(CourseOfAGame, ClearingTheLastStageEndsTheGameAfterItsEnding) {
    state.flow.stageNumber = 9;
    state.flow.screen = GameScreen::StageEnding;
    state.scores.score = 10;
    tap(5, 5);
    EXPECT_EQ(state.flow.screen, GameScreen::NickEntry);
    frames(1);
    screenshot("nick_entry");
}

}  // namespace
}  // namespace cindervane
