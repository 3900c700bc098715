// Reading the files the game is given (pictures, sounds, the high score file, scripts):
// only regular files are read, and opening one never waits, so a named pipe or a device
// where a file is expected is refused at once instead of hanging the game.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cindervane::platform {

enum class FileRead {
    Read,        // the whole file is in the bytes
    Missing,     // nothing by that name
    NotRegular,  // a folder, a pipe, a device or a socket: refused as if missing
    TooLarge,    // more than the bytes the caller allows
    Unreadable,  // it exists but cannot be opened or read (permissions, an I/O error)
};

// Reads the whole file at the path into bytes when it is a regular file of at most maxBytes.
// Anything else leaves bytes empty and says why in one short phrase in reason.
FileRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                         std::vector<std::uint8_t>& bytes, std::string& reason);

}  // namespace cindervane::platform
