#include "skin/FramePointer.h"

namespace vireltan {
namespace {

bool contains(const PixelRect& r, PixelPoint p) {
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

FrameObject& at(FrameLayout& layout, int i) {
    return layout.objects[std::size_t(i)];
}

bool isCaption(FrameLayout& layout, int i) {
    return at(layout, i).kind == FrameObjectKind::Caption;
}

}  // namespace

PointerResult FramePointer::track(FrameLayout& layout, PixelPoint p, bool inside, bool frameActive,
                                  const ObjectContext& c) {
    PointerResult r;
    r.point = p;
    if (layout.objects.empty() || !frameActive) return r;
    previous = active;
    const TrackChange change = trackActiveObject(layout, active, captured, p, inside);
    active = change.active;
    if (change.leave >= 0)
        r.reactions.push_back({change.leave, objectMouseLeave(at(layout, change.leave), c)});
    if (change.enter >= 0)
        r.reactions.push_back({change.enter, objectMouseEnter(at(layout, change.enter), c)});
    return r;
}

PointerResult FramePointer::trackTimer(FrameLayout& layout, PixelPoint cursor, bool frameActive,
                                       const ObjectContext& c) {
    if (inSizeMove) {
        PointerResult r;
        r.stopTrackTimer = true;
        return r;
    }
    if (!contains(layout.metrics.client, cursor)) return track(layout, cursor, true, frameActive, c);
    if (active >= 0) return track(layout, {-1, -1}, true, frameActive, c);
    return {};
}

PointerResult FramePointer::ncMouseMove(FrameLayout& layout, PixelPoint p) {
    PointerResult r;
    r.point = p;
    const int target = captured >= 0 ? captured : active;
    if (target >= 0 && target < int(layout.objects.size())) {
        ObjectReaction move;
        move.event = ObjectEvent::Move;
        r.reactions.push_back({target, move});
    }
    return r;
}

PointerResult FramePointer::press(FrameLayout& layout, PixelPoint p, MouseButton b, bool frameActive,
                                  const ObjectContext& c) {
    PointerResult r = track(layout, p, true, frameActive, c);
    if (active < 0) return r;
    captured = active;
    r.setCapture = !isCaption(layout, active);
    r.reactions.push_back({active, objectMouseDown(at(layout, active), b, c)});
    return r;
}

PointerResult FramePointer::ncButtonDown(FrameLayout& layout, PixelPoint p, MouseButton b, FrameHit hit,
                                         bool frameActive, const ObjectContext& c) {
    if (b == MouseButton::Left && inSizeMove) {
        // The press started the system's move or size loop, which has ended by now.
        inSizeMove = false;
        return {};
    }
    PointerResult r = press(layout, p, b, frameActive, c);
    if (hit == FrameHit::Caption) {
        captured = -1;
        r.systemMenuAtCursor = b == MouseButton::Right;
    }
    return r;
}

PointerResult FramePointer::ncButtonUp(FrameLayout& layout, PixelPoint p, MouseButton b,
                                       const ObjectContext& c) {
    PointerResult r;
    r.point = p;
    if (captured < 0 || captured >= int(layout.objects.size())) return r;
    r.releaseCapture = !isCaption(layout, captured);
    r.reactions.push_back({captured, objectMouseUp(at(layout, captured), b, c)});
    captured = -1;
    return r;
}

PointerResult FramePointer::ncDoubleClick(FrameLayout& layout, PixelPoint p, MouseButton b, FrameHit hit,
                                          const CaptionDoubleClick& window, bool frameActive,
                                          const ObjectContext& c) {
    PointerResult r = press(layout, p, b, frameActive, c);
    if (b == MouseButton::Left && active >= 0)
        r.reactions.push_back({active, objectDblClick(at(layout, active))});
    if (hit == FrameHit::Caption) {
        captured = -1;
        if (b == MouseButton::Left) r.captionCommand = captionDoubleClick(window);
    }
    return r;
}

PointerResult FramePointer::clientButtonUp(FrameLayout& layout, MouseButton b, const ObjectContext& c) {
    PointerResult r;
    r.point = {-1, -1};
    if (captured < 0 || captured >= int(layout.objects.size())) return r;
    r.reactions.push_back({captured, objectMouseUp(at(layout, captured), b, c)});
    r.releaseCapture = true;
    captured = -1;
    return r;
}

void FramePointer::enterSizeMove(FrameLayout& layout) {
    resetHoverStates(layout.objects);
    active = captured = -1;
    inSizeMove = true;
}

void FramePointer::forget() {
    active = previous = captured = -1;
}

}  // namespace vireltan
