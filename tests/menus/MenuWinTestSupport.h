// Shared by the tests of the skinned menus on real windows: keys posted to the queue as the user's
// keyboard puts them there, the pointer over an item, and the menu engine's popups.
#pragma once

#include "GuiTestSupport.h"
#include "menus/SkinMenu.h"
#include "menus/SkinPopupWindow.h"

#include <windows.h>

#include <string>
#include <vector>

namespace vireltan::testing {

// A key-down (and its release) posted to `window` and handled by the application's loop, hooks
// included, as a key the user presses.
inline void pressKey(HWND window, WORD key) {
    const LPARAM scan = LPARAM(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(window, WM_KEYDOWN, key, scan | 1);
    PostMessageW(window, WM_KEYUP, key, scan | 1 | (LPARAM(3) << 30));
    pumpPosted();
}

// The pointer rests over item `index` of the popup and the left button is released there.
inline void releaseOverItem(TbsSkinPopupWindow& popup, int index) {
    const PixelRect r = popup.itemScreenRect(index);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(popup.allocatedHandle(), WM_LBUTTONUP, 0, MAKELPARAM((r.right - r.left) / 2, 0));
    pumpPosted();
}

inline std::vector<std::string> captionsOf(const TbsSkinPopupWindow& popup) {
    std::vector<std::string> captions;
    for (const MenuItemData& item : popup.items()) captions.push_back(item.caption);
    return captions;
}

inline std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : "|") + p;
    return out;
}

}  // namespace vireltan::testing
