// One frame of the screen machine: static screens are drawn as they are; the animated
// picture screens and play count the frame clock first.
#include "shell/frame_dispatch.h"

#include "platform/draw/blit.h"
#include "shell/head_up_display.h"
#include "shell/high_score_screens.h"
#include "shell/menus.h"
#include "shell/picture_screens.h"
#include "shell/picture_slots.h"
#include "shell/play_overlays.h"
#include "shell/shop_screen.h"
#include "stage/play_frame.h"

namespace cindervane {

void runPlayScreen(GameState& state, platform::DeviceContext& target) {
    runPlayField(state, target);
    drawHeadUpDisplay(state, target);
    advanceHeadUpDisplay(state);
}

void paintWindow(const RunResources& run, platform::Platform& platform) {
    if (!run.backDC) return;
    platform::bitBlt(platform.windowContext(), 0, 0, platform.screenWidth(),
                     platform.screenHeight(), *run.backDC, 0, 0);
}

void runPlayFrame(GameState& state) {
    switch (state.flow.screen) {
        case GameScreen::Logo:
            drawLogo(state);
            break;
        case GameScreen::Prologue:
            drawPrologue(state);
            break;
        case GameScreen::StageIntro:
        case GameScreen::Story:
            drawIntroOrStory(state);
            break;
        case GameScreen::StageEnding:
            drawStageEnding(state);
            break;
        case GameScreen::Play:
            if (state.run.backDC) runPlayScreen(state, *state.run.backDC);
            break;
        default:
            break;
    }
}

void runFrame(GameState& state, platform::Platform& platform) {
    switch (state.flow.screen) {
        case GameScreen::MainMenu:
            drawMainMenu(state);
            break;
        case GameScreen::Credits:
            drawCredits(state);
            break;
        case GameScreen::HelpPage1:
        case GameScreen::HelpPage2:
        case GameScreen::HelpPage3:
            drawHelpPage(state);
            break;
        case GameScreen::HighScores:
            drawHighScores(state);
            break;
        case GameScreen::NickEntry:
            drawNickEntry(state);
            break;
        case GameScreen::Pause:
            drawPause(state);
            break;
        case GameScreen::GameOver:
            drawGameOver(state);
            break;
        case GameScreen::Shop:
            drawShop(state);
            break;
        default:
            state.flow.frameCounter += 1;
            runPlayFrame(state);
            break;
    }
    // The finished back buffer goes to the window, as a repaint would.
    paintWindow(state.run, platform);
}

}  // namespace cindervane
