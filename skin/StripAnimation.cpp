#include "skin/StripAnimation.h"

#include <algorithm>

namespace vireltan {

PixelRect stripAnimationFrame(const StripAnimation& a, int skinHeight, int frame) {
    const PixelRect& r = a.strip;
    const int n = std::max(1, a.frameCount);
    const int k = std::clamp(frame, 1, n) - 1;
    if (r.height() > skinHeight) {
        const int h = r.height() / n;
        return {r.left, r.top + h * k, r.right, r.top + h * (k + 1)};
    }
    const int w = r.width() / n;
    return {r.left + w * k, r.top, r.left + w * (k + 1), r.bottom};
}

StripAnimationState stripAnimationStart(const StripAnimation& a, bool active) {
    StripAnimationState s;
    s.frame = active ? 1 : (a.inactiveAnimation ? a.frameCount : 0);
    s.timeCounter = a.tickMs;
    return s;
}

bool stripAnimationRunning(const StripAnimation& a, const StripAnimationState& s, bool active) {
    return active ? s.frame > 0 && s.frame <= a.frameCount : s.frame > 0;
}

bool stripAnimationTick(const StripAnimation& a, StripAnimationState& s, bool active) {
    if (!stripAnimationRunning(a, s, active)) return false;
    // The counter counts the time waited for this frame: an interval of one tick steps at every tick.
    if (s.timeCounter < a.interval) {
        s.timeCounter += a.tickMs;
        return false;
    }
    s.timeCounter = a.tickMs;
    s.frame += active ? 1 : -1;
    return true;
}

bool stripAnimationShowsFrame(const StripAnimation& a, const StripAnimationState& s) {
    return a.possible() && s.frame >= 1 && s.frame <= a.frameCount;
}

}  // namespace vireltan
