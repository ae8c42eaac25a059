// One pure layout of a skinned popup menu: its size, items area, item rectangles, the visible range
// and the scroll markers. Painting, hit testing and keyboard scrolling all read the same result.
#pragma once

#include <vector>

#include "skin/MenuItems.h"
#include "skin/PixelGeometry.h"
#include "skin/SkinValues.h"
#include "skin/TextFit.h"

namespace vireltan {

class TbsSkinData;
class TbsDataSkinMenuItem;

// The engine's settings copied from the frame. Values the frame would ignore are ignored here too:
// a negative item limit means no limit, an item height of 0 or less the default 20.
struct MenuSettings {
    int MaxMenuItemsInWindow = 0;
    int DefMenuItemHeight = 20;
    int imageListWidth = 0;  // 0: the menu has no image list
};

// Everything the size rules take from the skin, resolved once per popup.
struct MenuMetrics {
    bool skinnedPopup = false;  // the [POPUPWINDOW] picture is used
    bool skinnedItems = false;  // a `menuitem` definition gives the item sizes
    int pictureWidth = 0;
    int pictureHeight = 0;
    SkinRect itemsrect;
    int itemHeight = 20;
    int separatorHeight = 4;
    int widthExtra = 0;        // added to the widest text: 2, the image column, 19 and the frame's share
    int maxItems = 0;          // 0: no limit
    int imageColumn = 16;      // drawn width of the image column in a skinned item
    int imageColumnRoom = 19;  // its room in the width rule: image list width + 5, or 19
    // The item picture's text area and width (skinned items only), for the item look.
    SkinRect textrect;
    SkinRect imagerect;
    int itemPictureWidth = 0;
    bool hasImageRect = false;
};

// Marker bands and the shift of the items in scroll mode.
constexpr int kMenuScrollBand = 10;

// Resolves the metrics: the skinned popup needs a loaded skin, windowpictureindex not -1 and that
// picture; the first `menuitem` definition gives the item sizes. A skinned popup without one (or with
// an item picture of no height) keeps the plain item sizes, so no size ever becomes 0.
MenuMetrics menuMetrics(const TbsSkinData* skin, const MenuSettings& settings);
MenuMetrics plainMenuMetrics(const MenuSettings& settings);
const TbsDataSkinMenuItem* firstMenuItemDefinition(const TbsSkinData& skin);

struct MenuSize {
    int width = 0;
    int height = 0;
    bool scrollMode = false;
    bool cutToWorkArea = false;  // the height was cut to the work area: placed beside the anchor
    friend bool operator==(const MenuSize&, const MenuSize&) = default;
};

// Width from the widest item text (caption without markers, two spaces and the shortcut text);
// height from the item heights, the item limit and the work area's height. A work area too low for
// even one item in scroll mode still gets a popup that shows one item.
MenuSize menuPopupSize(const std::vector<MenuItemData>& items, const MenuMetrics& metrics, int workAreaHeight,
                       const MeasureUtf8& measure);

int menuItemHeight(const MenuItemData& item, const MenuMetrics& metrics);

struct MenuLayout {
    MenuSize size;
    PixelRect itemsArea;
    int firstVisible = 0;
    int visibleCount = 0;              // items firstVisible .. firstVisible + visibleCount - 1 are in range
    std::vector<PixelRect> itemRects;  // one per item; empty for an item out of range
    PixelRect upMarker, downMarker;    // empty outside scroll mode

    bool inRange(int index) const { return index >= firstVisible && index < firstVisible + visibleCount; }
    int lastVisible() const { return firstVisible + visibleCount - 1; }
    bool canScrollUp() const { return size.scrollMode && firstVisible > 0; }
    bool canScrollDown() const {
        return size.scrollMode && firstVisible + visibleCount < static_cast<int>(itemRects.size());
    }
};

// Items stacked from the items area's top (one band lower in scroll mode) starting at firstVisible
// (clamped to the items); an item is in range while its bottom stays inside the area (one band less
// in scroll mode). The range is contiguous: it ends at the first item that does not fit.
MenuLayout menuPopupLayout(const std::vector<MenuItemData>& items, const MenuMetrics& metrics,
                           const MenuSize& size, int firstVisible);

// The first visible item after one scroll step (the markers' 100 ms tick), unchanged at the end.
int menuScrolled(const MenuLayout& layout, int direction /* -1 up, +1 down */);

// The first visible item that brings `index` into range with the least movement.
int menuFirstVisibleShowing(const std::vector<MenuItemData>& items, const MenuMetrics& metrics,
                            const MenuSize& size, int firstVisible, int index);

enum class MenuHitKind { outside, frame, item, upMarker, downMarker };
struct MenuHit {
    MenuHitKind kind = MenuHitKind::outside;
    int item = -1;  // with `item`: the item in range under the point (may be a separator)
    friend bool operator==(const MenuHit&, const MenuHit&) = default;
};

// Popup coordinates. Markers win over items (they lie over the items area's edges).
MenuHit menuHitTest(const MenuLayout& layout, int x, int y);

// The item the pointer selects at (x, y): an item in range that is enabled and not a separator, or -1.
int menuSelectableItemAt(const MenuLayout& layout, const std::vector<MenuItemData>& items, int x, int y);

}  // namespace vireltan
