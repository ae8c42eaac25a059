// The plain frame drawn when no skin is ready (PaintPlainFrame): the striped caption bar with its
// buttons, the three bevels around the window, and the plain caption buttons' look. The system colours
// are resolved by the Win32 side and handed in; text is left to it (GDI), at the place computed here.
#pragma once

#include <vector>

#include "skin/FrameObjects.h"
#include "skin/Raster.h"

namespace vireltan {

struct PlainColours {
    Bgr btnFace, btnText, btnShadow, btnHighlight, light3d, darkShadow3d;
};
// The plain buttons' hot look: navy frame, fill red 182 green 189 blue 210 (133, 147, 181 while down).
constexpr Bgr kPlainHotFrame{128, 0, 0};
constexpr Bgr kPlainHotFill{210, 189, 182};
constexpr Bgr kPlainDownFill{181, 147, 133};

struct PlainCaptionBar {
    int captionHeight = 19;
    PixelRect place;      // where the bar goes on the window: (3, 3, W - 3, 3 + h)
    int textLeft = 0;     // L: caption rectangle left - 3, in bar coordinates
    int textRight = 0;    // R: the caption rectangle's right, taken unchanged
    PixelRect textArea;   // (L, 0, R - 3, h): OnCaptionPaint's rectangle
    PixelRect client;     // excluded from clipping: (3, 3 + h, W - 3, H - 3)
    PixelRect bevels[3];  // the window rectangle and the two inside it
};
PlainCaptionBar plainCaptionBar(const FrameLayout& layout, bool toolWindow);

// The caption text (already fitted to R - L): where it is drawn in the bar, and the rectangle cleared
// to the face colour behind it (the text's rectangle grown by 2).
struct PlainCaptionText {
    PixelPoint place;
    PixelRect clear;
};
PlainCaptionText plainCaptionText(const PlainCaptionBar& bar, int textWidth, int textHeight);

// The bar without its text: the face colour, h - 5 lines alternating highlight and shadow from y = 2
// (when h - 4 > 1), and each visible plain button at its rectangle moved by (-3, -3).
struct PlainButtonState {
    bool maximized = false, minimized = false, rolledUp = false;
    bool showIcon = false;  // the system-menu button is left to the window's icon
};
void composePlainCaptionBar(const PlainCaptionBar& bar, const FrameLayout& layout, const PlainButtonState& s,
                            const PlainColours& c, Raster& out);

// One plain button in a raster of its own size.
void drawPlainButton(const FrameObject& o, const PlainButtonState& s, const PlainColours& c, Raster& out);

}  // namespace vireltan
