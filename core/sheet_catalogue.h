// Sheet catalogues: lists of (id, sprite sheet) entries in which the stage loaders and the
// enemy factory look up the sheet of each kind of play object. The entries belong to the
// catalogue; the sheets do not (they live as long as the game).
#pragma once

#include <cstdint>

#include "core/object_list.h"
#include "gamelibrary/sprite_sheet.h"

namespace cindervane {

struct SheetEntry {
    SpriteSheet* sheet = nullptr;
    std::int32_t id = 0;
};

class SheetCatalogue : public ObjectList<SheetEntry> {
  public:
    // The first entry from the head with the id: true with it, or false with null.
    bool find(std::int32_t id, SheetEntry*& entry) const;
};

}  // namespace cindervane
