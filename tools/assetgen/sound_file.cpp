// Writing sound files.
#include "tools/assetgen/sound_file.h"

#include <string_view>

namespace cindervane::assetgen {

namespace {

void put(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> encodeSoundFile(const std::vector<std::uint8_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size());
    std::vector<std::uint8_t> out;
    out.reserve(kSoundHeaderSize + samples.size());
    put(out, "RIFF");
    put32(out, 36 + dataBytes);
    put(out, "WAVE");
    put(out, "fmt ");
    put32(out, 16);           // format block size
    put16(out, 1);            // PCM
    put16(out, 1);            // mono
    put32(out, kSampleRate);  // samples a second
    put32(out, kSampleRate);  // bytes a second
    put16(out, 1);            // bytes a sample frame
    put16(out, 8);            // bits a sample
    put(out, "data");
    put32(out, dataBytes);
    out.insert(out.end(), samples.begin(), samples.end());
    return out;
}

}  // namespace cindervane::assetgen
