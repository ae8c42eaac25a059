// Platform services that older systems lack: looked up in user32 at run time, with fall-backs.
#pragma once

#include <windows.h>

namespace vireltan {

enum class MonitorArea { WorkArea, WholeArea };

// The work area or the whole rectangle of the monitor nearest to `window` when there are several
// monitors; otherwise the system work area, or the whole screen.
RECT monitorRect(HWND window, MonitorArea area);

// GetScrollBarInfo where the system has it. Without it: false, and the bar is reported invisible.
bool scrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info);

// Makes a layered window translucent with one alpha for all of it (the caller sets WS_EX_LAYERED).
bool setLayeredAlpha(HWND window, BYTE alpha);

}  // namespace vireltan
