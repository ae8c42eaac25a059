// Colours as the library stores them: an RGB value, or a system colour looked up when it is used
// (so a theme change is picked up at the next paint).
#pragma once

#include <windows.h>

#include <cstdint>

namespace vireltan {

using TColor = std::uint32_t;

constexpr TColor kTColorSystemFlag = 0x80000000u;
constexpr TColor systemTColor(int index) {
    return kTColorSystemFlag | static_cast<TColor>(index);
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
    if (color & kTColorSystemFlag) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

}  // namespace vireltan
