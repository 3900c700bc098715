// Replacing a file's contents so that a crash or a full disk at any moment leaves either the
// old file or the new one, never a torn one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace cindervane::platform {

// Writes the bytes to a new file in the same folder, flushes it to the disk and renames it
// over the path. False, with one line saying why in error, when any step fails; the old
// file is then untouched and no temporary file is left behind.
bool writeFileDurably(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                      std::string& error);

}  // namespace cindervane::platform
