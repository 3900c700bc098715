// Where the program lives and where it keeps its data.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace cindervane::platform {

// The folder of the real program file, with symbolic links resolved, so a link in a bin
// folder still finds the pictures and sounds beside the program.
std::filesystem::path programDirectory();

// The folder of the high score file: the given one, else $XDG_DATA_HOME/cindervane, else
// ~/.local/share/cindervane, else .cindervane in the working folder. Created when missing
// (a folder that cannot be made is returned anyway, and reading or writing there fails
// later with its own message). Nothing when there is no such folder to name at all (no
// home, no working folder); error then says so in one line.
std::optional<std::filesystem::path> resolveDataDirectory(
    const std::optional<std::filesystem::path>& chosen, std::string& error);

}  // namespace cindervane::platform
