// One PNG for a person to review the whole set: every sheet's frames on grey, every screen
// picture, text picture and background, each labelled with its symbol, and the bosses put
// together from their sections as the game places them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/assetgen/asset_generator.h"

namespace cindervane::assetgen {

class ContactSheet {
  public:
    // zoom enlarges the whole sheet by a whole factor, for close looks at a few files.
    explicit ContactSheet(const std::vector<GeneratedFile>& files, int zoom = 1)
        : files_(files), zoom_(zoom) {}

    bool write(const std::filesystem::path& png, std::string& error) const;

  private:
    const std::vector<GeneratedFile>& files_;
    int zoom_;
};

}  // namespace cindervane::assetgen
