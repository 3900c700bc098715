// Laying out story texts.
#include "tools/assetgen/art/text_layout.h"

#include <algorithm>
#include <cmath>

namespace cindervane::assetgen {

TextLayout::TextLayout(cairo_t* cr, std::string_view heading, std::string_view body, double width,
                       double room, double largest)
    : room_(room) {
    // The largest type that fits, in half-point steps.
    for (double size = largest; size >= 7.5; size -= 0.5) {
        size_ = size;
        lineHeight_ = std::round(size * 1.3);
        paragraphGap_ = std::round(size * 0.6);
        headingHeight_ = heading.empty() ? 0 : std::round(size * 1.6 + size * 0.8);
        paragraphs_.clear();
        for (std::string_view p : split(body))
            paragraphs_.push_back(wrap(cr, {kCondensed, size, true}, p, width));
        if (fits()) break;
    }
    // Spread what is left between the paragraphs, up to twice their gap.
    const double spare = room_ - height();
    if (spare > 0 && paragraphs_.size() > 1)
        paragraphGap_ += std::min(spare / (paragraphs_.size() - 1), paragraphGap_);
}

double TextLayout::height() const {
    double h = headingHeight_;
    for (const auto& p : paragraphs_)
        h += p.size() * lineHeight_;
    if (!paragraphs_.empty()) h += paragraphGap_ * (paragraphs_.size() - 1);
    return h;
}

std::vector<std::string> TextLayout::wrap(cairo_t* cr, const TextStyle& style,
                                          std::string_view text, double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string word(text.substr(start, end - start));
        start = end + 1;
        if (word.empty()) continue;
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && textWidth(cr, style, candidate) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::vector<std::string_view> TextLayout::split(std::string_view body) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find("\n\n", start);
        if (end == std::string_view::npos) end = body.size();
        out.push_back(body.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

}  // namespace cindervane::assetgen
