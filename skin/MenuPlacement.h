// Where a popup menu opens for an anchor rectangle on a monitor's work area (screen coordinates,
// which are negative on monitors left of or above the primary one).
#pragma once

#include "skin/PixelGeometry.h"

namespace vireltan {

enum class MenuPopupKind {
    rootDown,  // the system menu: below the anchor
    rootUp,    // above the anchor
    submenu,   // beside its parent item
};

struct MenuPlacementRequest {
    MenuPopupKind kind = MenuPopupKind::rootDown;
    PixelRect anchor;  // the button, the parent item (on screen) or an empty rectangle at the cursor
    PixelRect workArea;
    int width = 0;
    int height = 0;
    int itemsAreaTop = 0;        // a submenu's first item lines up with its parent item
    bool cutToWorkArea = false;  // the popup's height was cut to the work area
};

struct MenuPlacement {
    int x = 0;
    int y = 0;
    bool besideAnchor = false;
    friend bool operator==(const MenuPlacement&, const MenuPlacement&) = default;
};

// Below (or above) the anchor when it fits, else beside it; horizontally at the anchor's left edge
// kept inside the work area, or beside the anchor on whichever side has room. Whatever the rule gives,
// the popup is finally kept inside the work area as far as its size allows (left and top edges win).
MenuPlacement placeMenuPopup(const MenuPlacementRequest& request);

}  // namespace vireltan
