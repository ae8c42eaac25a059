// An off-screen picture: a 24-bit top-down DIB section selected into its own memory context, so GDI
// (text, lines) and our own pixel code (through bits()) draw into the same pixels.
#pragma once

#include "gui/Canvas.h"
#include "gui/Handles.h"
#include "skin/Raster.h"

#include <cstdint>
#include <string>

namespace vireltan {

class PaintBuffer;

class TBitmap {
  public:
    // A bitmap kept, or one that lives for a single paint: that one borrows the program's paint
    // buffer (gui/PaintBuffer.h) when it is free, so its rows may lie further apart than its width
    // needs, and its handle() is the buffer's larger bitmap.
    enum class Use { Kept, OnePaint };

    TBitmap() = default;
    TBitmap(int width, int height, Use use = Use::Kept) : onePaint_(use == Use::OnePaint) {
        setSize(width, height);
    }
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap();

    // A kept bitmap's rows are 3 * width bytes padded to a multiple of four: the raster's rows.
    static constexpr int strideFor(int width) { return rasterStride(width); }

    // New pixels are black. A size with no area leaves the bitmap empty.
    void setSize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }
    bool empty() const { return !bitmap_ && !lease_; }

    // Rows top first, pixels B, G, R. Flushes pending GDI drawing first so the bytes are current.
    std::uint8_t* bits();
    const std::uint8_t* bits() const;

    // The pixels as a raster, without a copy: composition into it shows in the bitmap. Valid until the
    // bitmap is resized or goes; pending GDI drawing is flushed first.
    Raster raster() { return empty() ? Raster() : Raster::wrap(bits(), width_, height_, stride_); }

    TCanvas& canvas() { return canvas_; }
    HDC canvasHandle() const { return dcHandle_; }
    HBITMAP handle() const;

    // Copies any bitmap (a resource, a device-dependent bitmap) into this 24-bit form; false when
    // the source cannot be read.
    bool assign(HBITMAP source);
    bool assign(const TBitmap& source);
    bool loadFromResource(HINSTANCE instance, const std::wstring& name);

  private:
    void release();

    bool onePaint_ = false;
    PaintBuffer* lease_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::uint8_t* bits_ = nullptr;
    HDC dcHandle_ = nullptr;
    DeviceContext dc_;
    BitmapHandle bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    TCanvas canvas_;
};

}  // namespace vireltan
