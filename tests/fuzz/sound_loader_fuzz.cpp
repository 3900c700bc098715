// Fuzzing the sound loader: any file is either a sound of its size less the header, or
// refused. The bytes are handed over as a real file (in memory), as the game reads them.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "gamelibrary/sound_clip.h"
#include "platform/audio/timed_wave_output.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int file = ::memfd_create("sound", MFD_CLOEXEC);
    if (file < 0) return 0;
    if (::write(file, data, size) != static_cast<ssize_t>(size)) {
        ::close(file);
        return 0;
    }
    std::uint32_t tick = 0;
    cindervane::platform::TimedWaveOutput output([&tick] { return tick; });
    {
        cindervane::SoundClip clip(output);
        const std::string path = "/proc/self/fd/" + std::to_string(file);
        const bool loaded = clip.load(path);
        if (loaded != (size >= cindervane::SoundClip::kHeaderSize)) __builtin_trap();
        if (loaded) {
            clip.play(false);
            tick += 2000000;  // longer than the longest sound the size limit allows
            output.deliverDue(tick);
            if (clip.isPlaying()) __builtin_trap();
            clip.unload();
        }
    }
    ::close(file);
    return 0;
}
