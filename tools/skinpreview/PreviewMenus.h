// The preview's popup menus, opened by a right click on the window: one with a submenu, checked items
// and a disabled item, and one too long for the screen, which scrolls.
#pragma once

#include "skin/MenuItems.h"

#include <vector>

namespace vireltan {

class TForm;
class TbsSkinPopupMenu;

// Items of the short menu: a submenu-bearing item, two checked items, a disabled one, separators.
std::vector<MenuItemData> previewShortMenuItems();
// `count` numbered items, the long menu (60 in the preview: taller than any screen it runs on).
std::vector<MenuItemData> previewLongMenuItems(int count);

class PreviewMenus {
  public:
    explicit PreviewMenus(TForm& form);
    // A right click at the screen point: the short menu over the left half of the window, the long
    // one over the right half.
    void popupAt(int x, int y);

  private:
    void chosen(const MenuItemData& item);

    TForm& form_;
    TbsSkinPopupMenu* short_;
    TbsSkinPopupMenu* long_;
};

}  // namespace vireltan
