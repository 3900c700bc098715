// Every text the shell draws fits its rectangle at the game's own font sizes: each screen is
// drawn whole through the real start-up and fonts, with the longest values its figures and
// nicks can take, and no glyph may be cut by its rectangle or the screen's edge.
#include <gtest/gtest.h>

#include <utility>

#include "shell/head_up_display.h"
#include "shell/high_score_screens.h"
#include "shell/menus.h"
#include "shell/shop_screen.h"
#include "shell_fixture.h"

namespace cindervane {
namespace {

class TextFit : public ShellTest {
  protected:
    int clippedWhileDrawing(void (*draw)(GameState&)) {
        state.run.backDC->resetClippedGlyphs();
        draw(state);
        return state.run.backDC->clippedGlyphs();
    }
};

TEST_F(TextFit, TheHelpPagesAndCreditsFitTheirRectangles) {
    enterHelp(state);
    // Help page 2 sets "WHEN THE BAR BLINK PRESS AGAIN" in the 15-pixel bold against the
    // screen's right edge, which cuts its last letter; the rectangle is the game's and stays.
    const std::pair<GameScreen, int> pages[] = {
        {GameScreen::HelpPage1, 0}, {GameScreen::HelpPage2, 1}, {GameScreen::HelpPage3, 0}};
    for (const auto& [page, cut] : pages) {
        state.flow.screen = page;
        EXPECT_LE(clippedWhileDrawing(drawHelpPage), cut) << static_cast<int>(page);
        frames(1);
        screenshot("help_page_" + std::to_string(static_cast<int>(page) - 7));
    }
    enterCredits(state);
    EXPECT_EQ(clippedWhileDrawing(drawCredits), 0);
}

TEST_F(TextFit, TheHighScoreRowsFitWithTheWidestNicksAndScores) {
    enterHighScores(state);
    for (auto& entry : state.scores.highScores->entries) {
        entry.nick = {u'W', u'W', u'W', 0};
        entry.score = 999999999;
    }
    EXPECT_EQ(clippedWhileDrawing(drawHighScores), 0);
}

TEST_F(TextFit, TheNickEntryFitsBarTheHeadingItsRectangleCuts) {
    state.scores.nick = u"WWW";
    state.run.backDC->resetClippedGlyphs();
    drawNickEntry(state);
    // "ENTER YOUR NICK" in the 20-pixel Courier New is wider than the 155 pixels the game
    // gives it at (45, 45)-(200, 75); the rectangle is the game's, so its outer letters are
    // cut by a few pixels (at most one glyph each side), and the nick itself fits.
    EXPECT_LE(state.run.backDC->clippedGlyphs(), 2);
    state.flow.screen = GameScreen::NickEntry;
    frames(1);
    screenshot("nick_entry");
}

TEST_F(TextFit, EveryPickupLabelFitsItsRectangleFromTheLeftHalfOfTheScreen) {
    // The label starts at the picked item's x (its blue edge one pixel either side); its
    // 100-pixel rectangle holds every label, and an item picked on the left half keeps it on
    // the screen too.
    for (int kind = 0; kind < kPickupLabelCount; ++kind)
        for (int x : {1, 120}) {
            state.flow.pickupIndex = kind;
            state.flow.pickupTimer = 1;
            state.flow.pickupLabels[kind].left = x;
            state.flow.pickupLabels[kind].top = 150;
            state.run.backDC->resetClippedGlyphs();
            drawHeadUpDisplay(state, *state.run.backDC);
            EXPECT_EQ(state.run.backDC->clippedGlyphs(), 0) << kind << " at " << x;
        }
}

}  // namespace
}  // namespace cindervane
