// Colours as the library stores them: an RGB value (red in the lowest byte), or a system colour
// looked up when it is used (so a theme change is picked up at the next paint). System colours carry
// 0xFF in the top byte and their number in the lowest, as the skin file writes them, so a skin
// colour is a TColor as it stands.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vireltan {

using TColor = std::uint32_t;

constexpr TColor kSystemTColorFlag = 0xFF000000u;
constexpr TColor systemTColor(int index) {
    return kSystemTColorFlag | static_cast<TColor>(index & 0xFF);
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;  // COLORREF order: 0x00BBGGRR
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clWindowText = systemTColor(COLOR_WINDOWTEXT);
constexpr TColor clWindow = systemTColor(COLOR_WINDOW);
constexpr TColor clBtnFace = systemTColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = systemTColor(COLOR_BTNSHADOW);
constexpr TColor clBtnHighlight = systemTColor(COLOR_BTNHIGHLIGHT);
constexpr TColor clBtnText = systemTColor(COLOR_BTNTEXT);
constexpr TColor clGrayText = systemTColor(COLOR_GRAYTEXT);
constexpr TColor clHighlight = systemTColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = systemTColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clInfoBk = systemTColor(COLOR_INFOBK);
constexpr TColor clInfoText = systemTColor(COLOR_INFOTEXT);

inline COLORREF colorToRgb(TColor color) {
    if ((color & kSystemTColorFlag) == kSystemTColorFlag) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

}  // namespace vireltan
