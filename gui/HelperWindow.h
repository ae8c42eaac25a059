// Hidden windows that only receive messages for an object of ours (timers, the tray icon): the
// class is registered on first use, and the window carries the object in its user data.
#pragma once

#include <windows.h>

namespace vireltan {

// A window of class `className` (registered once with `procedure`) with `owner` in GWLP_USERDATA.
// `parent` HWND_MESSAGE makes a message-only window; null a hidden top-level one.
HWND createHelperWindow(const wchar_t* className, WNDPROC procedure, DWORD style, HWND parent, void* owner);

}  // namespace vireltan
