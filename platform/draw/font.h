// Fonts for the game's text: asked for by the face name, height and weight the game gives
// (its fonts are "Courier New" and "Tahoma"); fontconfig picks the installed face that best
// stands in for the name, and FreeType renders it. Every glyph the game can show is
// rendered once, anti-aliased, when the font is made, so drawing text never touches the
// font files or allocates.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace cindervane::platform {

// One rendered glyph: coverage values 0..255, rows top first.
struct Glyph {
    std::int32_t width = 0;
    std::int32_t rows = 0;
    std::int32_t left = 0;     // from the pen position to the first column
    std::int32_t top = 0;      // from the baseline up to the first row
    std::int32_t advance = 0;  // pen movement after the glyph, whole pixels
    std::size_t offset = 0;    // where its coverage starts in the font's store
};

class Font {
  public:
    // Characters rendered: the first 256 code points (Latin-1). Others show as "?".
    static constexpr int kGlyphCount = 256;
    // The weight of the game's "default": a regular face.
    static constexpr int kNormalWeight = 400;

    // The font whose cell (ascent plus descent) is height pixels, for the face name and
    // weight (100..900, 700 bold; 0 for normal). Null when no face can be found or
    // rendered, or the height is not 1..256.
    static std::unique_ptr<Font> create(std::string_view face, int height, int weight);

    // The face fontconfig chose, e.g. "Liberation Mono".
    const std::string& family() const { return family_; }
    const std::string& style() const { return style_; }
    int ascent() const { return ascent_; }
    // Distance from one line to the next.
    int lineHeight() const { return lineHeight_; }
    // The glyph of a UTF-16 code unit.
    const Glyph& glyph(char16_t code) const { return glyphs_[code < kGlyphCount ? code : u'?']; }
    const std::uint8_t* coverage(const Glyph& glyph) const { return store_.data() + glyph.offset; }
    // Sum of the advances of the text's characters.
    int textWidth(std::u16string_view text) const;

  private:
    Font() = default;

    std::string family_;
    std::string style_;
    int ascent_ = 0;
    int lineHeight_ = 0;
    std::array<Glyph, kGlyphCount> glyphs_{};
    std::vector<std::uint8_t> store_;
};

}  // namespace cindervane::platform
