#include "menus/SkinPopupWindow.h"

#include "gui/Application.h"
#include "gui/SkinValues.h"
#include "menus/SkinMenu.h"
#include "skin/MenuNavigation.h"
#include "skin/ResourceStrData.h"
#include "skin/SkinData.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinObjects.h"

#include <algorithm>

namespace vireltan {

namespace {

constexpr UINT_PTR kPointerTimer = 1;
constexpr UINT_PTR kScrollTimer = 2;
constexpr UINT kPointerPeriod = 50;
constexpr UINT kScrollPeriod = 100;
constexpr UINT_PTR kItemTimer = 3;
constexpr UINT kItemPeriod = 20;
constexpr int kMorphSteps = 5;

RECT toRect(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu& menu, const std::vector<MenuItemData>& items,
                                       bool submenu)
    : TCustomControl(nullptr), menu_(menu), items_(items), submenu_(submenu) {
    TControl::setVisible(false);
}

TbsSkinPopupWindow::~TbsSkinPopupWindow() {
    if (HWND window = allocatedHandle()) {
        KillTimer(window, kPointerTimer);
        KillTimer(window, kScrollTimer);
        KillTimer(window, kItemTimer);
    }
}

void TbsSkinPopupWindow::createParams(CreateParams& params) {
    TCustomControl::createParams(params);
    params.className = L"VireltanSkinPopup";
    HWND owner = menu_.window() ? menu_.window()->allocatedHandle() : nullptr;
    popupParams(params, owner, true);
}

// The font of the `menuitem` definition when the menu takes the skin's font, else the menu's own.
void TbsSkinPopupWindow::takeSkin() {
    skin_ = menu_.skin();
    MenuSettings settings;
    settings.MaxMenuItemsInWindow = menu_.MaxMenuItemsInWindow;
    settings.DefMenuItemHeight = menu_.DefMenuItemHeight;
    metrics_ = menuMetrics(skin_, settings);
    itemDefinition_ = metrics_.skinnedItems && skin_ ? firstMenuItemDefinition(*skin_) : nullptr;
    itemAnimation_ = {};
    if (itemDefinition_) {
        const TbsDataSkinMenuItem& d = *itemDefinition_;
        itemAnimation_ = {pixelRect(d.animateskinrect), d.framecount, d.animateinterval, d.inactiveanimation,
                          int(kItemPeriod)};
    }
    FontDescription face = menu_.DefMenuItemFont;
    if (itemDefinition_ && menu_.UseSkinFontInMenu) {
        face.face = itemDefinition_->fontname;
        face.height = itemDefinition_->fontheight;
        face.style = fontStyleFromSkin(itemDefinition_->fontstyle);
    }
    // The strings of a skin's table may need their own character set, whichever face draws them.
    if (const TbsResourceStrData* strings = skin_ ? skin_->ResourceStrData() : nullptr)
        face.charset = strings->CharSet;
    font_.assign(face);
}

void TbsSkinPopupWindow::open(MenuPopupKind kind, const PixelRect& anchor) {
    takeSkin();
    picture_.setSize(1, 1);
    TCanvas& canvas = picture_.canvas();
    canvas.font().assign(font_);
    const MeasureUtf8 measure = [&canvas](std::string_view text) { return canvas.textWidth(text); };
    const PixelRect& area = menu_.workArea();
    const MenuSize size = menuPopupSize(items_, metrics_, area.height(), measure);

    layout_.size = size;
    relayout(0);

    MenuPlacementRequest request;
    request.kind = kind;
    request.anchor = anchor;
    request.workArea = area;
    request.width = size.width;
    request.height = size.height;
    request.itemsAreaTop = layout_.itemsArea.top;
    request.cutToWorkArea = size.cutToWorkArea;
    const MenuPlacement place = placeMenuPopup(request);

    storeBounds(place.x, place.y, size.width, size.height);
    picture_.setSize(size.width, size.height);
    selected_ = menuInitialSelection(items_);
    if (selected_ >= 0) {
        menuItems_[std::size_t(selected_)].selected = true;
        menuItems_[std::size_t(selected_)].keyboardSelectedAtOpen = true;
        menuItems_[std::size_t(selected_)].morphFactor = kMorphSteps;  // highlighted from the start
        menuItems_[std::size_t(selected_)].animation = {itemAnimation_.frameCount + 1, int(kItemPeriod)};
        relayout(menuFirstVisibleShowing(items_, metrics_, size, 0, selected_));
    }
    composeAll();

    HWND window = handle();
    applyRegion();
    const bool animate =
        menu_.MenusAlphaBlend && menu_.MenusAlphaBlendAnimation && menu_.FirstPopup() && !submenu_;
    if (menu_.MenusAlphaBlend) applyAlpha(animate);
    showPopup(window, place.x, place.y, size.width, size.height);
    TControl::setVisible(true);
    if (animate) {
        // Raised in steps of 10, each after more than 5 ms, up to the set opacity.
        const int target = std::clamp(menu_.MenusAlphaBlendValue, 0, 255);
        UpdateWindow(window);
        DWORD last = GetTickCount();
        for (int alpha = 0; alpha < target;) {
            if (GetTickCount() - last <= 5) {
                Sleep(1);
                continue;
            }
            last = GetTickCount();
            alpha = std::min(alpha + 10, target);
            SetLayeredWindowAttributes(window, 0, BYTE(alpha), LWA_ALPHA);
        }
    }
    GetCursorPos(&lastCursor_);
    SetTimer(window, kPointerTimer, kPointerPeriod, nullptr);
}

void TbsSkinPopupWindow::closeWindow() {
    if (HWND window = allocatedHandle()) {
        KillTimer(window, kPointerTimer);
        KillTimer(window, kScrollTimer);
        KillTimer(window, kItemTimer);
        hidePopup(window);
    }
    TControl::setVisible(false);
    scrollDirection_ = 0;
}

void TbsSkinPopupWindow::relayout(int firstVisible) {
    layout_ = menuPopupLayout(items_, metrics_, layout_.size, firstVisible);
    menuItems_.resize(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) {
        TbsSkinMenuItem& m = menuItems_[i];
        m.item = &items_[i];
        m.visibleInRange = layout_.inRange(int(i));
        m.rect = layout_.itemRects[i];
    }
}

void TbsSkinPopupWindow::applyRegion() {
    if (!metrics_.skinnedPopup || !skin_) return;
    const Raster* mask = skin_->activePictureRaster(skin_->PopupWindow.maskpictureindex);
    if (!mask) return;
    const MenuPopupPieces pieces =
        menuPopupPieces(skin_->PopupWindow, metrics_.pictureWidth, metrics_.pictureHeight, width(), height());
    const std::optional<RegionRects> region = ComposeMaskRegion(*mask, pieces.mask);
    if (!region) return;
    std::vector<RECT> rects;
    rects.reserve(region->rects.size());
    for (const PixelRect& r : region->rects) rects.push_back(toRect(r));
    WindowRegion::fromRects(rects).applyTo(handle(), false);
}

void TbsSkinPopupWindow::applyAlpha(bool animateFirst) {
    HWND window = handle();
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    const int alpha = animateFirst ? 0 : std::clamp(menu_.MenusAlphaBlendValue, 0, 255);
    SetLayeredWindowAttributes(window, 0, BYTE(alpha), LWA_ALPHA);
    // The engine lets pending messages through once before a fade starts.
    if (animateFirst) Application().ProcessMessages();
}

PixelRect TbsSkinPopupWindow::screenRect() const {
    return {left(), top(), left() + width(), top() + height()};
}

PixelRect TbsSkinPopupWindow::itemScreenRect(int index) const {
    if (index < 0 || index >= int(items_.size())) return {};
    const PixelRect& r = layout_.itemRects[std::size_t(index)];
    return {left() + r.left, top() + r.top, left() + r.right, top() + r.bottom};
}

// ---- selection, pointer and scrolling

void TbsSkinPopupWindow::invalidatePopupRect(const PixelRect& r) {
    if (!allocatedHandle() || r.empty()) return;
    const RECT rect = toRect(r);
    InvalidateRect(allocatedHandle(), &rect, FALSE);
}

void TbsSkinPopupWindow::select(int index) {
    if (index >= int(items_.size())) index = -1;
    if (index == selected_) return;
    const int previous = selected_;
    const MenuSelectionChange change = menuChangeSelection(items_, metrics_, layout_, previous, index);
    if (previous >= 0) {
        menuItems_[std::size_t(previous)].selected = false;
        menuItems_[std::size_t(previous)].keyboardSelectedAtOpen = false;
    }
    selected_ = index;
    if (index >= 0) menuItems_[std::size_t(index)].selected = true;
    bool timed = false;
    if (previous >= 0) timed = startItemChange(previous) || timed;
    if (index >= 0) timed = startItemChange(index) || timed;
    if (change.firstVisible != layout_.firstVisible) {
        relayout(change.firstVisible);
        redrawItemsArea();
        if (timed) startItemTimer();
        return;
    }
    if (canMorph()) {
        // The morph's first step composes the two items.
        startItemTimer();
        itemTick();
        return;
    }
    // Only the two items concerned are composed again.
    if (previous >= 0) composeItem(previous);
    if (index >= 0) composeItem(index);
    for (const PixelRect& r : change.repaint) invalidatePopupRect(r);
    if (timed) startItemTimer();
}

bool TbsSkinPopupWindow::canMorph() const {
    return itemDefinition_ && itemDefinition_->morphing && skin_ && skin_->EnableSkinEffects;
}

bool TbsSkinPopupWindow::canAnimate() const {
    return itemDefinition_ && skin_ && skin_->EnableSkinEffects && itemAnimation_.possible();
}

// Without a morph the strip changes at once; with one it moves a fifth per tick from where it is.
bool TbsSkinPopupWindow::startItemChange(int index) {
    TbsSkinMenuItem& m = menuItems_[std::size_t(index)];
    const bool active = m.selected || m.submenuOpen;
    if (!canMorph()) m.morphFactor = active ? kMorphSteps : 0;
    bool timed = canMorph();
    if (canAnimate()) {
        m.animation = stripAnimationStart(itemAnimation_, active);
        timed = timed || stripAnimationRunning(itemAnimation_, m.animation, active);
    }
    return timed;
}

void TbsSkinPopupWindow::startItemTimer() {
    if (allocatedHandle()) SetTimer(allocatedHandle(), kItemTimer, kItemPeriod, nullptr);
}

// One step for every item whose morph factor is not yet where its state points and every item whose
// animation runs; only the items whose look changed are composed again. The timer stops once no
// item has anything left to do.
void TbsSkinPopupWindow::itemTick() {
    bool running = false;
    for (int i = 0; i < int(menuItems_.size()); ++i) {
        TbsSkinMenuItem& m = menuItems_[std::size_t(i)];
        const bool active = m.selected || m.submenuOpen;
        bool changed = false;
        const int target = active ? kMorphSteps : 0;
        if (canMorph() && m.morphFactor != target) {
            m.morphFactor += m.morphFactor < target ? 1 : -1;
            changed = running = true;
        }
        if (canAnimate() && stripAnimationRunning(itemAnimation_, m.animation, active)) {
            changed = stripAnimationTick(itemAnimation_, m.animation, active) || changed;
            running = running || stripAnimationRunning(itemAnimation_, m.animation, active);
        }
        if (!changed || !layout_.inRange(i)) continue;
        composeItem(i);
        invalidatePopupRect(layout_.itemRects[std::size_t(i)]);
    }
    if (!running && allocatedHandle()) KillTimer(allocatedHandle(), kItemTimer);
}

void TbsSkinPopupWindow::setSubmenuOpen(int index, bool open) {
    if (index < 0 || index >= int(items_.size())) return;
    TbsSkinMenuItem& m = menuItems_[std::size_t(index)];
    if (m.submenuOpen == open) return;
    m.submenuOpen = open;
    const bool timed = startItemChange(index);
    if (canMorph()) {
        startItemTimer();
        itemTick();
        return;
    }
    if (layout_.inRange(index)) {
        composeItem(index);
        invalidatePopupRect(layout_.itemRects[std::size_t(index)]);
    }
    if (timed) startItemTimer();
}

void TbsSkinPopupWindow::redrawItemsArea() {
    composeAll();
    if (allocatedHandle()) InvalidateRect(allocatedHandle(), nullptr, FALSE);
}

void TbsSkinPopupWindow::pointerTick() {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (cursor.x == lastCursor_.x && cursor.y == lastCursor_.y) return;
    lastCursor_ = cursor;
    const MenuHit hit = menuHitTest(layout_, cursor.x - left(), cursor.y - top());
    if (hit.kind == MenuHitKind::outside) return;
    if (hit.kind == MenuHitKind::upMarker || hit.kind == MenuHitKind::downMarker) {
        startScrolling(hit.kind == MenuHitKind::upMarker ? -1 : +1);
        return;
    }
    startScrolling(0);
    const int index = menuSelectableItemAt(layout_, items_, cursor.x - left(), cursor.y - top());
    if (index < 0) return;
    // Back on the selected item (after its submenu closed by a key, say), its submenu is due again.
    const bool again = index == selected_;
    if (again && (!items_[std::size_t(index)].hasSubmenu() || menuItems_[std::size_t(index)].submenuOpen))
        return;
    select(index);
    menu_.itemSelected(*this, index);
}

void TbsSkinPopupWindow::startScrolling(int direction) {
    if (direction == scrollDirection_) return;
    scrollDirection_ = direction;
    if (direction != 0) {
        menu_.closeDeeperThan(*this);
        SetTimer(handle(), kScrollTimer, kScrollPeriod, nullptr);
    } else {
        KillTimer(handle(), kScrollTimer);
    }
    composeMarkers();
    invalidatePopupRect(layout_.upMarker);
    invalidatePopupRect(layout_.downMarker);
}

void TbsSkinPopupWindow::scrollTick() {
    const int first = menuScrolled(layout_, scrollDirection_);
    if (first == layout_.firstVisible) return;
    relayout(first);
    redrawItemsArea();
}

bool TbsSkinPopupWindow::buttonUp(POINT screen) {
    const PixelRect r = screenRect();
    if (!visible() || screen.x < r.left || screen.x >= r.right || screen.y < r.top || screen.y >= r.bottom)
        return false;
    const int index = menuSelectableItemAt(layout_, items_, screen.x - left(), screen.y - top());
    if (index >= 0) {
        select(index);
        menu_.itemClicked(*this, index);
    }
    return true;
}

// ---- messages

void TbsSkinPopupWindow::paintWindow(HDC dc) {
    ++paintCounts_.copies;
    BitBlt(dc, 0, 0, picture_.width(), picture_.height(), picture_.canvasHandle(), 0, 0, SRCCOPY);
}

void TbsSkinPopupWindow::WndProc(TMessage& message) {
    if (answerActivation(message)) return;
    switch (message.msg) {
        case WM_ERASEBKGND:
            message.result = 1;  // the paint copies the whole picture
            break;
        case WM_TIMER: {
            // A tick may close the menu, this popup included: it is freed once the tick is over.
            const TbsSkinMenu::Busy busy(menu_);
            if (message.wParam == kPointerTimer) {
                pointerTick();
            } else if (message.wParam == kScrollTimer) {
                scrollTick();
            } else if (message.wParam == kItemTimer) {
                itemTick();
            } else {
                TCustomControl::WndProc(message);
            }
            break;
        }
        case WM_CLOSE:
            break;  // a popup goes when its menu closes it, never on its own
        case WM_SETCURSOR:
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            message.result = TRUE;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            break;  // the menu hook decides what a release means
        default:
            TCustomControl::WndProc(message);
            break;
    }
}

}  // namespace vireltan
