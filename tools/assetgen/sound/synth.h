// A small synthesiser in the manner of old sound chips: square, triangle and noise voices
// with simple envelopes, plus drums built from them. Sounds are mixed into a buffer of
// fixed length; in loop mode anything that rings past the end carries on from the start,
// so the buffer plays round without a seam.
#pragma once

#include <cstdint>
#include <vector>

namespace cindervane::assetgen {

struct Envelope {
    double attack = 0.005;  // seconds to full volume
    double decay = 0.08;    // seconds from full volume down to the sustain level
    double sustain = 0.7;   // share of full volume held until the note ends
    double release = 0.05;  // seconds to silence after the note ends
};

enum class Wave { Square, Triangle, Noise };

struct Note {
    double start = 0;         // seconds
    double length = 0.1;      // seconds held (the release follows)
    double frequency = 440;   // hertz at the start
    double endFrequency = 0;  // hertz at the end of the note and release; 0: no slide
    double volume = 0.3;
    Wave wave = Wave::Square;
    double duty = 0.5;   // squares: share of the cycle that is high
    double vibrato = 0;  // depth in semitones, at 5.5 hertz, after the attack
    Envelope envelope;
    double phase = 0;  // where in its cycle the voice starts, 0..1
};

class Synth {
  public:
    Synth(int samples, bool loop);

    void play(const Note& note);
    // Drums.
    void kick(double start, double volume);
    void snare(double start, double volume);
    void hat(double start, double volume, bool open);
    // A low-passed noise rumble whose brightness falls from `from` to `to` (0..1).
    void rumble(double start, double length, double volume, double from, double to,
                const Envelope& envelope);

    const std::vector<double>& samples() const { return mix_; }

  private:
    void add(long index, double value);

    std::vector<double> mix_;
    bool loop_;
};

double noteFrequency(int midiNote);

}  // namespace cindervane::assetgen
