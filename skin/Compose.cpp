#include "skin/Compose.h"

#include <algorithm>
#include <stdexcept>

#include "skin/Blit.h"

namespace vireltan {
namespace {

// Source rectangles below are relative to the skin rectangle; `at` turns them into picture
// coordinates.
PixelRect at(const PixelRect& skinRect, int l, int t, int r, int b) {
    return PixelRect{l, t, r, b}.offset(skinRect.left, skinRect.top);
}

// An unscaled copy into `target`: the source starts at (sx, sy) and has the target's size.
void addCopy(PaintPlan& plan, const PixelRect& skinRect, int sx, int sy, const PixelRect& target) {
    if (target.empty()) return;
    plan.push_back(
        {PaintOpKind::Copy, at(skinRect, sx, sy, sx + target.width(), sy + target.height()), target});
}

void addFill(PaintPlan& plan, FillMode mode, const PixelRect& source, const PixelRect& target) {
    if (source.empty() || target.empty()) return;
    plan.push_back({mode == FillMode::Stretch ? PaintOpKind::Stretch : PaintOpKind::Tile, source, target});
}

void stretchThenTile(const Raster& picture, const PixelRect& source, const PixelRect& target, bool rows,
                     Raster& dst, const PixelRect& clip) {
    const int w = rows ? source.width() : target.width();
    const int h = rows ? target.height() : source.height();
    Raster strip(w, h);
    stretchPiece(picture, source, strip, strip.bounds());
    tilePiece(strip, strip.bounds(), dst, target, clip);
}

// The part of an edge's target (within clip) that later corner copies of the plan do not cover: a
// border strip's tiles run under its corner parts, and composing those pixels only to overwrite them
// would cost an eighth of the strip. A copy from inside the picture paints all of its target.
PixelRect uncoveredPart(const Raster& picture, const PaintOp* op, const PaintOp* end, PixelPoint origin,
                        const PixelRect& target, const PixelRect& clip) {
    PixelRect part = intersect(target, clip);
    for (const PaintOp* later = op + 1; later != end && !part.empty(); ++later) {
        if (later->kind != PaintOpKind::Copy || intersect(later->source, picture.bounds()) != later->source) {
            continue;
        }
        const PixelRect cover = later->target.offset(origin.x, origin.y);
        if (cover.top > part.top || cover.bottom < part.bottom) continue;  // not the full height
        if (cover.left <= part.left && cover.right > part.left) part.left = cover.right;
        if (cover.right >= part.right && cover.left < part.right) part.right = cover.left;
    }
    return part.empty() ? PixelRect{} : part;
}

}  // namespace

PaintPlan::PaintPlan(std::initializer_list<PaintOp> ops) {
    for (const PaintOp& op : ops) push_back(op);
}

void PaintPlan::throwFull() {
    throw std::length_error("paint plan too long");
}

void PaintPlan::append(const PaintPlan& other) {
    for (const PaintOp& op : other) push_back(op);
}

bool operator==(const PaintPlan& a, const PaintPlan& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

void paintPlan(const Raster& picture, const PaintPlan& plan, Raster& dst) {
    paintPlan(picture, plan, dst, {0, 0}, dst.bounds());
}

void paintPlan(const Raster& picture, const PaintPlan& plan, Raster& dst, PixelPoint origin,
               const PixelRect& clip) {
    for (const PaintOp* op = plan.begin(); op != plan.end(); ++op) {
        const PixelRect target = op->target.offset(origin.x, origin.y);
        switch (op->kind) {
            case PaintOpKind::Copy:
                copyPiece(picture, op->source, dst, target.left, target.top, clip);
                break;
            case PaintOpKind::Tile:
                tilePiece(picture, op->source, dst, target,
                          uncoveredPart(picture, op, plan.end(), origin, target, clip));
                break;
            case PaintOpKind::Stretch:
                stretchPiece(picture, op->source, dst, target,
                             uncoveredPart(picture, op, plan.end(), origin, target, clip));
                break;
            case PaintOpKind::StretchRows:
            case PaintOpKind::StretchColumns:
                stretchThenTile(picture, op->source, target, op->kind == PaintOpKind::StretchRows, dst, clip);
                break;
        }
    }
}

PaintPlan fillPlan(const PixelRect& piece, const PixelRect& area, FillMode mode, StretchType type) {
    PaintPlan plan;
    if (piece.empty() || area.empty()) return plan;
    PaintOpKind kind = PaintOpKind::Tile;
    if (mode == FillMode::Stretch) {
        kind = type == StretchType::stFull   ? PaintOpKind::Stretch
               : type == StretchType::stHorz ? PaintOpKind::StretchRows
                                             : PaintOpKind::StretchColumns;
    }
    plan.push_back({kind, piece, area});
    return plan;
}

PaintPlan ninePiecePlan(const NinePieceParams& p) {
    PaintPlan plan;
    const NinePoints& g = p.points;
    const NinePoints& m = p.moved;
    const PixelRect& s = p.skinRect;
    const int sw = s.width();
    const int sh = s.height();
    if (g.rightBottom.x == g.leftTop.x || g.rightBottom.y == g.leftTop.y || s.empty()) return plan;
    const PixelRect& c = g.client;
    const PixelRect& cm = m.client;
    const int w = p.width;
    const int h = p.height;

    // Edges. A tile length of zero or less leaves the piece out (addFill skips empty sources).
    addFill(plan, p.edges.top, at(s, g.leftTop.x, 0, g.rightTop.x, c.top),
            {m.leftTop.x, 0, m.rightTop.x, cm.top});
    addFill(plan, p.edges.bottom, at(s, g.leftBottom.x, c.bottom, g.rightBottom.x, sh),
            {m.leftBottom.x, cm.bottom, m.rightBottom.x, h});
    addFill(plan, p.edges.left, at(s, 0, g.leftTop.y, c.left, g.leftBottom.y),
            {0, m.leftTop.y, cm.left, m.leftBottom.y});
    addFill(plan, p.edges.right, at(s, c.right, g.rightTop.y, sw, g.rightBottom.y),
            {cm.right, m.rightTop.y, w, m.rightBottom.y});

    // Corner parts, unscaled, in this order: where they overlap the later one wins.
    addCopy(plan, s, 0, 0, {0, 0, m.leftTop.x, cm.top});
    addCopy(plan, s, 0, c.top, {0, cm.top, cm.left, m.leftTop.y});
    addCopy(plan, s, g.rightTop.x, 0, {m.rightTop.x, 0, w, cm.top});
    addCopy(plan, s, c.right, c.top, {cm.right, cm.top, w, m.rightTop.y});
    addCopy(plan, s, 0, g.leftBottom.y, {0, m.leftBottom.y, cm.left, h});
    addCopy(plan, s, c.left, c.bottom, {cm.left, cm.bottom, m.leftBottom.x, h});
    addCopy(plan, s, g.rightBottom.x, c.bottom, {m.rightBottom.x, cm.bottom, w, h});
    addCopy(plan, s, c.right, g.rightBottom.y, {cm.right, m.rightBottom.y, w, cm.bottom});

    if (p.drawMiddle) {
        plan.append(fillPlan(at(s, c.left, c.top, c.right, c.bottom), cm, p.middle, p.stretchType));
    }
    return plan;
}

void ComposeNinePiece(const Raster& picture, const NinePieceParams& p, Raster& dst) {
    dst.resize(p.width, p.height);
    if (picture.empty()) return;
    paintPlan(picture, ninePiecePlan(p), dst);
}

PaintPlan horizontalStripPlan(const PixelRect& s, int a, int r, FillMode middle, int width) {
    PaintPlan plan;
    if (s.empty() || width <= 0) return plan;
    const int sw = s.width();
    const int sh = s.height();
    if (a > 0) addCopy(plan, s, 0, 0, {0, 0, a, sh});
    if (r > 0) addCopy(plan, s, sw - r, 0, {width - r, 0, width, sh});
    int d = sw - r - a;
    if (d == 0) d = 1;  // an empty middle repeats the column after the left part
    addFill(plan, middle, at(s, a, 0, a + d, sh), {a, 0, width - r, sh});
    return plan;
}

void ComposeHorizontalStrip(const Raster& picture, const PixelRect& skinRect, int fixedLeft, int fixedRight,
                            FillMode middle, int width, Raster& dst) {
    dst.resize(width, skinRect.height());
    if (picture.empty()) return;
    paintPlan(picture, horizontalStripPlan(skinRect, fixedLeft, fixedRight, middle, width), dst);
}

PaintPlan verticalStripPlan(const PixelRect& s, int a, int r, FillMode middle, int height) {
    PaintPlan plan;
    if (s.empty() || height <= 0) return plan;
    const int sw = s.width();
    const int sh = s.height();
    if (a > 0) addCopy(plan, s, 0, 0, {0, 0, sw, a});
    if (r > 0) addCopy(plan, s, 0, sh - r, {0, height - r, sw, height});
    addFill(plan, middle, at(s, 0, a, sw, sh - r), {0, a, sw, height - r});
    return plan;
}

void ComposeVerticalStrip(const Raster& picture, const PixelRect& skinRect, int fixedTop, int fixedBottom,
                          FillMode middle, int height, Raster& dst) {
    dst.resize(skinRect.width(), height);
    if (picture.empty()) return;
    paintPlan(picture, verticalStripPlan(skinRect, fixedTop, fixedBottom, middle, height), dst);
}

void StretchSkinRect(const Raster& picture, const PixelRect& skinRect, const PixelRect& client,
                     bool drawMiddle, Raster& dst) {
    NinePieceParams p;
    p.skinRect = skinRect;
    p.points = {{client.left, client.top},
                {client.right, client.top},
                {client.left, client.bottom},
                {client.right, client.bottom},
                client};
    p.width = dst.width();
    p.height = dst.height();
    p.moved = moveNinePoints(p.points, p.width - skinRect.width(), p.height - skinRect.height());
    p.edges = {FillMode::Stretch, FillMode::Stretch, FillMode::Stretch, FillMode::Stretch};
    p.middle = FillMode::Stretch;
    p.stretchType = StretchType::stFull;
    p.drawMiddle = drawMiddle;
    if (picture.empty() || dst.empty()) return;
    paintPlan(picture, ninePiecePlan(p), dst);
}

ComposeOperation selectComposeOperation(const SkinRectGeometry& g) {
    const NinePoints& p = g.points;
    if (g.skinRect.empty()) return ComposeOperation::None;
    if (p.rightBottom.x != 0 && p.rightBottom.y != 0) return ComposeOperation::NinePiece;
    if (p.rightTop.x != 0 || p.rightTop.y != 0) return ComposeOperation::HorizontalStrip;
    if (p.leftBottom.x != 0 || p.leftBottom.y != 0) return ComposeOperation::VerticalStrip;
    return ComposeOperation::Copy;
}

NinePieceParams ninePieceParams(const SkinRectGeometry& g, int width, int height, bool drawMiddle) {
    NinePieceParams p;
    p.skinRect = g.skinRect;
    p.points = g.points;
    p.moved = moveNinePoints(g.points, width - g.skinRect.width(), height - g.skinRect.height());
    p.width = width;
    p.height = height;
    p.edges = g.edges;
    p.middle = g.stretchEffect ? FillMode::Stretch : FillMode::Tile;
    p.stretchType = g.stretchType;
    p.drawMiddle = drawMiddle;
    return p;
}

ComposeOperation composeSkinRect(const Raster& picture, const SkinRectGeometry& g, int width, int height,
                                 bool drawMiddle, Raster& dst) {
    const ComposeOperation op = selectComposeOperation(g);
    const FillMode middle = g.stretchEffect ? FillMode::Stretch : FillMode::Tile;
    const PixelRect& s = g.skinRect;
    const NinePoints& p = g.points;
    switch (op) {
        case ComposeOperation::None:
            dst.resize(0, 0);
            break;
        case ComposeOperation::NinePiece:
            ComposeNinePiece(picture, ninePieceParams(g, width, height, drawMiddle), dst);
            break;
        case ComposeOperation::HorizontalStrip:
            ComposeHorizontalStrip(picture, s, p.leftTop.x, s.width() - p.rightTop.x, middle, width, dst);
            break;
        case ComposeOperation::VerticalStrip:
            ComposeVerticalStrip(picture, s, p.leftTop.y, s.height() - p.leftBottom.y, middle, height, dst);
            break;
        case ComposeOperation::Copy:
            dst.resize(s.width(), s.height());
            copyPiece(picture, s, dst, 0, 0);
            break;
    }
    return op;
}

}  // namespace vireltan
