// The window commands the skinned frame carries out itself, as arithmetic on bounds and flags:
// minimize/maximize/restore with the saved normal bounds, roll-up, centring at the first show, the
// slot of a minimized window, the fade-in's opacity steps and snapping to the work area while dragged.
// The Win32 frame supplies the monitor's areas and applies the bounds returned.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "skin/PixelGeometry.h"

namespace vireltan {

enum class TbsFrameWindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class TbsPositionInMonitor { bspDefault, bspScreenCenter, bspDesktopCenter };

// Maximize: the monitor with MaximizeOnFullScreen, else the work area; a work area as large as a
// monitor that is the whole screen (a hiding taskbar) keeps a 1-pixel margin on every side, so that
// the taskbar can still be reached.
PixelRect maximizedBounds(const PixelRect& workArea, const PixelRect& monitor, int screenWidth,
                          int screenHeight, bool maximizeOnFullScreen);

// The bounds moved to the area's centre (halves truncated toward zero), size kept.
PixelRect centredBounds(const PixelRect& area, const PixelRect& bounds);

// The slot of a minimized (non-main) window of w x h: from the area's bottom-left corner rightwards,
// then one row up; when the rows run out, the bottom-left slot whether it is free or not.
PixelPoint minimizedSlot(const PixelRect& area, int w, int h, const std::function<bool(PixelPoint)>& taken);

// Roll-up and window-state flags of the frame.
struct FrameWindowModel {
    TbsFrameWindowState state = TbsFrameWindowState::Normal;
    bool rolledUp = false;
    bool rolledUpWhileMaximized = false;
    bool rolledUpAtMaximize = false;
    int rollUpHeight = 0;                  // the height before rolling up
    std::optional<PixelRect> savedBounds;  // the normal bounds before minimize or maximize
    bool firstShow = true;
};

struct RollUpInput {
    bool biRollUp = false;
    int height = 0;          // the window's height now
    int minFrameHeight = 0;  // the frame without client area
    int ClientHeight = 0;    // the property; non-zero re-imposes the client height on rolling down
};
struct RollUpResult {
    bool changed = false;             // OnChangeRollUpState
    std::optional<int> height;        // new window height
    std::optional<int> clientHeight;  // or new client height
};
RollUpResult SetRollUpState(FrameWindowModel& m, bool on, const RollUpInput& in);

struct WindowStateInput {
    bool mainWindow = true;
    PixelRect bounds;  // the window's bounds now
    PixelRect workArea, monitor;
    int screenWidth = 0, screenHeight = 0;
    bool MaximizeOnFullScreen = false;
    int minFrameWidth = 0, minFrameHeight = 0;
    std::function<bool(PixelPoint)> slotTaken;  // another minimized window there
    TbsPositionInMonitor PositionInMonitor = TbsPositionInMonitor::bspDefault;
    RollUpInput rollUp;
};
struct WindowStateChange {
    bool changed = false;
    bool minimizeApplication = false;  // the main window minimizes the application instead
    std::optional<PixelRect> bounds;
    RollUpResult rollDown;  // rolled down first on a restore
    bool OnMinimize = false, OnMaximize = false, OnRestore = false;
};
// SetFrameWindowState.
WindowStateChange SetFrameWindowState(FrameWindowModel& m, TbsFrameWindowState target,
                                      const WindowStateInput& in);

// First show (WM_SHOWWINDOW): the centred bounds when this show centres the window, else none.
std::optional<PixelRect> firstShowBounds(FrameWindowModel& m, const WindowStateInput& in);

// The fade-in: opacities from 0 up in steps of 10, the last capped at the target; 255 is the target
// when AlphaBlendAnimation is on without AlphaBlend.
int fadeInTarget(bool alphaBlend, bool alphaBlendAnimation, int alphaBlendValue);
std::vector<int> fadeInSteps(int target);

// Snapping while dragged (WM_MOVING with Magnetic).
struct SnapState {
    bool left = false, top = false, right = false, bottom = false;
    PixelPoint cursor;  // remembered at WM_ENTERSIZEMOVE and at each snap
    void clearSnaps() { left = top = right = bottom = false; }
};
PixelRect snapWhileMoving(SnapState& s, const PixelRect& proposed, const PixelRect& area, int magneticSize,
                          PixelPoint cursor);

}  // namespace vireltan
