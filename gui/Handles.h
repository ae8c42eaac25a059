// RAII owners for the GDI and user32 handles the library hands around: GDI objects, device contexts
// (memory, window, paint), selections into a device context, and window regions.
#pragma once

#include <windows.h>

#include <span>
#include <utility>

namespace vireltan {

namespace detail {
// Keeps the application's tally of the GDI objects our owners hold (TApplication::liveGdiObjects).
void countGdiObject(int delta);
}  // namespace detail

// Owns one GDI object (font, brush, pen, bitmap, region) and deletes it once.
template <typename Handle>
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {
        if (handle_) detail::countGdiObject(1);
    }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        reset(other.release());
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() {
        if (handle_) detail::countGdiObject(-1);
        return std::exchange(handle_, nullptr);
    }
    void reset(Handle handle = nullptr) {
        if (handle_) {
            DeleteObject(handle_);
            detail::countGdiObject(-1);
        }
        handle_ = handle;
        if (handle_) detail::countGdiObject(1);
    }

  private:
    Handle handle_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;

// A top-down DIB section of 24 or 32 bits a pixel whose pixels we address directly through `bits`
// (null on failure, with an empty handle).
BitmapHandle topDownDibSection(HDC dc, int width, int height, WORD bitsPerPixel, void** bits);

// A device context released the way it was obtained: a memory context is deleted, a window's
// context is given back to the window.
class DeviceContext {
  public:
    static DeviceContext memory(HDC compatibleWith = nullptr);
    static DeviceContext client(HWND window);       // GetDC
    static DeviceContext wholeWindow(HWND window);  // GetWindowDC: frame included

    DeviceContext() = default;
    DeviceContext(DeviceContext&& other) noexcept;
    DeviceContext& operator=(DeviceContext&& other) noexcept;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    ~DeviceContext();

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    enum class Kind { none, memory, window };
    DeviceContext(HDC dc, Kind kind, HWND window) : dc_(dc), kind_(kind), window_(window) {}
    void close();

    HDC dc_ = nullptr;
    Kind kind_ = Kind::none;
    HWND window_ = nullptr;
};

// BeginPaint/EndPaint around one WM_PAINT.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window_, &paint_); }

    HDC get() const { return paint_.hdc; }
    const RECT& updateRect() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// Selects an object into a context and puts the previous one back: a context never ends its life
// with one of our objects still selected, so the object can be deleted.
class ObjectSelection {
  public:
    ObjectSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ObjectSelection(const ObjectSelection&) = delete;
    ObjectSelection& operator=(const ObjectSelection&) = delete;
    ~ObjectSelection() {
        if (previous_) SelectObject(dc_, previous_);
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC/RestoreDC around a stretch of drawing that changes clipping, origin or modes.
class SavedDcState {
  public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;
    ~SavedDcState() { RestoreDC(dc_, saved_); }

  private:
    HDC dc_;
    int saved_;
};

// A window region owned by us until it is handed to the system with applyTo, after which the
// system owns and deletes it.
class WindowRegion {
  public:
    WindowRegion() = default;
    explicit WindowRegion(HRGN region) : region_(region) {}
    // One call for a whole rectangle list (right and bottom exclusive); an empty list gives an
    // empty region, not "no region".
    static WindowRegion fromRects(std::span<const RECT> rects);

    HRGN get() const { return region_.get(); }
    explicit operator bool() const { return static_cast<bool>(region_); }

    // Gives the region to the window. On success we no longer own it; on failure it stays ours.
    bool applyTo(HWND window, bool redraw);
    // Removes any region from the window (the system deletes the one it held).
    static void removeFrom(HWND window, bool redraw) { SetWindowRgn(window, nullptr, redraw); }

  private:
    RegionHandle region_;
};

}  // namespace vireltan
