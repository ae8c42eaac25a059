#include "skin/ControlLooks.h"

#include "skin/Blit.h"
#include "skin/Glyphs.h"
#include "skin/SkinGeometry.h"
#include "skin/SplitPainting.h"

#include <algorithm>

namespace vireltan {

namespace {

// A picture of its own size drawn into `dst` at `at`, cut to `clip`.
void drawInto(const Raster& piece, Raster& dst, PixelPoint at, const PixelRect& clip) {
    if (piece.empty()) return;
    copyPiece(piece, piece.bounds(), dst, at.x, at.y, intersect(clip, dst.bounds()));
}

// The skin image by the definition's resize mode into a width x height picture; what a fixed size or
// a strip leaves uncovered stays black, as in the controls' own off-screen bitmap.
Raster composeByResizeMode(const Raster& picture, const SkinRectGeometry& g, int width, int height) {
    Raster out(width, height);
    Raster image;
    if (composeSkinRect(picture, g, width, height, true, image) != ComposeOperation::None)
        drawInto(image, out, {0, 0}, out.bounds());
    return out;
}

}  // namespace

void copyPart(const Raster& picture, const PixelRect& piece, Raster& dst, const PixelRect& target) {
    if (piece.empty() || target.empty()) return;
    copyPiece(picture, piece, dst, target.left, target.top, target);
}

void copyPartTransparent(const Raster& picture, const PixelRect& piece, Raster& dst, const PixelRect& target,
                         Bgr transparent) {
    if (piece.empty() || target.empty()) return;
    const PixelRect area = intersect(target, dst.bounds());
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const int sx = piece.left + x - target.left, sy = piece.top + y - target.top;
            if (sx >= piece.right || sy >= piece.bottom || !picture.contains(sx, sy)) continue;
            const Bgr c = picture.pixel(sx, sy);
            if (!(c == transparent)) dst.setPixel(x, y, c);
        }
    }
}

Raster horizontalStrip(const Raster& picture, const PixelRect& rect, int fixedLeft, int fixedRight,
                       bool stretch, int width) {
    Raster out;
    if (rect.empty() || width <= 0) return out;
    fixedLeft = std::clamp(fixedLeft, 0, rect.width());
    fixedRight = std::clamp(fixedRight, 0, rect.width() - fixedLeft);
    ComposeHorizontalStrip(picture, rect, fixedLeft, fixedRight, fillMode(stretch), width, out);
    return out;
}

Raster verticalStrip(const Raster& picture, const PixelRect& rect, int fixedTop, int fixedBottom,
                     bool stretch, int height) {
    Raster out;
    if (rect.empty() || height <= 0) return out;
    fixedTop = std::clamp(fixedTop, 0, rect.height());
    fixedBottom = std::clamp(fixedBottom, 0, rect.height() - fixedTop);
    ComposeVerticalStrip(picture, rect, fixedTop, fixedBottom, fillMode(stretch), height, out);
    return out;
}

Bgr skinColorBgr(SkinColor color, ColorResolver systemColors) {
    if (isSystemColor(color)) return systemColors ? systemColors(color) : Bgr{};
    const auto value = static_cast<std::uint32_t>(color);
    return Bgr{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
               static_cast<std::uint8_t>(value)};
}

Raster composeButtonFace(const Raster& picture, const TbsDataSkinButtonControl& button, int width, int height,
                         const PartState& state) {
    SkinRect rect = button.skinrect;
    if (state.hot) rect = orRect(button.activeskinrect, rect);
    if (state.hot && state.pressed) rect = orRect(button.downskinrect, rect);
    SkinRectGeometry g = skinRectGeometry(button);
    g.skinRect = pixelRect(rect);
    if (width <= 0 || height <= 0) return Raster{};
    return composeByResizeMode(picture, g, width, height);
}

void drawButtonArrow(const TbsDataSkinButtonControl& button, Raster& face, const PartState& state,
                     ColorResolver systemColors) {
    if (!state.enabled || face.empty()) return;
    const bool down = state.hot && state.pressed;
    const SkinColor color =
        down ? button.downfontcolor : (state.hot ? button.activefontcolor : button.fontcolor);
    PixelRect area = face.bounds();
    if (down) area = area.offset(0, 2);
    drawArrow(face, area, ArrowDirection::Down, skinColorBgr(color, systemColors));
}

// ---- the edit ---------------------------------------------------------------------------------

EditLayoutPx skinnedEditLayout(const TbsDataSkinEditControl& edit, int width, int height, bool useSkinFont) {
    const int dw = width - edit.skinrect.width();
    const int dh = useSkinFont ? 0 : height - edit.skinrect.height();
    EditLayoutPx layout;
    layout.client = pixelRect(edit.clientrect);
    layout.client.right += dw;
    layout.client.bottom += dh;
    layout.button = pixelRect(edit.buttonrect);
    if (edit.buttonrect.left >= edit.righttoppoint.x) layout.button = layout.button.offset(dw, 0);
    layout.button.bottom += dh;
    // A client rectangle reaching outside the control (or turned inside out) is cut to it.
    PixelRect& c = layout.client;
    c.left = std::clamp(c.left, 0, std::max(0, width));
    c.top = std::clamp(c.top, 0, std::max(0, height));
    c.right = std::clamp(c.right, c.left, std::max(c.left, width));
    c.bottom = std::clamp(c.bottom, c.top, std::max(c.top, height));
    return layout;
}

Raster composeEditFrame(const Raster& picture, const TbsDataSkinEditControl& edit, int width, int height,
                        const EditLook& look, const ButtonFace& buttonFace) {
    Raster out(width, height);
    if (out.empty()) return out;
    const SkinRect rect = look.active ? orRect(edit.activeskinrect, edit.skinrect) : edit.skinrect;
    const EditLayoutPx layout = skinnedEditLayout(edit, width, height, look.useSkinFont);
    if (look.useSkinFont) {
        const Raster strip =
            horizontalStrip(picture, pixelRect(rect), edit.lefttoppoint.x,
                            edit.skinrect.width() - edit.righttoppoint.x, edit.stretcheffect, width);
        drawInto(strip, out, {0, 0}, out.bounds());
        if (!look.buttonMode) return out;
        SkinRect piece;
        if (!look.button.enabled && !edit.unenabledbuttonrect.isEmpty()) {
            piece = edit.unenabledbuttonrect;
        } else if (look.button.pressed && look.button.hot) {
            piece = orRect(edit.downbuttonrect, edit.activebuttonrect);
        } else if (look.button.hot) {
            piece = edit.activebuttonrect;
        }
        // The normal button is part of the composed image already.
        copyPart(picture, pixelRect(piece), out, layout.button);
        return out;
    }
    StretchSkinRect(picture, pixelRect(rect), pixelRect(edit.clientrect), true, out);
    if (look.buttonMode && buttonFace) {
        const Raster face = composeButtonFace(*buttonFace.picture, *buttonFace.definition,
                                              layout.button.width(), layout.button.height(), look.button);
        drawInto(face, out, {layout.button.left, layout.button.top}, layout.button);
    }
    return out;
}

Raster composeEditBackground(const Raster& picture, const TbsDataSkinEditControl& edit, int width, int height,
                             const EditLook& look) {
    const PixelRect client = skinnedEditLayout(edit, width, height, look.useSkinFont).client;
    Raster out(client.width(), client.height());
    if (out.empty()) return out;
    const SkinRect rect = look.active ? orRect(edit.activeskinrect, edit.skinrect) : edit.skinrect;
    const SkinRect& c = edit.clientrect;
    const PixelRect under{rect.left + c.left, rect.top + c.top, rect.left + c.right, rect.top + c.bottom};
    const Raster strip =
        horizontalStrip(picture, under, std::max(0, edit.lefttoppoint.x - c.left),
                        std::max(0, c.right - edit.righttoppoint.x), edit.stretcheffect, client.width());
    if (strip.empty()) return out;
    if (strip.height() == out.height()) {
        drawInto(strip, out, {0, 0}, out.bounds());
    } else {
        stretchPiece(strip, strip.bounds(), out, out.bounds());
    }
    return out;
}

// ---- the combo box ----------------------------------------------------------------------------

ComboLayoutPx skinnedComboLayout(const TbsDataSkinComboBox& combo, int width, int height, bool useSkinSize) {
    const int dw = width - combo.skinrect.width();
    const int dh = useSkinSize ? 0 : height - combo.skinrect.height();
    ComboLayoutPx layout;
    layout.button = pixelRect(combo.buttonrect);
    if (combo.buttonrect.left >= combo.skinrect.width() - combo.righttoppoint.x)
        layout.button = layout.button.offset(dw, 0);
    layout.button.bottom += dh;
    layout.itemArea = pixelRect(combo.clientrect);
    layout.itemArea.right += dw;
    layout.itemArea.bottom += dh;
    return layout;
}

PixelRect comboItemTextRect(const TbsDataSkinComboBox& combo, const PixelRect& itemArea) {
    PixelRect text = pixelRect(combo.itemtextrect);
    const bool noItem = combo.itemrect.isEmpty();
    text.right += itemArea.width() - (noItem ? combo.clientrect.width() : combo.itemrect.width());
    // An item area higher than the skin's (UseSkinSize off) keeps the text centred in it.
    const int baseHeight = noItem ? combo.clientrect.height() : combo.itemrect.height();
    if (itemArea.height() > baseHeight) text.bottom += itemArea.height() - baseHeight;
    return text;
}

Raster composeComboBox(const Raster& picture, const TbsDataSkinComboBox& combo, int width, int height,
                       const ComboLook& look, const ButtonFace& buttonFace, ColorResolver systemColors) {
    Raster out(width, height);
    if (out.empty()) return out;
    const bool lit = !combo.activeskinrect.isEmpty() && (look.hot || look.focused);
    const ComboLayoutPx layout = skinnedComboLayout(combo, width, height, look.useSkinSize);
    if (look.useSkinSize) {
        if (lit) {
            const Raster strip = horizontalStrip(
                picture, pixelRect(combo.activeskinrect), combo.lefttoppoint.x,
                combo.activeskinrect.width() - combo.righttoppoint.x, combo.stretcheffect, width);
            drawInto(strip, out, {0, 0}, out.bounds());
        } else {
            out = composeByResizeMode(picture, skinRectGeometry(combo), width, height);
        }
        SkinRect piece;
        if (!look.button.enabled) {
            piece = combo.unenabledbuttonrect;
        } else if (look.button.pressed && look.button.hot) {
            piece = combo.downbuttonrect;
        } else if (look.button.hot) {
            piece = combo.activebuttonrect;
        }
        copyPart(picture, pixelRect(piece), out, layout.button);
    } else {
        StretchSkinRect(picture, pixelRect(lit ? combo.activeskinrect : combo.skinrect),
                        pixelRect(combo.clientrect), true, out);
        if (buttonFace) {
            Raster face = composeButtonFace(*buttonFace.picture, *buttonFace.definition,
                                            layout.button.width(), layout.button.height(), look.button);
            drawButtonArrow(*buttonFace.definition, face, look.button, systemColors);
            drawInto(face, out, {layout.button.left, layout.button.top}, layout.button);
        }
    }
    if (!look.fixedStyle) return out;
    const PixelRect& area = layout.itemArea;
    if (area.empty()) return out;
    Raster item;
    if (look.focused) {
        const SkinRect rect = orRect(combo.focusitemrect, combo.itemrect);
        if (look.useSkinSize) {
            item = horizontalStrip(picture, pixelRect(rect), combo.itemleftoffset, combo.itemrightoffset,
                                   combo.focusitemstretcheffect, area.width());
        } else if (!rect.isEmpty()) {
            item = Raster(area.width(), area.height());
            StretchSkinRect(picture, pixelRect(rect), pixelRect(combo.itemtextrect), true, item);
        }
    } else {
        const bool active = look.hot && !combo.activeitemrect.isEmpty() && !combo.activeskinrect.isEmpty();
        const SkinRect rect = active ? combo.activeitemrect : combo.itemrect;
        if (look.useSkinSize || rect.isEmpty()) {
            item = horizontalStrip(picture, pixelRect(rect), combo.itemleftoffset, combo.itemrightoffset,
                                   combo.itemstretcheffect, area.width());
        } else {
            // As the focused item: the picture grown with the area around its text rectangle.
            item = Raster(area.width(), area.height());
            StretchSkinRect(picture, pixelRect(rect), pixelRect(combo.itemtextrect), true, item);
        }
    }
    drawInto(item, out, {area.left, area.top}, area);
    return out;
}

// ---- the dropped list -------------------------------------------------------------------------

Raster composeListFrame(const Raster& picture, const TbsDataSkinListBox& list, int width, int height) {
    if (width <= 0 || height <= 0) return Raster{};
    const SkinRectGeometry g = skinRectGeometry(list);
    if (selectComposeOperation(g) != ComposeOperation::NinePiece)
        return composeByResizeMode(picture, g, width, height);
    return composeSplitImage(picture, g, width, height, ClientFill::Tiled);
}

PixelRect listClientArea(const TbsDataSkinListBox& list, int width, int height) {
    PixelRect area = pixelRect(list.clientrect);
    area.right += width - list.skinrect.width();
    area.bottom += height - list.skinrect.height();
    return area;
}

Raster composeListItem(const Raster& picture, const TbsDataSkinListBox& list, int width, bool selected,
                       bool focused) {
    SkinRect rect = list.itemrect;
    bool stretch = false;
    if (selected) {
        rect =
            focused ? orRect(list.focusitemrect, list.itemrect) : orRect(list.activeitemrect, list.itemrect);
        stretch = list.stretcheffect;
    } else if (focused) {
        stretch = list.stretcheffect;
    }
    return horizontalStrip(picture, pixelRect(rect), list.itemleftoffset, list.itemrightoffset, stretch,
                           width);
}

PixelRect listItemTextRect(const TbsDataSkinListBox& list, int width) {
    PixelRect text = pixelRect(list.itemtextrect);
    text.right += width - list.itemrect.width();
    return text;
}

int skinnedListHeight(const TbsDataSkinListBox& list, int rows, int itemHeight) {
    return list.skinrect.height() + rows * itemHeight - list.clientrect.height();
}

// ---- the scroll bar ---------------------------------------------------------------------------

ScrollSkinParts skinnedScrollParts(const TbsDataSkinScrollBarControl& bar, bool vertical, int width,
                                   int height) {
    ScrollSkinParts parts;
    parts.track = pixelRect(bar.trackarea);
    parts.decrease = pixelRect(bar.upbuttonrect);
    parts.increase = pixelRect(bar.downbuttonrect);
    if (vertical) {
        const int dh = height - bar.skinrect.height();
        parts.track.bottom += dh;
        if (bar.upbuttonrect.top >= bar.leftbottompoint.y) parts.decrease = parts.decrease.offset(0, dh);
        if (bar.downbuttonrect.top >= bar.leftbottompoint.y) parts.increase = parts.increase.offset(0, dh);
        parts.thumbLength = bar.thumbrect.height();
        parts.thumbAcross = bar.thumbrect.width();
    } else {
        const int dw = width - bar.skinrect.width();
        parts.track.right += dw;
        if (bar.upbuttonrect.left >= bar.righttoppoint.x) parts.decrease = parts.decrease.offset(dw, 0);
        if (bar.downbuttonrect.left >= bar.righttoppoint.x) parts.increase = parts.increase.offset(dw, 0);
        parts.thumbLength = bar.thumbrect.width();
        parts.thumbAcross = bar.thumbrect.height();
    }
    parts.thumbLength = std::max(0, parts.thumbLength);
    parts.thumbAcross = std::max(0, parts.thumbAcross);
    return parts;
}

namespace {

SkinRect buttonPicture(const PartState& state, const SkinRect& active, const SkinRect& down) {
    if (state.hot && state.pressed) return orRect(down, active);
    if (state.hot) return active;
    return SkinRect{};
}

}  // namespace

Raster composeScrollBar(const Raster& picture, const TbsDataSkinScrollBarControl& bar, int width, int height,
                        const ScrollPartsPx& parts, const ScrollLook& look) {
    Raster out = composeByResizeMode(picture, skinRectGeometry(bar), width, height);
    if (out.empty()) return out;
    copyPart(picture, pixelRect(buttonPicture(look.decrease, bar.activeupbuttonrect, bar.downupbuttonrect)),
             out, parts.decrease);
    copyPart(picture,
             pixelRect(buttonPicture(look.increase, bar.activedownbuttonrect, bar.downdownbuttonrect)), out,
             parts.increase);
    if (!look.enabled || parts.thumb.empty()) return out;
    SkinRect thumbRect = bar.thumbrect, glyphRect = bar.glyphrect;
    if (look.thumbDown) {
        thumbRect = orRect(bar.downthumbrect, orRect(bar.activethumbrect, bar.thumbrect));
        glyphRect = orRect(bar.downglyphrect, orRect(bar.activeglyphrect, bar.glyphrect));
    } else if (look.thumbHot) {
        thumbRect = orRect(bar.activethumbrect, bar.thumbrect);
        glyphRect = orRect(bar.activeglyphrect, bar.glyphrect);
    }
    const PixelRect& t = parts.thumb;
    Raster thumb;
    if (!look.paged) {
        thumb = Raster(std::max(0, thumbRect.width()), std::max(0, thumbRect.height()));
        copyPart(picture, pixelRect(thumbRect), thumb, thumb.bounds());
    } else if (look.vertical) {
        thumb = verticalStrip(picture, pixelRect(thumbRect), bar.thumboffset1, bar.thumboffset2, false,
                              t.height());
    } else {
        thumb = horizontalStrip(picture, pixelRect(thumbRect), bar.thumboffset1, bar.thumboffset2, false,
                                t.width());
    }
    if (bar.thumbtransparent) {
        copyPartTransparent(thumb, thumb.bounds(), out, t, skinColorBgr(bar.thumbtransparentcolor));
    } else {
        drawInto(thumb, out, {t.left, t.top}, t);
    }
    if (!glyphRect.isEmpty()) {
        const int gx = t.left + (t.width() - glyphRect.width()) / 2;
        const int gy = t.top + (t.height() - glyphRect.height()) / 2;
        copyPart(picture, pixelRect(glyphRect), out,
                 PixelRect{gx, gy, gx + glyphRect.width(), gy + glyphRect.height()});
    }
    return out;
}

}  // namespace vireltan
