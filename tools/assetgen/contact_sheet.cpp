// The review sheet.
#include "tools/assetgen/contact_sheet.h"

#include <algorithm>
#include <map>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/picture_conversion.h"
#include "tools/assetgen/stage_cast.h"

namespace cindervane::assetgen {

namespace {

constexpr int kWidth = 1280;
constexpr int kGap = 14;
const Colour kGrey = rgb(0x808080);

}  // namespace

cairo_surface_t* pictureSurface(const PictureData& picture, bool keyed, int x0, int y0, int width,
                                int height) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb8 c = pictureColour(picture, x0 + x, y0 + y);
            const bool clear = keyed && c == kKeyColour;
            *reinterpret_cast<std::uint32_t*>(data + y * stride + x * 4) =
                clear ? 0u
                      : 0xFF000000u | (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) |
                            c.blue;
        }
    cairo_surface_mark_dirty(surface);
    return surface;
}

namespace {

struct Item {
    std::string label;
    const GeneratedFile* file;
    int frames;
    int frameWidth;
    int frameHeight;
    double scale;
};

struct Placed {
    Item item;
    int x;
    int y;
};

int itemWidth(const Item& item) {
    const int w = static_cast<int>(item.frames * (item.frameWidth * item.scale + 3));
    return std::max(w, static_cast<int>(item.label.size()) * 6);
}

int itemHeight(const Item& item) {
    return static_cast<int>(item.frameHeight * item.scale) + 14;
}

}  // namespace

bool ContactSheet::write(const std::filesystem::path& png, std::string& error) const {
    std::map<std::string, std::vector<std::string>> symbols;
    for (const AssetRow& row : kInventory) {
        auto& list = symbols[std::string(row.file)];
        if (std::find(list.begin(), list.end(), row.symbol) == list.end())
            list.emplace_back(row.symbol);
    }
    auto labelOf = [&](const GeneratedFile& file) {
        std::string label = file.file + " ";
        const auto& list = symbols[file.file];
        for (std::size_t i = 0; i < list.size(); ++i)
            label += (i ? " / " : "") + list[i];
        return label;
    };
    auto frameOf = [&](const GeneratedFile& file, int& frames, int& width, int& height) {
        frames = 1, width = 0, height = 0;
        for (const AssetRow& row : kInventory)
            if (row.file == file.file) {
                frames = row.frames;
                width = row.frameWidth;
                height = std::max(height, row.frameHeight);
            }
    };

    // Sections: sheets, then pictures, then texts, then backgrounds.
    std::vector<std::vector<Item>> sections(4);
    for (const GeneratedFile& file : files_) {
        if (isSound(file.kind)) continue;
        Item item{labelOf(file), &file, 1, file.picture.width, file.picture.height, 1.0};
        int section = 1;
        if (isSheet(file.kind)) {
            frameOf(file, item.frames, item.frameWidth, item.frameHeight);
            section = 0;
        } else if (file.kind == TextPicture || file.kind == KeyedTextPicture) {
            section = 2;
        } else if (file.kind == Background) {
            item.scale = 0.5;
            section = 3;
        }
        sections[section].push_back(item);
    }

    std::vector<Placed> placed;
    int y = kGap;
    int usedWidth = 0;
    for (const auto& section : sections) {
        if (section.empty()) continue;
        int x = kGap, rowHeight = 0;
        for (const Item& item : section) {
            const int w = itemWidth(item), h = itemHeight(item);
            if (x + w > kWidth - kGap && x > kGap) x = kGap, y += rowHeight + kGap, rowHeight = 0;
            placed.push_back({item, x, y});
            x += w + kGap;
            usedWidth = std::max(usedWidth, x);
            rowHeight = std::max(rowHeight, h);
        }
        y += rowHeight + kGap * 2;
    }
    // The bosses put together, laid out in rows like the rest.
    auto find = [&](const char* name) -> const GeneratedFile* {
        for (const GeneratedFile& file : files_)
            if (file.file == name) return &file;
        return nullptr;
    };
    struct PlacedAssembly {
        const StageCast* cast;
        int x, y, minX, minY;
    };
    std::vector<PlacedAssembly> placedAssemblies;
    if (files_.size() > 100) {
        int x = kGap, rowHeight = 0;
        for (const StageCast& cast : stageCasts()) {
            if (cast.boss.size() < 2) continue;
            int minX = 0, minY = 0, maxX = 0, maxY = 0;
            for (const BossPiece& piece : cast.boss) {
                minX = std::min(minX, piece.dx), minY = std::min(minY, piece.dy);
                maxX = std::max(maxX, piece.dx + piece.sheet.frameWidth);
                maxY = std::max(maxY, piece.dy + piece.sheet.frameHeight);
            }
            const int w = std::max(maxX - minX, 420), h = maxY - minY + 14;
            if (x + w > kWidth - kGap && x > kGap) x = kGap, y += rowHeight + kGap, rowHeight = 0;
            placedAssemblies.push_back({&cast, x, y, minX, minY});
            x += w + kGap;
            rowHeight = std::max(rowHeight, h);
            usedWidth = std::max(usedWidth, x);
        }
        y += rowHeight + kGap;
    }

    Canvas sheet(std::max(usedWidth, 100), y);
    cairo_t* cr = sheet.cr();
    setColour(cr, kGrey);
    cairo_paint(cr);
    const TextStyle labelStyle{kCondensed, 10, false};
    for (const Placed& p : placed) {
        drawText(cr, p.item.label, p.x, p.y + 9, labelStyle, rgb(0x101010));
        const PictureData& picture = p.item.file->picture;
        const bool keyed = isKeyed(p.item.file->kind);
        for (int f = 0; f < p.item.frames; ++f) {
            const int fx = f * p.item.frameWidth;
            if (fx + p.item.frameWidth > picture.width) break;
            cairo_surface_t* s = pictureSurface(picture, keyed, fx, 0, p.item.frameWidth,
                                                std::min(p.item.frameHeight, picture.height));
            cairo_save(cr);
            const double left = p.x + f * (p.item.frameWidth * p.item.scale + 3);
            cairo_translate(cr, left, p.y + 12);
            cairo_scale(cr, p.item.scale, p.item.scale);
            cairo_set_source_surface(cr, s, 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
            cairo_paint(cr);
            cairo_restore(cr);
            cairo_surface_destroy(s);
        }
    }

    for (const PlacedAssembly& p : placedAssemblies) {
        std::string label = "stage " + std::to_string(p.cast->stage) + " boss as placed:";
        for (const BossPiece& piece : p.cast->boss)
            label += " " + std::string(piece.sheet.file) + " (" + std::to_string(piece.dx) + ", " +
                     std::to_string(piece.dy) + ")";
        drawText(cr, label, p.x, p.y + 9, labelStyle, rgb(0x101010));
        for (const BossPiece& piece : p.cast->boss) {
            const GeneratedFile* file = find(std::string(piece.sheet.file).c_str());
            if (!file) continue;
            cairo_surface_t* s = pictureSurface(file->picture, true, 0, 0, piece.sheet.frameWidth,
                                                piece.sheet.frameHeight);
            cairo_set_source_surface(cr, s, p.x + piece.dx - p.minX, p.y + 12 + piece.dy - p.minY);
            cairo_paint(cr);
            cairo_surface_destroy(s);
        }
    }

    Canvas zoomed(sheet.width() * zoom_, sheet.height() * zoom_);
    cairo_scale(zoomed.cr(), zoom_, zoom_);
    cairo_set_source_surface(zoomed.cr(), sheet.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(zoomed.cr()), CAIRO_FILTER_NEAREST);
    cairo_paint(zoomed.cr());
    cairo_surface_flush(zoomed.surface());
    if (cairo_surface_write_to_png(zoomed.surface(), png.string().c_str()) !=
        CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + png.string();
        return false;
    }
    return true;
}

}  // namespace cindervane::assetgen
