// ComposeBorderStrips: the frame's and the split-painted controls' four border pieces.
#include "skin/Compose.h"

#include <algorithm>

namespace vireltan {
namespace {

PixelRect at(const PixelRect& s, int l, int t, int r, int b) {
    return PixelRect{l, t, r, b}.offset(s.left, s.top);
}

// Rectangles by value: they are built by the caller just before, and loading one whole from the
// separately stored fields would wait for those stores to reach the cache.
void add(PaintPlan& plan, PaintOpKind kind, PixelRect source, PixelRect target) {
    if (source.empty() || target.empty()) return;
    plan.push_back({kind, source, target});
}

// Unscaled copy: the source starts at (sx, sy) of the skin rectangle and has the target's size.
void addCopy(PaintPlan& plan, const PixelRect& s, int sx, int sy, PixelRect target) {
    add(plan, PaintOpKind::Copy, at(s, sx, sy, sx + target.width(), sy + target.height()), target);
}

PaintOpKind edgeKind(FillMode mode) {
    return mode == FillMode::Stretch ? PaintOpKind::Stretch : PaintOpKind::Tile;
}

// A top or bottom strip of a wide window is larger than the first-level cache: painted in bands of
// rows, its tile doubling steps and corner parts run while the band's rows are still there, instead
// of fetching every row again. A band of half the frame's top strip fits beside the source rows and
// spreads each step's setup over a dozen rows. Banding changes no pixel: every step is clipped to the
// band and the steps run in order within it (strip edges are tiled or stretched, never
// stretched-then-repeated).
constexpr int kBandBytes = 32 * 1024;

void paintInBands(const Raster& picture, const PaintPlan& plan, Raster& dst, PixelPoint origin,
                  const PixelRect& clip) {
    // Rows of the strip itself, not of the picture it is painted into: a narrow side strip is one band.
    const int rowBytes = 3 * clip.width();
    const int bandRows = rowBytes > 0 && rowBytes < kBandBytes ? kBandBytes / rowBytes : 1;
    for (int top = clip.top; top < clip.bottom; top += bandRows) {
        const int bottom = clip.bottom - top > bandRows ? top + bandRows : clip.bottom;
        paintPlan(picture, plan, dst, origin, {clip.left, top, clip.right, bottom});
    }
}

}  // namespace

BorderStripPlans borderStripPlans(const NinePieceParams& p) {
    BorderStripPlans out;
    const NinePoints& g = p.points;
    const NinePoints& m = p.moved;
    const PixelRect& s = p.skinRect;
    const PixelRect& c = g.client;
    const int w = p.width;
    const int h = p.height;
    const int sh = s.height();
    if (s.empty()) return out;

    const int topH = m.client.top;
    const int bottomH = h - m.client.bottom;
    const int sideH = h - topH - bottomH;

    if (w > 0 && topH > 0 && g.rightTop.x - g.leftTop.x > 0) {
        out.topHeight = topH;
        const PixelRect edge = at(s, g.leftTop.x, 0, g.rightTop.x, topH);
        if (p.edges.top == FillMode::Stretch) {
            add(out.top, PaintOpKind::Stretch, edge, {m.leftTop.x, 0, m.rightTop.x, topH});
        } else {
            add(out.top, PaintOpKind::Tile, edge, {0, 0, w, topH});
        }
        addCopy(out.top, s, 0, 0, {0, 0, m.leftTop.x, topH});
        addCopy(out.top, s, g.rightTop.x, 0, {m.rightTop.x, 0, w, topH});
    }
    if (w > 0 && bottomH > 0 && g.rightBottom.x - g.leftBottom.x > 0) {
        out.bottomHeight = bottomH;
        const int sy = sh - bottomH;  // the band is the skin rectangle's last rows
        const PixelRect edge = at(s, g.leftBottom.x, sy, g.rightBottom.x, sh);
        if (p.edges.bottom == FillMode::Stretch) {
            add(out.bottom, PaintOpKind::Stretch, edge, {m.leftBottom.x, 0, m.rightBottom.x, bottomH});
        } else {
            add(out.bottom, PaintOpKind::Tile, edge, {0, 0, w, bottomH});
        }
        addCopy(out.bottom, s, 0, sy, {0, 0, m.leftBottom.x, bottomH});
        addCopy(out.bottom, s, g.rightBottom.x, sy, {m.rightBottom.x, 0, w, bottomH});
    }
    const int leftW = c.left;
    if (leftW > 0 && sideH > 0 && g.leftBottom.y - g.leftTop.y > 0) {
        out.leftWidth = leftW;
        out.sideHeight = sideH;
        const PixelRect edge = at(s, 0, g.leftTop.y, leftW, g.leftBottom.y);
        add(out.left, edgeKind(p.edges.left), edge,
            p.edges.left == FillMode::Stretch
                ? PixelRect{0, g.leftTop.y - c.top, leftW, sideH + g.leftBottom.y - c.bottom}
                : PixelRect{0, 0, leftW, sideH});
        addCopy(out.left, s, 0, c.top, {0, 0, leftW, g.leftTop.y - c.top});
        addCopy(out.left, s, 0, g.leftBottom.y, {0, sideH - (c.bottom - g.leftBottom.y), leftW, sideH});
    }
    const int rightW = w - m.client.right;
    if (rightW > 0 && sideH > 0 && g.rightBottom.y - g.rightTop.y > 0) {
        out.rightWidth = rightW;
        out.sideHeight = sideH;
        const PixelRect edge = at(s, c.right, g.rightTop.y, c.right + rightW, g.rightBottom.y);
        add(out.right, edgeKind(p.edges.right), edge,
            p.edges.right == FillMode::Stretch
                ? PixelRect{0, g.rightTop.y - c.top, rightW, sideH + g.rightBottom.y - c.bottom}
                : PixelRect{0, 0, rightW, sideH});
        addCopy(out.right, s, c.right, c.top, {0, 0, rightW, g.rightTop.y - c.top});
        addCopy(out.right, s, c.right, g.rightBottom.y,
                {0, sideH - (c.bottom - g.rightBottom.y), rightW, sideH});
    }
    return out;
}

void ComposeBorderStrips(const Raster& picture, const NinePieceParams& p, BorderStrips& strips) {
    ComposeBorderStrips(picture, p, borderStripPlans(p), strips);
}

void ComposeBorderStrips(const Raster& picture, const NinePieceParams& p, const BorderStripPlans& plans,
                         BorderStrips& strips) {
    strips.top.resize(plans.topHeight > 0 ? p.width : 0, plans.topHeight);
    strips.bottom.resize(plans.bottomHeight > 0 ? p.width : 0, plans.bottomHeight);
    strips.left.resize(plans.leftWidth, plans.leftWidth > 0 ? plans.sideHeight : 0);
    strips.right.resize(plans.rightWidth, plans.rightWidth > 0 ? plans.sideHeight : 0);
    if (picture.empty()) return;
    paintInBands(picture, plans.top, strips.top, {0, 0}, strips.top.bounds());
    paintInBands(picture, plans.bottom, strips.bottom, {0, 0}, strips.bottom.bounds());
    paintInBands(picture, plans.left, strips.left, {0, 0}, strips.left.bounds());
    paintInBands(picture, plans.right, strips.right, {0, 0}, strips.right.bounds());
}

void paintBorderStrips(const Raster& picture, const NinePieceParams& p, Raster& dst) {
    paintBorderStrips(picture, p, borderStripPlans(p), dst);
}

void paintBorderStrips(const Raster& picture, const NinePieceParams& p, const BorderStripPlans& plans,
                       Raster& dst) {
    const int w = p.width;
    const int h = p.height;
    const int sideTop = p.moved.client.top;
    struct Place {
        const PaintPlan& plan;
        PixelRect rect;
    };
    const Place places[] = {
        {plans.top, {0, 0, plans.topHeight > 0 ? w : 0, plans.topHeight}},
        {plans.left, {0, sideTop, plans.leftWidth, sideTop + plans.sideHeight}},
        {plans.right,
         {w - plans.rightWidth, sideTop, plans.rightWidth > 0 ? w : 0, sideTop + plans.sideHeight}},
        {plans.bottom, {0, h - plans.bottomHeight, plans.bottomHeight > 0 ? w : 0, h}},
    };
    for (const Place& place : places) {
        if (place.rect.empty()) continue;
        // The pieces of a strip cover it whole when their sources lie in the picture; otherwise the
        // pixels they miss are those of a fresh strip.
        const bool covered = std::all_of(place.plan.begin(), place.plan.end(), [&](const PaintOp& op) {
            return intersect(op.source, picture.bounds()) == op.source;
        });
        if (!covered) dst.fillRect(place.rect, {});
        if (!picture.empty()) {
            paintInBands(picture, place.plan, dst, {place.rect.left, place.rect.top},
                         intersect(place.rect, dst.bounds()));
        }
    }
}

BorderStrips ComposeBorderStrips(const Raster& picture, const NinePieceParams& p) {
    BorderStrips strips;
    ComposeBorderStrips(picture, p, strips);
    return strips;
}

}  // namespace vireltan
