#include "skin/MenuLayout.h"

#include <algorithm>

#include "skin/SkinData.h"
#include "skin/SkinObjects.h"

namespace vireltan {
namespace {

int imageListWidth(const MenuSettings& settings) {
    return std::clamp(settings.imageListWidth, 0, 1 << 16);
}

int imageColumnRoom(const MenuSettings& settings) {
    return imageListWidth(settings) > 0 ? imageListWidth(settings) + 5 : 19;
}

std::string itemText(const MenuItemData& item) {
    std::string text = parseMenuCaption(item.caption).text;
    if (!item.shortcut.empty()) text += "  " + item.shortcut;
    return text;
}

// Item heights and the popup's size stay far below any overflow whatever a skin or setting says: no
// screen is a million pixels high, and sums of many items must not wrap round.
constexpr int kMaxItemHeight = 1 << 16;
constexpr long long kMaxExtent = 1 << 20;

int clampExtent(long long value) {
    return static_cast<int>(std::clamp(value, 0LL, kMaxExtent));
}

// A skin's rectangles may hold any integers; their sums are taken wide and kept in range.
int clampSigned(long long value) {
    return static_cast<int>(std::clamp(value, -kMaxExtent, kMaxExtent));
}

long long frameMargin(const MenuMetrics& m) {
    return m.skinnedPopup ? 0LL + m.pictureHeight + m.itemsrect.top - m.itemsrect.bottom : 4;
}

PixelRect itemsAreaFor(const MenuMetrics& m, int width, int height) {
    if (!m.skinnedPopup) return {2, 2, width - 2, height - 2};
    return {clampSigned(m.itemsrect.left), clampSigned(m.itemsrect.top),
            clampSigned(0LL + width + m.itemsrect.right - m.pictureWidth),
            clampSigned(0LL + height + m.itemsrect.bottom - m.pictureHeight)};
}

}  // namespace

const TbsDataSkinMenuItem* firstMenuItemDefinition(const TbsSkinData& skin) {
    for (const auto& object : skin.ObjectDefinitions) {
        if (const auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(object.get())) return item;
    }
    return nullptr;
}

MenuMetrics plainMenuMetrics(const MenuSettings& settings) {
    MenuMetrics m;
    m.itemHeight = settings.DefMenuItemHeight > 0 ? std::min(settings.DefMenuItemHeight, kMaxItemHeight) : 20;
    m.separatorHeight = 4;
    m.maxItems = std::max(settings.MaxMenuItemsInWindow, 0);
    m.imageColumn = imageListWidth(settings) > 0 ? imageListWidth(settings) : 16;
    m.imageColumnRoom = imageColumnRoom(settings);
    m.widthExtra = 2 + imageColumnRoom(settings) + 19 + 10;
    return m;
}

MenuMetrics menuMetrics(const TbsSkinData* skin, const MenuSettings& settings) {
    MenuMetrics m = plainMenuMetrics(settings);
    if (skin == nullptr || skin->SkinEmpty()) return m;
    const auto& popup = skin->PopupWindow;
    const int picture = popup.windowpictureindex;
    if (picture >= 0 && picture < static_cast<int>(skin->ActivePictures.size()) &&
        skin->ActivePictures[picture].width > 0) {
        m.skinnedPopup = true;
        m.pictureWidth = skin->ActivePictures[picture].width;
        m.pictureHeight = skin->ActivePictures[picture].height;
        m.itemsrect = popup.itemsrect;
        // Without item rectangles only the frame's own share is known.
        m.widthExtra = clampSigned(2LL + imageColumnRoom(settings) + 19 + m.pictureWidth + m.itemsrect.left -
                                   m.itemsrect.right);
    }
    const TbsDataSkinMenuItem* item = firstMenuItemDefinition(*skin);
    // A definition whose picture is missing draws nothing of its own: the items keep the plain look
    // (and its colours, so that no text is drawn in the skin's white on the plain white).
    const int itemPicture = item ? item->activepictureindex : -1;
    const bool hasItemPicture = itemPicture >= 0 &&
                                itemPicture < static_cast<int>(skin->ActivePictures.size()) &&
                                skin->ActivePictures[itemPicture].width > 0;
    // Heights come from the definition for both the size and the stacking, so the two never disagree.
    if (item != nullptr && hasItemPicture && 0LL + item->skinrect.bottom - item->skinrect.top > 0) {
        m.skinnedItems = true;
        m.itemHeight = static_cast<int>(
            std::min<long long>(0LL + item->skinrect.bottom - item->skinrect.top, kMaxItemHeight));
        m.separatorHeight = static_cast<int>(
            std::clamp<long long>(0LL + item->dividerrect.bottom - item->dividerrect.top, 0, kMaxItemHeight));
        const SkinRect& t = item->textrect;
        m.textrect = {clampSigned(t.left), clampSigned(t.top), clampSigned(t.right), clampSigned(t.bottom)};
        m.itemPictureWidth = clampSigned(0LL + item->skinrect.right - item->skinrect.left);
        const SkinRect& image = item->imagerect;
        m.hasImageRect = 0LL + image.right - image.left > 0 && 0LL + image.bottom - image.top > 0;
        m.imagerect = {clampSigned(image.left), clampSigned(image.top), clampSigned(image.right),
                       clampSigned(image.bottom)};
        if (m.skinnedPopup) {
            m.widthExtra =
                clampSigned(0LL + m.widthExtra + m.textrect.left + m.itemPictureWidth - m.textrect.right);
        }
    }
    return m;
}

int menuItemHeight(const MenuItemData& item, const MenuMetrics& metrics) {
    return item.isSeparator() ? metrics.separatorHeight : metrics.itemHeight;
}

MenuSize menuPopupSize(const std::vector<MenuItemData>& items, const MenuMetrics& metrics, int workAreaHeight,
                       const MeasureUtf8& measure) {
    MenuSize size;
    long long widest = 0;
    long long height = 0;
    for (const auto& item : items) {
        height += menuItemHeight(item, metrics);
        if (!item.isSeparator()) widest = std::max<long long>(widest, measure(itemText(item)));
    }
    const long long margin = frameMargin(metrics);
    size.width = clampExtent(widest + metrics.widthExtra);
    height += margin;
    const int count = static_cast<int>(items.size());
    if (metrics.maxItems > 0 && metrics.maxItems < count) {
        height = static_cast<long long>(metrics.maxItems) * metrics.itemHeight + margin + 2 * kMenuScrollBand;
        size.scrollMode = true;
    }
    if (height > workAreaHeight) {
        height = workAreaHeight;
        size.scrollMode = true;
        size.cutToWorkArea = true;
    }
    if (size.scrollMode) {
        // Both marker bands and one item at least, or the popup could show nothing to choose.
        height = std::max(height, margin + 2 * kMenuScrollBand + metrics.itemHeight);
    }
    size.height = clampExtent(height);
    return size;
}

MenuLayout menuPopupLayout(const std::vector<MenuItemData>& items, const MenuMetrics& metrics,
                           const MenuSize& size, int firstVisible) {
    MenuLayout layout;
    layout.size = size;
    layout.itemsArea = itemsAreaFor(metrics, size.width, size.height);
    const int count = static_cast<int>(items.size());
    layout.itemRects.assign(items.size(), PixelRect{});
    layout.firstVisible = size.scrollMode ? std::clamp(firstVisible, 0, std::max(count - 1, 0)) : 0;
    const PixelRect& area = layout.itemsArea;
    const int band = size.scrollMode ? kMenuScrollBand : 0;
    int y = area.top + band;
    const int limit = area.bottom - band;
    for (int i = layout.firstVisible; i < count; ++i) {
        const int h = menuItemHeight(items[i], metrics);
        if (y + h > limit) break;
        layout.itemRects[i] = {area.left, y, area.right, y + h};
        ++layout.visibleCount;
        y += h;
    }
    if (size.scrollMode) {
        if (metrics.skinnedPopup) {
            layout.upMarker = {area.left, area.top, area.right, area.top + kMenuScrollBand};
            layout.downMarker = {area.left, area.bottom - kMenuScrollBand, area.right, area.bottom};
        } else {
            layout.upMarker = {3, 3, size.width - 3, 13};
            layout.downMarker = {3, size.height - 10, size.width - 3, size.height - 3};
        }
    }
    return layout;
}

int menuScrolled(const MenuLayout& layout, int direction) {
    if (direction < 0 && layout.canScrollUp()) return layout.firstVisible - 1;
    if (direction > 0 && layout.canScrollDown()) return layout.firstVisible + 1;
    return layout.firstVisible;
}

int menuFirstVisibleShowing(const std::vector<MenuItemData>& items, const MenuMetrics& metrics,
                            const MenuSize& size, int firstVisible, int index) {
    const int count = static_cast<int>(items.size());
    if (!size.scrollMode || index < 0 || index >= count) return size.scrollMode ? firstVisible : 0;
    int first = std::clamp(firstVisible, 0, std::max(count - 1, 0));
    if (index < first) return index;
    // Move down one item at a time: the items differ in height, so no single division gives it.
    while (first < index && !menuPopupLayout(items, metrics, size, first).inRange(index)) ++first;
    return first;
}

MenuHit menuHitTest(const MenuLayout& layout, int x, int y) {
    const auto inside = [x, y](const PixelRect& r) {
        return !r.empty() && x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    };
    if (x < 0 || y < 0 || x >= layout.size.width || y >= layout.size.height) return {};
    if (inside(layout.upMarker)) return {MenuHitKind::upMarker, -1};
    if (inside(layout.downMarker)) return {MenuHitKind::downMarker, -1};
    for (int i = layout.firstVisible; i <= layout.lastVisible(); ++i) {
        if (inside(layout.itemRects[i])) return {MenuHitKind::item, i};
    }
    return {MenuHitKind::frame, -1};
}

int menuSelectableItemAt(const MenuLayout& layout, const std::vector<MenuItemData>& items, int x, int y) {
    const MenuHit hit = menuHitTest(layout, x, y);
    if (hit.kind != MenuHitKind::item || hit.item >= static_cast<int>(items.size())) return -1;
    return items[hit.item].selectable() ? hit.item : -1;
}

}  // namespace vireltan
