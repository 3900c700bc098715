// The game's icons for the desktop's menus.
#include "tools/assetgen/desktop_icons.h"

#include "tools/assetgen/painter_table.h"

namespace cindervane::assetgen {

bool paintEmblem(Canvas& canvas, int size) {
    const Painter* painter = findPainter(kEmblemFile);
    if (!painter) return false;
    // The emblem is drawn in lines and curves, so it keeps its shape at any scale.
    cairo_save(canvas.cr());
    cairo_scale(canvas.cr(), static_cast<double>(size) / kEmblemSize,
                static_cast<double>(size) / kEmblemSize);
    (*painter)(canvas, 0);
    cairo_restore(canvas.cr());
    cairo_surface_flush(canvas.surface());
    return true;
}

bool writeDesktopIcons(const std::filesystem::path& folder, std::string& error) {
    for (const int size : kDesktopIconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path apps = folder / "hicolor" / name / "apps";
        std::error_code made;
        std::filesystem::create_directories(apps, made);
        Canvas canvas(size, size);
        if (!paintEmblem(canvas, size)) {
            error = "no painter for the emblem " + std::string(kEmblemFile);
            return false;
        }
        const std::filesystem::path file = apps / "cindervane.png";
        if (cairo_surface_write_to_png(canvas.surface(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
            error = "cannot write " + file.string();
            return false;
        }
    }
    return true;
}

}  // namespace cindervane::assetgen
