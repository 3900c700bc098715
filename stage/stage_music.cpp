// Stopping the game's sounds, and the stage music sequencer.
#include "stage/stage_music.h"

#include <algorithm>

#include "gamelibrary/game_app.h"
#include "stage/game_state.h"

namespace cindervane {

namespace {

std::int32_t entriesInUse(const GameState& state) {
    return std::clamp(state.field.musicEntryCount, 0, kMusicPlaylistLength);
}

// The playlist entry at the index, or null when the index is outside the list in use.
const MusicEntry* entryAt(const GameState& state, std::int32_t index) {
    if (index < 0 || index >= entriesInUse(state)) return nullptr;
    return &state.field.musicPlaylist[static_cast<std::size_t>(index)];
}

SoundClip* playerOf(GameState& state, const MusicEntry& entry) {
    if (entry.player < 0 || entry.player >= kMusicPlayerCount) return nullptr;
    return state.run.musicPlayers[static_cast<std::size_t>(entry.player)].get();
}

// Puts the entry's piece into its player, ready to start at once when its turn comes.
void loadPiece(GameState& state, const MusicEntry& entry) {
    SoundClip* player = playerOf(state, entry);
    if (!player) return;
    player->unload();
    if (!player->load(state.run.app->pathBesideProgram(entry.fileName)))
        state.run.app->fatalError("Error Load Sound Background");
}

void startPiece(GameState& state, const MusicEntry& entry) {
    SoundClip* player = playerOf(state, entry);
    if (!player) return;
    player->setRepeatLimit(entry.playCount);
    player->play(true);
}

}  // namespace

void stopAllSounds(RunResources& run) {
    for (auto& clip : run.soundEffects)
        if (clip) clip->stop();
    for (auto& clip : run.musicPlayers)
        if (clip) clip->stop();
}

void updateStageMusic(GameState& state, std::int32_t frameCounter) {
    if (state.flow.screen != GameScreen::Play || !state.run.app) return;
    const MusicEntry* first = entryAt(state, 0);
    if (!first) return;

    if (frameCounter == 1) {
        // The first play frame of a stage: the first piece, and the next one made ready.
        state.field.currentMusicEntry = 0;
        loadPiece(state, *first);
        if (state.run.soundOn) startPiece(state, *first);
        if (entriesInUse(state) > 1) {
            if (const MusicEntry* next = entryAt(state, first->next)) loadPiece(state, *next);
        }
        return;
    }

    // A single piece plays its count and then the music stays silent.
    if (entriesInUse(state) <= 1) return;
    const MusicEntry* current = entryAt(state, state.field.currentMusicEntry);
    if (!current) return;
    const SoundClip* currentPlayer = playerOf(state, *current);
    if ((currentPlayer && currentPlayer->isPlaying()) || !state.run.soundOn) return;
    const MusicEntry* next = entryAt(state, current->next);
    if (!next) return;
    startPiece(state, *next);
    // The playlists never give two entries in a row the same player, so the piece loaded
    // here is never the one that has just started.
    if (const MusicEntry* afterNext = entryAt(state, next->next)) loadPiece(state, *afterNext);
    state.field.currentMusicEntry = current->next;
}

}  // namespace cindervane
