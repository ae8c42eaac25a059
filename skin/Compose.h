// Turning a skin rectangle of a skin picture into a picture of any size: nine-piece composition,
// three-piece strips, border strips, and the rule that picks the operation from a definition's values.
// Geometry is computed by pure functions returning a list of paint operations (ninePiecePlan, ...);
// the Compose* functions run that list on the rasters.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "skin/PixelGeometry.h"
#include "skin/Raster.h"
#include "skin/SkinValues.h"

namespace vireltan {

enum class FillMode { Tile, Stretch };

// Corner points and client rectangle, relative to the skin rectangle's top-left corner.
struct NinePoints {
    PixelPoint leftTop;
    PixelPoint rightTop;
    PixelPoint leftBottom;
    PixelPoint rightBottom;
    PixelRect client;
    friend bool operator==(const NinePoints&, const NinePoints&) = default;
};

// The points for a target dx wider and dy higher: what lies right of or below the client rectangle
// moves with the size, the rest stays. Inline: every paint plans with it, and a call made the caller
// store the points only for the copy here to load them back before the stores had reached the cache.
inline NinePoints moveNinePoints(const NinePoints& p, int dx, int dy) {
    NinePoints m = p;
    m.rightTop.x += dx;
    m.leftBottom.y += dy;
    m.rightBottom.x += dx;
    m.rightBottom.y += dy;
    m.client.right += dx;
    m.client.bottom += dy;
    return m;
}

struct EdgeModes {
    FillMode left = FillMode::Tile;
    FillMode top = FillMode::Tile;
    FillMode right = FillMode::Tile;
    FillMode bottom = FillMode::Tile;
};

struct NinePieceParams {
    PixelRect skinRect;  // in picture coordinates
    NinePoints points;
    NinePoints moved;
    int width = 0;
    int height = 0;
    EdgeModes edges;
    FillMode middle = FillMode::Tile;
    StretchType stretchType = StretchType::stFull;
    bool drawMiddle = true;
};

enum class PaintOpKind {
    Copy,           // source copied unscaled to the target's top-left (both the same size)
    Tile,           // source repeated over the target from its top-left corner
    Stretch,        // source stretched over the target
    StretchRows,    // source stretched to its own width and the target's height, repeated across
    StretchColumns  // source stretched to the target's width and its own height, repeated down
};

// One paint step: source in picture coordinates, target in destination coordinates.
struct PaintOp {
    PaintOpKind kind = PaintOpKind::Copy;
    PixelRect source;
    PixelRect target;
    friend bool operator==(const PaintOp&, const PaintOp&) = default;
};

// A short list of paint steps kept in place: a composition has at most thirteen (four edges, eight
// corner parts, the middle), and planning one is done on every paint, so it must not allocate.
class PaintPlan {
  public:
    static constexpr std::size_t kCapacity = 16;

    PaintPlan() = default;
    PaintPlan(std::initializer_list<PaintOp> ops);

    // std::length_error beyond kCapacity. Inline: planning builds each step in place, where a call
    // would store the step to the stack only to load it back at once.
    void push_back(const PaintOp& op) {
        if (size_ == kCapacity) throwFull();
        slots_.ops[size_++] = op;
    }
    void append(const PaintPlan& other);

    const PaintOp* begin() const { return slots_.ops; }
    const PaintOp* end() const { return slots_.ops + size_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const PaintOp& front() const { return slots_.ops[0]; }
    const PaintOp& operator[](std::size_t i) const { return slots_.ops[i]; }

    friend bool operator==(const PaintPlan& a, const PaintPlan& b);

  private:
    [[noreturn]] static void throwFull();

    // Unused slots stay uninitialised: clearing them on every plan cost more than the plan itself.
    union Slots {
        Slots() {}
        PaintOp ops[kCapacity];
    };
    std::size_t size_ = 0;
    Slots slots_;
};

// Runs the steps in order; later steps cover earlier ones.
void paintPlan(const Raster& picture, const PaintPlan& plan, Raster& dst);
// The same with every target moved by `origin` and nothing drawn outside `clip` (destination
// coordinates): a plan made for a picture of its own painted straight into its place in a larger one.
void paintPlan(const Raster& picture, const PaintPlan& plan, Raster& dst, PixelPoint origin,
               const PixelRect& clip);

// Edges, then the eight corner parts (which win over the edges), then the middle. Empty when the
// geometry is degenerate (RB.x = LT.x or RB.y = LT.y); pieces of no width or height are left out.
PaintPlan ninePiecePlan(const NinePieceParams& p);
void ComposeNinePiece(const Raster& picture, const NinePieceParams& p, Raster& dst);

// Fixed left width `fixedLeft`, fixed right width `fixedRight`, the middle repeated or stretched;
// the destination is width x skin rectangle height. A middle of width 0 counts as one column.
PaintPlan horizontalStripPlan(const PixelRect& skinRect, int fixedLeft, int fixedRight, FillMode middle,
                              int width);
void ComposeHorizontalStrip(const Raster& picture, const PixelRect& skinRect, int fixedLeft, int fixedRight,
                            FillMode middle, int width, Raster& dst);

// The same with rows; a middle of height 0 draws nothing.
PaintPlan verticalStripPlan(const PixelRect& skinRect, int fixedTop, int fixedBottom, FillMode middle,
                            int height);
void ComposeVerticalStrip(const Raster& picture, const PixelRect& skinRect, int fixedTop, int fixedBottom,
                          FillMode middle, int height, Raster& dst);

// Nine pieces cut at the client rectangle's corners, everything stretched, into dst at its own size.
void StretchSkinRect(const Raster& picture, const PixelRect& skinRect, const PixelRect& client,
                     bool drawMiddle, Raster& dst);

// The client image (a piece of the picture) over an area: tiled from the area's top-left, or by
// stretch type stretched, stretched in height and repeated across, or stretched in width and repeated
// down. Nothing for an empty area or piece.
PaintPlan fillPlan(const PixelRect& piece, const PixelRect& area, FillMode mode, StretchType type);

struct BorderStripPlans {
    int topHeight = 0, bottomHeight = 0, leftWidth = 0, rightWidth = 0, sideHeight = 0;
    PaintPlan top, bottom, left, right;  // targets in each strip's own coordinates
};
struct BorderStrips {
    Raster top, bottom, left, right;  // an absent strip is empty
};

// Four strips instead of one picture (the middle is left to the caller); edge tiles start at each
// strip's own origin. A strip with no width or height, or whose edge piece has none, is left empty.
BorderStripPlans borderStripPlans(const NinePieceParams& p);
BorderStrips ComposeBorderStrips(const Raster& picture, const NinePieceParams& p);
// The same into existing strips, reusing their memory when the sizes stay (a frame repainted at one
// size); strips that are absent this time are emptied.
void ComposeBorderStrips(const Raster& picture, const NinePieceParams& p, BorderStrips& strips);
// The same with the plans of p already made.
void ComposeBorderStrips(const Raster& picture, const NinePieceParams& p, const BorderStripPlans& plans,
                         BorderStrips& strips);

// The four strips drawn straight into their places in a picture of the target size, in the order top
// (at (0, 0)), left (0, C'.top), right (width - right width, C'.top), bottom (0, height - bottom
// height), each clipped to its place: the pixels of composing the strips and copying them there,
// without the strips' own memory. Pixels of a strip that none of its pieces reaches (a source beyond
// the picture) are black, as in a strip of its own; pixels outside every strip are left as they are.
void paintBorderStrips(const Raster& picture, const NinePieceParams& p, Raster& dst);
// The same with the plans of p already made.
void paintBorderStrips(const Raster& picture, const NinePieceParams& p, const BorderStripPlans& plans,
                       Raster& dst);

// The values of a skin control definition that choose and drive its composition.
struct SkinRectGeometry {
    PixelRect skinRect;
    NinePoints points;
    EdgeModes edges;
    bool stretchEffect = false;
    StretchType stretchType = StretchType::stFull;
};

// How a skin rectangle follows a control's size. The values are the skinned controls' resize modes:
// -1 no image, 0 fixed size (a copy), 1 both ways (nine pieces), 2 across only, 3 down only.
enum class ComposeOperation { None = -1, Copy = 0, NinePiece = 1, HorizontalStrip = 2, VerticalStrip = 3 };
using ResizeMode = ComposeOperation;

// skinrect empty: none; rightbottompoint with both coordinates set: nine-piece; else righttoppoint
// with one set: horizontal strip; else leftbottompoint with one set: vertical strip; else a plain copy.
ComposeOperation selectComposeOperation(const SkinRectGeometry& g);
inline ResizeMode resizeModeOf(const SkinRectGeometry& g) {
    return selectComposeOperation(g);
}

// Nine-piece parameters of g for a width x height target.
NinePieceParams ninePieceParams(const SkinRectGeometry& g, int width, int height, bool drawMiddle);

// Composes by the selected operation: nine-piece at width x height, a horizontal strip at width
// (skin rectangle height), a vertical strip at height (skin rectangle width), a copy at the skin
// rectangle's own size; nothing (dst emptied) for None. Returns the operation used.
ComposeOperation composeSkinRect(const Raster& picture, const SkinRectGeometry& g, int width, int height,
                                 bool drawMiddle, Raster& dst);

}  // namespace vireltan
