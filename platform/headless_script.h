// The input script of a headless run: one event a line, each taking effect when a given
// number of frames has run. A recording is a script too: header lines that say what the game
// starts from, the input that reached the game and check lines with the state hash.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cindervane::platform {

// The game's state hash as check lines hold and compare it: the whole, and the parts in the
// order a divergence names the first that differs.
struct StateHash {
    std::uint64_t whole = 0;
    std::vector<std::pair<std::string, std::uint64_t>> parts;
};

// One entry of the high score table a recorded game started with.
struct ScriptHighScore {
    std::int32_t score = 0;
    std::u16string nick;
};

// What a script says the game starts from: the random seed, the stage given with --stage and
// the high score table (best first; empty when the script does not give it).
struct ScriptHeader {
    std::optional<std::uint32_t> seed;
    std::optional<int> stage;
    std::vector<ScriptHighScore> highScores;
};

struct ScriptEvent {
    enum class Kind { Tap, Down, Move, Up, Press, KeyDown, KeyUp, Screenshot, Dump, Quit, Check };

    long long frame = 0;  // frames run (calls of the frame function) when the line acts
    Kind kind = Kind::Quit;
    int x = 0;
    int y = 0;
    std::uint16_t keyCode = 0;
    std::string file;
    StateHash hash;  // what a check line expects
    int line = 0;    // line number in the script, for messages
};

// Reads a whole script. Lines are "F event arguments"; blank lines and everything after '#'
// are ignored. The events come back ordered by frame, lines of one frame in file order. On
// a malformed line returns false with "line N: what is wrong" in error.
// Header lines ("seed N", "stage N", "highscore SCORE [NICK]") come before the first event
// and fill the header when one is given.
bool parseScript(std::istream& input, std::vector<ScriptEvent>& events, std::string& error,
                 ScriptHeader* header = nullptr);

// The key code a script key name stands for (up down left right a b c start x1 x2); 0 when
// the name is unknown.
std::uint16_t scriptKeyCode(const std::string& name);
// The script name of the button with the key index 0..9 (the names' order); "" for others.
const char* scriptKeyName(int keyIndex);

// A state hash as a check line writes it: the whole in 16 hex digits, then part=hash for
// each part.
std::string checkText(const StateHash& hash);
// A nick as a header line writes it: printable ASCII characters as they are, except '#' and
// the backslash, and every other character as \uXXXX (four hex digits).
std::string nickScriptText(const std::u16string& nick);

}  // namespace cindervane::platform
