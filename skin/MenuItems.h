// The items of a skinned popup menu as data, and their captions: "&" marks the accelerator letter
// (underlined, and the key that picks the item), "&&" is a literal ampersand, "-" alone a separator.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vireltan {

struct MenuItemData {
    std::string name;      // lets a builder find its own items again (the system menu's BSF_ names)
    std::string caption;   // UTF-8 with "&" markers
    std::string shortcut;  // shown right-aligned, e.g. "Alt+F4"; empty for none
    int command = 0;       // what choosing the item runs; the menu's owner gives it meaning
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool isDefault = false;
    std::vector<MenuItemData> submenu;

    bool isSeparator() const { return caption == "-"; }
    bool hasSubmenu() const { return !submenu.empty(); }
    // What selection, the keys and clicks may land on.
    bool selectable() const { return enabled && !isSeparator(); }
    friend bool operator==(const MenuItemData&, const MenuItemData&) = default;
};

// Looks a caption up in the skin's string table by name; empty when there is no table or no entry
// (the built-in English caption is used then). May be empty.
using MenuStringLookup = std::function<std::string(std::string_view)>;

// A caption ready to draw: the markers removed, where the underline goes, and the accelerator.
struct MenuCaption {
    std::string text;          // what is drawn and measured
    int underlineOffset = -1;  // byte offset in `text` of the underlined character, or -1
    int underlineLength = 0;   // its length in bytes
    char32_t accelerator = 0;  // the marked character, 0 when none
    friend bool operator==(const MenuCaption&, const MenuCaption&) = default;
};

// The first single "&" marks the accelerator; later ones are dropped like any other marker, and a
// trailing "&" marks nothing. Malformed UTF-8 after a marker is taken byte by byte.
MenuCaption parseMenuCaption(std::string_view caption);

// How letters compare when a key is matched against accelerators. Under Turkish rules dotted and
// dotless i are different letters (i/İ, ı/I); otherwise i/I pair and ı, İ fold to I.
enum class MenuLetterCase { invariant, turkish };

char32_t menuUpperCase(char32_t c, MenuLetterCase rules);
bool acceleratorMatches(char32_t accelerator, char32_t typed, MenuLetterCase rules);

// The items a popup shows: the visible ones, from `first` on (an index into the full list).
std::vector<MenuItemData> visibleMenuItems(const std::vector<MenuItemData>& items, int first = 0);

// The table's caption for `name` when it has one, else `fallback`.
std::string menuCaption(const MenuStringLookup& strings, std::string_view name, std::string_view fallback);

}  // namespace vireltan
