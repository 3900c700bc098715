// The stage sheet.
#include "tools/assetgen/stage_sheet.h"

#include <algorithm>
#include <cstdio>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/contact_sheet.h"
#include "tools/assetgen/paint_kit.h"
#include "tools/assetgen/readability.h"
#include "tools/assetgen/stage_cast.h"

namespace cindervane::assetgen {

namespace {

constexpr int kPanelWidth = 240;
constexpr int kPanelHeight = 640;
constexpr int kGap = 14;
constexpr int kLabelHeight = 48;
constexpr int kColumns = 4;
// Shots taller than this (the standing lasers) show only their top.
constexpr int kShotRows = 90;

const GeneratedFile* findFile(const std::vector<GeneratedFile>& files, std::string_view name) {
    for (const GeneratedFile& file : files)
        if (file.file == name) return &file;
    return nullptr;
}

std::vector<ColourGrid> framesOf(const GeneratedFile& file, const CastSheet& sheet) {
    std::vector<ColourGrid> frames;
    for (int f = 0; f < sheet.frames; ++f)
        frames.push_back(
            gridOf(file.picture, f * sheet.frameWidth, 0, sheet.frameWidth, sheet.frameHeight));
    return frames;
}

// The frame a sheet shows at rest: the middle one of a banking or turning sheet.
int restingFrame(const CastSheet& sheet) {
    return sheet.frames >= 7 ? sheet.frames / 2 : 0;
}

void paintFrame(cairo_t* cr, const GeneratedFile& file, const CastSheet& sheet, int frame, double x,
                double y, int rows, double scale = 1) {
    cairo_surface_t* s = pictureSurface(file.picture, true, frame * sheet.frameWidth, 0,
                                        sheet.frameWidth, std::min(rows, sheet.frameHeight));
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

std::string percent(double share) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", share * 100);
    return text;
}

std::string degrees(double hue) {
    if (hue < 0) return "none";
    char text[16];
    std::snprintf(text, sizeof text, "%.0f", hue);
    return text;
}

// Lays the pictures out left to right in rows inside the panel, from the top y down.
struct Flow {
    double x = 4, y = 0, rowHeight = 0;
    void place(double width, double height, double& outX, double& outY) {
        if (x + width > kPanelWidth - 4 && x > 4) x = 4, y += rowHeight + 6, rowHeight = 0;
        outX = x, outY = y;
        x += width + 6;
        rowHeight = std::max(rowHeight, height);
    }
};

}  // namespace

std::vector<StageFigures> stageFigures(const std::vector<GeneratedFile>& files) {
    std::vector<StageFigures> all;
    for (const StageCast& cast : stageCasts()) {
        StageFigures figures;
        figures.stage = cast.stage;
        const GeneratedFile* background = findFile(files, cast.background);
        if (!background) continue;
        const ColourGrid ground = gridOf(background->picture, 0, 0, background->picture.width,
                                         background->picture.height);
        const std::vector<double> luminances = backgroundLuminances(ground);
        const HueProfile groundHue = hueProfile({ground});
        figures.backgroundHue = groundHue.hue;
        figures.backgroundColoured = groundHue.colouredShare;
        for (const CastSheet& shot : cast.shots) {
            const GeneratedFile* file = findFile(files, shot.file);
            if (!file) continue;
            const double share = readableShare(spriteTones(framesOf(*file, shot)), luminances);
            if (share < figures.worstShotShare || figures.worstShot.empty())
                figures.worstShotShare = share, figures.worstShot = shot.file;
        }
        if (const GeneratedFile* ship = findFile(files, cast.ship.file)) {
            const std::vector<ColourGrid> frames = framesOf(*ship, cast.ship);
            figures.shipShare = readableShare(spriteTones(frames), luminances);
            const HueProfile shipHue = hueProfile(frames);
            figures.shipHue = shipHue.hue;
            figures.shipSharesHue = sharesHue(shipHue, groundHue);
        }
        std::vector<ColourGrid> bossPictures;
        for (const BossPiece& piece : cast.boss)
            if (const GeneratedFile* file = findFile(files, piece.sheet.file))
                for (ColourGrid& grid : framesOf(*file, piece.sheet))
                    bossPictures.push_back(std::move(grid));
        const HueProfile bossHue = hueProfile(bossPictures);
        figures.bossHue = bossHue.hue;
        figures.bossSharesHue = sharesHue(bossHue, groundHue);
        all.push_back(figures);
    }
    return all;
}

bool StageSheet::write(const std::filesystem::path& png, std::string& error) const {
    const std::vector<StageFigures> figures = stageFigures(files_);
    const int rows = (static_cast<int>(stageCasts().size()) + kColumns - 1) / kColumns;
    Canvas sheet(kColumns * (kPanelWidth + kGap) + kGap,
                 rows * (kPanelHeight + kLabelHeight + kGap) + kGap);
    cairo_t* cr = sheet.cr();
    setColour(cr, rgb(0x808080));
    cairo_paint(cr);
    const TextStyle labelStyle{kCondensed, 10, false};
    for (std::size_t i = 0; i < stageCasts().size(); ++i) {
        const StageCast& cast = stageCasts()[i];
        const double left = kGap + static_cast<double>(i % kColumns) * (kPanelWidth + kGap);
        const double top =
            kGap + static_cast<double>(i / kColumns) * (kPanelHeight + kLabelHeight + kGap);
        const GeneratedFile* background = findFile(files_, cast.background);
        if (!background) {
            error = "the stage sheet needs " + std::string(cast.background);
            return false;
        }
        cairo_save(cr);
        cairo_rectangle(cr, left, top, kPanelWidth, kPanelHeight);
        cairo_clip(cr);
        cairo_surface_t* ground =
            pictureSurface(background->picture, false, 0, 0, kPanelWidth, kPanelHeight);
        cairo_set_source_surface(cr, ground, left, top);
        cairo_paint(cr);
        cairo_surface_destroy(ground);

        // The boss at the top, shrunk to the panel's width when its sections spread wider.
        int minX = 0, minY = 0, maxX = 0, maxY = 0;
        for (const BossPiece& piece : cast.boss) {
            minX = std::min(minX, piece.dx), minY = std::min(minY, piece.dy);
            maxX = std::max(maxX, piece.dx + piece.sheet.frameWidth);
            maxY = std::max(maxY, piece.dy + piece.sheet.frameHeight);
        }
        const double scale = std::min(1.0, (kPanelWidth - 8.0) / (maxX - minX));
        const double bossLeft = left + (kPanelWidth - (maxX - minX) * scale) / 2;
        for (const BossPiece& piece : cast.boss)
            if (const GeneratedFile* file = findFile(files_, piece.sheet.file))
                paintFrame(cr, *file, piece.sheet, 0, bossLeft + (piece.dx - minX) * scale,
                           top + 4 + (piece.dy - minY) * scale, piece.sheet.frameHeight, scale);

        // The craft, then the shots, then the ship at the bottom.
        Flow flow;
        flow.y = 8 + (maxY - minY) * scale + 6;
        for (const CastSheet& enemy : cast.enemies)
            if (const GeneratedFile* file = findFile(files_, enemy.file)) {
                double x = 0, y = 0;
                flow.place(enemy.frameWidth, enemy.frameHeight, x, y);
                paintFrame(cr, *file, enemy, restingFrame(enemy), left + x, top + y,
                           enemy.frameHeight);
            }
        flow.x = 4, flow.y += flow.rowHeight + 10, flow.rowHeight = 0;
        for (const CastSheet& shot : cast.shots)
            if (const GeneratedFile* file = findFile(files_, shot.file)) {
                double x = 0, y = 0;
                const int rowsShown = std::min(shot.frameHeight, kShotRows);
                flow.place(shot.frameWidth, rowsShown, x, y);
                paintFrame(cr, *file, shot, 0, left + x, top + y, rowsShown);
            }
        if (const GeneratedFile* ship = findFile(files_, cast.ship.file))
            paintFrame(cr, *ship, cast.ship, restingFrame(cast.ship),
                       left + (kPanelWidth - cast.ship.frameWidth) / 2.0,
                       top + kPanelHeight - cast.ship.frameHeight - 8, cast.ship.frameHeight);
        cairo_restore(cr);

        const double labelTop = top + kPanelHeight + 11;
        drawText(cr,
                 "Stage " + std::to_string(cast.stage) + " " + std::string(cast.name) + " (" +
                     std::string(cast.background) + ")",
                 left, labelTop, labelStyle, rgb(0x101010));
        for (const StageFigures& f : figures)
            if (f.stage == cast.stage) {
                drawText(cr,
                         "shots " + percent(f.worstShotShare) + " (" + f.worstShot.substr(0, 5) +
                             "), ship " + percent(f.shipShare) + " of ground",
                         left, labelTop + 12, labelStyle, rgb(0x101010));
                drawText(cr,
                         "hue: ground " + degrees(f.backgroundHue) + " (" +
                             percent(f.backgroundColoured) + "), boss " + degrees(f.bossHue) +
                             (f.bossSharesHue ? " SAME" : "") + ", ship " + degrees(f.shipHue) +
                             (f.shipSharesHue ? " SAME" : ""),
                         left, labelTop + 24, labelStyle, rgb(0x101010));
            }
    }
    cairo_surface_flush(sheet.surface());
    if (cairo_surface_write_to_png(sheet.surface(), png.string().c_str()) != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + png.string();
        return false;
    }
    return true;
}

}  // namespace cindervane::assetgen
