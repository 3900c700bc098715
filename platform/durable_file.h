// Replacing a file's contents so that a crash, a kill or a full disk at any moment leaves
// either the old file or the new one, never a torn one, and looking after what such a
// moment can leave behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace cindervane::platform {

// Writes the bytes to a new file beside the file, flushes it to the disk and renames it
// over the file. A symbolic link is followed: its final target is replaced and the link
// stays. False, with one line saying why in error, when any step fails; the old file is
// then untouched and no temporary file is left behind.
bool writeFileDurably(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                      std::string& error);

// Removes the temporary files that saves of this file left behind when they were killed
// midway (a save still running elsewhere keeps its own). Returns how many went.
int removeStaleTemporaries(const std::filesystem::path& path);

// Moves a file the game cannot read out of the way, to "<name>.unreadable-YYYYMMDD-HHMMSS"
// beside it (with "-2", "-3", ... when that is taken), so that nothing is written over it.
// True with the new path in movedTo; false with one line in error when it cannot be moved.
bool moveAside(const std::filesystem::path& path, std::filesystem::path& movedTo,
               std::string& error);

// The file a path finally names once symbolic links are followed (the path itself when it
// is no link, or the missing target of a dangling one).
std::filesystem::path finalTarget(const std::filesystem::path& path);

}  // namespace cindervane::platform
