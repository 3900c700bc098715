// The game's sounds as a whole: stopping them all when play is left, and the stage music
// sequencer that walks the stage's playlist during play, each piece loaded one step ahead
// of its turn.
#pragma once

#include <cstdint>

namespace cindervane {

struct GameState;
struct RunResources;

// Stops the four effect clips, then the three music players.
void stopAllSounds(RunResources& run);

// Once per play frame with the frame clock; does nothing unless the screen is Play. On the
// first frame of a stage it loads the first piece (and plays it when the sound is on) and
// the next one; afterwards, whenever the current piece has ended and the sound is on, it
// starts the next piece and loads the one after it. A piece that cannot be loaded is a
// fatal error, "Error Load Sound Background".
void updateStageMusic(GameState& state, std::int32_t frameCounter);

}  // namespace cindervane
