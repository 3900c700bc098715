// The high score table screen and the nick entry.
#include "shell/high_score_screens.h"

#include <utility>

#include "gamelibrary/game_app.h"
#include "shell/keyboard_keys.h"
#include "shell/picture_slots.h"
#include "shell/screen_flow.h"
#include "shell/screen_text.h"

namespace cindervane {

namespace {

using platform::TextFormat;

constexpr std::size_t kNickLength = 3;

bool onKey(const KeyboardKey& key, int x, int y) {
    return pointInBox(x, y, key.left, key.top, key.right, key.bottom);
}

std::u16string nickOf(const HighScoreEntry& entry) {
    std::u16string nick;
    for (char16_t c : entry.nick) {
        if (c == 0) break;
        nick += c;
    }
    return nick;
}

}  // namespace

void enterHighScores(GameState& state) {
    replacePicture(state, state.flow.helpBackground, "IMG_BGHELP", "O0018.BAI");
    replacePicture(state, state.flow.highScoreTitleImage, "IMG_HSCORETITLE", "O0021.BAI");
    state.flow.screen = GameScreen::HighScores;
}

void drawHighScores(GameState& state) {
    drawPicture(state.flow.highScoreTitleImage, 0, 0);
    drawPicture(state.flow.helpBackground, 0, 35);
    if (!state.scores.highScores) return;
    for (int k = 0; k < HighScoreTable::kEntryCount; ++k) {
        const HighScoreEntry& entry = state.scores.highScores->entries[k];
        const int top = 50 + 25 * k;
        const int bottom = 70 + 25 * k;
        writeText(state, numberText(k + 1), 0, kWhiteText, 10, top, 30, bottom, TextFormat::Right);
        writeText(state, nickOf(entry), 0, kWhiteText, 40, top, 110, bottom);
        // Empty places show only their rank.
        if (entry.score > 0)
            writeText(state, numberText(entry.score), 0, kWhiteText, 125, top, 200, bottom,
                      TextFormat::Right);
    }
}

void drawNickEntry(GameState& state) {
    fillBox(state, kBrushBlack, 0, 0, 240, 320);
    fillBox(state, kBrushWhite, 105, 95, 140, 115);
    // The heading's rectangle is the game's own: in the 20-pixel Courier New the fifteen
    // characters are a few pixels wider than its 155, so the outer letters lose their edges
    // on each side. The rectangle is kept as the game has it.
    writeText(state, u"ENTER YOUR NICK", 2, kWhiteText, 45, 45, 200, 75, TextFormat::Centre);
    writeText(state, state.scores.nick, 2, kBlackText, 45, 95, 200, 115, TextFormat::Centre);
    drawPicture(state.run.keyboardImage, 12, 273);
}

bool insertHighScore(HighScoreTable& table, const std::u16string& nick, std::int32_t score) {
    auto& entries = table.entries;
    if (!(entries[9].score < score)) return false;
    entries[9].nick = {};
    for (std::size_t i = 0; i < nick.size() && i < kNickLength; ++i)
        entries[9].nick[i] = nick[i];
    entries[9].score = score;
    // The game's own exchange sort: an entry moves above every strictly lower score.
    for (int i = 0; i < 9; ++i)
        for (int j = i + 1; j < 10; ++j)
            if (entries[i].score < entries[j].score) std::swap(entries[i], entries[j]);
    return true;
}

void nickEntryTap(GameState& state, int x, int y) {
    if (onKey(kClearKey, x, y)) {
        state.scores.nick.clear();
        return;
    }
    if (onKey(kEnterKey, x, y)) {
        if (state.scores.nick.size() < kNickLength) return;
        // A new entry goes to the disk at once, so no later crash or lost session takes it.
        if (state.scores.highScores &&
            insertHighScore(*state.scores.highScores, state.scores.nick, state.scores.score) &&
            state.run.app)
            saveHighScores(*state.scores.highScores, state.run.app->platform().dataDirectory());
        showMainMenu(state);
        return;
    }
    if (state.scores.nick.size() >= kNickLength) return;
    for (const KeyboardKey& key : kCharacterKeys) {
        if (onKey(key, x, y)) {
            state.scores.nick += key.character;
            return;
        }
    }
}

}  // namespace cindervane
