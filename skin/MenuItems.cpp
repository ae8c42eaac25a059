#include "skin/MenuItems.h"

namespace vireltan {
namespace {

// Length of the UTF-8 sequence starting at s[i] and its code point; a broken sequence counts as one
// byte standing for itself, so a bad caption never reads past its end.
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& out) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t length = b0 < 0x80           ? 1
                         : (b0 >> 5) == 0x6  ? 2
                         : (b0 >> 4) == 0xE  ? 3
                         : (b0 >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + length > s.size()) {
        out = b0;
        return 1;
    }
    char32_t c = length == 1 ? b0 : length == 2 ? (b0 & 0x1F) : length == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            out = b0;
            return 1;
        }
        c = (c << 6) | (b & 0x3F);
    }
    out = c;
    return length;
}

}  // namespace

MenuCaption parseMenuCaption(std::string_view caption) {
    MenuCaption result;
    result.text.reserve(caption.size());
    std::size_t i = 0;
    while (i < caption.size()) {
        if (caption[i] != '&') {
            result.text.push_back(caption[i++]);
            continue;
        }
        if (i + 1 >= caption.size()) break;  // a trailing marker marks nothing
        if (caption[i + 1] == '&') {
            result.text.push_back('&');
            i += 2;
            continue;
        }
        char32_t c = 0;
        const std::size_t length = decodeUtf8(caption, i + 1, c);
        if (result.accelerator == 0) {
            result.accelerator = c;
            result.underlineOffset = static_cast<int>(result.text.size());
            result.underlineLength = static_cast<int>(length);
        }
        result.text.append(caption.substr(i + 1, length));
        i += 1 + length;
    }
    return result;
}

char32_t menuUpperCase(char32_t c, MenuLetterCase rules) {
    if (rules == MenuLetterCase::turkish) {
        if (c == U'i') return U'\u0130';
        if (c == U'\u0131') return U'I';
    } else if (c == U'\u0131' || c == U'\u0130') {
        return U'I';
    }
    if (c >= U'a' && c <= U'z') return c - 32;
    // Latin-1 letters (ç, ö, ü and the rest) except ÷ and ÿ; Latin Extended-A pairs (ğ, ş) are odd.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        const bool oddIsLower = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddIsLower ? (c % 2 == 0) : (c % 2 == 1)) return c - 1;
    }
    return c;
}

bool acceleratorMatches(char32_t accelerator, char32_t typed, MenuLetterCase rules) {
    return accelerator != 0 && menuUpperCase(accelerator, rules) == menuUpperCase(typed, rules);
}

std::vector<MenuItemData> visibleMenuItems(const std::vector<MenuItemData>& items, int first) {
    std::vector<MenuItemData> shown;
    for (std::size_t i = first < 0 ? 0 : static_cast<std::size_t>(first); i < items.size(); ++i) {
        if (items[i].visible) shown.push_back(items[i]);
    }
    return shown;
}

std::string menuCaption(const MenuStringLookup& strings, std::string_view name, std::string_view fallback) {
    std::string text = strings ? strings(name) : std::string();
    return text.empty() ? std::string(fallback) : text;
}

}  // namespace vireltan
