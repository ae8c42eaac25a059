// Small drawing helpers the controls and the frame share: glyphs cut from a strip bitmap, and the
// line glyphs (arrows, check mark, caption-button symbols) drawn with a 1-pixel pen.
#pragma once

#include "skin/PixelGeometry.h"
#include "skin/Raster.h"

namespace vireltan {

// Glyph `number` (from 1) of `count` equal-width glyphs side by side in `strip`, drawn at (x, y) with
// its bottom-left pixel's colour transparent. Nothing for an empty strip, a count below 1, a glyph
// number outside 1..count, or glyphs of no width.
void DrawGlyphFromStrip(Raster& dst, int x, int y, int number, int count, const Raster& strip);

// Pen drawing, clipped to the raster. A line from p to q covers p and excludes q; lines here are
// horizontal, vertical or of any slope (Bresenham, as GDI draws 45-degree and axis lines exactly).
void drawLine(Raster& dst, PixelPoint p, PixelPoint q, Bgr colour);
// Outline of (left, top, right - 1, bottom - 1), as GDI's Rectangle with a hollow brush.
void drawFrameRect(Raster& dst, const PixelRect& r, Bgr colour);

enum class ArrowDirection { Left = 1, Right = 2, Up = 3, Down = 4 };

// Glyphs; (x, y) is the glyph cell's top-left corner, the arrow is centred in its rectangle.
void drawArrow(Raster& dst, const PixelRect& r, ArrowDirection direction, Bgr colour);
void drawCheckMark(Raster& dst, int x, int y, Bgr colour);
void drawCross(Raster& dst, int x, int y, Bgr colour);
void drawLowBar(Raster& dst, int x, int y, Bgr colour);
void drawWindowGlyph(Raster& dst, int x, int y, Bgr colour);
void drawTwoWindowsGlyph(Raster& dst, int x, int y, Bgr colour);
void drawFlatBox(Raster& dst, int x, int y, Bgr colour);
void drawDownTriangle(Raster& dst, int x, int y, Bgr colour);
void drawUpTriangle(Raster& dst, int x, int y, Bgr colour);
void drawSmallSquare(Raster& dst, int x, int y, Bgr colour);

}  // namespace vireltan
