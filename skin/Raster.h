// The one 24-bit pixel buffer of the skin engine: top-down rows of blue, green, red bytes, each row
// padded to a multiple of 4 bytes (stride 3 * width + width mod 4, the layout of a 24-bit DIB section).
// A raster either owns its pixels or wraps memory it does not own (a DIB section's bits), so that GDI
// text and our composition draw into the same bitmap without copies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "skin/PixelGeometry.h"

namespace vireltan {

struct Bgr {
    std::uint8_t b = 0;
    std::uint8_t g = 0;
    std::uint8_t r = 0;
    friend bool operator==(const Bgr&, const Bgr&) = default;
};

inline constexpr int rasterStride(int width) {
    return 3 * width + width % 4;
}

class Raster {
  public:
    // Refuses sizes whose pixels would exceed this many bytes (std::length_error).
    static constexpr std::size_t kMaxBytes = std::size_t{1} << 30;

    Raster() = default;
    Raster(int width, int height);  // owned, zero-filled; a non-positive side gives an empty raster
    static Raster wrap(std::uint8_t* bits, int width, int height);
    // Memory whose rows lie `stride` bytes apart (at least rasterStride(width)): the top-left part of a
    // larger picture.
    static Raster wrap(std::uint8_t* bits, int width, int height, int stride);

    Raster(const Raster& other);  // always an owned copy, also of a wrapped raster
    Raster& operator=(const Raster& other);
    Raster(Raster&& other) noexcept;
    Raster& operator=(Raster&& other) noexcept;
    ~Raster() = default;

    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }
    std::size_t byteSize() const { return std::size_t(stride_) * std::size_t(height_); }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    bool ownsPixels() const { return owned_ != nullptr; }
    PixelRect bounds() const { return {0, 0, width_, height_}; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::uint8_t* bits() { return bits_; }
    const std::uint8_t* bits() const { return bits_; }
    std::uint8_t* row(int y) { return bits_ + std::ptrdiff_t(y) * stride_; }
    const std::uint8_t* row(int y) const { return bits_ + std::ptrdiff_t(y) * stride_; }

    // Makes the raster width x height. Keeps the pixels (undefined content) when the size is already
    // right, otherwise switches to freshly owned, zero-filled memory.
    void resize(int width, int height);

    Bgr pixel(int x, int y) const {
        const std::uint8_t* p = row(y) + 3 * x;
        return {p[0], p[1], p[2]};
    }
    void setPixel(int x, int y, Bgr c) {
        std::uint8_t* p = row(y) + 3 * x;
        p[0] = c.b;
        p[1] = c.g;
        p[2] = c.r;
    }
    // Row copies of 3 * width bytes.
    void getRow(int y, std::uint8_t* out) const;
    void setRow(int y, const std::uint8_t* in);

    void fill(Bgr c);
    void fillRect(const PixelRect& r, Bgr c);  // clipped to the raster

    // target(x, height - 1 - y) = this(x, y); nothing when the sizes differ.
    void copyFlipped(Raster& target) const;

    // Pixel equality, padding ignored.
    bool samePixels(const Raster& other) const;

  private:
    void allocate(int width, int height);

    std::unique_ptr<std::uint8_t[]> owned_;
    std::uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
};

// The engine's bitmap classes are the raster under their own names: the frame and controls copy skin
// pictures into one (TbsFBitmap) and the effects work on one in place (TbsEffectBmp).
using TbsFBitmap = Raster;
using TbsEffectBmp = Raster;

// A copy of the rectangle r of src (clipped to src) as a new raster.
Raster cropRaster(const Raster& src, const PixelRect& r);

}  // namespace vireltan
