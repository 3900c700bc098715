// The asset generator's command line: makes every picture and sound into a folder, and on
// request a contact sheet for review.
#include <CLI/CLI.hpp>

#include <chrono>
#include <iostream>

#include "tools/assetgen/asset_generator.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/contact_sheet.h"
#include "tools/assetgen/stage_sheet.h"
#include "tools/assetgen/desktop_icons.h"

using namespace cindervane::assetgen;

int main(int argc, char** argv) {
    CLI::App cli{"assetgen: draws the pictures and composes the sounds of Cindervane"};
    std::string out = ".";
    std::string contact;
    std::string stageSheet;
    std::string icons;
    std::vector<std::string> only;
    int threads = 2;
    int zoom = 1;
    cli.add_option("--out", out, "Folder to write the pictures and sounds into");
    cli.add_option("--contact-sheet", contact, "Also write a PNG showing every picture");
    cli.add_option("--stage-sheet", stageSheet,
                   "Also write a PNG of every stage's background with its craft and shots over "
                   "it, and print the readability figures");
    cli.add_option("--icons", icons,
                   "Also write the desktop's icons into this folder (hicolor/NxN/apps)");
    cli.add_option("--only", only, "Make just these files (for example S0054.BAI)");
    cli.add_option("--zoom", zoom, "Enlarge the contact sheet")->check(CLI::Range(1, 8));
    cli.add_option("--threads", threads, "Threads to work with")->check(CLI::Range(1, 16));
    CLI11_PARSE(cli, argc, argv);

    const auto start = std::chrono::steady_clock::now();
    AssetGenerator generator(threads);
    std::vector<GeneratedFile> files;
    std::string error;
    if (!only.empty()) {
        for (const std::string& file : only) {
            files.emplace_back();
            if (!generator.generateOne(file, files.back(), error)) {
                std::cerr << "assetgen: " << error << "\n";
                return 1;
            }
        }
    } else if (!generator.generate(files, error)) {
        std::cerr << "assetgen: " << error << "\n";
        return 1;
    }
    if (!AssetGenerator::write(out, files, error)) {
        std::cerr << "assetgen: " << error << "\n";
        return 1;
    }
    if (!contact.empty() && !ContactSheet(files, zoom).write(contact, error)) {
        std::cerr << "assetgen: " << error << "\n";
        return 1;
    }
    if (!stageSheet.empty()) {
        if (!StageSheet(files).write(stageSheet, error)) {
            std::cerr << "assetgen: " << error << "\n";
            return 1;
        }
        for (const StageFigures& f : stageFigures(files))
            std::cout << "stage " << f.stage << ": shots readable on " << f.worstShotShare * 100
                      << "% (least " << f.worstShot << "), ship on " << f.shipShare * 100
                      << "%; hue of ground " << f.backgroundHue << " ("
                      << f.backgroundColoured * 100 << "% coloured), boss " << f.bossHue
                      << (f.bossSharesHue ? " same" : "") << ", ship " << f.shipHue
                      << (f.shipSharesHue ? " same" : "") << "\n";
    }
    if (!icons.empty() && !writeDesktopIcons(icons, error)) {
        std::cerr << "assetgen: " << error << "\n";
        return 1;
    }
    const std::size_t count = files.size();
    files.clear();
    releaseDrawingCaches();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "assetgen: " << count << " files in " << seconds << " s\n";
    return 0;
}
