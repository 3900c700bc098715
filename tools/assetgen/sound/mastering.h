// Mastering: what every sound goes through on its way from the synthesiser's mix to the 8-bit
// samples of its file. The drift below the midpoint that narrow square voices leave is taken
// out, every piece and effect is brought to one loudness under a fixed ceiling, and a sound
// that plays once ends where its sound ends instead of in silence.
#pragma once

#include <cstdint>
#include <vector>

namespace cindervane::assetgen {

struct MasteringTarget {
    double loudness = 0.2;  // gated loudness (below), share of full scale: about -14 dBFS
    double ceiling = 0.9;   // no sample goes further from the midpoint than this share
    bool loop = false;      // the sound repeats: filter it round, keep its length
};

// Every piece of music and every effect: the same loudness under the same ceiling.
inline constexpr MasteringTarget kPlayedOnce{0.2, 0.9, false};
inline constexpr MasteringTarget kLooped{0.2, 0.9, true};

// Gated loudness of a mix, as a share of full scale: the root mean square over the 50 ms
// blocks that are louder than 40 dB below full scale, so the quiet end of an explosion or a
// pause in a tune does not pull the figure down.
double gatedLoudness(const std::vector<double>& mix);

// A high pass at about 20 Hz that takes out any offset from the midpoint. A loop is filtered
// once round to settle and once for real, so its end still joins its start.
std::vector<double> removeOffset(const std::vector<double>& mix, bool loop);

// The finished samples: offset removed, brought to the target loudness, the peaks above
// two thirds of the ceiling rounded off so none passes it, and for a sound that plays once
// the silence after its last audible sample cut (with a 5 ms fade).
std::vector<std::uint8_t> master(const std::vector<double>& mix, const MasteringTarget& target);

}  // namespace cindervane::assetgen
