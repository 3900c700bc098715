// Stylus and button input: the menus, the shop and the nick entry are worked with the
// stylus alone; buttons reach the ship only during play.
#include "shell/input.h"

#include "gamelibrary/game_app.h"
#include "play/player_ship.h"
#include "shell/high_score_screens.h"
#include "shell/menus.h"
#include "shell/picture_screens.h"
#include "shell/screen_flow.h"
#include "shell/shop_screen.h"
#include "shell/tap_areas.h"
#include "stage/stage_music.h"

namespace cindervane {

namespace {

// Every input passes here before it acts, whoever gave it (the window, a script, the
// autopilot), so a recording holds all of it.
void recordStylus(GameState& state, platform::ScriptEvent::Kind kind, int x, int y) {
    if (state.run.app) state.run.app->platform().recordStylus(kind, x, y);
}

void recordKey(GameState& state, bool down, KeyIndex key) {
    if (state.run.app) state.run.app->platform().recordKey(down, key);
}

bool inArea(const TapArea& area, int x, int y) {
    return pointInBox(x, y, area.left, area.top, area.right, area.bottom);
}

void mainMenuTap(GameState& state, int x, int y) {
    if (inArea(kNewGameArea, x, y)) {
        startNewGame(state);
    } else if (inArea(kHelpArea, x, y)) {
        enterHelp(state);
    } else if (inArea(kHighScoresArea, x, y)) {
        enterHighScores(state);
    } else if (inArea(kCreditsArea, x, y)) {
        enterCredits(state);
    } else if (inArea(kExitArea, x, y)) {
        state.run.app->requestClose();
    }
}

// Previous is tested first, so it wins where the two areas overlap.
void helpPageTap(GameState& state, int x, int y, GameScreen previous, GameScreen next) {
    if (inArea(kHelpPreviousArea, x, y)) {
        if (previous == GameScreen::MainMenu) {
            showMainMenu(state);
        } else {
            state.flow.screen = previous;
        }
    } else if (inArea(kHelpNextArea, x, y)) {
        if (next == GameScreen::MainMenu) {
            showMainMenu(state);
        } else {
            state.flow.screen = next;
        }
    }
}

void playTap(GameState& state, int x, int y) {
    if (inArea(kRefillCornerArea, x, y)) state.flow.refillTaps += 1;
    if (inArea(kSpeakerArea, x, y)) {
        state.run.soundOn = !state.run.soundOn;
        if (!state.run.soundOn) stopAllSounds(state.run);
    }
    if (state.field.stageCleared && inArea(kContinueArea, x, y)) continueAfterStageClear(state);
    // A tap anywhere, even on a button, also steers the ship.
    if (state.field.ship) state.field.ship->steerTo(x, y);
}

}  // namespace

void stylusDown(GameState& state, int x, int y) {
    recordStylus(state, platform::ScriptEvent::Kind::Down, x, y);
    switch (state.flow.screen) {
        case GameScreen::Logo:
            break;
        case GameScreen::Prologue:
            beginStory(state);
            break;
        case GameScreen::Story:
            showMainMenu(state);
            break;
        case GameScreen::MainMenu:
            mainMenuTap(state, x, y);
            break;
        case GameScreen::HelpPage1:
            helpPageTap(state, x, y, GameScreen::MainMenu, GameScreen::HelpPage2);
            break;
        case GameScreen::HelpPage2:
            helpPageTap(state, x, y, GameScreen::HelpPage1, GameScreen::HelpPage3);
            break;
        case GameScreen::HelpPage3:
            helpPageTap(state, x, y, GameScreen::HelpPage2, GameScreen::MainMenu);
            break;
        case GameScreen::Credits:
        case GameScreen::HighScores:
            showMainMenu(state);
            break;
        case GameScreen::StageIntro:
            beginStageFromIntro(state);
            break;
        case GameScreen::StageEnding:
            leaveStageEnding(state);
            break;
        case GameScreen::Play:
            playTap(state, x, y);
            break;
        case GameScreen::Pause:
            if (inArea(kResumeArea, x, y)) {
                if (!state.run.soundOn) stopAllSounds(state.run);
                state.flow.screen = GameScreen::Play;
            } else if (inArea(kGiveUpArea, x, y)) {
                showMainMenu(state);
            }
            break;
        case GameScreen::GameOver:
            if (inArea(kContinueArea, x, y)) {
                continueAfterGameOver(state);
            } else if (inArea(kGiveUpArea, x, y)) {
                endGame(state);
            }
            break;
        case GameScreen::Shop:
            shopTap(state, x, y);
            break;
        case GameScreen::NickEntry:
            nickEntryTap(state, x, y);
            break;
    }
}

void stylusMove(GameState& state, int x, int y) {
    recordStylus(state, platform::ScriptEvent::Kind::Move, x, y);
    if (state.flow.screen == GameScreen::Play && state.field.ship) state.field.ship->steerTo(x, y);
}

void stylusUp(GameState& state, int x, int y) {
    recordStylus(state, platform::ScriptEvent::Kind::Up, x, y);
    if (state.flow.screen == GameScreen::Play && state.field.ship) state.field.ship->stopSteering();
}

void keyDown(GameState& state, KeyIndex key) {
    recordKey(state, true, key);
    if (state.flow.screen != GameScreen::Play) return;
    if (state.field.ship) state.field.ship->keyDown(key);
    // The C key and the second extra key pause the game.
    if (key == 6 || key == 9) {
        stopAllSounds(state.run);
        state.flow.screen = GameScreen::Pause;
    }
}

void keyUp(GameState& state, KeyIndex key) {
    recordKey(state, false, key);
    if (state.flow.screen == GameScreen::Play && state.field.ship) state.field.ship->keyUp(key);
}

}  // namespace cindervane
