#include "controls/PopupListBox.h"

#include "controls/ComboBoxRules.h"
#include "gui/Bitmap.h"
#include "skin/ControlLooks.h"
#include "skin/SkinGeometry.h"

#include <windowsx.h>

#include <algorithm>

namespace vireltan {

namespace {

const FontDescription kListFont{"Arial", 14, 0, clWindowText};
constexpr int kScrollBarWidth = 19;

}  // namespace

TbsPopupListBox::TbsPopupListBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    TControl::setVisible(false);
    font().assign(kListFont);
    DefaultFont().assign(kListFont);
    setSkinDataName("listbox");
    setColor(clBtnFace);
    TControl::storeBounds(0, 0, 120, 120);
}

TbsPopupListBox::~TbsPopupListBox() {
    scrollBar_ = nullptr;  // freed with our components
}

void TbsPopupListBox::createParams(CreateParams& params) {
    TbsSkinCustomControl::createParams(params);
    params.className = L"VireltanPopupList";
    popupParams(params, ownerWindow_, false);
}

void TbsPopupListBox::setOwnerWindow(HWND window) {
    ownerWindow_ = window;
    // The window may exist already (a scroll bar needed it): the owner can still change.
    if (handleAllocated()) setPopupOwner(handle(), window);
}

void TbsPopupListBox::setItems(const std::vector<std::string>& items) {
    items_ = items;
    if (itemIndex_ >= count()) itemIndex_ = -1;
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, count() - visibleRows()));
    updateScrollBars();
    invalidate();
}

void TbsPopupListBox::setItemIndex(int index) {
    if (index < 0 || index >= count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    invalidate();
}

void TbsPopupListBox::setTopIndex(int index) {
    index = std::clamp(index, 0, std::max(0, count() - visibleRows()));
    if (index == topIndex_) return;
    topIndex_ = index;
    if (scrollBar_) scrollBar_->setPosition(topIndex_);
    invalidate();
}

void TbsPopupListBox::makeVisible(int index) {
    if (index < 0) return;
    if (index < topIndex_) {
        setTopIndex(index);
    } else if (index >= topIndex_ + visibleRows()) {
        setTopIndex(index - visibleRows() + 1);
    }
}

void TbsPopupListBox::setDefaultItemHeight(int height) {
    if (height <= 0) return;
    defaultItemHeight_ = height;
    const TbsDataSkinListBox* list = hasSkinLook() ? skinDefinition() : nullptr;
    if (list && useSkinItemHeight_) return;  // the skin's item height stands
    itemHeight_ = height;
    if (rowCount_ != 0) setRowCount(rowCount_);
    updateScrollBars();
    invalidate();
}

void TbsPopupListBox::setRowCount(int rows) {
    rowCount_ = rows;
    if (rows != 0) {
        const TbsDataSkinListBox* list = hasSkinLook() ? skinDefinition() : nullptr;
        setBounds(left(), top(), width(),
                  list ? skinnedListHeight(*list, rows, itemHeight_) : plainListHeight(rows, itemHeight_));
    }
    layout();
    updateScrollBars();
}

int TbsPopupListBox::visibleRows() const {
    const RECT area = listArea();
    return std::max(0, static_cast<int>(area.bottom - area.top) / itemHeight_);
}

RECT TbsPopupListBox::listArea() const {
    if (const TbsDataSkinListBox* list = hasSkinLook() ? skinDefinition() : nullptr) {
        const PixelRect area = listClientArea(*list, width(), height());
        const int right = scrollBar_ ? std::max(area.left, area.right - scrollBar_->width()) : area.right;
        return {area.left, area.top, right, area.bottom};
    }
    const int right = scrollBar_ ? width() - kScrollBarWidth - 1 : width() - 2;
    return {2, 2, right, height() - 2};
}

int TbsPopupListBox::itemAtPos(POINT point) const {
    const RECT area = listArea();
    if (!PtInRect(&area, point)) return -1;
    const int index = topIndex_ + (point.y - area.top) / itemHeight_;
    return index < count() ? index : -1;
}

RECT TbsPopupListBox::itemRect(int index) const {
    const RECT area = listArea();
    const int top = area.top + (index - topIndex_) * itemHeight_;
    return {area.left, top, area.right, top + itemHeight_};
}

void TbsPopupListBox::layout() {
    if (!scrollBar_) return;
    if (const TbsDataSkinListBox* list = hasSkinLook() ? skinDefinition() : nullptr) {
        // At the right edge of the skin's client area, as high as it, as wide as the bar's own skin.
        const PixelRect area = listClientArea(*list, width(), height());
        const int barWidth = scrollBar_->width();
        scrollBar_->setBounds(area.right - barWidth, area.top, barWidth, std::max(0, area.height()));
        return;
    }
    scrollBar_->setBounds(width() - kScrollBarWidth - 1, 1, kScrollBarWidth, height() - 2);
}

void TbsPopupListBox::updateScrollBars() {
    const int rows = visibleRows();
    if (rows > 0 && count() > rows) {
        if (!scrollBar_) {
            scrollBar_ = new TbsSkinScrollBar(this);
            scrollBar_->setKind(TScrollBarKind::sbVertical);
            const TbsDataSkinListBox* list = hasSkinLook() ? skinDefinition() : nullptr;
            scrollBar_->setSkinDataName(list ? list->vscrollbarname : "");
            scrollBar_->setParent(this);
            scrollBar_->setSkinData(SkinData());
            scrollBar_->OnChange = [this] { setTopIndex(scrollBar_->position()); };
            layout();
        }
        // Rows are measured without the bar; with it the area only narrows, so they stay the same.
        scrollBar_->setRange(0, count() - 1, visibleRows(), topIndex_);
        scrollBar_->setLargeChange(visibleRows());
    } else if (scrollBar_) {
        TbsSkinScrollBar* bar = std::exchange(scrollBar_, nullptr);
        delete bar;
        layout();
    }
}

void TbsPopupListBox::showAt(POINT screen) {
    showPopup(handle(), screen.x, screen.y);
    TControl::setVisible(true);
    shown_ = true;
}

void TbsPopupListBox::hideList() {
    if (handleAllocated()) hidePopup(handle());
    TControl::setVisible(false);
    shown_ = false;
}

void TbsPopupListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && OnListMouseDown) OnListMouseDown(x, y);
}

void TbsPopupListBox::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    const int index = itemAtPos({x, y});
    if (index >= 0) setItemIndex(index);
    if (OnListMouseMove) OnListMouseMove(x, y);
}

void TbsPopupListBox::wmMouseWheel(TMessage& message) {
    const int delta = GET_WHEEL_DELTA_WPARAM(message.wParam);
    if (scrollBar_) setTopIndex(topIndex_ + (delta < 0 ? 1 : -1));
}

void TbsPopupListBox::WndProc(TMessage& message) {
    if (answerActivation(message)) return;
    switch (message.msg) {
        case WM_ERASEBKGND:
            message.result = 1;
            break;
        case WM_MOUSEWHEEL:
            wmMouseWheel(message);
            break;
        case WM_PAINTBACKGROUND_REQUEST:
            if (message.lParam == kPaintRequestTag && count() == 0 && message.wParam) {
                paintBackground(reinterpret_cast<HDC>(message.wParam));
                message.result = kPaintRequestTag;
            } else {
                TbsSkinCustomControl::WndProc(message);
            }
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            break;  // the combo box decides what a release means; other buttons do nothing here
        default:
            TbsSkinCustomControl::WndProc(message);
            break;
    }
}

void TbsPopupListBox::drawItem(TCanvas& canvas, int index, const RECT& rect) {
    if (hasSkinLook() && skinDefinition()) {
        drawSkinItem(canvas, index, rect);
        return;
    }
    const int itemWidth = rect.right - rect.left;
    const int itemHeight = rect.bottom - rect.top;
    TBitmap bitmap(itemWidth, itemHeight, TBitmap::Use::OnePaint);
    TCanvas& c = bitmap.canvas();
    FontDescription face = font().description();
    const bool selected = index == itemIndex_;
    face.color = selected ? clHighlightText : font().color();
    c.font().assign(face);
    c.brush().setStyle(TBrushStyle::bsSolid);
    c.brush().setColor(selected ? clHighlight : clWindow);
    c.fillRect({0, 0, itemWidth, itemHeight});
    const RECT textRect{2, 0, itemWidth - 2, itemHeight};
    const std::string& text = items_[static_cast<std::size_t>(index)];
    c.brush().setStyle(TBrushStyle::bsClear);
    const int textHeight = c.textHeight(text.empty() ? std::string("W") : text);
    c.textRect(textRect, textRect.left + 2, (itemHeight - textHeight) / 2, text);
    canvas.draw(rect.left, rect.top, bitmap);
}

void TbsPopupListBox::paintTo(TCanvas& canvas) {
    if (hasSkinLook()) {
        TBitmap bitmap(width(), height(), TBitmap::Use::OnePaint);
        PaintSkinImage(bitmap);
        canvas.draw(0, 0, bitmap);
        return;
    }
    canvas.brush().setStyle(TBrushStyle::bsSolid);
    canvas.brush().setColor(clBtnFace);
    canvas.fillRect({0, 0, width(), height()});
    canvas.brush().setColor(clBtnShadow);
    canvas.frameRect({0, 0, width(), height()});
    const RECT area = listArea();
    int y = area.top;
    for (int index = topIndex_; index < count() && y < area.bottom; ++index, y += itemHeight_) {
        RECT rect{area.left, y, area.right, std::min<int>(y + itemHeight_, area.bottom)};
        drawItem(canvas, index, rect);
    }
    if (y < area.bottom) {
        canvas.brush().setStyle(TBrushStyle::bsSolid);
        canvas.brush().setColor(clWindow);
        canvas.fillRect({area.left, y, area.right, area.bottom});
    }
}

void TbsPopupListBox::paintBackground(HDC dc) {
    const RECT area = listArea();
    if (hasSkinLook() && skinDefinition() && picture()) {
        // The skin's client image, tiled from the area's corner as the whole list shows it.
        TBitmap bitmap(width(), height(), TBitmap::Use::OnePaint);
        drawRaster(bitmap, composeListFrame(*picture(), *skinDefinition(), width(), height()));
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, bitmap.canvasHandle(),
               area.left, area.top, SRCCOPY);
        return;
    }
    if (area.right <= area.left || area.bottom <= area.top) return;
    HBRUSH brush = GetSysColorBrush(COLOR_WINDOW);  // a system brush: not ours to free
    FillRect(dc, &area, brush);
}

void TbsPopupListBox::PaintPlainImage(TBitmap& bitmap) {
    paintTo(bitmap.canvas());
}

void TbsPopupListBox::DefaultFontChanged() {
    font().assign(DefaultFont());
}

const TbsDataSkinListBox* TbsPopupListBox::skinDefinition() const {
    return link_.definitionAs<TbsDataSkinListBox>();
}

bool TbsPopupListBox::skinLookReady() const {
    return skinDefinition() != nullptr && picture() != nullptr;
}

void TbsPopupListBox::ApplySkin() {
    TbsSkinCustomControl::ApplySkin();
    const TbsDataSkinListBox* list = hasSkinLook() ? skinDefinition() : nullptr;
    if (list && useSkinItemHeight_ && list->itemrect.height() > 0) {
        itemHeight_ = list->itemrect.height();
    } else {
        itemHeight_ = defaultItemHeight_;
        if (!list) font().assign(DefaultFont());
    }
    if (scrollBar_) {
        scrollBar_->setSkinDataName(list ? list->vscrollbarname : "");
        scrollBar_->setSkinData(SkinData());
        if (!SkinData() || SkinData()->SkinEmpty()) scrollBar_->ApplySkin();
    }
    if (rowCount_ != 0) setRowCount(rowCount_);
    layout();
    updateScrollBars();
    invalidate();
}

FontDescription TbsPopupListBox::itemFont(bool selected) {
    FontDescription face = font().description();
    if (const TbsDataSkinListBox* list = skinDefinition()) {
        if (UseSkinFont()) {
            face.face = list->fontname;
            face.height = list->fontheight;
            face.style = fontStyleFromSkin(list->fontstyle);
        } else {
            face = DefaultFont().description();
        }
        face.color = colorFromSkin(selected ? list->activefontcolor : list->fontcolor);
    }
    return face;
}

void TbsPopupListBox::drawSkinItem(TCanvas& canvas, int index, const RECT& rect) {
    const TbsDataSkinListBox& list = *skinDefinition();
    const int itemWidth = rect.right - rect.left;
    const bool selected = index == itemIndex_;
    // The dropped list never has the keyboard focus: the current item is selected, not focused.
    const Raster image = picture() ? composeListItem(*picture(), list, itemWidth, selected, false) : Raster{};
    if (image.empty()) return;
    TBitmap bitmap(itemWidth, image.height(), TBitmap::Use::OnePaint);
    drawRaster(bitmap, image);
    TCanvas& c = bitmap.canvas();
    c.font().assign(itemFont(selected));
    c.brush().setStyle(TBrushStyle::bsClear);
    const PixelRect text = listItemTextRect(list, itemWidth);
    const RECT textRect{text.left, text.top, text.right, text.bottom};
    const std::string& caption = items_[static_cast<std::size_t>(index)];
    const int textHeight = c.textHeight(caption.empty() ? std::string("W") : caption);
    c.textRect(textRect, textRect.left + 2, textRect.top + (text.height() - textHeight) / 2, caption);
    // The item is as high as the list's rows; a picture of another height is cut or left short.
    const int shown = std::min<int>(bitmap.height(), rect.bottom - rect.top);
    BitBlt(canvas.handle(), rect.left, rect.top, itemWidth, shown, bitmap.canvasHandle(), 0, 0, SRCCOPY);
}

void TbsPopupListBox::PaintSkinImage(TBitmap& bitmap) {
    const TbsDataSkinListBox* list = skinDefinition();
    if (!list || !picture()) {
        PaintPlainImage(bitmap);
        return;
    }
    drawRaster(bitmap, composeListFrame(*picture(), *list, bitmap.width(), bitmap.height()));
    const RECT area = listArea();
    int y = area.top;
    for (int index = topIndex_; index < count() && y < area.bottom; ++index, y += itemHeight_) {
        const RECT rect{area.left, y, area.right, std::min<int>(y + itemHeight_, area.bottom)};
        drawSkinItem(bitmap.canvas(), index, rect);
    }
}

}  // namespace vireltan
