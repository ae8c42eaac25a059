#include "skin/MenuLook.h"

#include <algorithm>

#include "skin/SkinGeometry.h"
#include "skin/SkinSections.h"

namespace vireltan {
namespace {

constexpr int kShortcutGap = 16;  // between the shortcut's end and the text area's right edge
constexpr int kArrowGap = 7;
constexpr int kArrowWidth = 4;
constexpr int kArrowHeight = 7;
constexpr int kPlainTextGap = 4;  // between the plain image column and the caption

}  // namespace

MenuItemLook menuItemLook(const std::vector<MenuItemData>& items, const MenuMetrics& metrics,
                          const MenuLayout& layout, int index, bool highlighted) {
    MenuItemLook look;
    if (!layout.inRange(index) || index >= static_cast<int>(items.size())) return look;
    const MenuItemData& item = items[index];
    const PixelRect r = layout.itemRects[index];
    look.item = r;
    look.text = highlighted    ? MenuItemTextRole::selected
                : item.enabled ? MenuItemTextRole::normal
                               : MenuItemTextRole::disabled;
    if (metrics.skinnedItems) {
        look.background = item.isSeparator() ? MenuItemBackground::skinDivider
                          : highlighted      ? MenuItemBackground::skinActive
                                             : MenuItemBackground::skinNormal;
        // textrect is in item picture coordinates; its right edge follows the item's width.
        look.textArea = {r.left + metrics.textrect.left, r.top + metrics.textrect.top,
                         r.left + r.width() + metrics.textrect.right - metrics.itemPictureWidth,
                         r.top + metrics.textrect.bottom};
        const int column = metrics.hasImageRect ? 0 : metrics.imageColumn;
        // A definition with its own image rectangle puts images there and leaves the text its room.
        const SkinRect& image = metrics.imagerect;
        look.imageColumn = metrics.hasImageRect
                               ? PixelRect{r.left + image.left, r.top + image.top, r.left + image.right,
                                           r.top + image.bottom}
                               : PixelRect{look.textArea.left, look.textArea.top,
                                           look.textArea.left + metrics.imageColumn, look.textArea.bottom};
        look.captionLeft = look.textArea.left + column;
    } else {
        look.background = item.isSeparator() ? MenuItemBackground::plainDivider
                          : highlighted      ? MenuItemBackground::plainSelected
                                             : MenuItemBackground::plainNormal;
        // Lines up with the plain background's column, which starts at the items area's left.
        const int column = metrics.imageColumnRoom + 2;
        look.textArea = {r.left + column + kPlainTextGap, r.top, r.right, r.bottom};
        look.imageColumn = {r.left, r.top, r.left + column, r.bottom};
        look.captionLeft = look.textArea.left;
    }
    look.shortcutRight = look.textArea.right - kShortcutGap;
    if (item.hasSubmenu() && !item.isSeparator()) {
        const int right = look.textArea.right - kArrowGap;
        const int middle = (look.textArea.top + look.textArea.bottom) / 2;
        look.arrow = {right - kArrowWidth, middle - kArrowHeight / 2, right,
                      middle - kArrowHeight / 2 + kArrowHeight};
    }
    return look;
}

MenuPlainBackground menuPlainBackground(const MenuMetrics& metrics, int width, int height) {
    MenuPlainBackground b;
    b.outerFrame = {0, 0, width, height};
    b.innerFrame = {1, 1, std::max(width - 1, 1), std::max(height - 1, 1)};
    const int inner = std::max(width - 2, 2);
    const int bottom = std::max(height - 2, 2);
    const int column = std::min(2 + metrics.imageColumnRoom + 2, inner);
    b.imageColumn = {2, 2, column, bottom};
    b.rest = {column, 2, inner, bottom};
    return b;
}

MenuPopupPieces menuPopupPieces(const TbsDataSkinPopupWindow& popup, int pictureWidth, int pictureHeight,
                                int width, int height) {
    MenuPopupPieces out;
    NinePieceParams& p = out.pieces;
    p = windowPictureParams(popup, popup.itemsrect, pictureWidth, pictureHeight, width, height);
    p.drawMiddle = true;  // the items cover the middle, but a scrolled popup shows it between them

    out.mask = maskRegionParams(p, p.points.client, p.moved.client);
    return out;
}

}  // namespace vireltan
