// The portable frame model the Win32 frame carries out.
#pragma once

#include "skin/FrameButtons.h"
#include "skin/FrameHitTest.h"
#include "skin/FrameMetrics.h"
#include "skin/FramePaint.h"
#include "skin/FramePlain.h"
#include "skin/FramePointer.h"
#include "skin/FrameRegion.h"
#include "skin/WindowStates.h"

#include <windows.h>

namespace vireltan::syshit {
// The portable model names the system's hit codes itself; they must stay the system's numbers.
static_assert(kClient == HTCLIENT && kCaption == HTCAPTION && kObject == HTOBJECT);
static_assert(kLeft == HTLEFT && kRight == HTRIGHT && kTop == HTTOP && kBottom == HTBOTTOM);
static_assert(kTopLeft == HTTOPLEFT && kTopRight == HTTOPRIGHT && kBottomLeft == HTBOTTOMLEFT &&
              kBottomRight == HTBOTTOMRIGHT);
}  // namespace vireltan::syshit
