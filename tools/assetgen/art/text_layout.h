// Laying out a story text in the rows its screen scrolls through: the largest type that
// fits, lines broken between words, and the paragraphs spread to fill the room.
#pragma once

#include <cairo.h>

#include <string>
#include <string_view>
#include <vector>

#include "tools/assetgen/paint_kit.h"

namespace cindervane::assetgen {

class TextLayout {
  public:
    // The body is set in condensed bold no larger than `largest`, in a column `width` wide;
    // the whole, heading included, must fit in `room` rows.
    TextLayout(cairo_t* cr, std::string_view heading, std::string_view body, double width,
               double room, double largest);

    double size() const { return size_; }
    double lineHeight() const { return lineHeight_; }
    double headingHeight() const { return headingHeight_; }
    double paragraphGap() const { return paragraphGap_; }
    const std::vector<std::vector<std::string>>& paragraphs() const { return paragraphs_; }
    double height() const;
    bool fits() const { return height() <= room_; }

    // Breaks a paragraph into lines no wider than the width (a single word longer than the
    // width stands on a line of its own).
    static std::vector<std::string> wrap(cairo_t* cr, const TextStyle& style, std::string_view text,
                                         double width);
    // The paragraphs of a body, separated by blank lines.
    static std::vector<std::string_view> split(std::string_view body);

  private:
    double room_;
    double size_ = 0;
    double lineHeight_ = 0;
    double headingHeight_ = 0;
    double paragraphGap_ = 0;
    std::vector<std::vector<std::string>> paragraphs_;
};

}  // namespace cindervane::assetgen
