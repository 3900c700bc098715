// Making every file of the inventory.
#include "tools/assetgen/asset_generator.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>
#include <thread>

#include "platform/durable_file.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/painter_table.h"
#include "tools/assetgen/picture_conversion.h"
#include "tools/assetgen/sound_file.h"

namespace cindervane::assetgen {

namespace {

// Everything the inventory says about one file: its kind, frames, width and every height
// at which the game cuts its frames.
struct FilePlan {
    std::string file;
    std::string symbol;
    AssetKind kind = Picture;
    int frames = 0;
    int frameWidth = 0;
    std::vector<int> heights;
};

std::vector<FilePlan> planFiles() {
    std::vector<FilePlan> plans;
    for (const AssetRow& row : kInventory) {
        auto found = std::find_if(plans.begin(), plans.end(),
                                  [&](const FilePlan& p) { return p.file == row.file; });
        if (found == plans.end()) {
            plans.push_back({std::string(row.file), std::string(row.symbol), row.kind, 0, 0, {}});
            found = plans.end() - 1;
        }
        found->frames = std::max(found->frames, row.frames);
        found->frameWidth = std::max(found->frameWidth, row.frameWidth);
        if (std::find(found->heights.begin(), found->heights.end(), row.frameHeight) ==
            found->heights.end())
            found->heights.push_back(row.frameHeight);
    }
    for (FilePlan& plan : plans)
        std::sort(plan.heights.begin(), plan.heights.end());
    return plans;
}

// The part of a frame a painter may draw in. Sheets keep a key-coloured border: the first
// and last column, the top row and the last row of every height the game cuts at. Hyper beam
// segments, and the stage 8 boss's sections, are drawn up to the rows where they meet the
// next.
void clipToDrawableArea(cairo_t* cr, const FilePlan& plan) {
    const int width = plan.frameWidth;
    const int height = plan.heights.back();
    cairo_new_path(cr);
    if (plan.kind == BeamBodySheet) {
        cairo_rectangle(cr, 1, 0, width - 2, height);
    } else if (plan.kind == BeamHeadSheet) {
        cairo_rectangle(cr, 1, 0, width - 2, height - 1);
    } else if (const MeetingSection* section = findMeetingSection(plan.file)) {
        const int top = section->meetsAbove ? 0 : 1;
        const int bottom = section->meetsBelow ? height : height - 1;
        cairo_rectangle(cr, 1, top, width - 2, bottom - top);
    } else {
        int top = 1;
        for (int cut : plan.heights) {
            if (cut - 1 > top) cairo_rectangle(cr, 1, top, width - 2, cut - 1 - top);
            top = cut;
        }
    }
    cairo_clip(cr);
}

bool makeSheet(const FilePlan& plan, const Painter& painter, GeneratedFile& out) {
    const int height = plan.heights.back();
    Canvas strip(plan.frames * plan.frameWidth, height);
    for (int frame = 0; frame < plan.frames; ++frame) {
        Canvas canvas(plan.frameWidth, height);
        clipToDrawableArea(canvas.cr(), plan);
        painter(canvas, frame);
        canvas.hardenAlpha();
        strip.paste(canvas, frame * plan.frameWidth, 0);
    }
    out.picture = sheetPicture(strip);
    return true;
}

void makePicture(const FilePlan& plan, const Painter& painter, GeneratedFile& out) {
    Canvas canvas(plan.frameWidth, plan.heights.back());
    painter(canvas, 0);
    if (plan.kind == Background) {
        // The scroll wraps from row 0 back to row 960: the last screenful repeats the first.
        Canvas top(kBackgroundWidth, kBackgroundHeight - kBackgroundWrap);
        top.paste(canvas, 0, 0);
        canvas.paste(top, 0, kBackgroundWrap);
    }
    out.picture = rgbPicture(canvas, isKeyed(plan.kind));
}

bool makeFile(const FilePlan& plan, GeneratedFile& out, std::string& error) {
    out.file = plan.file;
    out.symbol = plan.symbol;
    out.kind = plan.kind;
    if (isSound(plan.kind)) {
        const Composer* composer = findComposer(plan.file);
        if (!composer) {
            error = "no composer for " + plan.file;
            return false;
        }
        out.bytes = encodeSoundFile((*composer)());
        return true;
    }
    const Painter* painter = findPainter(plan.file);
    if (!painter) {
        error = "no painter for " + plan.file;
        return false;
    }
    if (isSheet(plan.kind))
        makeSheet(plan, *painter, out);
    else
        makePicture(plan, *painter, out);
    out.bytes = encodePictureFile(out.picture);
    return true;
}

}  // namespace

bool AssetGenerator::generate(std::vector<GeneratedFile>& files, std::string& error) const {
    const std::vector<FilePlan> plans = planFiles();
    files.assign(plans.size(), GeneratedFile{});
    std::vector<std::string> errors(plans.size());
    std::vector<char> ok(plans.size(), 0);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < plans.size(); i = next++)
            ok[i] = makeFile(plans[i], files[i], errors[i]);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads_; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
    for (std::size_t i = 0; i < plans.size(); ++i)
        if (!ok[i]) {
            error = errors[i];
            return false;
        }
    return true;
}

bool AssetGenerator::generateOne(std::string_view file, GeneratedFile& out,
                                 std::string& error) const {
    for (const FilePlan& plan : planFiles())
        if (plan.file == file) return makeFile(plan, out, error);
    error = "not in the inventory: " + std::string(file);
    return false;
}

bool AssetGenerator::write(const std::filesystem::path& folder,
                           const std::vector<GeneratedFile>& files, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // Each file is replaced whole, so a game running from the build folder while the
    // pictures are drawn again reads either the old file or the new one, never half of one.
    for (const GeneratedFile& file : files)
        if (!platform::writeFileDurably(folder / file.file, file.bytes, error)) return false;
    return true;
}

}  // namespace cindervane::assetgen
