// The nick entry keyboard and the way a new score enters the table.
#include <gtest/gtest.h>

#include "core/high_score_table.h"
#include "shell/high_score_screens.h"
#include "shell/keyboard_keys.h"
#include "shell_fixture.h"

namespace cindervane {
namespace {

class NickEntry : public ShellTest {
  protected:
    NickEntry() {
        state.flow.screen = GameScreen::NickEntry;
        state.scores.score = 450;
    }
    void press(const KeyboardKey& key) { tap(key.left, key.top); }
};

TEST_F(NickEntry, EveryCharacterKeyTypesItsOwnCharacterAtBothCorners) {
    for (const KeyboardKey& key : kCharacterKeys) {
        state.scores.nick.clear();
        tap(key.left, key.top);
        tap(key.right, key.bottom);
        EXPECT_EQ(state.scores.nick, std::u16string(2, key.character))
            << static_cast<char>(key.character);
    }
    state.scores.nick.clear();
    tap(73, 306);  // the digit 1's corner
    EXPECT_EQ(state.scores.nick, u"1");
}

TEST_F(NickEntry, EnterWantsThreeLettersAFourthIsIgnoredAndClearEmptiesTheNick) {
    state.scores.highScores->entries[0].score = 500;
    press(kCharacterKeys[0]);
    press(kCharacterKeys[1]);
    press(kEnterKey);
    EXPECT_EQ(state.flow.screen, GameScreen::NickEntry);
    frames(1);
    screenshot("nick_entry_typing");
    press(kClearKey);
    EXPECT_TRUE(state.scores.nick.empty());
    for (char16_t c : {u'A', u'C', u'E', u'Z'})
        press(kCharacterKeys[c - u'A']);
    EXPECT_EQ(state.scores.nick, u"ACE");
    press(kEnterKey);
    EXPECT_EQ(state.flow.screen, GameScreen::MainMenu);
    EXPECT_EQ(state.scores.highScores->entries[1].score, 450);
    EXPECT_EQ(nickText(state.scores.highScores->entries[1]), "ACE");
}

TEST_F(NickEntry, AnEnteredScoreIsOnTheDiskAtOnceBeforeTheGameEnds) {
    const auto file = data.path() / "hscr000.bas";
    std::filesystem::remove(file);
    for (char16_t c : {u'K', u'E', u'P'})
        press(kCharacterKeys[c - u'A']);
    press(kEnterKey);
    HighScoreTable onDisk;
    ASSERT_TRUE(loadHighScores(onDisk, data.path()));
    EXPECT_EQ(onDisk.entries[0].score, 450);
    EXPECT_EQ(nickText(onDisk.entries[0]), "KEP");
}

TEST(HighScoreInsertion, ANewScoreGoesAboveLowerAndBelowEqualScores) {
    HighScoreTable table;
    const int scores[] = {500, 400, 400, 300};
    for (int i = 0; i < 4; ++i)
        table.entries[i].score = scores[i];
    insertHighScore(table, u"NEW", 450);
    const int expected[] = {500, 450, 400, 400, 300, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(table.entries[i].score, expected[i]) << i;
    EXPECT_EQ(nickText(table.entries[1]), "NEW");

    insertHighScore(table, u"LOW", 0);  // not above the tenth
    EXPECT_EQ(table.entries[9].score, 0);
    EXPECT_EQ(nickText(table.entries[9]), "");
}

}  // namespace
}  // namespace cindervane
