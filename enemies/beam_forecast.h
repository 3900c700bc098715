// The warning a boss gives before its beams and lasers: which of its guns are about to fire
// and how soon, read from the boss's own counters. Drawing alone asks for it; nothing the
// game decides, dumps or replays depends on it.
#pragma once

#include <array>
#include <cstdint>

namespace cindervane {

class Enemy;

// The frames before a volley in which the guns show that they are winding up.
inline constexpr std::int32_t kWindUpFrames = 18;

struct BeamWarning {
    std::int32_t x = 0;  // the gun's muzzle on the screen, as the guns are placed now
    std::int32_t y = 0;
    std::int32_t framesLeft = 0;  // 1: it fires in the next frame
    std::int32_t part = -1;       // the part whose gun it is; -1 the body
    std::int32_t gun = 0;
};

struct BeamForecast {
    static constexpr int kMaxWarnings = 48;
    std::array<BeamWarning, kMaxWarnings> warnings{};
    int count = 0;

    // Gun `gun` of `from` (the boss itself, or its part `part`) fires `framesLeft` frames from
    // now; kept only inside the wind-up.
    void add(const Enemy& from, int part, int gun, std::int32_t framesLeft);
};

}  // namespace cindervane
