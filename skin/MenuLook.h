// Where the parts of a popup menu are drawn, read from its layout: each item's text area, caption,
// shortcut, image column and submenu arrow, its background and text colour role, and the plain
// popup background. The Win32 engine only draws what these say.
#pragma once

#include "skin/Compose.h"
#include "skin/MenuLayout.h"
#include "skin/Regions.h"

namespace vireltan {

enum class MenuItemBackground {
    skinDivider,    // dividerrect as a horizontal strip
    skinActive,     // activeskinrect (selected, or its submenu open)
    skinNormal,     // skinrect
    plainDivider,   // a plain separator line across the middle
    plainSelected,  // navy frame, fill red 182 green 189 blue 210
    plainNormal,    // clWindow
};

enum class MenuItemTextRole { normal, selected, disabled };  // fontcolor, activefontcolor, unenabledfontcolor

struct MenuItemLook {
    PixelRect item;         // popup coordinates, as in the layout
    PixelRect textArea;     // the caption is vertically centred in it
    PixelRect imageColumn;  // check marks, radio marks and images
    int captionLeft = 0;
    int shortcutRight = 0;  // the shortcut text ends here, right-aligned
    PixelRect arrow;        // the submenu arrow's box; empty without a submenu
    MenuItemBackground background = MenuItemBackground::plainNormal;
    MenuItemTextRole text = MenuItemTextRole::normal;
    friend bool operator==(const MenuItemLook&, const MenuItemLook&) = default;
};

// The look of item `index` of the layout (an empty look for an item out of range). `highlighted` is
// true while the item is selected or its submenu is open.
MenuItemLook menuItemLook(const std::vector<MenuItemData>& items, const MenuMetrics& metrics,
                          const MenuLayout& layout, int index, bool highlighted);

// The plain popup's background: two one-pixel frames (clBtnShadow outside, clWindow inside), a
// clBtnFace column for the images and clWindow for the rest.
struct MenuPlainBackground {
    PixelRect outerFrame, innerFrame, imageColumn, rest;
    friend bool operator==(const MenuPlainBackground&, const MenuPlainBackground&) = default;
};
MenuPlainBackground menuPlainBackground(const MenuMetrics& metrics, int width, int height);

// The skinned popup's background and outline for a W x H popup: the window picture cut at its corner
// points with itemsrect as the client rectangle, everything right of or below it moving with the size
// (as the frame's picture does), and the mask with itemsrect moved to the items area.
struct TbsDataSkinPopupWindow;
struct MenuPopupPieces {
    NinePieceParams pieces;
    MaskRegionParams mask;
};
MenuPopupPieces menuPopupPieces(const TbsDataSkinPopupWindow& popup, int pictureWidth, int pictureHeight,
                                int width, int height);

}  // namespace vireltan
