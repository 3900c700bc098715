// The synthesiser.
#include "tools/assetgen/sound/synth.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/sound_file.h"

namespace cindervane::assetgen {

namespace {

constexpr double kRate = kSampleRate;

double envelopeAt(const Envelope& e, double t, double held) {
    if (t < 0) return 0;
    double level;
    if (t < e.attack)
        level = t / e.attack;
    else if (t < e.attack + e.decay)
        level = 1.0 - (1.0 - e.sustain) * (t - e.attack) / e.decay;
    else
        level = e.sustain;
    if (t > held) {
        // Release from wherever the note was when it ended.
        const double atEnd = envelopeAt(e, held, held + 1);
        const double r = (t - held) / std::max(e.release, 1e-4);
        level = r >= 1 ? 0 : atEnd * (1.0 - r);
    }
    return level;
}

// A band-limited step correction for the square voice (poly-BLEP), which keeps the high
// notes clean at this low sample rate.
double blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// The noise voice: a 15-bit shift register, the same on every machine.
struct NoiseRegister {
    std::uint32_t state = 0x7FFF;
    double next() {
        const std::uint32_t bit = (state ^ (state >> 1)) & 1u;
        state = (state >> 1) | (bit << 14);
        return (state & 1u) ? 1.0 : -1.0;
    }
};

}  // namespace

double noteFrequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

Synth::Synth(int samples, bool loop) : mix_(static_cast<std::size_t>(samples), 0.0), loop_(loop) {}

void Synth::add(long index, double value) {
    const long size = static_cast<long>(mix_.size());
    if (loop_) {
        index %= size;
        if (index < 0) index += size;
    } else if (index < 0 || index >= size) {
        return;
    }
    mix_[static_cast<std::size_t>(index)] += value;
}

void Synth::play(const Note& note) {
    const double total = note.length + note.envelope.release;
    const long first = std::lround(note.start * kRate);
    const long count = std::lround(total * kRate);
    double phase = note.phase;
    NoiseRegister noise;
    double noiseValue = 0;
    double noisePhase = 0;
    for (long i = 0; i < count; ++i) {
        const double t = i / kRate;
        double f = note.frequency;
        if (note.endFrequency > 0) f *= std::pow(note.endFrequency / note.frequency, t / total);
        if (note.vibrato > 0 && t > note.envelope.attack + 0.08)
            f *= std::pow(2.0, note.vibrato / 12.0 * std::sin(2 * M_PI * 5.5 * t));
        const double dt = f / kRate;
        double v = 0;
        switch (note.wave) {
            case Wave::Square:
                v = (phase < note.duty ? 1.0 : -1.0) + blep(phase, dt) -
                    blep(std::fmod(phase + 1.0 - note.duty, 1.0), dt);
                break;
            case Wave::Triangle:
                v = 4.0 * std::abs(phase - 0.5) - 1.0;
                break;
            case Wave::Noise:
                // The frequency sets how often the register steps.
                noisePhase += dt;
                while (noisePhase >= 1.0)
                    noisePhase -= 1.0, noiseValue = noise.next();
                v = noiseValue;
                break;
        }
        phase += dt;
        phase -= std::floor(phase);
        add(first + i, v * note.volume * envelopeAt(note.envelope, t, note.length));
    }
}

void Synth::kick(double start, double volume) {
    play({start, 0.05, 150, 38, volume, Wave::Triangle, 0.5, 0, {0.001, 0.12, 0.4, 0.1}});
    play({start, 0.01, 3000, 0, volume * 0.25, Wave::Noise, 0.5, 0, {0.001, 0.01, 0.0, 0.01}});
}

void Synth::snare(double start, double volume) {
    play({start, 0.02, 190, 150, volume * 0.6, Wave::Triangle, 0.5, 0, {0.001, 0.06, 0.2, 0.05}});
    rumble(start, 0.05, volume, 0.9, 0.45, {0.001, 0.08, 0.35, 0.1});
}

void Synth::hat(double start, double volume, bool open) {
    play({start,
          open ? 0.08 : 0.01,
          9000,
          0,
          volume,
          Wave::Noise,
          0.5,
          0,
          {0.001, open ? 0.1 : 0.03, open ? 0.3 : 0.0, open ? 0.08 : 0.02}});
}

void Synth::rumble(double start, double length, double volume, double from, double to,
                   const Envelope& envelope) {
    const double total = length + envelope.release;
    const long first = std::lround(start * kRate);
    const long count = std::lround(total * kRate);
    NoiseRegister noise;
    double low = 0;
    for (long i = 0; i < count; ++i) {
        const double t = i / kRate;
        // A one-pole low pass whose cut-off slides from bright to dull.
        const double brightness = from + (to - from) * (t / total);
        const double k = std::clamp(brightness * brightness, 0.002, 1.0);
        low += (noise.next() - low) * k;
        add(first + i, low * volume * envelopeAt(envelope, t, length));
    }
}

}  // namespace cindervane::assetgen
