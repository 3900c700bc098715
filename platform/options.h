// The choices the command line makes for the platform layer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace cindervane::platform {

struct PlatformOptions {
    std::optional<std::filesystem::path> assetDirectory;  // --assets
    std::optional<std::filesystem::path> dataDirectory;   // --data-dir
    std::optional<std::uint32_t> seed;                    // --seed
    std::optional<long long> frameLimit;                  // --frames: close after N frames
    int scale = 0;                                        // --scale: 0 picks the largest fit
    bool fullScreen = false;                              // --fullscreen: start full screen
    bool noSound = false;       // --no-sound: silent wave devices that keep time
    bool noWaveDevice = false;  // --no-wave-device: report no wave devices at all (tests)
};

}  // namespace cindervane::platform
