// Writing sound files: a canonical 44-byte RIFF WAVE header, which the game skips, then
// unsigned 8-bit mono samples at 11025 a second, so other tools play the files too.
#pragma once

#include <cstdint>
#include <vector>

namespace cindervane::assetgen {

inline constexpr int kSampleRate = 11025;
inline constexpr int kSoundHeaderSize = 44;

std::vector<std::uint8_t> encodeSoundFile(const std::vector<std::uint8_t>& samples);

}  // namespace cindervane::assetgen
