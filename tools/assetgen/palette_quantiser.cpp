// Median cut over the sheet's colour histogram, refined by a few rounds of k-means. Every
// step walks the colours in a fixed order, so the palette is the same on every run.
#include "tools/assetgen/palette_quantiser.h"

#include <algorithm>
#include <array>
#include <map>

namespace cindervane::assetgen {

namespace {

struct Entry {
    std::array<int, 3> c;
    std::int64_t count;
};

struct Box {
    std::size_t begin;
    std::size_t end;
};

int distance(const std::array<int, 3>& a, const std::array<int, 3>& b) {
    // Weighted towards green, as the eye is.
    const int dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::array<int, 3> toArray(const Rgb8& c) {
    return {c.red, c.green, c.blue};
}

}  // namespace

void PaletteQuantiser::build(const std::vector<Rgb8>& colours) {
    std::map<std::array<int, 3>, std::int64_t> histogram;
    for (const Rgb8& c : colours)
        ++histogram[toArray(c)];
    std::vector<Entry> entries;
    entries.reserve(histogram.size());
    for (const auto& [c, count] : histogram)
        entries.push_back({c, count});

    palette_.clear();
    if (entries.empty()) return;
    if (static_cast<int>(entries.size()) <= maxColours_) {
        for (const Entry& e : entries)
            palette_.push_back({static_cast<std::uint8_t>(e.c[0]),
                                static_cast<std::uint8_t>(e.c[1]),
                                static_cast<std::uint8_t>(e.c[2])});
        return;
    }

    // Median cut: split the box with the widest weighted spread until there are enough.
    std::vector<Box> boxes{{0, entries.size()}};
    while (static_cast<int>(boxes.size()) < maxColours_) {
        int best = -1;
        double bestScore = 0;
        int bestAxis = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const Box& box = boxes[i];
            if (box.end - box.begin < 2) continue;
            std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
            std::int64_t weight = 0;
            for (std::size_t k = box.begin; k < box.end; ++k) {
                for (int a = 0; a < 3; ++a) {
                    low[a] = std::min(low[a], entries[k].c[a]);
                    high[a] = std::max(high[a], entries[k].c[a]);
                }
                weight += entries[k].count;
            }
            int axis = 0;
            for (int a = 1; a < 3; ++a)
                if (high[a] - low[a] > high[axis] - low[axis]) axis = a;
            const double spread = high[axis] - low[axis];
            const double score = spread * spread * static_cast<double>(weight);
            if (spread > 0 && score > bestScore) {
                bestScore = score;
                best = static_cast<int>(i);
                bestAxis = axis;
            }
        }
        if (best < 0) break;
        Box box = boxes[best];
        std::stable_sort(
            entries.begin() + box.begin, entries.begin() + box.end,
            [bestAxis](const Entry& a, const Entry& b) { return a.c[bestAxis] < b.c[bestAxis]; });
        std::int64_t total = 0;
        for (std::size_t k = box.begin; k < box.end; ++k)
            total += entries[k].count;
        std::int64_t running = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t k = box.begin; k < box.end - 1; ++k) {
            running += entries[k].count;
            split = k + 1;
            if (running * 2 >= total) break;
        }
        boxes[best] = {box.begin, split};
        boxes.push_back({split, box.end});
    }

    std::vector<std::array<double, 3>> centres;
    for (const Box& box : boxes) {
        std::array<double, 3> sum{0, 0, 0};
        double weight = 0;
        for (std::size_t k = box.begin; k < box.end; ++k) {
            for (int a = 0; a < 3; ++a)
                sum[a] += entries[k].c[a] * double(entries[k].count);
            weight += double(entries[k].count);
        }
        centres.push_back({sum[0] / weight, sum[1] / weight, sum[2] / weight});
    }

    // A few rounds of k-means pull each entry to the middle of the colours it stands for.
    auto rounded = [](const std::array<double, 3>& c) {
        return std::array<int, 3>{static_cast<int>(c[0] + 0.5), static_cast<int>(c[1] + 0.5),
                                  static_cast<int>(c[2] + 0.5)};
    };
    for (int round = 0; round < 3; ++round) {
        std::vector<std::array<double, 4>> sums(centres.size(), {0, 0, 0, 0});
        std::vector<std::array<int, 3>> fixed;
        for (const auto& c : centres)
            fixed.push_back(rounded(c));
        for (const Entry& e : entries) {
            std::size_t nearest = 0;
            int best = distance(e.c, fixed[0]);
            for (std::size_t i = 1; i < fixed.size(); ++i) {
                const int d = distance(e.c, fixed[i]);
                if (d < best) best = d, nearest = i;
            }
            for (int a = 0; a < 3; ++a)
                sums[nearest][a] += e.c[a] * double(e.count);
            sums[nearest][3] += double(e.count);
        }
        for (std::size_t i = 0; i < centres.size(); ++i)
            if (sums[i][3] > 0)
                centres[i] = {sums[i][0] / sums[i][3], sums[i][1] / sums[i][3],
                              sums[i][2] / sums[i][3]};
    }
    for (const auto& c : centres) {
        const auto r = rounded(c);
        palette_.push_back({static_cast<std::uint8_t>(r[0]), static_cast<std::uint8_t>(r[1]),
                            static_cast<std::uint8_t>(r[2])});
    }
}

int PaletteQuantiser::indexOf(const Rgb8& colour) const {
    const auto c = toArray(colour);
    int nearest = 0;
    int best = distance(c, toArray(palette_[0]));
    for (std::size_t i = 1; i < palette_.size() && best > 0; ++i) {
        const int d = distance(c, toArray(palette_[i]));
        if (d < best) best = d, nearest = static_cast<int>(i);
    }
    return nearest;
}

}  // namespace cindervane::assetgen
