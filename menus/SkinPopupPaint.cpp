// What a popup composes off screen: the background (the skin's window picture, or the plain frame and
// columns), each item in range (its strip, caption, shortcut and marks) and the scroll markers.
#include "gui/SkinValues.h"
#include "menus/SkinMenu.h"
#include "menus/SkinPopupWindow.h"
#include "skin/Blit.h"
#include "skin/Effects.h"
#include "skin/SkinData.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinObjects.h"

namespace vireltan {

namespace {

constexpr TColor kPlainSelectedFill = 0xD2BDB6;   // red 182, green 189, blue 210
constexpr TColor kPlainSelectedFrame = 0x800000;  // navy

RECT toRect(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

void TbsSkinPopupWindow::composeAll() {
    composeBackground();
    for (int i = layout_.firstVisible; i <= layout_.lastVisible(); ++i) composeItem(i);
    composeMarkers();
}

void TbsSkinPopupWindow::composeBackground() {
    ++paintCounts_.backgrounds;
    const int w = picture_.width(), h = picture_.height();
    const Raster* windowPicture = metrics_.skinnedPopup && skin_
                                      ? skin_->activePictureRaster(skin_->PopupWindow.windowpictureindex)
                                      : nullptr;
    if (windowPicture) {
        const MenuPopupPieces pieces =
            menuPopupPieces(skin_->PopupWindow, metrics_.pictureWidth, metrics_.pictureHeight, w, h);
        Raster target = picture_.raster();
        paintPlan(*windowPicture, ninePiecePlan(pieces.pieces), target);
        return;
    }
    const MenuPlainBackground b = menuPlainBackground(metrics_, w, h);
    TCanvas& c = picture_.canvas();
    c.brush().setStyle(TBrushStyle::bsSolid);
    c.brush().setColor(clBtnShadow);
    c.frameRect(toRect(b.outerFrame));
    c.brush().setColor(clWindow);
    c.frameRect(toRect(b.innerFrame));
    c.brush().setColor(clBtnFace);
    c.fillRect(toRect(b.imageColumn));
    c.brush().setColor(clWindow);
    c.fillRect(toRect(b.rest));
}

void TbsSkinPopupWindow::composeItem(int index) {
    const bool highlighted = index == selected_ || menuItems_[std::size_t(index)].submenuOpen;
    const MenuItemLook look = menuItemLook(items_, metrics_, layout_, index, highlighted);
    if (look.item.empty()) return;
    ++paintCounts_.items;
    const MenuItemData& item = items_[std::size_t(index)];
    const Raster* itemPicture =
        itemDefinition_ ? skin_->activePictureRaster(itemDefinition_->activepictureindex) : nullptr;
    TCanvas& c = picture_.canvas();
    c.brush().setStyle(TBrushStyle::bsSolid);
    switch (look.background) {
        case MenuItemBackground::skinDivider:
        case MenuItemBackground::skinActive:
        case MenuItemBackground::skinNormal: {
            if (!itemPicture) {
                c.brush().setColor(clWindow);
                c.fillRect(toRect(look.item));
                break;
            }
            const TbsDataSkinMenuItem& d = *itemDefinition_;
            PixelRect source;
            int fixedLeft = 0, fixedRight = 0;
            bool stretch = false;
            if (look.background == MenuItemBackground::skinDivider) {
                source = pixelRect(d.dividerrect);
                fixedLeft = d.dividerleftoffset;
                fixedRight = d.dividerrightoffset;
                stretch = d.dividerstretcheffect;
            } else {
                const bool active = look.background == MenuItemBackground::skinActive;
                source = pixelRect(active ? d.activeskinrect : d.skinrect);
                fixedLeft = d.itemleftoffset;
                fixedRight = d.itemrightoffset;
                stretch = active ? d.stretcheffect : d.inactivestretcheffect;
            }
            Raster target = picture_.raster();
            const TbsSkinMenuItem& state = menuItems_[std::size_t(index)];
            const bool animating = canAnimate() && look.background != MenuItemBackground::skinDivider &&
                                   stripAnimationShowsFrame(itemAnimation_, state.animation);
            // A frame of the animation takes the place of the strip (and of a morph), as on the caption.
            if (animating)
                source = stripAnimationFrame(itemAnimation_, pixelRect(d.skinrect).height(),
                                             state.animation.frame);
            const int morph = state.morphFactor;
            if (!animating && canMorph() && look.background != MenuItemBackground::skinDivider && morph > 0 &&
                morph < 5) {
                // Between the two looks: the normal strip blended towards the active one.
                Raster normal, active;
                ComposeHorizontalStrip(*itemPicture, pixelRect(d.skinrect), fixedLeft, fixedRight,
                                       fillMode(d.inactivestretcheffect), look.item.width(), normal);
                ComposeHorizontalStrip(*itemPicture, pixelRect(d.activeskinrect), fixedLeft, fixedRight,
                                       fillMode(d.stretcheffect), look.item.width(), active);
                if (normal.width() == active.width() && normal.height() == active.height())
                    applyMorph(normal, active, d.morphkind, morph / 5.0);
                copyPiece(normal, normal.bounds(), target, look.item.left, look.item.top, look.item);
                break;
            }
            paintPlan(
                *itemPicture,
                horizontalStripPlan(source, fixedLeft, fixedRight, fillMode(stretch), look.item.width()),
                target, {look.item.left, look.item.top}, look.item);
            break;
        }
        case MenuItemBackground::plainDivider: {
            c.brush().setColor(clWindow);
            c.fillRect(toRect(look.item));
            const int middle = (look.item.top + look.item.bottom) / 2;
            c.brush().setColor(clBtnShadow);
            c.fillRect({look.item.left + 1, middle - 1, look.item.right - 1, middle});
            c.brush().setColor(clBtnHighlight);
            c.fillRect({look.item.left + 1, middle, look.item.right - 1, middle + 1});
            break;
        }
        case MenuItemBackground::plainSelected:
            c.brush().setColor(kPlainSelectedFill);
            c.fillRect(toRect(look.item));
            c.brush().setColor(kPlainSelectedFrame);
            c.frameRect(toRect(look.item));
            break;
        case MenuItemBackground::plainNormal:
            c.brush().setColor(clWindow);
            c.fillRect(toRect(look.item));
            break;
    }
    if (!item.isSeparator()) drawItemText(look, item);
}

TColor TbsSkinPopupWindow::textColor(MenuItemTextRole role) const {
    if (itemDefinition_) {
        switch (role) {
            case MenuItemTextRole::selected:
                return colorFromSkin(itemDefinition_->activefontcolor);
            case MenuItemTextRole::disabled:
                return colorFromSkin(itemDefinition_->unenabledfontcolor);
            case MenuItemTextRole::normal:
                return colorFromSkin(itemDefinition_->fontcolor);
        }
    }
    return role == MenuItemTextRole::disabled ? clBtnShadow : clWindowText;
}

// The caption with its "&" underlined by the system's text drawing, the shortcut right-aligned on its
// line, and a small arrow for a submenu.
void TbsSkinPopupWindow::drawItemText(const MenuItemLook& look, const MenuItemData& item) {
    TCanvas& c = picture_.canvas();
    FontDescription face = font_.description();
    face.color = textColor(look.text);
    c.font().assign(face);
    c.brush().setStyle(TBrushStyle::bsClear);
    RECT caption{look.captionLeft, look.textArea.top, look.textArea.right, look.textArea.bottom};
    c.drawText(item.caption, caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (!item.shortcut.empty()) {
        RECT shortcut{look.captionLeft, look.textArea.top, look.shortcutRight, look.textArea.bottom};
        c.drawText(item.shortcut, shortcut, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (!look.arrow.empty()) {
        c.brush().setStyle(TBrushStyle::bsSolid);
        c.brush().setColor(face.color);
        // A right-pointing triangle, one column narrower every column.
        const int h = look.arrow.height();
        for (int x = 0; x < look.arrow.width(); ++x) {
            const int top = look.arrow.top + x, bottom = look.arrow.top + h - x;
            if (bottom > top) c.fillRect({look.arrow.left + x, top, look.arrow.left + x + 1, bottom});
        }
    }
    if (item.checked) {
        c.brush().setStyle(TBrushStyle::bsSolid);
        c.brush().setColor(face.color);
        const PixelRect& col = look.imageColumn;
        const int cx = (col.left + col.right) / 2, cy = (col.top + col.bottom) / 2;
        c.fillRect({cx - 3, cy - 3, cx + 3, cy + 3});
    }
}

void TbsSkinPopupWindow::composeMarkers() {
    if (!layout_.size.scrollMode) return;
    const TColor idle =
        metrics_.skinnedPopup && skin_ ? colorFromSkin(skin_->PopupWindow.scrollmarkercolor) : clBtnShadow;
    const TColor busy = metrics_.skinnedPopup && skin_
                            ? colorFromSkin(skin_->PopupWindow.scrollmarkeractivecolor)
                            : clBtnText;
    TCanvas& c = picture_.canvas();
    c.brush().setStyle(TBrushStyle::bsSolid);
    auto arrow = [&](const PixelRect& band, int direction) {
        const int cx = (band.left + band.right) / 2, cy = (band.top + band.bottom) / 2;
        c.brush().setColor(scrollDirection_ == direction ? busy : idle);
        for (int row = 0; row < 4; ++row) {
            const int y = direction < 0 ? cy - 2 + row : cy + 1 - row;
            c.fillRect({cx - row, y, cx + row + 1, y + 1});
        }
    };
    arrow(layout_.upMarker, -1);
    arrow(layout_.downMarker, +1);
}

}  // namespace vireltan
