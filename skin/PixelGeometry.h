// Integer pixel points and rectangles shared by the raster, composition and region code.
#pragma once

namespace vireltan {

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Right and bottom are exclusive; a rectangle with no width or height covers no pixel.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    PixelRect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

inline PixelRect intersect(const PixelRect& a, const PixelRect& b) {
    PixelRect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return r.empty() ? PixelRect{} : r;
}

}  // namespace vireltan
