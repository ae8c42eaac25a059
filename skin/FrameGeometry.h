// The window frame's geometry for an outer size: the main picture's corner points, client rectangle
// and mask rectangle moved by the size change, as the border pieces and the window region use them.
#pragma once

#include <optional>

#include "skin/Compose.h"
#include "skin/Raster.h"
#include "skin/Regions.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinSections.h"

namespace vireltan {

struct FrameGeometry {
    // The border pieces: skin rectangle = the whole main picture, [FORMINFO] points and clientrect,
    // their moved copies (moved.client is the frame's client rectangle), the four stretch flags.
    NinePieceParams pieces;
    // The region: maskrectarea and its copy grown by the size change, the same corner points.
    MaskRegionParams mask;
};

// For a main picture of pictureWidth x pictureHeight and an outer size of width x height
// (dx = width - pictureWidth, dy = height - pictureHeight): left-top stays, right-top moves by (dx, 0),
// left-bottom by (0, dy), right-bottom by (dx, dy); clientrect and maskrectarea keep their top-left
// corner and move their right edge by dx and their bottom edge by dy.
FrameGeometry frameGeometry(const SkinFormInfo& form, int pictureWidth, int pictureHeight, int width,
                            int height);

// Where each border piece goes in the window, with C' the moved client rectangle: top (0, 0, W, C'.top),
// left (0, C'.top, C.left, C'.bottom), right (C'.right, C'.top, W, C'.bottom), bottom
// (0, C'.bottom, W, H). A piece that is not made (no side, or no edge to repeat) is an empty rectangle.
struct FramePiecePlaces {
    PixelRect top, bottom, left, right;
    friend bool operator==(const FramePiecePlaces&, const FramePiecePlaces&) = default;
};
FramePiecePlaces framePiecePlaces(const NinePieceParams& pieces);
FramePiecePlaces framePiecePlaces(const NinePieceParams& pieces, const BorderStripPlans& plans);

// The four border pieces composed from the main picture and drawn at their places into one picture of
// the outer size; what no piece covers (the client area) stays black.
Raster composeFramePicture(const Raster& mainPicture, const FrameGeometry& g);

// The window region for the geometry's size, or none when the mask is empty or the moved corner points
// cross (the window then stays rectangular).
std::optional<RegionRects> frameRegion(const Raster& mask, const FrameGeometry& g);

}  // namespace vireltan
