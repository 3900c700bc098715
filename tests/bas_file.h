// Small .BAS sound files for tests: a 44-byte header the game never reads, then unsigned
// 8-bit samples.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace cindervane {

inline void writeBasFile(const std::filesystem::path& path,
                         const std::vector<std::uint8_t>& samples) {
    std::vector<std::uint8_t> bytes(44, 0);
    const char tag[] = "RIFF....WAVEfmt ";
    for (int i = 0; i < 16; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(tag[i]);
    bytes.insert(bytes.end(), samples.begin(), samples.end());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A sound of the given number of samples, all at one level (128 is silence).
inline void writeBasFile(const std::filesystem::path& path, std::size_t sampleCount,
                         std::uint8_t level = 128) {
    writeBasFile(path, std::vector<std::uint8_t>(sampleCount, level));
}

// A file of exactly this many bytes of any content.
inline void writeRawFile(const std::filesystem::path& path, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    out << std::string(size, '\x80');
}

}  // namespace cindervane
