// Shared by the menu tests: a text measure with fixed advances and the window's own stored skin.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "skin/MenuItems.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"

namespace vireltan::testing {

// 7 pixels per character (UTF-8 lead bytes counted), so widths are easy to work out by hand.
inline int measureSevenPerChar(std::string_view text) {
    int chars = 0;
    for (const char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return chars * 7;
}

inline MenuItemData menuItem(std::string caption, std::string shortcut = {}, bool enabled = true) {
    MenuItemData item;
    item.caption = std::move(caption);
    item.shortcut = std::move(shortcut);
    item.enabled = enabled;
    return item;
}

inline MenuItemData menuSeparator() {
    return menuItem("-");
}

// The calculator's stored skin (resources/skin/vireltan.skin): a fresh copy a test may change, and
// one shared copy loaded once per process.
inline std::unique_ptr<TbsSkinData> loadCalculatorSkin() {
    const auto file = std::filesystem::path(VIRELTAN_TEST_DATA).parent_path().parent_path() / "resources" /
                      "skin" / "vireltan.skin";
    TbsCompressedStoredSkin stored;
    stored.setCompressedData(readWholeFile(file));
    auto data = std::make_unique<TbsSkinData>();
    data->LoadStoredSkin(stored);
    return data;
}

inline const TbsSkinData& calculatorSkin() {
    static const std::unique_ptr<TbsSkinData> skin = loadCalculatorSkin();
    return *skin;
}

}  // namespace vireltan::testing
