#include "imagebutton/PngDraw.h"

#include "gui/Handles.h"

namespace vireltan {

PngPicture loadPngResource(HINSTANCE instance, const wchar_t* name) {
    PngPicture picture;
    HRSRC resource = FindResourceW(instance, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!resource) return picture;
    HGLOBAL loaded = LoadResource(instance, resource);
    const DWORD size = SizeofResource(instance, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data || size == 0) return picture;
    picture.loadFromMemory({static_cast<const std::uint8_t*>(data), size});
    return picture;
}

void drawPng(HDC dc, int x, int y, const PngPicture& picture) {
    if (!dc || picture.empty()) return;
    const int width = picture.width();
    const int height = picture.height();
    void* bits = nullptr;
    BitmapHandle bitmap = topDownDibSection(dc, width, height, 32, &bits);
    if (!bitmap || !bits) return;
    DeviceContext memory = DeviceContext::memory(dc);
    if (!memory) return;
    ObjectSelection selection(memory.get(), bitmap.get());

    // Blend in our own pixels rather than through AlphaBlend: the result is then the same on
    // every system, and what lies outside the clipping never reaches the context on the way back.
    BitBlt(memory.get(), 0, 0, width, height, dc, x, y, SRCCOPY);
    GdiFlush();
    auto* out = static_cast<std::uint8_t*>(bits);
    for (int row = 0; row < height; ++row) {
        for (const RgbaPixel& p : picture.row(row)) {
            out[0] = blendChannel(p.b, out[0], p.a);
            out[1] = blendChannel(p.g, out[1], p.a);
            out[2] = blendChannel(p.r, out[2], p.a);
            out += 4;
        }
    }
    BitBlt(dc, x, y, width, height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace vireltan
