// What a point of the window is, for WM_NCHITTEST: a typed answer computed from the frame layout, and
// one mapping to the system's hit codes. The portable core cannot include the system headers, so the
// codes the frame answers with are spelled out here with the system's values.
#pragma once

#include <cstdint>

#include "skin/FrameObjects.h"
#include "skin/FrameRegion.h"

namespace vireltan {

enum class FrameHit {
    Client,
    Caption,
    Object,
    Left,
    Right,
    Top,
    TopLeft,
    TopRight,
    Bottom,
    BottomLeft,
    BottomRight
};

// The system's WM_NCHITTEST answers (winuser.h values).
namespace syshit {
constexpr int kClient = 1;
constexpr int kCaption = 2;
constexpr int kLeft = 10;
constexpr int kRight = 11;
constexpr int kTop = 12;
constexpr int kTopLeft = 13;
constexpr int kTopRight = 14;
constexpr int kBottom = 15;
constexpr int kBottomLeft = 16;
constexpr int kBottomRight = 17;
constexpr int kObject = 19;
}  // namespace syshit

int toSystemHitCode(FrameHit hit);
// The eight sizing answers (WM_SETCURSOR keeps them when it replaces the others by HTCLIENT).
bool isSizingHit(FrameHit hit);
// WM_SETCURSOR with UseFormCursorInNCArea: every code but HTCLIENT and the eight sizing codes becomes
// HTCLIENT, so the window's own cursor shows over caption and objects.
int formCursorHitCode(int systemCode);

// A mouse message's screen position (lParam: x in the low word, y in the high word, both signed
// 16-bit, so a monitor left of or above the primary one gives negative values) made window-relative.
PixelPoint windowPointFromLParam(std::uint32_t lParam, int windowLeft, int windowTop);

struct FrameHitState {
    bool rolledUp = false;
    bool minimized = false;
    bool maximized = false;
    bool sizeable = false;  // bsSizeable or bsSizeToolWin
    bool objectActive = false;
    bool inSizeMove = false;
};

// HitTest with a skin ready; `shape` is null without a mask picture.
FrameHit frameHitTest(const FrameLayout& layout, const FrameShape* shape, const FrameHitState& state,
                      PixelPoint p);
// HitTest of the plain frame (layout from plainFrameLayout).
FrameHit plainFrameHitTest(const FrameLayout& layout, const FrameHitState& state, PixelPoint p);

}  // namespace vireltan
