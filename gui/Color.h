// Colours as the library stores them: an RGB value, or a system colour looked up when it is used
// (so a theme change is picked up at the next paint).
#pragma once

#include <windows.h>

#include <cstdint>

namespace vireltan {

using TColor = std::uint32_t;

constexpr TColor kSystemColorFlag = 0x80000000u;
constexpr TColor systemColor(int index) {
    return kSystemColorFlag | static_cast<TColor>(index);
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;  // COLORREF order: 0x00BBGGRR
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clWindowText = systemColor(COLOR_WINDOWTEXT);
constexpr TColor clWindow = systemColor(COLOR_WINDOW);
constexpr TColor clBtnFace = systemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = systemColor(COLOR_BTNSHADOW);
constexpr TColor clBtnHighlight = systemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor clBtnText = systemColor(COLOR_BTNTEXT);
constexpr TColor clGrayText = systemColor(COLOR_GRAYTEXT);
constexpr TColor clHighlight = systemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = systemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clInfoBk = systemColor(COLOR_INFOBK);
constexpr TColor clInfoText = systemColor(COLOR_INFOTEXT);

inline COLORREF colorToRgb(TColor color) {
    if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

}  // namespace vireltan
