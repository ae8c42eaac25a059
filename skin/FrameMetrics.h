// The skinned window frame's numbers for one outer size: where the client area, caption, buttons row,
// hit-test corners and mask rectangle lie, how a main-picture rectangle lands on the window, the
// non-client size answer, the size limits and the window-region rule. Everything is a value computed
// from the skin's [FORMINFO] and the window size; the Win32 frame only applies it.
#pragma once

#include "skin/PixelGeometry.h"
#include "skin/SkinSections.h"

namespace vireltan {

// The frame's skin geometry (CalcFrameGeometry) for a main picture of pictureWidth x pictureHeight and
// an outer size of width x height. Points and rectangles are in window coordinates.
struct FrameMetrics {
    int width = 0, height = 0;
    int pictureWidth = 0, pictureHeight = 0;
    int dx = 0, dy = 0;
    // The skin's own corner points (main-picture coordinates): CalcObjectRect's corner zones.
    PixelPoint skinLeftTop, skinRightTop, skinLeftBottom, skinRightBottom;
    PixelPoint leftTop, rightTop, leftBottom, rightBottom;  // moved
    // C: clientrect grown with the size; a right (bottom) edge that would cross the left (top) one is
    // held on it, so the client area is never of negative size.
    PixelRect client;
    PixelRect caption;  // captionrect, right edge moved unless empty
    PixelRect buttons;  // buttonsrect, moved right when it starts beyond the picture's half width
    bool buttonsInLeft = false;
    int buttonsOffset = 0;
    PixelPoint hitLeftTop, hitRightTop, hitLeftBottom, hitRightBottom;  // moved
    PixelRect mask;                                                     // maskrectarea grown
    int borderWidth = 0;                                                // the sizing probe distance
    friend bool operator==(const FrameMetrics&, const FrameMetrics&) = default;
};

FrameMetrics CalcFrameGeometry(const SkinFormInfo& form, int pictureWidth, int pictureHeight, int width,
                               int height);

// A rectangle of the main picture placed on the window by the corner zone(s) its corners lie in.
PixelRect CalcObjectRect(const FrameMetrics& m, const PixelRect& r);

// WM_NCCALCSIZE: the client rectangle inside a proposed window rectangle.
struct FrameInsets {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const FrameInsets&, const FrameInsets&) = default;
};
// clientrect.left, clientrect.top, PW - clientrect.right, PH - clientrect.bottom.
FrameInsets skinFrameInsets(const SkinFormInfo& form, int pictureWidth, int pictureHeight);
// The plain frame: 3 around, the caption height (19, 15 for tool windows) more on top.
int plainCaptionHeight(bool toolWindow);
FrameInsets plainFrameInsets(bool toolWindow);
// The proposed rectangle less the insets; a right (bottom) edge left of (above) the left (top) one is
// held on it.
PixelRect ncCalcClientRect(const PixelRect& proposed, const FrameInsets& insets);

// The size-limit properties (0: none) and the window state that changes the minimum.
struct FrameSizeSettings {
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
};
struct FrameSizeState {
    bool minimized = false;
    bool rolledUp = false;
};
int MinFrameWidth(const SkinFormInfo& form, int pictureWidth, const FrameSizeSettings& s,
                  const FrameSizeState& state);
int MinFrameHeight(const SkinFormInfo& form, int pictureHeight, const FrameSizeSettings& s,
                   const FrameSizeState& state);
int plainMinFrameWidth(const FrameSizeSettings& s);
int plainMinFrameHeight(bool toolWindow, const FrameSizeSettings& s, const FrameSizeState& state);
// The area's extent (work area or monitor), limited by a non-zero, smaller property value.
int MaxFrameExtent(int areaExtent, int limit);

// WM_GETMINMAXINFO's minimum and maximum tracking sizes.
struct FrameMinMax {
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
    friend bool operator==(const FrameMinMax&, const FrameMinMax&) = default;
};
// `area` is the monitor's work area, or the whole monitor with MaximizeOnFullScreen.
FrameMinMax frameMinMax(int minWidth, int minHeight, const PixelRect& area, const FrameSizeSettings& s);

// ApplyFrameSkin's size step: the window grown to the minimum where it is smaller (both sides, only
// the height, or only the width), else a frame change (`nudge`) so that the system asks for the
// non-client size again; rolled up or minimized the height is the minimum, minimized the width too.
struct FrameSizeStep {
    int width = 0, height = 0;
    bool nudge = false;
    friend bool operator==(const FrameSizeStep&, const FrameSizeStep&) = default;
};
FrameSizeStep frameSizeOnApply(int width, int height, int minWidth, int minHeight,
                               const FrameSizeState& state);

// UpdateWindowRegion: the first rule that applies to the window.
enum class FrameRegionAction {
    Remove,        // no window region (the mask pieces are emptied)
    Rectangle,     // (0, 0, W, H)
    MaskPicture,   // the mask picture as it is (not rebuilding)
    ComposedMask,  // the four mask pieces for the size united with the mask rectangle
};
struct FrameRegionInput {
    bool borderNone = false;
    bool maximizedMdiChild = false;
    bool systemAtLeast6 = true;
    bool skinReady = false;
    bool hasMask = false;
    bool rebuild = true;
};
FrameRegionAction frameRegionAction(const FrameRegionInput& in);

}  // namespace vireltan
