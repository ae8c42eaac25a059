// A skin's colours and font styles in the library's terms, for everything that draws from a skin.
#pragma once

#include "gui/Color.h"
#include "gui/Font.h"
#include "skin/SkinValues.h"

#include <cstdint>

namespace vireltan {

// A skin colour (red in the low byte; 0xFF in the top byte names a system colour) as a TColor.
inline TColor colorFromSkin(SkinColor color) {
    const auto value = static_cast<std::uint32_t>(color);
    if ((value >> 24) == 0xFFu) return systemTColor(static_cast<int>(value & 0xFFu));
    return value & 0xFFFFFFu;
}

inline unsigned fontStyleFromSkin(const FontStyles& style) {
    return (style.bold ? fsBold : 0u) | (style.italic ? fsItalic : 0u) |
           (style.underline ? fsUnderline : 0u) | (style.strikeOut ? fsStrikeOut : 0u);
}

}  // namespace vireltan
