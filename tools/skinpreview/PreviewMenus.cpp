#include "tools/skinpreview/PreviewMenus.h"

#include "gui/Form.h"
#include "menus/SkinPopupMenu.h"

#include <string>

namespace vireltan {

namespace {

enum PreviewCommand { kOpen = 1, kCopy, kPaste, kGrid, kUnits, kDisabled, kSub = 100, kLong = 1000 };

MenuItemData item(std::string caption, int command, std::string shortcut = {}) {
    MenuItemData m;
    m.caption = std::move(caption);
    m.command = command;
    m.shortcut = std::move(shortcut);
    return m;
}

// The check marks live in the menu's items: a chosen option toggles, a chosen material is the one
// checked in its submenu.
void check(std::vector<MenuItemData>& items, int command) {
    for (MenuItemData& m : items) {
        if ((command == kGrid || command == kUnits) && m.command == command) m.checked = !m.checked;
        if (command >= kSub && command < kLong && m.command >= kSub && m.command < kLong)
            m.checked = m.command == command;
        check(m.submenu, command);
    }
}

}  // namespace

std::vector<MenuItemData> previewShortMenuItems() {
    std::vector<MenuItemData> items;
    items.push_back(item("&Aç...", kOpen, "Ctrl+O"));
    items.push_back(item("-", 0));
    items.push_back(item("&Kopyala", kCopy, "Ctrl+C"));
    items.push_back(item("&Yapıştır", kPaste, "Ctrl+V"));
    items.push_back(item("-", 0));
    MenuItemData grid = item("&Izgara", kGrid);
    grid.checked = true;
    items.push_back(grid);
    MenuItemData units = item("&Birimler (SI)", kUnits);
    units.checked = true;
    items.push_back(units);
    MenuItemData disabled = item("&Devre dışı", kDisabled);
    disabled.enabled = false;
    items.push_back(disabled);
    MenuItemData sub = item("&Malzeme", 0);
    const char* materials[] = {"&Bakır", "&Alüminyum", "&Gümüş", "A&ltın"};
    for (int i = 0; i < 4; ++i) sub.submenu.push_back(item(materials[i], kSub + i));
    sub.submenu[0].checked = true;
    items.push_back(sub);
    return items;
}

std::vector<MenuItemData> previewLongMenuItems(int count) {
    std::vector<MenuItemData> items;
    for (int i = 1; i <= count; ++i) {
        items.push_back(item("Satır " + std::to_string(i), kLong + i));
        if (i % 10 == 0 && i < count) items.push_back(item("-", 0));
    }
    return items;
}

PreviewMenus::PreviewMenus(TForm& form)
    : form_(form), short_(new TbsSkinPopupMenu(&form)), long_(new TbsSkinPopupMenu(&form)) {
    short_->Items = previewShortMenuItems();
    long_->Items = previewLongMenuItems(60);
    short_->OnItemClick = [this](const MenuItemData& m) { chosen(m); };
    long_->OnItemClick = [this](const MenuItemData& m) { chosen(m); };
}

void PreviewMenus::popupAt(int x, int y) {
    RECT window{};
    if (form_.handleAllocated()) GetWindowRect(form_.allocatedHandle(), &window);
    TbsSkinPopupMenu* menu = x < (window.left + window.right) / 2 ? short_ : long_;
    menu->Popup(x, y);
}

// The window's caption says what was chosen, so a screenshot shows that the command ran.
void PreviewMenus::chosen(const MenuItemData& m) {
    check(short_->Items, m.command);
    std::string caption = form_.caption();
    const std::size_t cut = caption.find(" | ");
    if (cut != std::string::npos) caption.erase(cut);
    form_.setCaption(caption + " | " + parseMenuCaption(m.caption).text);
}

}  // namespace vireltan
