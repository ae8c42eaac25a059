#include "gui/Bitmap.h"

#include "gui/Application.h"
#include "gui/PaintBuffer.h"

namespace vireltan {

TBitmap::~TBitmap() {
    release();
}

void TBitmap::release() {
    canvas_.setHandle(nullptr);
    if (lease_) lease_->giveBack();
    lease_ = nullptr;
    if (dc_ && originalBitmap_) SelectObject(dc_.get(), originalBitmap_);
    originalBitmap_ = nullptr;
    bitmap_.reset();
    dc_ = DeviceContext();
    dcHandle_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = stride_ = 0;
}

HBITMAP TBitmap::handle() const {
    return lease_ ? lease_->bitmap() : bitmap_.get();
}

void TBitmap::setSize(int width, int height) {
    if (width == width_ && height == height_ && !empty()) return;
    release();
    if (width <= 0 || height <= 0) return;
    if (onePaint_) {
        PaintBuffer& buffer = Application().paintBuffer();
        if (buffer.lend(width, height)) {
            lease_ = &buffer;
            bits_ = buffer.bits();
            dcHandle_ = buffer.dc();
            width_ = width;
            height_ = height;
            stride_ = buffer.stride();
            canvas_.setHandle(dcHandle_);
            return;
        }
    }
    void* bits = nullptr;
    BitmapHandle bitmap = topDownDibSection(nullptr, width, height, 24, &bits);
    if (!bitmap) return;
    DeviceContext dc = DeviceContext::memory();
    if (!dc) return;
    originalBitmap_ = SelectObject(dc.get(), bitmap.get());
    bitmap_ = std::move(bitmap);
    dc_ = std::move(dc);
    bits_ = static_cast<std::uint8_t*>(bits);
    dcHandle_ = dc_.get();
    width_ = width;
    height_ = height;
    stride_ = strideFor(width);
    canvas_.setHandle(dcHandle_);
}

std::uint8_t* TBitmap::bits() {
    GdiFlush();
    return bits_;
}

const std::uint8_t* TBitmap::bits() const {
    GdiFlush();
    return bits_;
}

bool TBitmap::assign(HBITMAP source) {
    BITMAP header{};
    if (!source || !GetObjectW(source, sizeof header, &header)) return false;
    setSize(header.bmWidth, header.bmHeight);
    if (empty()) return false;
    DeviceContext sourceDc = DeviceContext::memory();
    ObjectSelection selection(sourceDc.get(), source);
    return BitBlt(dcHandle_, 0, 0, width_, height_, sourceDc.get(), 0, 0, SRCCOPY) != 0;
}

bool TBitmap::assign(const TBitmap& source) {
    // The source's bitmap is selected into its own context: copy from there (a bitmap cannot be
    // selected into a second context).
    if (&source == this) return !empty();
    setSize(source.width_, source.height_);
    if (empty()) return false;
    return BitBlt(dcHandle_, 0, 0, width_, height_, source.dcHandle_, 0, 0, SRCCOPY) != 0;
}

bool TBitmap::loadFromResource(HINSTANCE instance, const std::wstring& name) {
    BitmapHandle loaded(
        static_cast<HBITMAP>(LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return loaded && assign(loaded.get());
}

}  // namespace vireltan
