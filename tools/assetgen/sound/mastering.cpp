// Mastering.
#include "tools/assetgen/sound/mastering.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/sound_file.h"

namespace cindervane::assetgen {

namespace {

constexpr double kGateBlockSeconds = 0.05;
constexpr double kGate = 0.01;  // 40 dB below full scale
constexpr double kHighPassHertz = 20.0;
constexpr double kFadeSeconds = 0.005;
// A sample nearer the midpoint than this counts as silence at the end of a sound: it would
// not move the 8-bit scale by more than a step.
constexpr double kSilence = 1.5 / 128.0;

// Samples above the knee are bent towards the ceiling and never reach it.
double limit(double v, double ceiling) {
    const double knee = ceiling * 2.0 / 3.0;
    const double size = std::abs(v);
    if (size <= knee) return v;
    const double bent = knee + (ceiling - knee) * std::tanh((size - knee) / (ceiling - knee));
    return v < 0 ? -bent : bent;
}

}  // namespace

double gatedLoudness(const std::vector<double>& mix) {
    const std::size_t block = static_cast<std::size_t>(kGateBlockSeconds * kSampleRate);
    double power = 0;
    std::size_t counted = 0;
    for (std::size_t from = 0; from < mix.size(); from += block) {
        const std::size_t to = std::min(mix.size(), from + block);
        double sum = 0;
        for (std::size_t i = from; i < to; ++i)
            sum += mix[i] * mix[i];
        if (std::sqrt(sum / double(to - from)) < kGate) continue;
        power += sum;
        counted += to - from;
    }
    return counted ? std::sqrt(power / double(counted)) : 0.0;
}

std::vector<double> removeOffset(const std::vector<double>& mix, bool loop) {
    const double a = 1.0 / (1.0 + 2.0 * M_PI * kHighPassHertz / kSampleRate);
    std::vector<double> out(mix.size(), 0.0);
    if (mix.empty()) return out;
    double previousIn = loop ? mix.back() : 0.0;
    double previousOut = 0.0;
    for (int pass = loop ? 0 : 1; pass < 2; ++pass) {
        for (std::size_t i = 0; i < mix.size(); ++i) {
            previousOut = a * (previousOut + mix[i] - previousIn);
            previousIn = mix[i];
            if (pass == 1) out[i] = previousOut;
        }
    }
    return out;
}

std::vector<std::uint8_t> master(const std::vector<double>& mix, const MasteringTarget& target) {
    std::vector<double> clean = removeOffset(mix, target.loop);
    // The limiter takes a little off the loud parts, so the gain is found in a few rounds.
    double gain = 1.0;
    std::vector<double> shaped(clean.size());
    for (int round = 0; round < 4; ++round) {
        for (std::size_t i = 0; i < clean.size(); ++i)
            shaped[i] = limit(clean[i] * gain, target.ceiling);
        const double loudness = gatedLoudness(shaped);
        if (loudness <= 0) break;
        gain *= target.loudness / loudness;
    }
    for (std::size_t i = 0; i < clean.size(); ++i)
        shaped[i] = limit(clean[i] * gain, target.ceiling);

    std::size_t length = shaped.size();
    if (!target.loop) {
        while (length > 0 && std::abs(shaped[length - 1]) < kSilence)
            --length;
        shaped.resize(length);
        const std::size_t fade =
            std::min(length, static_cast<std::size_t>(kFadeSeconds * kSampleRate));
        for (std::size_t i = 0; i < fade; ++i)
            shaped[length - 1 - i] *= double(i) / double(fade);
    }
    std::vector<std::uint8_t> out(length);
    for (std::size_t i = 0; i < length; ++i)
        out[i] =
            static_cast<std::uint8_t>(std::clamp(128L + std::lround(shaped[i] * 127.0), 1L, 255L));
    return out;
}

}  // namespace cindervane::assetgen
