// The frame-strip animation a caption and a popup menu's items share: the frames are equal slices of
// an animation strip in the skin, played forward while the object is active and, with
// `inactiveanimation`, back when it stops being; a time counter lets a frame stay for the interval.
#pragma once

#include "skin/PixelGeometry.h"

namespace vireltan {

struct StripAnimation {
    PixelRect strip;     // animateskinrect
    int frameCount = 0;  // framecount
    int interval = 25;   // animateinterval, in ms
    bool inactiveAnimation = false;
    int tickMs = 25;  // the period of the timer that steps it

    bool possible() const { return !strip.empty() && frameCount > 0; }
};

// The state an animation keeps: frame 1..frameCount shows a slice; 0 (at rest, inactive) and
// frameCount + 1 (done, active) show the object's own look.
struct StripAnimationState {
    int frame = 0;
    int timeCounter = 25;
    friend bool operator==(const StripAnimationState&, const StripAnimationState&) = default;
};

// Frame k (1-based) of the strip: the k-th of frameCount equal slices, stacked vertically when the
// strip is taller than the object's own picture (`skinHeight`), side by side otherwise.
PixelRect stripAnimationFrame(const StripAnimation& a, int skinHeight, int frame);

// The state when the object becomes active (from frame 1) or inactive (from the last frame with
// inactiveAnimation, else at rest at once).
StripAnimationState stripAnimationStart(const StripAnimation& a, bool active);

// True while a tick still has something to do.
bool stripAnimationRunning(const StripAnimation& a, const StripAnimationState& s, bool active);

// One timer tick: the counter grows by the tick until it reaches the interval; then the frame moves
// one step (forward while active, back otherwise) and the counter restarts. True when the frame moved.
bool stripAnimationTick(const StripAnimation& a, StripAnimationState& s, bool active);

// The slice to draw, or nothing while the object shows its own look.
bool stripAnimationShowsFrame(const StripAnimation& a, const StripAnimationState& s);

}  // namespace vireltan
