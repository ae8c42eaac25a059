// The scroll bar's arithmetic, free of windows: where the buttons, the track and the thumb lie,
// where a position is clamped to, and which position a dragged thumb stands for.
#pragma once

#include <windows.h>

namespace vireltan {

enum class TScrollBarKind { sbHorizontal, sbVertical };

struct ScrollRange {
    int min = 0;
    int max = 100;
    int pageSize = 0;
};

// The highest position: with a page the last page's first line, so a full page stays in view.
int scrollPositionMax(const ScrollRange& range);
// Position into [min, scrollPositionMax]; a range whose top lies below min gives min.
int clampScrollPosition(int position, const ScrollRange& range);

struct ScrollBarGeometry {
    RECT track{};
    RECT increaseButton{};  // bottom or right end: part 1
    RECT decreaseButton{};  // top or left end: part 2
    RECT thumb{};           // part 0
    int centreMin = 0;      // lowest and highest coordinate the thumb's centre takes along the track
    int centreMax = 0;
    int thumbOffset = 0;  // thumb start minus track start, along the bar
};

// The plain bar of the given size. A horizontal bar sharing its corner with a vertical one
// (`both`) leaves `bothMarkerWidth` pixels at its right end free.
ScrollBarGeometry plainScrollBarGeometry(TScrollBarKind kind, int width, int height, const ScrollRange& range,
                                         int position, bool both = false, int bothMarkerWidth = 19);

// The thumb's length without a page, the least length with one, and its breadth across the track
// (0: the whole track).
struct ThumbSize {
    int length = 0;
    int minPagedLength = 0;
    int across = 0;
};
// Places the thumb on g.track for the range and position: its centre runs over the track less half
// a thumb at each end.
void placeThumb(ScrollBarGeometry& g, bool vertical, const ScrollRange& range, int position,
                const ThumbSize& size);

// The skinned bar: track and buttons from the definition for the size, the thumb as long as its
// picture (at least that long with a page) and as broad, centred across the track.
ScrollBarGeometry skinnedScrollBarGeometry(TScrollBarKind kind, const RECT& track, const RECT& increase,
                                           const RECT& decrease, int thumbLength, int thumbAcross,
                                           const ScrollRange& range, int position);

// The position a thumb dragged by `delta` pixels from `offsetAtStart` stands for.
int draggedScrollPosition(const ScrollRange& range, int centreMin, int centreMax, int offsetAtStart,
                          int delta);

// Rounding to the nearest integer, halves to even.
int roundHalfEven(double value);

}  // namespace vireltan
