// The screen machine's part of a state dump: counters, scroll window, nick, shop rows and
// the stage's music playlist.
#include "shell/shell_dump.h"

#include <nlohmann/json.hpp>

#include "core/high_score_table.h"

namespace cindervane {

namespace {

std::string utf8(const std::u16string& text) {
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

}  // namespace

void reportShellState(const GameState& state, nlohmann::json& dump) {
    dump["stageNumber"] = state.flow.stageNumber;
    dump["score"] = state.scores.score;
    dump["money"] = state.scores.money;
    dump["continuesUsed"] = state.flow.continuesUsed;
    dump["gameOverCounter"] = state.flow.gameOverCounter;
    dump["playerDown"] = state.field.playerDown;
    dump["stageCleared"] = state.field.stageCleared;
    dump["bossWarning"] = state.flow.bossWarning;
    dump["refillTaps"] = state.flow.refillTaps;
    dump["pickupIndex"] = state.flow.pickupIndex;
    dump["pickupTimer"] = state.flow.pickupTimer;
    dump["scrollX"] = state.flow.scrollX;
    dump["scrollY"] = state.flow.scrollY;
    dump["scrollSpeed"] = state.flow.scrollSpeed;
    dump["scrollWrap"] = state.flow.scrollWrap;
    dump["nick"] = utf8(state.scores.nick);
    nlohmann::json rows = nlohmann::json::array();
    for (const ShopRow& row : state.scores.shopRows)
        rows.push_back({{"level", row.level},
                        {"levelLimit", row.levelLimit},
                        {"baseLevel", row.baseLevel},
                        {"nextPrice", row.nextPrice}});
    dump["shopRows"] = std::move(rows);
    dump["musicEntryCount"] = state.field.musicEntryCount;
    nlohmann::json playlist = nlohmann::json::array();
    for (int i = 0; i < state.field.musicEntryCount && i < kMusicPlaylistLength; ++i) {
        const MusicEntry& entry = state.field.musicPlaylist[i];
        playlist.push_back({{"playCount", entry.playCount},
                            {"player", entry.player},
                            {"next", entry.next},
                            {"file", std::string(entry.fileName)}});
    }
    dump["musicPlaylist"] = std::move(playlist);
}

}  // namespace cindervane
