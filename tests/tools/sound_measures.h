// Measures of a sound for the tests: its offset from the midpoint, its gated loudness, and
// two fingerprints that tell one piece of music from another: the rhythm (how the onsets
// of its notes repeat, whatever the key) and the spectrum (which pitches and timbres it
// spends its energy on, whatever the order).
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numeric>
#include <vector>

namespace cindervane::assetgen::test {

inline std::vector<double> centred(const std::vector<std::uint8_t>& samples) {
    std::vector<double> out(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        out[i] = (samples[i] - 128.0) / 128.0;
    return out;
}

// The mean distance from the midpoint, in steps of the 8-bit scale.
inline double offsetOf(const std::vector<std::uint8_t>& samples) {
    double sum = 0;
    for (std::uint8_t s : samples)
        sum += s - 128.0;
    return samples.empty() ? 0.0 : sum / samples.size();
}

inline double decibels(double share) {
    return 20.0 * std::log10(std::max(share, 1e-9));
}

// Pearson correlation of two equally long series.
inline double correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const std::size_t n = std::min(a.size(), b.size());
    const double ma = std::accumulate(a.begin(), a.begin() + n, 0.0) / n;
    const double mb = std::accumulate(b.begin(), b.begin() + n, 0.0) / n;
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return ab / std::sqrt(std::max(aa * bb, 1e-18));
}

// The rhythm: the onset strength (rises of loudness in blocks of 128 samples) correlated
// with itself at every lag up to four and a half seconds. Two pieces of one tempo and
// groove give the same curve wherever their notes lie.
inline std::vector<double> rhythmPrint(const std::vector<double>& x) {
    constexpr std::size_t kHop = 128;
    constexpr std::size_t kLags = 384;
    std::vector<double> energy;
    for (std::size_t i = 0; i + kHop <= x.size(); i += kHop) {
        double sum = 0;
        for (std::size_t j = i; j < i + kHop; ++j)
            sum += x[j] * x[j];
        energy.push_back(std::sqrt(sum / kHop));
    }
    std::vector<double> onset(energy.size(), 0.0);
    for (std::size_t i = 1; i < energy.size(); ++i)
        onset[i] = std::max(0.0, energy[i] - energy[i - 1]);
    const double mean = std::accumulate(onset.begin(), onset.end(), 0.0) / onset.size();
    for (double& o : onset)
        o -= mean;
    std::vector<double> print(kLags, 0.0);
    for (std::size_t lag = 1; lag <= kLags; ++lag) {
        double sum = 0;
        for (std::size_t i = 0; i + lag < onset.size(); ++i)
            sum += onset[i] * onset[i + lag];
        print[lag - 1] = sum;
    }
    return print;
}

inline void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2 * M_PI / len);
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> wn = 1;
            for (std::size_t j = 0; j < len / 2; ++j, wn *= w) {
                const auto u = a[i + j], v = a[i + j + len / 2] * wn;
                a[i + j] = u + v;
                a[i + j + len / 2] = u - v;
            }
        }
    }
}

// The spectrum: the mean magnitude of 2048-sample windows, in decibels, up to 5 kHz.
inline std::vector<double> spectrumPrint(const std::vector<double>& x) {
    constexpr std::size_t kWindow = 2048;
    constexpr std::size_t kBins = kWindow * 5000 / 11025;
    std::vector<double> sum(kBins, 0.0);
    std::vector<std::complex<double>> buffer(kWindow);
    for (std::size_t start = 0; start + kWindow <= x.size(); start += kWindow) {
        for (std::size_t i = 0; i < kWindow; ++i)
            buffer[i] = x[start + i] * (0.5 - 0.5 * std::cos(2 * M_PI * i / kWindow));
        fft(buffer);
        for (std::size_t k = 1; k <= kBins; ++k)
            sum[k - 1] += std::abs(buffer[k]);
    }
    for (double& s : sum)
        s = decibels(s + 1e-6);
    return sum;
}

}  // namespace cindervane::assetgen::test
