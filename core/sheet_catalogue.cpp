// Sheet catalogues.
#include "core/sheet_catalogue.h"

namespace cindervane {

bool SheetCatalogue::find(std::int32_t id, SheetEntry*& entry) const {
    for (Node* at = head(); at; at = at->next) {
        if (at->object && at->object->id == id) {
            entry = at->object.get();
            return true;
        }
    }
    entry = nullptr;
    return false;
}

}  // namespace cindervane
