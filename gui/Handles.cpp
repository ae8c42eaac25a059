#include "gui/Handles.h"

#include "gui/Application.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vireltan {

void detail::countGdiObject(int delta) {
    Application().countGdiObjects(delta);
}

DeviceContext DeviceContext::memory(HDC compatibleWith) {
    HDC dc = CreateCompatibleDC(compatibleWith);
    if (dc) detail::countGdiObject(1);
    return DeviceContext(dc, Kind::memory, nullptr);
}

DeviceContext DeviceContext::client(HWND window) {
    return DeviceContext(GetDC(window), Kind::window, window);
}

DeviceContext DeviceContext::wholeWindow(HWND window) {
    return DeviceContext(GetWindowDC(window), Kind::window, window);
}

DeviceContext::DeviceContext(DeviceContext&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      kind_(std::exchange(other.kind_, Kind::none)),
      window_(std::exchange(other.window_, nullptr)) {}

DeviceContext& DeviceContext::operator=(DeviceContext&& other) noexcept {
    if (this != &other) {
        close();
        dc_ = std::exchange(other.dc_, nullptr);
        kind_ = std::exchange(other.kind_, Kind::none);
        window_ = std::exchange(other.window_, nullptr);
    }
    return *this;
}

DeviceContext::~DeviceContext() {
    close();
}

void DeviceContext::close() {
    if (!dc_) return;
    if (kind_ == Kind::memory) {
        DeleteDC(dc_);
        detail::countGdiObject(-1);
    }
    if (kind_ == Kind::window) ReleaseDC(window_, dc_);
    dc_ = nullptr;
}

WindowRegion WindowRegion::fromRects(std::span<const RECT> rects) {
    std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + rects.size_bytes());
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rects.size_bytes());
    RECT bounds{0, 0, 0, 0};
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const RECT& r = rects[i];
        if (i == 0) bounds = r;
        bounds.left = std::min(bounds.left, r.left);
        bounds.top = std::min(bounds.top, r.top);
        bounds.right = std::max(bounds.right, r.right);
        bounds.bottom = std::max(bounds.bottom, r.bottom);
    }
    data->rdh.rcBound = bounds;
    if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size_bytes());
    return WindowRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}

bool WindowRegion::applyTo(HWND window, bool redraw) {
    if (!region_ || !SetWindowRgn(window, region_.get(), redraw)) return false;
    region_.release();
    return true;
}

BitmapHandle topDownDibSection(HDC dc, int width, int height, WORD bitsPerPixel, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows run top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    *bits = nullptr;
    Application().countDibSection();
    return BitmapHandle(CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

}  // namespace vireltan
