#include "skin/SplitPainting.h"

#include "skin/Blit.h"

namespace vireltan {

Raster composeSplitImage(const Raster& picture, const SkinRectGeometry& g, int width, int height,
                         ClientFill fill) {
    Raster out(width, height);
    if (out.empty() || picture.empty() || g.skinRect.empty()) return out;
    const NinePieceParams p = ninePieceParams(g, width, height, false);

    const PixelRect& c = g.points.client;
    const PixelRect tile = c.offset(g.skinRect.left, g.skinRect.top);
    const FillMode mode = fill == ClientFill::Tiled || !g.stretchEffect ? FillMode::Tile : FillMode::Stretch;
    paintPlan(picture, fillPlan(tile, p.moved.client, mode, g.stretchType), out);

    const BorderStrips strips = ComposeBorderStrips(picture, p);
    const int top = p.moved.client.top;
    copyPiece(strips.top, strips.top.bounds(), out, 0, 0);
    copyPiece(strips.left, strips.left.bounds(), out, 0, top);
    copyPiece(strips.right, strips.right.bounds(), out, width - strips.right.width(), top);
    copyPiece(strips.bottom, strips.bottom.bounds(), out, 0, height - strips.bottom.height());
    return out;
}

Raster composePanelBackground(const Raster& background, const SkinRectGeometry& g, int width, int height) {
    Raster out(width, height);
    if (out.empty() || background.empty()) return out;
    const FillMode mode = g.stretchEffect ? FillMode::Stretch : FillMode::Tile;
    PixelRect area = out.bounds();
    if (g.stretchEffect && g.stretchType == StretchType::stFull) {
        area = moveNinePoints(g.points, width - g.skinRect.width(), height - g.skinRect.height()).client;
    }
    paintPlan(background, fillPlan(background.bounds(), area, mode, g.stretchType), out);
    return out;
}

}  // namespace vireltan
