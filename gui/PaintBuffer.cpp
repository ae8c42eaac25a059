#include "gui/PaintBuffer.h"

#include <algorithm>
#include <cstring>

#include "skin/Raster.h"

namespace vireltan {

int PaintBuffer::stride() const {
    return rasterStride(width_);
}

PaintBuffer::~PaintBuffer() {
    if (dc_ && originalBitmap_) SelectObject(dc_.get(), originalBitmap_);
}

bool PaintBuffer::grow(int width, int height) {
    if (width <= width_ && height <= height_ && bitmap_) return true;
    const int wide = std::max(width, width_), high = std::max(height, height_);
    if (static_cast<long long>(wide) * high > kMaxPixels) return false;
    // A side that grows grows by half again, so that the controls of a window, painted in any order,
    // make the section anew only a few times.
    int newWidth = width > width_ ? std::max(width, width_ + width_ / 2) : width_;
    int newHeight = height > height_ ? std::max(height, height_ + height_ / 2) : height_;
    if (static_cast<long long>(newWidth) * newHeight > kMaxPixels) {
        newWidth = wide;
        newHeight = high;
    }
    void* bits = nullptr;
    BitmapHandle bitmap = topDownDibSection(nullptr, newWidth, newHeight, 24, &bits);
    if (!bitmap) return false;
    if (!dc_) dc_ = DeviceContext::memory();
    if (!dc_) return false;
    const HGDIOBJ previous = SelectObject(dc_.get(), bitmap.get());
    if (!originalBitmap_) originalBitmap_ = previous;
    bitmap_ = std::move(bitmap);  // the old section, deselected above, goes now
    bits_ = static_cast<std::uint8_t*>(bits);
    width_ = newWidth;
    height_ = newHeight;
    return true;
}

bool PaintBuffer::lend(int width, int height) {
    if (lent_ || width <= 0 || height <= 0 || !grow(width, height)) return false;
    GdiFlush();
    // Black, as a new bitmap is: a paint may rely on what it does not draw.
    const std::size_t rowBytes = std::size_t(rasterStride(width));
    for (int y = 0; y < height; ++y) std::memset(bits_ + std::ptrdiff_t(y) * stride(), 0, rowBytes);
    savedState_ = SaveDC(dc_.get());
    IntersectClipRect(dc_.get(), 0, 0, width, height);
    lent_ = true;
    return true;
}

void PaintBuffer::giveBack() {
    if (!lent_) return;
    RestoreDC(dc_.get(), savedState_);
    lent_ = false;
}

}  // namespace vireltan
