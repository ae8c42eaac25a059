// The memory behind the bitmaps that live for one paint. A control composes its picture into such a
// bitmap and copies it to the window at once, so one DIB section kept for the whole program can serve
// every paint in turn, instead of a section made and freed for each one (its memory mapped and first
// touched again every time, which costs more than composing the picture).
#pragma once

#include <windows.h>

#include <cstdint>

#include "gui/Handles.h"

namespace vireltan {

class PaintBuffer {
  public:
    // The largest picture lent from the buffer; a larger one gets a bitmap of its own.
    static constexpr long long kMaxPixels = 1 << 21;

    PaintBuffer() = default;
    ~PaintBuffer();
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;

    // Room for a width x height picture at the buffer's top-left, grown as needed, its pixels black and
    // the context's drawing clipped to it. False while another paint holds the buffer (a paint within
    // a paint), or for a picture larger than kMaxPixels; the caller then makes a bitmap of its own.
    bool lend(int width, int height);
    // The context's state as before the lending; the buffer is free again.
    void giveBack();

    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    std::uint8_t* bits() const { return bits_; }
    int stride() const;

  private:
    bool grow(int width, int height);

    bool lent_ = false;
    int savedState_ = 0;
    int width_ = 0;  // the section's size, at least that of every picture lent so far
    int height_ = 0;
    std::uint8_t* bits_ = nullptr;
    BitmapHandle bitmap_;
    DeviceContext dc_;
    HGDIOBJ originalBitmap_ = nullptr;
};

}  // namespace vireltan
