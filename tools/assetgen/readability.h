// The rule that keeps the play field readable on every stage, as measures over the pictures:
//
// - Contrast: a shot or the ship reads against a background pixel when its bright core or
//   its outline differs from that pixel by a luminance contrast of at least 3:1 (the
//   contrast of the web's accessibility rules: (L1 + 0.05) / (L2 + 0.05) on linear-light
//   luminance). Every enemy shot and the stage's ship must read against at least 95% of the
//   stage background's pixels.
// - Colour: a boss (its body and sections together) and the ship must not share their
//   dominant hue with their stage's background. Only strongly coloured pixels have a hue
//   that counts; a background that is mostly muted has no dominant hue to share.
#pragma once

#include <vector>

#include "gamelibrary/picture_writer.h"
#include "tools/assetgen/palette_quantiser.h"

namespace cindervane::assetgen {

inline constexpr double kReadableContrast = 3.0;
inline constexpr double kReadableShare = 0.95;
// Hues closer than this (degrees round the colour wheel) are the same hue.
inline constexpr double kSameHue = 30.0;

// A rectangle of a picture's colours, key-coloured pixels standing for clear ones.
struct ColourGrid {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> colours;  // top row first
    const Rgb8& at(int x, int y) const { return colours[static_cast<std::size_t>(y) * width + x]; }
};

// The rectangle (x, y, width, height) of a finished picture.
ColourGrid gridOf(const PictureData& picture, int x, int y, int width, int height);

// Relative luminance 0..1 of an sRGB colour.
double luminance(const Rgb8& colour);
// Contrast ratio 1..21 of two luminances.
double contrastRatio(double a, double b);

// What a sprite shows against the ground: its core (the mean luminance of its brightest
// tenth) and its outline (the mean luminance of the visible pixels touching a clear one or
// the frame's edge).
struct SpriteTones {
    double core = 0;
    double outline = 0;
};
SpriteTones spriteTones(const std::vector<ColourGrid>& frames);

// Luminances of every pixel of a background, sorted.
std::vector<double> backgroundLuminances(const ColourGrid& background);
// The share 0..1 of the background's pixels that the sprite reads against.
double readableShare(const SpriteTones& sprite, const std::vector<double>& background);

// The dominant hue of a set of pictures: the centre of the fullest 30-degree band among the
// strongly coloured pixels (chroma at least 0.2 of full scale), and the share of all visible
// pixels that are strongly coloured. hue is negative when no pixel is.
struct HueProfile {
    double hue = -1;
    double colouredShare = 0;
};
HueProfile hueProfile(const std::vector<ColourGrid>& pictures);
// Two pictures share a hue when both are strongly coloured in more than a fifth of their
// pixels and their dominant hues lie within kSameHue of each other: a mostly muted picture
// has no colour to lose itself in.
bool sharesHue(const HueProfile& sprite, const HueProfile& background);

}  // namespace cindervane::assetgen
