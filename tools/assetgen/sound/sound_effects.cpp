// The four sound effects: the explosion, the laser, the machine gun (a burst that loops
// seamlessly, as it repeats while the guns fire) and the special gun's beam hum (which
// loops as well).
#include <cmath>

#include "tools/assetgen/sound/mastering.h"
#include "tools/assetgen/sound/music_composer.h"
#include "tools/assetgen/sound/sounds.h"
#include "tools/assetgen/sound/synth.h"
#include "tools/assetgen/sound_file.h"

namespace cindervane::assetgen {

namespace {

int samplesOf(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

// A deep blast: a falling thump under a rumble that darkens as it dies away.
std::vector<std::uint8_t> explosion() {
    Synth synth(samplesOf(1.4), false);
    synth.play({0, 0.12, 90, 28, 0.9, Wave::Triangle, 0.5, 0, {0.002, 0.3, 0.4, 0.5}});
    synth.rumble(0, 0.25, 1.0, 0.95, 0.05, {0.002, 0.2, 0.6, 1.0});
    synth.rumble(0.05, 0.1, 0.5, 0.6, 0.1, {0.01, 0.2, 0.3, 0.6});
    return master(synth.samples(), kPlayedOnce);
}

// A bright zap falling in pitch.
std::vector<std::uint8_t> laser() {
    Synth synth(samplesOf(0.42), false);
    synth.play({0, 0.2, 2200, 320, 0.55, Wave::Square, 0.25, 0, {0.002, 0.05, 0.7, 0.2}});
    synth.play({0.004, 0.2, 1100, 180, 0.35, Wave::Triangle, 0.5, 0, {0.002, 0.05, 0.7, 0.2}});
    return master(synth.samples(), kPlayedOnce);
}

// Three shots at the guns' pace (a shot every two frames of 33 ms); each dies away before
// the next, so the loop joins on silence.
std::vector<std::uint8_t> machineGun() {
    const int shot = samplesOf(0.0667);
    Synth synth(shot * 3, true);
    for (int i = 0; i < 3; ++i) {
        const double t = i * shot / double(kSampleRate);
        synth.rumble(t, 0.012, 0.9, 0.95, 0.3, {0.0005, 0.02, 0.3, 0.03});
        synth.play({t, 0.01, 220, 90, 0.45, Wave::Square, 0.5, 0, {0.0005, 0.02, 0.3, 0.025}});
    }
    return master(synth.samples(), kLooped);
}

// The hyper beam: a low hum with a slowly beating upper voice. Every tone completes a whole
// number of cycles in the loop, so it plays round without a seam.
std::vector<std::uint8_t> specialGun() {
    const int length = 5600;
    const double cycle = double(kSampleRate) / length;  // hertz of one cycle per loop
    Synth synth(length, true);
    const double seconds = length / double(kSampleRate);
    const Envelope held{0.0001, 0.0001, 1.0, 0.0001};
    // The voices start part-way through their cycles, so no two edges meet at the join.
    synth.play({0, seconds, cycle * 40, 0, 0.45, Wave::Square, 0.5, 0, held, 0.2});
    synth.play({0, seconds, cycle * 80, 0, 0.25, Wave::Triangle, 0.5, 0, held, 0.4});
    synth.play({0, seconds, cycle * 121, 0, 0.18, Wave::Square, 0.3, 0, held, 0.55});
    synth.rumble(0, seconds, 0.2, 0.5, 0.5, held);
    return master(synth.samples(), kLooped);
}

constexpr ComposerRow kEffectComposers[] = {
    {"W0001.BAS", explosion},
    {"W0002.BAS", laser},
    {"W0003.BAS", machineGun},
    {"W0020.BAS", specialGun},
};

}  // namespace

std::span<const ComposerRow> effectComposers() {
    return kEffectComposers;
}

}  // namespace cindervane::assetgen
