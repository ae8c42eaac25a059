// Helpers for the control tests: a shown form to host controls, ink detection on rendered
// pixels, and saving a rendering as a BMP (when VIRELTAN_SHOTS names a directory) to look at.
#pragma once

#include "gui/Bitmap.h"
#include "gui/Form.h"

#include "GuiTestSupport.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vireltan::testing {

struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // right and bottom inclusive
    bool empty() const { return right < left; }
    int centreX2() const { return left + right; }  // twice the centre, to stay in integers
    int centreY2() const { return top + bottom; }
};

// The box around every pixel inside `area` whose colour differs from `background`.
inline InkBox inkBox(TBitmap& bitmap, const RECT& area, COLORREF background) {
    InkBox box;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (pixelAt(bitmap, x, y) == background) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

inline int countColour(TBitmap& bitmap, const RECT& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += pixelAt(bitmap, x, y) == colour ? 1 : 0;
    }
    return count;
}

inline COLORREF sys(int index) {
    return GetSysColor(index);
}

// Writes the bitmap as a 24-bit BMP into $VIRELTAN_SHOTS/<name>.bmp; nothing without the variable.
inline void saveShot(TBitmap& bitmap, const std::string& name) {
    const char* dir = std::getenv("VIRELTAN_SHOTS");
    if (!dir || bitmap.empty()) return;
    const std::string path = std::string(dir) + "/" + name + ".bmp";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    const auto imageSize = static_cast<std::uint32_t>(bitmap.stride() * bitmap.height());
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + imageSize;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = bitmap.width();
    info.biHeight = -bitmap.height();
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = imageSize;
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(&info, sizeof info, 1, file);
    std::fwrite(bitmap.bits(), 1, imageSize, file);
    std::fclose(file);
}

// A shown form of the given client colour that owns everything placed on it.
struct HostForm {
    TForm* form;
    explicit HostForm(int width = 400, int height = 300) : form(shownForm(40, 40, width, height)) {}
    ~HostForm() { delete form; }
    HostForm(const HostForm&) = delete;
    HostForm& operator=(const HostForm&) = delete;
};

// Height of a line of text in `font` on the screen.
inline int lineHeight(HFONT font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return static_cast<int>(metrics.tmHeight);
}

inline SIZE textSize(HFONT font, const std::wstring& text) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return size;
}

}  // namespace vireltan::testing
