#include "skin/FrameHitTest.h"

namespace vireltan {
namespace {

bool contains(const PixelRect& r, PixelPoint p) {
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

FrameHit plainAnswer(const FrameLayout& layout, PixelPoint p) {
    if (contains(layout.metrics.client, p)) return FrameHit::Client;
    if (layout.inCaptionObject(p)) return FrameHit::Caption;
    return FrameHit::Object;
}

bool nearEdge(const FrameMetrics& m, const FrameShape* shape, PixelPoint p) {
    const int b = m.borderWidth;
    const PixelPoint probes[] = {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}};
    if (!shape) {
        const PixelRect window{0, 0, m.width, m.height};
        for (const PixelPoint& q : probes) {
            if (!contains(window, q)) return true;
        }
        return false;
    }
    if (contains(m.mask, p)) return false;
    for (const PixelPoint& q : probes) {
        if (!shape->contains(q)) return true;
    }
    return false;
}

}  // namespace

int toSystemHitCode(FrameHit hit) {
    switch (hit) {
        case FrameHit::Client:
            return syshit::kClient;
        case FrameHit::Caption:
            return syshit::kCaption;
        case FrameHit::Object:
            return syshit::kObject;
        case FrameHit::Left:
            return syshit::kLeft;
        case FrameHit::Right:
            return syshit::kRight;
        case FrameHit::Top:
            return syshit::kTop;
        case FrameHit::TopLeft:
            return syshit::kTopLeft;
        case FrameHit::TopRight:
            return syshit::kTopRight;
        case FrameHit::Bottom:
            return syshit::kBottom;
        case FrameHit::BottomLeft:
            return syshit::kBottomLeft;
        case FrameHit::BottomRight:
            return syshit::kBottomRight;
    }
    return syshit::kObject;
}

bool isSizingHit(FrameHit hit) {
    return hit != FrameHit::Client && hit != FrameHit::Caption && hit != FrameHit::Object;
}

int formCursorHitCode(int systemCode) {
    const bool sizing = systemCode >= syshit::kLeft && systemCode <= syshit::kBottomRight;
    return sizing ? systemCode : syshit::kClient;
}

PixelPoint windowPointFromLParam(std::uint32_t lParam, int windowLeft, int windowTop) {
    const auto x = std::int16_t(std::uint16_t(lParam & 0xFFFFu));
    const auto y = std::int16_t(std::uint16_t(lParam >> 16));
    return {int(x) - windowLeft, int(y) - windowTop};
}

FrameHit frameHitTest(const FrameLayout& layout, const FrameShape* shape, const FrameHitState& state,
                      PixelPoint p) {
    const FrameMetrics& m = layout.metrics;
    const bool inCaption = layout.inCaptionObject(p);
    if (state.rolledUp || state.minimized) return inCaption ? FrameHit::Caption : FrameHit::Object;
    if (state.objectActive && !inCaption && !contains(m.client, p) && !state.inSizeMove) {
        return FrameHit::Object;
    }
    if (!state.maximized && state.sizeable && nearEdge(m, shape, p)) {
        const PixelRect& c = m.client;
        if (p.x <= m.hitLeftTop.x && p.y <= m.hitLeftTop.y) return FrameHit::TopLeft;
        if (p.x >= m.hitRightTop.x && p.y <= m.hitRightTop.y) return FrameHit::TopRight;
        if (p.x <= m.hitLeftBottom.x && p.y >= m.hitLeftBottom.y) return FrameHit::BottomLeft;
        if (p.x >= m.hitRightBottom.x && p.y >= m.hitRightBottom.y) return FrameHit::BottomRight;
        if (contains({m.hitLeftTop.x, 0, m.hitRightTop.x, c.top}, p)) return FrameHit::Top;
        if (contains({m.hitLeftBottom.x, c.bottom, m.hitRightBottom.x, m.height}, p)) return FrameHit::Bottom;
        if (contains({0, m.hitLeftTop.y, c.left, m.hitLeftBottom.y}, p)) return FrameHit::Left;
        if (contains({c.right, m.hitRightTop.y, m.width, m.hitRightBottom.y}, p)) return FrameHit::Right;
        // Near an edge but in none of the sizing zones (a skin whose zones leave gaps): the frame's
        // ordinary answer, so the point still moves the window or reaches its object.
    }
    return plainAnswer(layout, p);
}

FrameHit plainFrameHitTest(const FrameLayout& layout, const FrameHitState& state, PixelPoint p) {
    const int w = layout.metrics.width;
    const int h = layout.metrics.height;
    const bool normal = !state.minimized && !state.maximized && !state.rolledUp;
    if (normal && state.sizeable) {
        if (state.objectActive) return FrameHit::Object;
        const bool left = p.x <= 2, top = p.y <= 2, right = p.x >= w - 2, bottom = p.y >= h - 2;
        if (left && top) return FrameHit::TopLeft;
        if (right && top) return FrameHit::TopRight;
        if (left && bottom) return FrameHit::BottomLeft;
        if (right && bottom) return FrameHit::BottomRight;
        if (left) return FrameHit::Left;
        if (top) return FrameHit::Top;
        if (right) return FrameHit::Right;
        if (bottom) return FrameHit::Bottom;
    }
    if (contains(layout.metrics.caption, p)) return FrameHit::Caption;
    if (contains(layout.metrics.client, p)) return FrameHit::Client;
    return FrameHit::Object;
}

}  // namespace vireltan
