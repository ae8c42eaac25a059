// Controls that paint as four border strips and a client area (panels, group boxes, list boxes): the
// whole picture they show for a size, without text, in one raster.
#pragma once

#include "skin/Compose.h"
#include "skin/Raster.h"

namespace vireltan {

enum class ClientFill {
    ByDefinition,  // the client image tiled, or stretched by stretcheffect and stretchtype (panels)
    Tiled          // always tiled (the list box's inner list paints its own background so)
};

// The client rectangle C' (clientrect grown with the size) filled from the definition's client image
// (the clientrect part of skinrect), tiles starting at C''s top-left corner and clipped to it; then the
// border strips composed for width x height by the strip rules at their places: top (0, 0), left
// (0, C'.top), right (width - right width, C'.top), bottom (0, height - bottom height).
Raster composeSplitImage(const Raster& picture, const SkinRectGeometry& g, int width, int height,
                         ClientFill fill);
// The same into `out`, made width x height and reusing its memory (a control's off-screen bitmap, or
// a DIB section's bits wrapped) when the size stays.
void composeSplitImage(const Raster& picture, const SkinRectGeometry& g, int width, int height,
                       ClientFill fill, Raster& out);

// A panel with a background picture of its own (bgpictureindex): the picture over the whole control,
// tiled from (0, 0) when the definition does not stretch; otherwise by stretchtype stretched over C',
// stretched to the control's height and repeated across from x = 0, or stretched to its width and
// repeated down from y = 0. No border strips.
Raster composePanelBackground(const Raster& background, const SkinRectGeometry& g, int width, int height);

}  // namespace vireltan
