// The pixel copies every composition is made of: plain copies, tiling and nearest-neighbour stretching
// of a piece of a source raster into an area of a destination raster. All three clip to both rasters
// and to an optional clip rectangle of the destination: a destination pixel whose source would lie
// outside the source raster is left as it is, and a piece or area with no width or height draws nothing.
// Source and destination may be the same raster only for copyPiece.
#pragma once

#include <vector>

#include "skin/PixelGeometry.h"
#include "skin/Raster.h"

namespace vireltan {

// Copies the piece unscaled with its top-left corner at (x, y).
void copyPiece(const Raster& src, const PixelRect& piece, Raster& dst, int x, int y);
void copyPiece(const Raster& src, const PixelRect& piece, Raster& dst, int x, int y, const PixelRect& clip);

// Repeats the piece over the area, tiles starting at the area's top-left corner; the last column and
// row of tiles are cut off at the area's right and bottom edges.
void tilePiece(const Raster& src, const PixelRect& piece, Raster& dst, const PixelRect& area);
void tilePiece(const Raster& src, const PixelRect& piece, Raster& dst, const PixelRect& area,
               const PixelRect& clip);

// Stretches the piece over the area, nearest neighbour (see stretchSourceIndices).
void stretchPiece(const Raster& src, const PixelRect& piece, Raster& dst, const PixelRect& area);
void stretchPiece(const Raster& src, const PixelRect& piece, Raster& dst, const PixelRect& area,
                  const PixelRect& clip);

enum class StretchAxis { Columns, Rows };

// For each of the destLength destination columns (rows) the source column (row), 0-based, of a
// nearest-neighbour stretch of sourceLength to destLength, chosen as GDI's StretchBlt does in
// COLORONCOLOR mode between top-down DIB sections (checked pixel for pixel against it):
//   enlarging (destLength >= sourceLength), both axes: s(d) = ceil((2d + 1) * S / (2D)) - 1, i.e.
//     the source pixel whose span contains the destination pixel's centre, a centre on a boundary
//     taking the lower pixel;
//   shrinking columns: s(d) = floor(((d + 1) * S + D / 2) / D) - 1, rounding half up, i.e. the
//     source pixel under the destination pixel's right edge; a single destination column (D = 1)
//     takes column S - 2;
//   shrinking rows: s(d) = floor((d * S + D / 2) / D), the source row under the top edge, rounded
//     half up.
// Empty when either length is not positive.
std::vector<int> stretchSourceIndices(int sourceLength, int destLength, StretchAxis axis);

}  // namespace vireltan
