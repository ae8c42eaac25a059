// The portable frame model as the Win32 frame includes it. The hit-test model names the system's HT*
// codes as constants of its own, which <windows.h> has already defined as macros by now: the macros
// step aside while the model is read and come back after it.
#pragma once

#include <windows.h>

#pragma push_macro("HTCLIENT")
#pragma push_macro("HTCAPTION")
#pragma push_macro("HTLEFT")
#pragma push_macro("HTRIGHT")
#pragma push_macro("HTTOP")
#pragma push_macro("HTTOPLEFT")
#pragma push_macro("HTTOPRIGHT")
#pragma push_macro("HTBOTTOM")
#pragma push_macro("HTBOTTOMLEFT")
#pragma push_macro("HTBOTTOMRIGHT")
#pragma push_macro("HTOBJECT")
#undef HTCLIENT
#undef HTCAPTION
#undef HTLEFT
#undef HTRIGHT
#undef HTTOP
#undef HTTOPLEFT
#undef HTTOPRIGHT
#undef HTBOTTOM
#undef HTBOTTOMLEFT
#undef HTBOTTOMRIGHT
#undef HTOBJECT

#include "skin/FrameButtons.h"
#include "skin/FrameHitTest.h"
#include "skin/FrameMetrics.h"
#include "skin/FramePaint.h"
#include "skin/FramePlain.h"
#include "skin/FramePointer.h"
#include "skin/FrameRegion.h"
#include "skin/WindowStates.h"

#pragma pop_macro("HTCLIENT")
#pragma pop_macro("HTCAPTION")
#pragma pop_macro("HTLEFT")
#pragma pop_macro("HTRIGHT")
#pragma pop_macro("HTTOP")
#pragma pop_macro("HTTOPLEFT")
#pragma pop_macro("HTTOPRIGHT")
#pragma pop_macro("HTBOTTOM")
#pragma pop_macro("HTBOTTOMLEFT")
#pragma pop_macro("HTBOTTOMRIGHT")
#pragma pop_macro("HTOBJECT")
