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

}  // namespace vireltan
