#include "skin/MenuPlacement.h"

#include <algorithm>

namespace vireltan {
namespace {

int keepInside(int position, int size, int low, int high) {
    return std::max(std::min(position, high - size), low);
}

}  // namespace

MenuPlacement placeMenuPopup(const MenuPlacementRequest& q) {
    const PixelRect& a = q.anchor;
    const PixelRect& r = q.workArea;
    const int w = q.width;
    const int h = q.height;
    const bool upperHalf = a.top < r.top + r.height() / 2;
    MenuPlacement p;
    if (q.cutToWorkArea) {
        p.y = r.top;
        p.besideAnchor = true;
    } else if (q.kind == MenuPopupKind::submenu) {
        p.besideAnchor = true;
        if (a.top - q.itemsAreaTop + h <= r.bottom) {
            p.y = a.top - q.itemsAreaTop;
        } else if (upperHalf) {
            p.y = r.bottom - h;
        } else {
            p.y = std::max(a.bottom + q.itemsAreaTop - h, r.top);
        }
    } else if (q.kind == MenuPopupKind::rootDown) {
        if (a.bottom + h <= r.bottom) {
            p.y = a.bottom;
        } else if (upperHalf) {
            p.y = r.bottom - h;
            p.besideAnchor = true;
        } else if (a.top - h >= r.top) {
            p.y = a.top - h;
        } else {
            p.y = r.top;
            p.besideAnchor = true;
        }
    } else {
        if (a.top - h >= r.top) {
            p.y = a.top - h;
        } else if (!upperHalf) {
            p.y = r.top;
            p.besideAnchor = true;
        } else if (a.bottom + h <= r.bottom) {
            p.y = a.bottom;
        } else {
            p.y = r.bottom - h;
            p.besideAnchor = true;
        }
    }
    if (p.besideAnchor) {
        p.x = a.right + w + 1 <= r.right ? a.right + 1 : a.left - w - 1;
    } else {
        p.x = a.left;
    }
    // Neither side may have room for a wide popup beside a wide anchor; a popup taller than the work
    // area would start above it. The user must still see the top-left part, where the items start.
    p.x = keepInside(p.x, w, r.left, r.right);
    p.y = keepInside(p.y, h, r.top, r.bottom);
    return p;
}

}  // namespace vireltan
