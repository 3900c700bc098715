// Sheet catalogues: lists of (id, sprite sheet) entries in which the stage loaders and the
// enemy factory look up the sheet of each kind of play object. The entries belong to the
// catalogue; the sheets do not (they live as long as the game).
#pragma once

#include <cstdint>
#include <memory>

#include "gamelibrary/sprite_sheet.h"

namespace cindervane {

struct SheetEntry {
    SheetEntry* previous = nullptr;
    SheetEntry* next = nullptr;
    SpriteSheet* sheet = nullptr;
    std::int32_t id = 0;
};

class SheetCatalogue {
  public:
    SheetCatalogue() = default;
    // Frees whatever entries are still listed (never their sheets).
    virtual ~SheetCatalogue();
    SheetCatalogue(const SheetCatalogue&) = delete;
    SheetCatalogue& operator=(const SheetCatalogue&) = delete;

    // Adds the entry at the tail; the catalogue owns it from now on.
    void append(std::unique_ptr<SheetEntry> entry);
    // Unlinks and frees an entry of this catalogue, not its sheet.
    void remove(SheetEntry* entry);
    // Removes from the head until empty.
    void clear();
    // The first entry from the head with the id: true with it, or false with null.
    bool find(std::int32_t id, SheetEntry*& entry) const;

    SheetEntry* head() const { return head_; }
    SheetEntry* tail() const { return tail_; }

  private:
    SheetEntry* head_ = nullptr;
    SheetEntry* tail_ = nullptr;
};

}  // namespace cindervane
