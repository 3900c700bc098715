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
    dump["stageNumber"] = state.stageNumber;
    dump["score"] = state.score;
    dump["money"] = state.money;
    dump["continuesUsed"] = state.continuesUsed;
    dump["gameOverCounter"] = state.gameOverCounter;
    dump["playerDown"] = state.playerDown;
    dump["stageCleared"] = state.stageCleared;
    dump["bossWarning"] = state.bossWarning;
    dump["refillTaps"] = state.refillTaps;
    dump["pickupIndex"] = state.pickupIndex;
    dump["pickupTimer"] = state.pickupTimer;
    dump["scrollX"] = state.scrollX;
    dump["scrollY"] = state.scrollY;
    dump["scrollSpeed"] = state.scrollSpeed;
    dump["scrollWrap"] = state.scrollWrap;
    dump["nick"] = utf8(state.nick);
    nlohmann::json rows = nlohmann::json::array();
    for (const ShopRow& row : state.shopRows)
        rows.push_back({{"level", row.level},
                        {"levelLimit", row.levelLimit},
                        {"baseLevel", row.baseLevel},
                        {"nextPrice", row.nextPrice}});
    dump["shopRows"] = std::move(rows);
    dump["musicEntryCount"] = state.musicEntryCount;
    nlohmann::json playlist = nlohmann::json::array();
    for (int i = 0; i < state.musicEntryCount && i < kMusicPlaylistLength; ++i) {
        const MusicEntry& entry = state.musicPlaylist[i];
        playlist.push_back({{"playCount", entry.playCount},
                            {"player", entry.player},
                            {"next", entry.next},
                            {"file", std::string(entry.fileName)}});
    }
    dump["musicPlaylist"] = std::move(playlist);
}

}  // namespace cindervane
