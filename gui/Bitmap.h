// An off-screen picture: a 24-bit top-down DIB section selected into its own memory context, so GDI
// (text, lines) and our own pixel code (through bits()) draw into the same pixels.
#pragma once

#include "gui/Canvas.h"
#include "gui/Handles.h"
#include "skin/Raster.h"

#include <cstdint>
#include <string>

namespace vireltan {

class TBitmap {
  public:
    TBitmap() = default;
    TBitmap(int width, int height) { setSize(width, height); }
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap();

    // Every row is 3 * width bytes padded to a multiple of four: the raster's rows.
    static constexpr int strideFor(int width) { return rasterStride(width); }

    // New pixels are black. A size with no area leaves the bitmap empty.
    void setSize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return strideFor(width_); }
    bool empty() const { return !bitmap_; }

    // Rows top first, pixels B, G, R. Flushes pending GDI drawing first so the bytes are current.
    std::uint8_t* bits();
    const std::uint8_t* bits() const;

    // The pixels as a raster, without a copy: composition into it shows in the bitmap. Valid until the
    // bitmap is resized or goes; pending GDI drawing is flushed first.
    Raster raster() { return empty() ? Raster() : Raster::wrap(bits(), width_, height_); }

    TCanvas& canvas() { return canvas_; }
    HDC canvasHandle() const { return dc_.get(); }
    HBITMAP handle() const { return bitmap_.get(); }

    // Copies any bitmap (a resource, a device-dependent bitmap) into this 24-bit form; false when
    // the source cannot be read.
    bool assign(HBITMAP source);
    bool assign(const TBitmap& source);
    bool loadFromResource(HINSTANCE instance, const std::wstring& name);

  private:
    void release();

    int width_ = 0;
    int height_ = 0;
    std::uint8_t* bits_ = nullptr;
    DeviceContext dc_;
    BitmapHandle bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    TCanvas canvas_;
};

}  // namespace vireltan
