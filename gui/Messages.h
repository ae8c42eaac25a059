// Window messages as the library passes them around, and the messages of our own numbering.
#pragma once

#include <windows.h>

namespace vireltan {

struct TMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
};

// A control's background was repainted or moved: controls that draw parts of it anew hear of it.
constexpr UINT CM_PARENTBACKGROUNDCHANGED = WM_USER + 260;

// A key a control does not use itself (Enter, Escape), handed to its form for the form's default
// and cancel actions; wParam is the key's character. A form without such actions ignores it.
constexpr UINT CM_DIALOGKEY = WM_APP + 0x0B00;

}  // namespace vireltan
