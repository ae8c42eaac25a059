#include "skin/SplitPainting.h"

#include <algorithm>

#include "skin/Blit.h"

namespace vireltan {

namespace {

// Whether the client fill and the four strips together reach every pixel of the picture, so that
// what a reused picture held before cannot show through: every part that has room is drawn, and
// each strip's pieces come from inside the picture (see paintBorderStrips).
bool splitImageCoversAll(const Raster& picture, const NinePieceParams& p, const BorderStripPlans& plans,
                         const PaintPlan& clientFill) {
    const PixelRect& c = p.moved.client;
    const bool topDrawn = c.top <= 0 || plans.topHeight > 0;
    const bool bottomDrawn = p.height - c.bottom <= 0 || plans.bottomHeight > 0;
    const bool sidesDrawn = c.height() <= 0 || ((c.left <= 0 || plans.leftWidth > 0) &&
                                                (p.width - c.right <= 0 || plans.rightWidth > 0) &&
                                                (c.width() <= 0 || !clientFill.empty()));
    if (!topDrawn || !bottomDrawn || !sidesDrawn) return false;
    const auto inside = [&](const PaintOp& op) {
        return intersect(op.source, picture.bounds()) == op.source;
    };
    return std::all_of(clientFill.begin(), clientFill.end(), inside);
}

}  // namespace

Raster composeSplitImage(const Raster& picture, const SkinRectGeometry& g, int width, int height,
                         ClientFill fill) {
    Raster out;
    composeSplitImage(picture, g, width, height, fill, out);
    return out;
}

void composeSplitImage(const Raster& picture, const SkinRectGeometry& g, int width, int height,
                       ClientFill fill, Raster& out) {
    const bool reused = out.width() == width && out.height() == height;
    out.resize(width, height);
    if (out.empty()) return;
    if (picture.empty() || g.skinRect.empty()) {
        if (reused) out.fill({});
        return;
    }
    const NinePieceParams p = ninePieceParams(g, width, height, false);

    const PixelRect& c = g.points.client;
    const PixelRect tile = c.offset(g.skinRect.left, g.skinRect.top);
    const FillMode mode = fill == ClientFill::Tiled || !g.stretchEffect ? FillMode::Tile : FillMode::Stretch;
    const PaintPlan clientFill = fillPlan(tile, p.moved.client, mode, g.stretchType);
    const BorderStripPlans plans = borderStripPlans(p);
    if (reused && !splitImageCoversAll(picture, p, plans, clientFill)) out.fill({});
    paintPlan(picture, clientFill, out);
    paintBorderStrips(picture, p, plans, out);
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
