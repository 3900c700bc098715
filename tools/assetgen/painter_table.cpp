// Which painter draws which picture file and which composer makes which sound file.
#include "tools/assetgen/painter_table.h"

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/sound/sounds.h"

namespace cindervane::assetgen {

const Painter* findPainter(std::string_view file) {
    for (auto group : painterGroups())
        for (const PainterRow& row : group)
            if (row.file == file) return &row.painter;
    return nullptr;
}

const Composer* findComposer(std::string_view file) {
    for (auto group : {effectComposers(), musicComposers()})
        for (const ComposerRow& row : group)
            if (row.file == file) return &row.composer;
    return nullptr;
}

}  // namespace cindervane::assetgen
