// Measures of how well sprites stand out from the stage backgrounds.
#include "tools/assetgen/readability.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/assetgen/picture_conversion.h"

namespace cindervane::assetgen {

namespace {

// A pixel is strongly coloured when its chroma (brightest channel less the dimmest) is at
// least this, so a rich brown counts and a dusty grey-brown does not.
constexpr double kStrongColour = 0.2;
constexpr double kColouredShare = 0.2;

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

bool isClear(const Rgb8& colour) {
    return colour == kKeyColour;
}

// Hue in degrees 0..360 with saturation and value 0..1.
void hsv(const Rgb8& c, double& hue, double& saturation, double& value) {
    const double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    value = high;
    saturation = high > 0 ? (high - low) / high : 0;
    hue = 0;
    if (high == low) return;
    if (high == r)
        hue = 60 * std::fmod((g - b) / (high - low) + 6, 6.0);
    else if (high == g)
        hue = 60 * ((b - r) / (high - low) + 2);
    else
        hue = 60 * ((r - g) / (high - low) + 4);
}

}  // namespace

ColourGrid gridOf(const PictureData& picture, int x, int y, int width, int height) {
    ColourGrid grid{width, height, {}};
    grid.colours.reserve(static_cast<std::size_t>(width) * height);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            grid.colours.push_back(pictureColour(picture, x + column, y + row));
    return grid;
}

double luminance(const Rgb8& colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

double contrastRatio(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

SpriteTones spriteTones(const std::vector<ColourGrid>& frames) {
    std::vector<double> visible;
    double outlineSum = 0;
    int outlineCount = 0;
    for (const ColourGrid& frame : frames)
        for (int y = 0; y < frame.height; ++y)
            for (int x = 0; x < frame.width; ++x) {
                if (isClear(frame.at(x, y))) continue;
                const double l = luminance(frame.at(x, y));
                visible.push_back(l);
                const bool edge = x == 0 || y == 0 || x == frame.width - 1 ||
                                  y == frame.height - 1 || isClear(frame.at(x - 1, y)) ||
                                  isClear(frame.at(x + 1, y)) || isClear(frame.at(x, y - 1)) ||
                                  isClear(frame.at(x, y + 1));
                if (edge) outlineSum += l, ++outlineCount;
            }
    SpriteTones tones;
    if (visible.empty()) return tones;
    std::sort(visible.begin(), visible.end());
    const std::size_t tenth = std::max<std::size_t>(1, visible.size() / 10);
    double coreSum = 0;
    for (std::size_t i = visible.size() - tenth; i < visible.size(); ++i)
        coreSum += visible[i];
    tones.core = coreSum / static_cast<double>(tenth);
    tones.outline = outlineCount ? outlineSum / outlineCount : tones.core;
    return tones;
}

std::vector<double> backgroundLuminances(const ColourGrid& background) {
    std::vector<double> values;
    values.reserve(background.colours.size());
    for (const Rgb8& colour : background.colours)
        values.push_back(luminance(colour));
    std::sort(values.begin(), values.end());
    return values;
}

double readableShare(const SpriteTones& sprite, const std::vector<double>& background) {
    if (background.empty()) return 1;
    std::size_t readable = 0;
    for (double ground : background)
        if (contrastRatio(sprite.core, ground) >= kReadableContrast ||
            contrastRatio(sprite.outline, ground) >= kReadableContrast)
            ++readable;
    return static_cast<double>(readable) / static_cast<double>(background.size());
}

HueProfile hueProfile(const std::vector<ColourGrid>& pictures) {
    std::array<double, 360> histogram{};
    std::size_t visible = 0, coloured = 0;
    for (const ColourGrid& picture : pictures)
        for (const Rgb8& colour : picture.colours) {
            if (isClear(colour)) continue;
            ++visible;
            double hue = 0, saturation = 0, value = 0;
            hsv(colour, hue, saturation, value);
            if (saturation * value < kStrongColour) continue;
            ++coloured;
            histogram[static_cast<std::size_t>(hue) % 360] += 1;
        }
    HueProfile profile;
    if (!visible || !coloured) return profile;
    profile.colouredShare = static_cast<double>(coloured) / static_cast<double>(visible);
    // The fullest band of kSameHue degrees, round the wheel.
    const int band = static_cast<int>(kSameHue);
    double best = -1;
    for (int start = 0; start < 360; ++start) {
        double sum = 0;
        for (int i = 0; i < band; ++i)
            sum += histogram[(start + i) % 360];
        if (sum > best) best = sum, profile.hue = std::fmod(start + band / 2.0, 360.0);
    }
    return profile;
}

bool sharesHue(const HueProfile& sprite, const HueProfile& background) {
    if (sprite.hue < 0 || background.hue < 0) return false;
    if (sprite.colouredShare < kColouredShare || background.colouredShare < kColouredShare)
        return false;
    const double apart = std::fabs(sprite.hue - background.hue);
    return std::min(apart, 360 - apart) < kSameHue;
}

}  // namespace cindervane::assetgen
