// The input script of a headless run: one event a line, each taking effect when a given
// number of frames has run.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace cindervane::platform {

struct ScriptEvent {
    enum class Kind { Tap, Down, Move, Up, Press, KeyDown, KeyUp, Screenshot, Dump, Quit };

    long long frame = 0;  // frames run (calls of the frame function) when the line acts
    Kind kind = Kind::Quit;
    int x = 0;
    int y = 0;
    std::uint16_t keyCode = 0;
    std::string file;
    int line = 0;  // line number in the script, for messages
};

// Reads a whole script. Lines are "F event arguments"; blank lines and everything after '#'
// are ignored. The events come back ordered by frame, lines of one frame in file order. On
// a malformed line returns false with "line N: what is wrong" in error.
bool parseScript(std::istream& input, std::vector<ScriptEvent>& events, std::string& error);

// The key code a script key name stands for (up down left right a b c start x1 x2); 0 when
// the name is unknown.
std::uint16_t scriptKeyCode(const std::string& name);

}  // namespace cindervane::platform
