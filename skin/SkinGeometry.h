// From the skin model to the painting primitives: a skin picture as a raster, and a control
// definition's composition values.
#pragma once

#include "skin/Bmp.h"
#include "skin/Compose.h"
#include "skin/Raster.h"
#include "skin/SkinControlBase.h"

namespace vireltan {

// The picture in 24 bits (palette and bit-field pictures converted); empty for an empty picture.
Raster rasterFromPicture(const SkinPicture& picture);

// skinrect, the corner points, clientrect, the four stretch flags, stretcheffect and stretchtype.
SkinRectGeometry skinRectGeometry(const TbsDataSkinCustomControl& definition);

}  // namespace vireltan
