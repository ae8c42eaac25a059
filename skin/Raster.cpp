#include "skin/Raster.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace vireltan {

Raster::Raster(int width, int height) {
    allocate(width, height);
}

Raster Raster::wrap(std::uint8_t* bits, int width, int height) {
    return wrap(bits, width, height, rasterStride(width));
}

Raster Raster::wrap(std::uint8_t* bits, int width, int height, int stride) {
    Raster r;
    if (bits == nullptr || width <= 0 || height <= 0 || stride < rasterStride(width)) return r;
    r.bits_ = bits;
    r.width_ = width;
    r.height_ = height;
    r.stride_ = stride;
    return r;
}

Raster::Raster(const Raster& other) {
    allocate(other.width_, other.height_);
    if (byteSize() == 0) return;
    if (other.stride_ == stride_) {
        std::memcpy(bits_, other.bits_, byteSize());
    } else {
        for (int y = 0; y < height_; ++y) std::memcpy(row(y), other.row(y), std::size_t(stride_));
    }
}

Raster& Raster::operator=(const Raster& other) {
    if (this != &other) {
        Raster copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Raster::Raster(Raster&& other) noexcept
    : owned_(std::move(other.owned_)),
      bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      stride_(std::exchange(other.stride_, 0)) {}

Raster& Raster::operator=(Raster&& other) noexcept {
    if (this != &other) {
        owned_ = std::move(other.owned_);
        bits_ = std::exchange(other.bits_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        stride_ = std::exchange(other.stride_, 0);
    }
    return *this;
}

void Raster::allocate(int width, int height) {
    owned_.reset();
    bits_ = nullptr;
    width_ = height_ = stride_ = 0;
    if (width <= 0 || height <= 0) return;
    const std::size_t stride = std::size_t(3) * std::size_t(width) + std::size_t(width % 4);
    if (stride > kMaxBytes || std::size_t(height) > kMaxBytes / stride) {
        throw std::length_error("raster too large");
    }
    owned_ = std::make_unique<std::uint8_t[]>(stride * std::size_t(height));  // value-initialised
    bits_ = owned_.get();
    width_ = width;
    height_ = height;
    stride_ = int(stride);
}

void Raster::resize(int width, int height) {
    if (width <= 0 || height <= 0) {
        allocate(0, 0);
        return;
    }
    if (width == width_ && height == height_) return;
    allocate(width, height);
}

void Raster::getRow(int y, std::uint8_t* out) const {
    std::memcpy(out, row(y), std::size_t(3) * width_);
}

void Raster::setRow(int y, const std::uint8_t* in) {
    std::memcpy(row(y), in, std::size_t(3) * width_);
}

void Raster::fill(Bgr c) {
    fillRect(bounds(), c);
}

void Raster::fillRect(const PixelRect& area, Bgr c) {
    const PixelRect r = intersect(area, bounds());
    if (r.empty()) return;
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint8_t* p = row(y) + 3 * r.left;
        for (int x = r.left; x < r.right; ++x, p += 3) {
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
        }
    }
}

void Raster::copyFlipped(Raster& target) const {
    if (target.width_ != width_ || target.height_ != height_ || empty()) return;
    if (&target == this) {
        for (int y = 0; y < height_ / 2; ++y) {
            std::swap_ranges(target.row(y), target.row(y) + std::size_t(3) * width_,
                             target.row(height_ - 1 - y));
        }
        return;
    }
    for (int y = 0; y < height_; ++y) {
        std::memmove(target.row(height_ - 1 - y), row(y), std::size_t(3) * width_);
    }
}

bool Raster::samePixels(const Raster& other) const {
    if (other.width_ != width_ || other.height_ != height_) return false;
    for (int y = 0; y < height_; ++y) {
        if (std::memcmp(row(y), other.row(y), std::size_t(3) * width_) != 0) return false;
    }
    return true;
}

Raster cropRaster(const Raster& src, const PixelRect& r) {
    Raster out(r.width(), r.height());
    const PixelRect part = intersect(r, src.bounds());
    for (int y = part.top; y < part.bottom; ++y) {
        std::memcpy(out.row(y - r.top) + 3 * (part.left - r.left), src.row(y) + 3 * part.left,
                    std::size_t(3) * part.width());
    }
    return out;
}

}  // namespace vireltan
