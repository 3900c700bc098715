// Makes every file of the inventory: draws each distinct picture once, composes each sound,
// and writes them beside the program. The work is shared between threads; every file is made
// from fixed seeds alone, so the output is the same on every run.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "gamelibrary/picture_writer.h"
#include "tools/assetgen/inventory.h"

namespace cindervane::assetgen {

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
