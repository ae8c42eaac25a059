// Menu captions, layout and keys on arbitrary input: captions keep their underline inside the drawn
// text, every item in range lies inside the items area, and keys only ever select a selectable item.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/MenuLayout.h"
#include "skin/MenuNavigation.h"
#include "skin/MenuPlacement.h"

namespace {

using namespace vireltan;

int measure(std::string_view text) {
    return static_cast<int>(text.size()) * 6;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const MenuCaption caption = parseMenuCaption(data);
    if (caption.text.size() > data.size()) __builtin_trap();
    if (caption.underlineOffset >= 0 &&
        static_cast<std::size_t>(caption.underlineOffset + caption.underlineLength) > caption.text.size()) {
        __builtin_trap();
    }
    if (size < 6) return 0;

    // Settings from the first bytes, items from the rest split at '|': flags in each part's first byte.
    MenuSettings settings;
    settings.MaxMenuItemsInWindow = static_cast<std::int8_t>(bytes[0]);
    settings.DefMenuItemHeight = static_cast<std::int8_t>(bytes[1]);
    const int workAreaHeight = static_cast<std::int8_t>(bytes[2]) * 8;
    std::vector<MenuItemData> items;
    std::size_t start = 6;
    while (start <= size && items.size() < 64) {
        std::size_t end = data.find('|', start);
        if (end == std::string_view::npos) end = size;
        const std::string_view part = data.substr(start, end - start);
        MenuItemData item;
        if (!part.empty()) {
            item.enabled = (part[0] & 1) != 0;
            item.caption = (part[0] & 2) != 0 ? std::string("-") : std::string(part.substr(1));
            if ((part[0] & 4) != 0) item.submenu.push_back(MenuItemData{});
        }
        items.push_back(item);
        start = end + 1;
    }
    const MenuMetrics metrics = menuMetrics(nullptr, settings);
    const MenuSize popup = menuPopupSize(items, metrics, workAreaHeight, measure);
    const MenuLayout layout = menuPopupLayout(items, metrics, popup, bytes[3]);
    for (int i = layout.firstVisible; i <= layout.lastVisible(); ++i) {
        const PixelRect& r = layout.itemRects[i];
        if (r.top < layout.itemsArea.top || r.bottom > layout.itemsArea.bottom) __builtin_trap();
    }
    int selected = menuInitialSelection(items);
    for (std::size_t k = 4; k < size && k < 64; ++k) {
        const auto key = static_cast<MenuKey>(bytes[k] % 10);
        selected = menuKey(items, selected, (bytes[5] & 1) != 0, key, bytes[k]).selected;
        if (selected != -1 && !items.at(selected).selectable()) __builtin_trap();
    }
    const MenuSelectionChange change = menuChangeSelection(items, metrics, layout, -1, selected);
    if (change.repaint.size() > 2) __builtin_trap();
    const PixelRect workArea{-1920, 0, 0, workAreaHeight};
    const MenuPlacement at = placeMenuPopup({static_cast<MenuPopupKind>(bytes[4] % 3),
                                             {-100, bytes[4] * 4, -80, bytes[4] * 4 + 16},
                                             workArea,
                                             popup.width,
                                             popup.height,
                                             2,
                                             popup.cutToWorkArea});
    if (popup.width <= workArea.width() && (at.x < workArea.left || at.x + popup.width > workArea.right)) {
        __builtin_trap();
    }
    return 0;
}
