// Surfaces: a bitmap held in its own drawing context that knows the one context it draws
// onto. The back buffer is a blank surface drawing onto the window; every picture is a
// surface loaded from a picture file that draws onto the back buffer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "gamelibrary/picture_file.h"
#include "platform/draw/bitmap.h"
#include "platform/draw/colour.h"

namespace cindervane {

// What the system reports of a loaded bitmap.
struct BitmapDescription {
    std::int32_t type = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bytesPerRow = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint8_t* bits = nullptr;
};

class Surface {
  public:
    // Draws onto targetDC (not owned; it outlives the surface). Nothing else is made yet.
    explicit Surface(platform::DeviceContext* targetDC);
    // Puts the context's previous bitmap back and releases the bitmap, the context, the
    // loaded picture and the path.
    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // The context holding the surface's bitmap; null until made or after a failed load.
    virtual platform::DeviceContext* memoryDC();
    // Opaque copy of the whole surface to the target at (x, y). Returns the copy's result.
    virtual bool drawAt(int x, int y);
    // Opaque copy of the whole surface to the given context at (x, y).
    virtual bool drawAtOn(platform::DeviceContext& dc, int x, int y);
    // The whole surface stretched into the width x height box at (x, y) of the target.
    virtual bool drawStretchedAt(int x, int y, int width, int height);
    // The whole surface at (x, y) of the target, leaving out the pixels of the key colour.
    virtual bool drawKeyedAt(int x, int y, platform::ColourRef keyColour);
    // Picture size from the loaded header; 0 without a loaded picture.
    virtual int width() const;
    virtual int height() const;

    // A bitmap in the target's own format (the screen's), selected into a new context.
    bool createBlank(int width, int height);
    // Reads the picture file into a bitmap of its own depth and palette. The path is kept
    // either way; on failure nothing else is.
    bool loadImage(std::string_view path);

    platform::DeviceContext* targetDC() const { return targetDC_; }
    const std::string& path() const { return path_; }
    // The loaded picture file; null for a blank surface or after a failed load.
    const PictureFile* header() const { return header_.get(); }
    const BitmapDescription& description() const { return description_; }
    platform::Bitmap* bitmap() const { return bitmap_.get(); }

  private:
    void release();

    platform::DeviceContext* targetDC_;
    std::unique_ptr<PictureFile> header_;
    std::uint8_t* bits_ = nullptr;  // the bitmap's pixel memory
    BitmapDescription description_;
    std::string path_;
    std::unique_ptr<platform::DeviceContext> memoryDC_;
    platform::Bitmap* previousBitmap_ = nullptr;
    std::unique_ptr<platform::Bitmap> bitmap_;
};

}  // namespace cindervane
