// Where the program lives and where it keeps its data.
#pragma once

#include <filesystem>
#include <optional>

namespace cindervane::platform {

// The folder of the real program file, with symbolic links resolved, so a link in a bin
// folder still finds the pictures and sounds beside the program.
std::filesystem::path programDirectory();

// The folder of the high score file: the given one, else $XDG_DATA_HOME/cindervane, else
// ~/.local/share/cindervane. Created when missing; a folder that cannot be made is returned
// anyway, and reading or writing there fails later with its own message.
std::filesystem::path resolveDataDirectory(const std::optional<std::filesystem::path>& chosen);

// The per-user folder for the running copy's lock and socket: $XDG_RUNTIME_DIR, else /tmp.
std::filesystem::path runtimeDirectory();

}  // namespace cindervane::platform
