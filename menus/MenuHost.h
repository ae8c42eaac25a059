// What a window's frame offers the menus shown on its window: its menu engine, the skin menus take,
// the captions of its string table, and the marking of the menu as open (the frame's key hook).
#pragma once

#include "skin/MenuItems.h"

namespace vireltan {

class TbsSkinMenu;
class TbsSkinData;

class MenuHost {
  public:
    virtual ~MenuHost() = default;
    virtual TbsSkinMenu& SkinMenu() = 0;
    // The skin menus are drawn with (MenusSkinData, else SkinData), or null for the plain look.
    virtual const TbsSkinData* menusSkin() const = 0;
    virtual MenuStringLookup menuStrings() const = 0;
    // Installs the menu hook (once) and fires OnSkinMenuOpen; the menu-closed message undoes it.
    virtual void markMenuOpen() = 0;
};

}  // namespace vireltan
