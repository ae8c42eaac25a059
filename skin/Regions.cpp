#include "skin/Regions.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "skin/Blit.h"

namespace vireltan {

MaskRegionParams maskRegionParams(const NinePieceParams& pieces, const PixelRect& maskRect,
                                  const PixelRect& movedMaskRect) {
    MaskRegionParams m;
    m.maskRect = maskRect;
    m.movedMaskRect = movedMaskRect;
    m.leftTop = pieces.points.leftTop;
    m.rightTop = pieces.points.rightTop;
    m.leftBottom = pieces.points.leftBottom;
    m.rightBottom = pieces.points.rightBottom;
    m.movedLeftTop = pieces.moved.leftTop;
    m.movedRightTop = pieces.moved.rightTop;
    m.movedLeftBottom = pieces.moved.leftBottom;
    m.movedRightBottom = pieces.moved.rightBottom;
    m.width = pieces.width;
    m.height = pieces.height;
    return m;
}
namespace {

bool isBlack(const std::uint8_t* p) {
    return (p[0] | p[1] | p[2]) == 0;
}

struct Span {
    int left;
    int right;
    friend bool operator==(const Span&, const Span&) = default;
};

}  // namespace

RegionRects RegionFromMask(const Raster& mask, int ox, int oy) {
    RegionRects out;
    out.bounds = {ox, oy, ox + mask.width(), oy + mask.height()};
    const int w = mask.width();
    for (int y = 0; y < mask.height(); ++y) {
        const std::uint8_t* row = mask.row(y);
        int x = 0;
        while (x < w) {
            while (x < w && !isBlack(row + 3 * x)) ++x;
            if (x == w) break;
            const int start = x;
            while (x < w && isBlack(row + 3 * x)) ++x;
            out.rects.push_back({start + ox, y + oy, x + ox, y + oy + 1});
        }
    }
    return out;
}

RegionRects normalizeRegion(const std::vector<PixelRect>& input) {
    RegionRects out;
    std::vector<PixelRect> rects;
    rects.reserve(input.size());
    std::vector<int> edges;
    edges.reserve(2 * input.size());
    for (const PixelRect& r : input) {
        if (r.empty()) continue;
        rects.push_back(r);
        edges.push_back(r.top);
        edges.push_back(r.bottom);
    }
    if (rects.empty()) return out;
    std::sort(rects.begin(), rects.end(),
              [](const PixelRect& a, const PixelRect& b) { return a.top < b.top; });
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<PixelRect> active;
    std::vector<Span> spans, previous;
    std::size_t next = 0;
    std::size_t previousFirst = 0;  // index in out.rects of the previous band's first rectangle
    int previousBottom = 0;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const int top = edges[i];
        const int bottom = edges[i + 1];
        active.erase(
            std::remove_if(active.begin(), active.end(), [&](const PixelRect& r) { return r.bottom <= top; }),
            active.end());
        while (next < rects.size() && rects[next].top <= top) active.push_back(rects[next++]);
        spans.clear();
        for (const PixelRect& r : active) spans.push_back({r.left, r.right});
        std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
        std::size_t merged = 0;
        for (const Span& s : spans) {
            if (merged > 0 && s.left <= spans[merged - 1].right) {
                spans[merged - 1].right = std::max(spans[merged - 1].right, s.right);
            } else {
                spans[merged++] = s;
            }
        }
        spans.resize(merged);
        if (spans.empty()) {
            previous.clear();
            continue;
        }
        if (!previous.empty() && previousBottom == top && spans == previous) {
            for (std::size_t k = previousFirst; k < out.rects.size(); ++k) out.rects[k].bottom = bottom;
        } else {
            previousFirst = out.rects.size();
            for (const Span& s : spans) out.rects.push_back({s.left, top, s.right, bottom});
            previous = spans;
        }
        previousBottom = bottom;
    }
    PixelRect b = out.rects.front();
    for (const PixelRect& r : out.rects) {
        b.left = std::min(b.left, r.left);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    out.bounds = b;
    return out;
}

MaskPieces composeMaskPieces(const Raster& mask, const MaskRegionParams& p) {
    MaskPieces pieces;
    const PixelRect& a = p.maskRect;
    const PixelRect& am = p.movedMaskRect;
    const int mw = mask.width();
    const int mh = mask.height();
    const int w = p.width;
    const int sideH = am.height();

    if (a.left > 0 && sideH > 0) {
        Raster& s = pieces.left;
        s.resize(a.left, sideH);
        tilePiece(mask, {0, p.leftTop.y, a.left, p.leftBottom.y}, s, s.bounds());
        copyPiece(mask, {0, a.top, a.left, p.leftTop.y}, s, 0, 0);
        copyPiece(mask, {0, p.leftBottom.y, a.left, a.bottom}, s, 0, sideH - (a.bottom - p.leftBottom.y));
    }
    if (mw - a.right > 0 && sideH > 0) {
        Raster& s = pieces.right;
        s.resize(mw - a.right, sideH);
        tilePiece(mask, {a.right, p.rightTop.y, mw, p.rightBottom.y}, s, s.bounds());
        copyPiece(mask, {a.right, a.top, mw, p.rightTop.y}, s, 0, 0);
        copyPiece(mask, {a.right, p.rightBottom.y, mw, a.bottom}, s, 0, sideH - (a.bottom - p.rightBottom.y));
    }
    if (w > 0 && a.top > 0) {
        Raster& s = pieces.top;
        s.resize(w, a.top);
        tilePiece(mask, {p.leftTop.x, 0, p.rightTop.x, a.top}, s,
                  {p.movedLeftTop.x, 0, p.movedRightTop.x, a.top});
        copyPiece(mask, {0, 0, p.leftTop.x, a.top}, s, 0, 0);
        copyPiece(mask, {p.rightTop.x, 0, mw, a.top}, s, p.movedRightTop.x, 0);
    }
    if (w > 0 && mh - a.bottom > 0) {
        Raster& s = pieces.bottom;
        const int h = mh - a.bottom;
        s.resize(w, h);
        tilePiece(mask, {p.leftBottom.x, a.bottom, p.rightBottom.x, mh}, s,
                  {p.movedLeftBottom.x, 0, p.movedRightBottom.x, h});
        copyPiece(mask, {0, a.bottom, p.leftBottom.x, mh}, s, 0, 0);
        copyPiece(mask, {p.rightBottom.x, a.bottom, mw, mh}, s, p.movedRightBottom.x, 0);
    }
    return pieces;
}

std::optional<RegionRects> ComposeMaskRegion(const Raster& mask, const MaskRegionParams& p) {
    if (mask.empty()) return std::nullopt;
    if (p.movedRightTop.x < p.movedLeftTop.x || p.movedLeftBottom.y < p.movedLeftTop.y) return std::nullopt;
    return maskRegionFromPieces(composeMaskPieces(mask, p), p.movedMaskRect);
}

RegionRects maskRegionFromPieces(const MaskPieces& pieces, const PixelRect& movedMaskRect) {
    const PixelRect& am = movedMaskRect;
    std::vector<PixelRect> all;
    if (!am.empty()) all.push_back(am);
    auto addPiece = [&all](const Raster& piece, int x, int y) {
        if (piece.empty()) return;
        const RegionRects r = RegionFromMask(piece, x, y);
        all.insert(all.end(), r.rects.begin(), r.rects.end());
    };
    addPiece(pieces.top, 0, 0);
    addPiece(pieces.bottom, 0, am.bottom);
    addPiece(pieces.left, 0, am.top);
    addPiece(pieces.right, am.right, am.top);
    return normalizeRegion(all);
}

}  // namespace vireltan
