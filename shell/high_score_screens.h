// The high score table screen and the nick entry with its on-screen keyboard.
#pragma once

#include "stage/game_state.h"

namespace cindervane {

// Loads the table's pictures and shows the table.
void enterHighScores(GameState& state);
void drawHighScores(GameState& state);

void drawNickEntry(GameState& state);
// A tap on the nick entry screen: a character, clear, or enter.
void nickEntryTap(GameState& state, int x, int y);

// Puts the score into the table under the nick when it beats the tenth entry, then sorts
// the table best first. True when the table changed.
bool insertHighScore(HighScoreTable& table, const std::u16string& nick, std::int32_t score);

}  // namespace cindervane
