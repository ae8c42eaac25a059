#include "skin/Glyphs.h"

#include <cstdlib>

namespace vireltan {

void DrawGlyphFromStrip(Raster& dst, int x, int y, int number, int count, const Raster& strip) {
    if (strip.empty() || count < 1 || number < 1 || number > count) return;
    const int w = strip.width() / count;
    if (w <= 0) return;
    const int sx = w * (number - 1);
    const Bgr key = strip.pixel(sx, strip.height() - 1);
    for (int row = 0; row < strip.height(); ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= dst.height()) continue;
        for (int col = 0; col < w; ++col) {
            const int tx = x + col;
            if (tx < 0 || tx >= dst.width()) continue;
            const Bgr c = strip.pixel(sx + col, row);
            if (!(c == key)) dst.setPixel(tx, ty, c);
        }
    }
}

void drawLine(Raster& dst, PixelPoint p, PixelPoint q, Bgr colour) {
    const int dx = std::abs(q.x - p.x);
    const int dy = std::abs(q.y - p.y);
    const int sx = p.x < q.x ? 1 : -1;
    const int sy = p.y < q.y ? 1 : -1;
    int err = dx - dy;
    int x = p.x;
    int y = p.y;
    while (x != q.x || y != q.y) {
        if (dst.contains(x, y)) dst.setPixel(x, y, colour);
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

void drawFrameRect(Raster& dst, const PixelRect& r, Bgr colour) {
    if (r.empty()) return;
    const int l = r.left, t = r.top, rr = r.right - 1, b = r.bottom - 1;
    drawLine(dst, {l, t}, {rr, t}, colour);
    drawLine(dst, {rr, t}, {rr, b}, colour);
    drawLine(dst, {rr, b}, {l, b}, colour);
    drawLine(dst, {l, b}, {l, t}, colour);
    if (dst.contains(l, t)) dst.setPixel(l, t, colour);
    if (dst.contains(rr, b)) dst.setPixel(rr, b, colour);
}

void drawArrow(Raster& dst, const PixelRect& r, ArrowDirection direction, Bgr colour) {
    const int cx = r.left + r.width() / 2;
    const int cy = r.top + r.height() / 2;
    for (int i = 0; i <= 3; ++i) {
        switch (direction) {
            case ArrowDirection::Left:
                drawLine(dst, {cx - 2 + i, cy - i}, {cx - 2 + i, cy + i + 1}, colour);
                break;
            case ArrowDirection::Right:
                drawLine(dst, {cx + 2 - i, cy + i}, {cx + 2 - i, cy - i - 1}, colour);
                break;
            case ArrowDirection::Up:
                drawLine(dst, {cx - i, cy - 2 + i}, {cx + i + 1, cy - 2 + i}, colour);
                break;
            case ArrowDirection::Down:
                drawLine(dst, {cx - i, cy + 2 - i}, {cx + i + 1, cy + 2 - i}, colour);
                break;
        }
    }
}

void drawCheckMark(Raster& dst, int x, int y, Bgr colour) {
    for (int i = 0; i <= 2; ++i) {
        drawLine(dst, {x, y + 5 - i}, {x + 2, y + 7 - i}, colour);
        drawLine(dst, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}, colour);
    }
}

void drawCross(Raster& dst, int x, int y, Bgr colour) {
    drawLine(dst, {x + 1, y + 1}, {x + 9, y + 9}, colour);
    drawLine(dst, {x + 9, y + 1}, {x + 1, y + 9}, colour);
    drawLine(dst, {x + 2, y + 1}, {x + 10, y + 9}, colour);
    drawLine(dst, {x + 8, y + 1}, {x, y + 9}, colour);
}

void drawLowBar(Raster& dst, int x, int y, Bgr colour) {
    drawLine(dst, {x + 1, y + 8}, {x + 9, y + 8}, colour);
    drawLine(dst, {x + 1, y + 9}, {x + 9, y + 9}, colour);
}

void drawWindowGlyph(Raster& dst, int x, int y, Bgr colour) {
    drawFrameRect(dst, {x, y, x + 11, y + 10}, colour);
    drawFrameRect(dst, {x, y, x + 11, y + 2}, colour);
}

void drawTwoWindowsGlyph(Raster& dst, int x, int y, Bgr colour) {
    drawFrameRect(dst, {x + 2, y, x + 10, y + 6}, colour);
    drawFrameRect(dst, {x + 2, y, x + 10, y + 2}, colour);
    drawFrameRect(dst, {x, y + 4, x + 7, y + 10}, colour);
    drawFrameRect(dst, {x, y + 4, x + 7, y + 6}, colour);
}

void drawFlatBox(Raster& dst, int x, int y, Bgr colour) {
    drawFrameRect(dst, {x + 1, y + 3, x + 9, y + 6}, colour);
}

void drawDownTriangle(Raster& dst, int x, int y, Bgr colour) {
    for (int i = 0; i <= 4; ++i) drawLine(dst, {x + 5 - i, y + 6 - i}, {x + 5 + i, y + 6 - i}, colour);
}

void drawUpTriangle(Raster& dst, int x, int y, Bgr colour) {
    for (int i = 0; i <= 4; ++i) drawLine(dst, {x + 5 - i, y + 2 + i}, {x + 5 + i, y + 2 + i}, colour);
}

void drawSmallSquare(Raster& dst, int x, int y, Bgr colour) {
    dst.fillRect({x + 2, y + 2, x + 7, y + 7}, colour);
}

}  // namespace vireltan
