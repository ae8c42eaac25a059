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

}  // namespace vireltan
