// Fonts found through fontconfig and rendered with FreeType.
#include "platform/draw/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>

namespace cindervane::platform {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
using LibraryPtr = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryDeleter>;

struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceDeleter>;

struct FaceChoice {
    std::string file;
    int index = 0;
    std::string family;
    std::string style;
    bool embolden = false;
};

std::string patternString(FcPattern* pattern, const char* property) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, property, 0, &value) != FcResultMatch || !value) return {};
    return reinterpret_cast<const char*>(value);
}

// Faces the game names that no Linux desktop has, and the free face of the nearest shape
// to ask for next: without it fontconfig falls back to a much wider sans. (Wine's Tahoma
// clone, which Debian keeps outside fontconfig's folders, was measured and left out: its
// bold is a fifth wider than Liberation Sans and cuts the help pages' longer lines by up to
// three letters, where Liberation Sans loses a single letter.)
struct StandIn {
    std::string_view face;
    const char* standIn;
};

constexpr StandIn kStandIns[] = {
    {"Tahoma", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
};

// Asks fontconfig for the installed face that best stands in for the name.
bool chooseFace(std::string_view face, int height, int weight, FaceChoice& choice) {
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) return false;
    const std::string name(face);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    for (const StandIn& standIn : kStandIns) {
        if (standIn.face == face)
            FcPatternAddString(pattern.get(), FC_FAMILY,
                               reinterpret_cast<const FcChar8*>(standIn.standIn));
    }
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, height);
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) return false;
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match) return false;
    choice.file = patternString(match.get(), FC_FILE);
    if (choice.file.empty()) return false;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &choice.index) != FcResultMatch)
        choice.index = 0;
    choice.family = patternString(match.get(), FC_FAMILY);
    choice.style = patternString(match.get(), FC_STYLE);
    FcBool embolden = FcFalse;
    if (FcPatternGetBool(match.get(), FC_EMBOLDEN, 0, &embolden) == FcResultMatch)
        choice.embolden = embolden == FcTrue;
    return true;
}

// Control characters draw nothing and do not move the pen.
bool isControl(int code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

}  // namespace

std::unique_ptr<Font> Font::create(std::string_view face, int height, int weight) {
    if (height < 1 || height > 256) return nullptr;
    weight = weight == 0 ? kNormalWeight : std::clamp(weight, 1, 1000);
    FaceChoice choice;
    if (!chooseFace(face, height, weight, choice)) return nullptr;

    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) return nullptr;
    LibraryPtr library(rawLibrary);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), choice.file.c_str(), choice.index, &rawFace) != 0)
        return nullptr;
    FacePtr ftFace(rawFace);

    // The game's heights are cell heights: ascent plus descent, as its fonts were asked for.
    FT_Size_RequestRec request{};
    request.type = FT_SIZE_REQUEST_TYPE_REAL_DIM;
    request.width = 0;
    request.height = static_cast<FT_Long>(height) << 6;
    if (FT_Request_Size(ftFace.get(), &request) != 0) return nullptr;

    std::unique_ptr<Font> font(new Font());
    font->family_ = choice.family;
    font->style_ = choice.style;
    const FT_Size_Metrics& metrics = ftFace->size->metrics;
    font->lineHeight_ = height;
    font->ascent_ = std::clamp(static_cast<int>((metrics.ascender + 63) >> 6), 0, height);

    for (int code = 0; code < kGlyphCount; ++code) {
        Glyph& glyph = font->glyphs_[code];
        glyph.offset = font->store_.size();
        if (isControl(code)) continue;
        if (FT_Load_Char(ftFace.get(), static_cast<FT_ULong>(code),
                         FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0)
            continue;
        FT_GlyphSlot slot = ftFace->glyph;
        if (choice.embolden) FT_GlyphSlot_Embolden(slot);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) continue;
        const FT_Bitmap& bitmap = slot->bitmap;
        glyph.width = static_cast<std::int32_t>(bitmap.width);
        glyph.rows = static_cast<std::int32_t>(bitmap.rows);
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.advance = static_cast<std::int32_t>((slot->advance.x + 32) >> 6);
        for (int row = 0; row < glyph.rows; ++row) {
            const unsigned char* source =
                bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
            for (int column = 0; column < glyph.width; ++column) {
                std::uint8_t value = 0;
                if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                    value = (source[column / 8] >> (7 - column % 8)) & 1 ? 255 : 0;
                } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                    value = static_cast<std::uint8_t>(source[column] * 255 /
                                                      std::max(bitmap.num_grays - 1, 1));
                }
                font->store_.push_back(value);
            }
        }
        if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
            // A kind of rendering the text drawing cannot blend: keep only the advance.
            font->store_.resize(glyph.offset);
            glyph.width = 0;
            glyph.rows = 0;
        }
    }
    return font;
}

int Font::textWidth(std::u16string_view text) const {
    int width = 0;
    for (char16_t code : text)
        width += glyph(code).advance;
    return width;
}

}  // namespace cindervane::platform

// What system libraries keep to the end of the process, which the leak checker of sanitised
// builds is told to pass over (other builds never call this; it lives here because every
// program that draws text links this file):
// - fontconfig's configuration parser keeps a few bytes it never frees, once per process;
// - when the display is lost, SDL's shutdown is skipped (it would only wait on the dead
//   connection), so what its desktop helpers hold through D-Bus stays until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}
