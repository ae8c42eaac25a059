// The skinned looks of the edit, the combo box, the dropped list and the scroll bar as pictures:
// what each control shows for its size and state, composed from its definition, without text. The
// controls draw their text over these; tests compare a control's pixels with them.
//
// Rectangles named *rect in a definition are in picture coordinates, except skinrect's own parts
// (clientrect, buttonrect, trackarea, the scroll-bar buttons' normal rectangles, itemtextrect), which
// are relative to skinrect. A rectangle reaching outside its picture draws only what lies inside it;
// fixed widths that are negative or longer than their rectangle are clamped to it.
#pragma once

#include "skin/Compose.h"
#include "skin/PixelGeometry.h"
#include "skin/Raster.h"
#include "skin/SkinControlsCommon.h"

namespace vireltan {

// `piece` of the picture copied unscaled to `target`'s top-left corner, cut to `target`. Nothing for
// an empty piece.
void copyPart(const Raster& picture, const PixelRect& piece, Raster& dst, const PixelRect& target);
// The same, leaving the pixels of `transparent` colour out.
void copyPartTransparent(const Raster& picture, const PixelRect& piece, Raster& dst, const PixelRect& target,
                         Bgr transparent);

// A horizontal three-piece strip of `rect` to `width` (rect's height), fixed widths clamped to the
// rectangle; empty for an empty rectangle or width.
Raster horizontalStrip(const Raster& picture, const PixelRect& rect, int fixedLeft, int fixedRight,
                       bool stretch, int width);
// The vertical counterpart, to `height` (rect's width).
Raster verticalStrip(const Raster& picture, const PixelRect& rect, int fixedTop, int fixedBottom,
                     bool stretch, int height);

// `preferred` unless it is empty, then `fallback`.
inline SkinRect orRect(const SkinRect& preferred, const SkinRect& fallback) {
    return preferred.isEmpty() ? fallback : preferred;
}

// A skin colour as a pixel; system colours (which only the windowing system knows) resolve through
// the control's resolver, black without one.
using ColorResolver = Bgr (*)(SkinColor);
Bgr skinColorBgr(SkinColor color, ColorResolver systemColors = nullptr);

// The states a skinned part can show.
struct PartState {
    bool hot = false;
    bool pressed = false;  // counts only together with hot
    bool enabled = true;
};

// A button of the `button` kind that another control borrows for its button (combobutton, editbutton,
// resizebutton), with the picture it is cut from: its own pictureindex, which need not be the control's.
struct ButtonFace {
    const TbsDataSkinButtonControl* definition = nullptr;
    const Raster* picture = nullptr;
    explicit operator bool() const { return definition && picture; }
};

// A button of the `button` kind (combobutton, editbutton, resizebutton) composed to width x height:
// skinrect, activeskinrect when hot, downskinrect when pressed and hot, each falling back to the one
// before when empty; composed by the definition's resize mode, a fixed-size picture cut to the size.
Raster composeButtonFace(const Raster& picture, const TbsDataSkinButtonControl& button, int width, int height,
                         const PartState& state);
// The glyph over such a button: a down arrow in the font colour of the state, two pixels lower when
// pressed (the button kind has no glyph picture of its own).
void drawButtonArrow(const TbsDataSkinButtonControl& button, Raster& face, const PartState& state,
                     ColorResolver systemColors = nullptr);

// ---- the edit ---------------------------------------------------------------------------------

struct EditLook {
    bool active = false;  // hot or focused: activeskinrect
    bool buttonMode = false;
    PartState button;
    bool useSkinFont = true;
};

// Client and button rectangles in window coordinates for a width x height edit.
struct EditLayoutPx {
    PixelRect client;
    PixelRect button;
};
EditLayoutPx skinnedEditLayout(const TbsDataSkinEditControl& edit, int width, int height, bool useSkinFont);

// The whole frame picture, width x height. With UseSkinFont the (active) skin rectangle as a
// horizontal strip and the state's button picture; without, the rectangle stretched around clientrect
// and the button composed from `buttonFace` (editbutton or resizebutton; none leaves the frame's own).
Raster composeEditFrame(const Raster& picture, const TbsDataSkinEditControl& edit, int width, int height,
                        const EditLook& look, const ButtonFace& buttonFace = {});
// The background under the client area: the part of the (active) skin rectangle beneath clientrect as
// a horizontal strip to the client width, stretched to the client height without UseSkinFont.
Raster composeEditBackground(const Raster& picture, const TbsDataSkinEditControl& edit, int width, int height,
                             const EditLook& look);

// ---- the combo box ----------------------------------------------------------------------------

struct ComboLook {
    bool hot = false;
    bool focused = false;
    bool enabled = true;
    bool fixedStyle = true;
    PartState button;
    bool useSkinSize = true;
};

struct ComboLayoutPx {
    PixelRect button;
    PixelRect itemArea;
};
ComboLayoutPx skinnedComboLayout(const TbsDataSkinComboBox& combo, int width, int height, bool useSkinSize);

// Background, button and (fixed style) item area, width x height. `buttonFace` is the combobutton,
// editbutton or resizebutton definition used without UseSkinSize.
Raster composeComboBox(const Raster& picture, const TbsDataSkinComboBox& combo, int width, int height,
                       const ComboLook& look, const ButtonFace& buttonFace = {},
                       ColorResolver systemColors = nullptr);
// The item's text rectangle inside the item area (area coordinates).
PixelRect comboItemTextRect(const TbsDataSkinComboBox& combo, const PixelRect& itemArea);

// ---- the dropped list -------------------------------------------------------------------------

// Border strips and the tiled client image, width x height.
Raster composeListFrame(const Raster& picture, const TbsDataSkinListBox& list, int width, int height);
// The inner list's area (clientrect grown with the control).
PixelRect listClientArea(const TbsDataSkinListBox& list, int width, int height);
// One item, `width` x itemrect height: itemrect tiled, or activeitemrect when selected (focusitemrect
// when also focused), stretched by the list's stretcheffect.
Raster composeListItem(const Raster& picture, const TbsDataSkinListBox& list, int width, bool selected,
                       bool focused);
// The text rectangle inside an item of `width` (item coordinates).
PixelRect listItemTextRect(const TbsDataSkinListBox& list, int width);
// The list's height for `rows` items of `itemHeight`.
int skinnedListHeight(const TbsDataSkinListBox& list, int rows, int itemHeight);

// ---- the scroll bar ---------------------------------------------------------------------------

struct ScrollLook {
    bool vertical = false;
    bool enabled = true;
    PartState increase;  // the bottom or right button
    PartState decrease;  // the top or left button
    bool thumbHot = false;
    bool thumbDown = false;  // dragged, or focused with CanFocused
    bool paged = false;      // a page size is set: the thumb is composed to its length
};

struct ScrollPartsPx {
    PixelRect track;
    PixelRect increase;
    PixelRect decrease;
    PixelRect thumb;
};

// Track, buttons and the length of a thumb for a width x height bar, in control coordinates. The
// increasing button is the one at the bottom (right) end: downbuttonrect.
struct ScrollSkinParts {
    PixelRect track;
    PixelRect increase;
    PixelRect decrease;
    int thumbLength = 0;  // along the track
    int thumbAcross = 0;
};
ScrollSkinParts skinnedScrollParts(const TbsDataSkinScrollBarControl& bar, bool vertical, int width,
                                   int height);

// The track image by the resize mode, the buttons' state pictures and, when enabled, the thumb with
// its glyph; width x height.
Raster composeScrollBar(const Raster& picture, const TbsDataSkinScrollBarControl& bar, int width, int height,
                        const ScrollPartsPx& parts, const ScrollLook& look);

}  // namespace vireltan
