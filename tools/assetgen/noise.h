// Smooth value noise for the stage backgrounds, repeating across a given period so a
// background can wrap without a seam.
#pragma once

#include <cstdint>
#include <vector>

namespace cindervane::assetgen {

class Noise {
  public:
    // The lattice repeats every periodX cells across and periodY cells down.
    Noise(std::uint64_t seed, int periodX, int periodY);

    // Smoothly varying value in 0..1 at lattice coordinates (x, y).
    double at(double x, double y) const;
    // Sum of octaves, each twice as fine and `falloff` as strong; 0..1. The coordinates are
    // in cells of the coarsest octave; the period holds for every octave.
    double fractal(double x, double y, int octaves, double falloff = 0.5) const;

  private:
    double lattice(int x, int y) const;

    int periodX_;
    int periodY_;
    std::vector<double> values_;
    int size_;
};

}  // namespace cindervane::assetgen
