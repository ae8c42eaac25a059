#include "skin/FrameRegion.h"

#include "skin/Blit.h"
#include "skin/FrameGeometry.h"

namespace vireltan {
namespace {

bool blackAt(const Raster& piece, int x, int y) {
    return piece.contains(x, y) && piece.pixel(x, y) == Bgr{};
}

bool inside(const PixelRect& r, PixelPoint p) {
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

}  // namespace

bool FrameShape::contains(PixelPoint p) const {
    const PixelRect& a = maskRect;
    if (inside(a, p)) return true;
    if (p.y < a.top) return blackAt(pieces.top, p.x, p.y);
    if (p.y >= a.bottom) return blackAt(pieces.bottom, p.x, p.y - a.bottom);
    if (p.x >= a.right) return blackAt(pieces.right, p.x - a.right, p.y - a.top);
    return blackAt(pieces.left, p.x, p.y - a.top);
}

Raster fitMaskToPicture(const Raster& mask, int pictureWidth, int pictureHeight) {
    if (mask.width() == pictureWidth && mask.height() == pictureHeight) return mask;
    Raster fitted(pictureWidth, pictureHeight);  // zero-filled: black, inside
    if (!fitted.empty()) copyPiece(mask, mask.bounds(), fitted, 0, 0);
    return fitted;
}

std::optional<FrameShape> buildFrameShape(const Raster& mask, const SkinFormInfo& form, int pictureWidth,
                                          int pictureHeight, int width, int height) {
    if (mask.empty()) return std::nullopt;
    const MaskRegionParams p = frameGeometry(form, pictureWidth, pictureHeight, width, height).mask;
    if (p.movedRightTop.x < p.movedLeftTop.x || p.movedLeftBottom.y < p.movedLeftTop.y) return std::nullopt;
    FrameShape shape;
    const bool fits = mask.width() == pictureWidth && mask.height() == pictureHeight;
    shape.pieces = composeMaskPieces(fits ? mask : fitMaskToPicture(mask, pictureWidth, pictureHeight), p);
    shape.maskRect = p.movedMaskRect;
    return shape;
}

RegionRects frameShapeRegion(const FrameShape& shape) {
    return maskRegionFromPieces(shape.pieces, shape.maskRect);
}

}  // namespace vireltan
