#include "skin/FrameGeometry.h"

namespace vireltan {
FrameGeometry frameGeometry(const SkinFormInfo& form, int pictureWidth, int pictureHeight, int width,
                            int height) {
    const int dx = width - pictureWidth;
    const int dy = height - pictureHeight;
    FrameGeometry g;
    NinePieceParams& p = g.pieces;
    p = windowPictureParams(form, form.clientrect, pictureWidth, pictureHeight, width, height);
    p.drawMiddle = false;  // the client area belongs to the window's background painting

    const PixelRect maskRect = pixelRect(form.maskrectarea);
    g.mask = maskRegionParams(p, maskRect,
                              {maskRect.left, maskRect.top, maskRect.right + dx, maskRect.bottom + dy});
    return g;
}

FramePiecePlaces framePiecePlaces(const NinePieceParams& pieces) {
    return framePiecePlaces(pieces, borderStripPlans(pieces));
}

FramePiecePlaces framePiecePlaces(const NinePieceParams& pieces, const BorderStripPlans& plans) {
    const PixelRect& c = pieces.moved.client;
    const int w = pieces.width;
    const int h = pieces.height;
    FramePiecePlaces places;
    if (plans.topHeight > 0) places.top = {0, 0, w, plans.topHeight};
    if (plans.bottomHeight > 0) places.bottom = {0, h - plans.bottomHeight, w, h};
    if (plans.leftWidth > 0) places.left = {0, c.top, plans.leftWidth, c.top + plans.sideHeight};
    if (plans.rightWidth > 0) places.right = {w - plans.rightWidth, c.top, w, c.top + plans.sideHeight};
    return places;
}

Raster composeFramePicture(const Raster& mainPicture, const FrameGeometry& g) {
    Raster out(g.pieces.width, g.pieces.height);
    if (out.empty()) return out;
    // The pieces at their framePiecePlaces, in the frame's painting order; the client area stays black.
    paintBorderStrips(mainPicture, g.pieces, out);
    return out;
}

std::optional<RegionRects> frameRegion(const Raster& mask, const FrameGeometry& g) {
    return ComposeMaskRegion(mask, g.mask);
}

}  // namespace vireltan
