// Where the image button puts its picture, caption and frame: pure functions of the button's
// settings and state, so the rules can be checked without a window.
#pragma once

#include <cstdint>

namespace vireltan {

enum class TPNGButtonStyle : std::uint8_t { pbsDefault, pbsFlat, pbsNoFrame };
// `pbsImageBellow` keeps its historical spelling: it is the name stored in window designs.
enum class TPNGButtonLayout : std::uint8_t { pbsImageAbove, pbsImageBellow, pbsImageLeft, pbsImageRight };
enum class TPNGButtonState : std::uint8_t { up, down, disabled };

enum class PngButtonPicture { normal, down, over, disabled };
enum class PngButtonFrame { none, raised, sunken, pushButton, pushButtonPressed };

struct PngButtonSizes {
    int width = 0, height = 0;                // the button
    int pictureWidth = 0, pictureHeight = 0;  // the chosen picture
    int textWidth = 0, textHeight = 0;        // the caption in the button's font; 0 without caption
    bool hasCaption = false;
};

struct PngButtonPositions {
    int pictureLeft = 0, pictureTop = 0;
    int captionLeft = 0, captionTop = 0;
};

struct PngButtonFlags {
    TPNGButtonState state = TPNGButtonState::up;
    bool mouseOver = false;
    bool enabled = true;
};

// Pressed is drawn only while the pointer is still over the button: dragging off shows it up.
inline bool pngButtonPressed(const PngButtonFlags& flags) {
    return flags.state == TPNGButtonState::down && flags.mouseOver;
}

struct PngButtonPictures {
    bool downEmpty = true, overEmpty = true, disabledEmpty = true;
};

// Which picture a paint uses; an empty down or over picture falls back to the normal one.
PngButtonPicture choosePngButtonPicture(const PngButtonFlags& flags, const PngButtonPictures& pictures);

PngButtonPositions pngButtonPositions(const PngButtonSizes& sizes, TPNGButtonLayout layout, bool pressed);

PngButtonFrame pngButtonFrame(TPNGButtonStyle style, const PngButtonFlags& flags);

// The area the caption is clipped to, as left, top, right, bottom: the button less the drawn frame.
struct PngButtonArea {
    int left = 0, top = 0, right = 0, bottom = 0;
};
PngButtonArea pngButtonCaptionArea(int width, int height, PngButtonFrame frame);

}  // namespace vireltan
