#include "controls/ScrollBarRules.h"

#include <algorithm>
#include <cmath>

namespace vireltan {

namespace {

constexpr int kButtonSize = 17;
constexpr int kMinThumbLength = 16;

}  // namespace

int roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    auto result = static_cast<long long>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2 != 0))) ++result;
    return static_cast<int>(result);
}

int scrollPositionMax(const ScrollRange& range) {
    return range.pageSize != 0 ? range.max - range.pageSize + 1 : range.max;
}

int clampScrollPosition(int position, const ScrollRange& range) {
    return std::max(std::min(position, scrollPositionMax(range)), range.min);
}

void placeThumb(ScrollBarGeometry& g, bool vertical, const ScrollRange& range, int position,
                const ThumbSize& size) {
    const int trackStart = vertical ? g.track.top : g.track.left;
    const int trackEnd = vertical ? g.track.bottom : g.track.right;
    const int trackLength = trackEnd - trackStart;

    int length = size.length;
    double ratio = 0;
    if (range.pageSize == 0) {
        if (range.max != range.min) {
            ratio = static_cast<double>(position - range.min) / (range.max - range.min);
        }
    } else {
        length = std::max(size.minPagedLength, roundHalfEven(static_cast<double>(trackLength) *
                                                             range.pageSize / (range.max - range.min + 1)));
        // A page larger than the range would give a thumb longer than its track.
        length = std::min(length, trackLength);
        const int divisor = range.max + 1 - range.pageSize - range.min;
        if (divisor > 0) {
            ratio = static_cast<double>(position - range.min) / divisor;
        } else {
            ratio = vertical ? 0.0 : 1.0;
        }
    }
    const int half = length / 2;
    g.centreMin = trackStart + half;
    g.centreMax = trackEnd - half;
    g.thumbOffset = roundHalfEven(ratio * (trackLength - 2 * half));
    const int thumbStart = trackStart + g.thumbOffset;
    const int thumbEnd = thumbStart + 2 * half;
    // Across the track: all of it, or a thumb picture's breadth centred on it.
    const int trackAcross = vertical ? g.track.right - g.track.left : g.track.bottom - g.track.top;
    const int across = size.across > 0 ? std::min(size.across, std::max(0, trackAcross)) : trackAcross;
    const int acrossStart = (vertical ? g.track.left : g.track.top) + (trackAcross - across) / 2;
    g.thumb = vertical ? RECT{acrossStart, thumbStart, acrossStart + across, thumbEnd}
                       : RECT{thumbStart, acrossStart, thumbEnd, acrossStart + across};
}

ScrollBarGeometry plainScrollBarGeometry(TScrollBarKind kind, int width, int height, const ScrollRange& range,
                                         int position, bool both, int bothMarkerWidth) {
    ScrollBarGeometry g;
    const bool vertical = kind == TScrollBarKind::sbVertical;
    if (vertical) {
        g.decreaseButton = {1, 1, width - 1, kButtonSize};
        g.increaseButton = {1, height - kButtonSize, width - 1, height - 1};
        g.track = {1, kButtonSize, width - 1, height - kButtonSize};
    } else {
        const int usable = both ? width - bothMarkerWidth : width;
        g.decreaseButton = {1, 1, kButtonSize, height - 1};
        g.increaseButton = {usable - kButtonSize, 1, usable - 1, height - 1};
        g.track = {kButtonSize, 1, usable - kButtonSize, height - 1};
    }
    placeThumb(g, vertical, range, position, ThumbSize{kMinThumbLength, kMinThumbLength, 0});
    return g;
}

ScrollBarGeometry skinnedScrollBarGeometry(TScrollBarKind kind, const RECT& track, const RECT& increase,
                                           const RECT& decrease, int thumbLength, int thumbAcross,
                                           const ScrollRange& range, int position) {
    ScrollBarGeometry g;
    g.track = track;
    g.increaseButton = increase;
    g.decreaseButton = decrease;
    // A thumb picture of no length still gets a pixel: a thumb of none could not be dragged.
    const int length = std::max(1, thumbLength);
    placeThumb(g, kind == TScrollBarKind::sbVertical, range, position,
               ThumbSize{length, length, thumbAcross});
    return g;
}

int draggedScrollPosition(const ScrollRange& range, int centreMin, int centreMax, int offsetAtStart,
                          int delta) {
    const int span = range.pageSize != 0 ? range.max - range.min - range.pageSize + 1 : range.max - range.min;
    const int centreLength = centreMax - centreMin;
    double ratio = 0;
    if (centreLength > 0)
        ratio = std::clamp(static_cast<double>(offsetAtStart + delta) / centreLength, 0.0, 1.0);
    return range.min + roundHalfEven(span * ratio);
}

}  // namespace vireltan
