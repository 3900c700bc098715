// Makes every file of the inventory: draws each distinct picture once, composes each sound,
// and writes them beside the program. The work is shared between threads; every file is made
// from fixed seeds alone, so the output is the same on every run.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "gamelibrary/picture_writer.h"
#include "tools/assetgen/inventory.h"

namespace cindervane::assetgen {

// The stage 8 boss's sections stand one on another (rear over centre over front) and are
// never turned, so each is drawn up to the row where it meets the next: their frames keep the
// key in their side columns but not along the edges they share.
struct MeetingSection {
    std::string_view file;
    bool meetsAbove;  // its top row joins the section above
    bool meetsBelow;  // its bottom row joins the section below
};
inline constexpr MeetingSection kMeetingSections[] = {
    {"S0024.BAI", false, true},  // rear
    {"S0023.BAI", true, true},   // centre
    {"S0022.BAI", true, false},  // front
};
constexpr const MeetingSection* findMeetingSection(std::string_view file) {
    for (const MeetingSection& section : kMeetingSections)
        if (section.file == file) return &section;
    return nullptr;
}

struct GeneratedFile {
    std::string file;
    std::string symbol;  // the first symbol that names it
    AssetKind kind = Picture;
    PictureData picture;              // pictures
    std::vector<std::uint8_t> bytes;  // the whole file as written
};

class AssetGenerator {
  public:
    explicit AssetGenerator(int threads = 2) : threads_(threads) {}

    // Makes every file; false with the reason when a file has no painter or composer.
    bool generate(std::vector<GeneratedFile>& files, std::string& error) const;
    // Writes the files into the folder; false with the reason on the first failure.
    static bool write(const std::filesystem::path& folder, const std::vector<GeneratedFile>& files,
                      std::string& error);

    // One file by name (used by the tests and for quick looks at a single picture).
    bool generateOne(std::string_view file, GeneratedFile& out, std::string& error) const;

  private:
    int threads_;
};

}  // namespace cindervane::assetgen
