// Surfaces.
#include "gamelibrary/surface.h"

#include <algorithm>
#include <cstring>

#include "platform/draw/blit.h"

namespace cindervane {

using platform::Bitmap;
using platform::ColourRef;
using platform::DeviceContext;

Surface::Surface(DeviceContext* targetDC) : targetDC_(targetDC) {}

Surface::~Surface() {
    release();
}

void Surface::release() {
    if (memoryDC_) memoryDC_->select(previousBitmap_);
    memoryDC_.reset();
    previousBitmap_ = nullptr;
    bitmap_.reset();
    bits_ = nullptr;
    header_.reset();
    description_ = {};
}

DeviceContext* Surface::memoryDC() {
    return memoryDC_.get();
}

bool Surface::drawAt(int x, int y) {
    if (!targetDC_ || !memoryDC_) return false;
    return platform::bitBlt(*targetDC_, x, y, width(), height(), *memoryDC_, 0, 0);
}

bool Surface::drawAtOn(DeviceContext& dc, int x, int y) {
    if (!memoryDC_) return false;
    return platform::bitBlt(dc, x, y, width(), height(), *memoryDC_, 0, 0);
}

bool Surface::drawStretchedAt(int x, int y, int width, int height) {
    if (!targetDC_ || !memoryDC_) return false;
    return platform::stretchBlt(*targetDC_, x, y, width, height, *memoryDC_, 0, 0, this->width(),
                                this->height());
}

bool Surface::drawKeyedAt(int x, int y, ColourRef keyColour) {
    if (!targetDC_ || !memoryDC_) return false;
    return platform::transparentImage(*targetDC_, x, y, width(), height(), *memoryDC_, 0, 0,
                                      width(), height(), keyColour);
}

int Surface::width() const {
    return header_ ? header_->header().width : 0;
}

int Surface::height() const {
    return header_ ? header_->header().height : 0;
}

bool Surface::createBlank(int width, int height) {
    release();
    // Compatible bitmaps are always in the screen's format, whatever the target holds.
    std::unique_ptr<Bitmap> bitmap = Bitmap::createScreenFormat(width, height);
    if (!bitmap) return false;
    memoryDC_ = std::make_unique<DeviceContext>();
    bitmap_ = std::move(bitmap);
    bits_ = bitmap_->bits();
    previousBitmap_ = memoryDC_->select(bitmap_.get());
    return true;
}

bool Surface::loadImage(std::string_view path) {
    release();
    path_ = std::string(path);
    auto header = std::make_unique<PictureFile>();
    if (!header->read(path)) return false;
    const PictureInfoHeader& info = header->header();
    std::unique_ptr<Bitmap> bitmap =
        Bitmap::createDib(info.width, info.height, info.bitsPerPixel, header->colourTable());
    if (!bitmap) return false;
    // The reader refuses anything but one plane, so its rows and the bitmap's match.
    const std::span<const std::uint8_t> rows = header->pixelRows();
    std::memcpy(bitmap->bits(), rows.data(), std::min(rows.size(), bitmap->sizeInBytes()));

    memoryDC_ = std::make_unique<DeviceContext>();
    bitmap_ = std::move(bitmap);
    bits_ = bitmap_->bits();
    previousBitmap_ = memoryDC_->select(bitmap_.get());
    description_ = BitmapDescription{0,
                                     bitmap_->width(),
                                     bitmap_->height(),
                                     bitmap_->stride(),
                                     1,
                                     static_cast<std::uint16_t>(bitmap_->bitsPerPixel()),
                                     bits_};
    header_ = std::move(header);
    return true;
}

}  // namespace cindervane
