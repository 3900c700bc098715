// One PNG for a person to review the whole set: every sheet's frames on grey, every screen
// picture, text picture and background, each labelled with its symbol, and the bosses put
// together from their sections as the game places them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <cairo.h>

#include "tools/assetgen/asset_generator.h"

namespace cindervane::assetgen {

// A rectangle of a picture as a new cairo surface (the caller destroys it); with keyed, its
// key-coloured pixels are left clear.
cairo_surface_t* pictureSurface(const PictureData& picture, bool keyed, int x0, int y0, int width,
                                int height);

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
