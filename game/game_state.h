// The one record of the game: everything the game knows, owned by the game and handed to
// the code that needs it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "game/game_screen.h"
#include "game/music_entry.h"
#include "game/sheet_catalogue.h"
#include "gamelibrary/sound_clip.h"
#include "gamelibrary/sprite_sheet.h"
#include "shell/high_score_table.h"

namespace cindervane {

class GameApp;

struct GameState {
    // The application shell the game runs in: fatal errors, closing, paths.
    GameApp* app = nullptr;

    GameScreen screen = GameScreen::Logo;
    std::int32_t frameCounter = 0;

    // The sound switch on the play screen: whether sounds are started at all.
    bool soundOn = true;
    // Explosion, machine gun, laser and special gun, loaded at start-up.
    std::array<std::unique_ptr<SoundClip>, kSoundEffectCount> soundEffects;
    // The players the stage music sequencer loads and plays in turn.
    std::array<std::unique_ptr<SoundClip>, kMusicPlayerCount> musicPlayers;
    // The stage's playlist: musicEntryCount entries in use, currentMusicEntry playing.
    std::array<MusicEntry, kMusicPlaylistLength> musicPlaylist{};
    std::int32_t musicEntryCount = 0;
    std::int32_t currentMusicEntry = 0;

    // The ten best scores, read from the file at start-up and written back at shutdown.
    std::unique_ptr<HighScoreTable> highScores;

    // Every catalogue's sheets: made once at start-up and kept for the whole run.
    std::vector<std::unique_ptr<SpriteSheet>> catalogueSheets;
    // The sprite catalogues, filled at start-up, in which play objects find their sheets
    // by id.
    SheetCatalogue craftSheets;
    SheetCatalogue projectileSheets;
    SheetCatalogue effectSheets;
    SheetCatalogue coinSheets;
    SheetCatalogue boxSheets;
    SheetCatalogue partSheets;
};

}  // namespace cindervane
