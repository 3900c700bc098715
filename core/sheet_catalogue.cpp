// Sheet catalogues.
#include "core/sheet_catalogue.h"

namespace cindervane {

SheetCatalogue::~SheetCatalogue() {
    clear();
}

void SheetCatalogue::append(std::unique_ptr<SheetEntry> owned) {
    if (!owned) return;
    SheetEntry* entry = owned.release();
    entry->previous = tail_;
    entry->next = nullptr;
    if (tail_) {
        tail_->next = entry;
    } else {
        head_ = entry;
    }
    tail_ = entry;
}

void SheetCatalogue::remove(SheetEntry* entry) {
    if (!entry) return;
    if (entry->previous) {
        entry->previous->next = entry->next;
    } else {
        head_ = entry->next;
    }
    if (entry->next) {
        entry->next->previous = entry->previous;
    } else {
        tail_ = entry->previous;
    }
    delete entry;
}

void SheetCatalogue::clear() {
    while (head_)
        remove(head_);
}

bool SheetCatalogue::find(std::int32_t id, SheetEntry*& entry) const {
    for (SheetEntry* at = head_; at; at = at->next) {
        if (at->id == id) {
            entry = at;
            return true;
        }
    }
    entry = nullptr;
    return false;
}

}  // namespace cindervane
