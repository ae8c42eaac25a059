#include "controls/ComboBox.h"

#include "controls/PlainParts.h"
#include "gui/Bitmap.h"
#include "gui/Platform.h"
#include "gui/Utf.h"
#include "skin/ControlLooks.h"
#include "skin/SkinGeometry.h"

#include <windowsx.h>

#include <algorithm>

namespace vireltan {

namespace {

const FontDescription kComboFont{"Arial", 14, 0, clWindowText};

int utf16Length(const std::string& text) {
    return static_cast<int>(toWide(text).size());
}

int fontTextHeight(const TFont& font) {
    DeviceContext dc = DeviceContext::memory();
    ObjectSelection selection(dc.get(), font.handle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    return metrics.tmHeight;
}

}  // namespace

TbsSkinComboBox::TbsSkinComboBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    font().assign(kComboFont);
    DefaultFont().assign(kComboFont);
    setSkinDataName("combobox");
    setTabStop(true);
    TControl::storeBounds(0, 0, 120, 20);
    list_ = new TbsPopupListBox(this);
    list_->OnListMouseDown = [this](int x, int y) { listMouseDown(x, y); };
    layout();
}

TbsSkinComboBox::~TbsSkinComboBox() {
    removeCancelMode();
    editHook_.remove();
    if (handleAllocated()) KillTimer(handle(), kAutoScrollTimer);
}

void TbsSkinComboBox::setStyle(TbsSkinCustomComboBoxStyle style) {
    style_ = style;
    if (style == bscbEditStyle && !edit_) {
        edit_ = new TMaskEdit(this);
        edit_->setBorder(false);
        edit_->setTabStop(tabStop());
        setTabStop(false);
        edit_->setText(text_);
        editHook_ = edit_->installWindowProcHook(
            [this](TMessage& message, const WindowProcNext& next) { editMessage(message, next); });
        edit_->OnChange = [this] { editChange(); };
        edit_->OnKeyDown = [this](WORD& key, TShiftState shift) {
            if (OnKeyDown) OnKeyDown(key, shift);
        };
        edit_->OnKeyUp = [this](WORD& key, TShiftState shift) {
            if (OnKeyUp) OnKeyUp(key, shift);
        };
        edit_->OnKeyPress = [this](wchar_t& key) {
            if (OnKeyPress) OnKeyPress(key);
            deliveredKey_ = key;
        };
        applyEditLook();
        edit_->setParent(this);
        if (focused()) edit_->setFocus();
    } else if (style == bscbFixedStyle && edit_) {
        const bool editTabStop = edit_->tabStop();
        editHook_.remove();
        TMaskEdit* edit = std::exchange(edit_, nullptr);
        edit->setVisible(false);
        delete edit;
        setTabStop(editTabStop);
    }
    layout();
    invalidate();
}

void TbsSkinComboBox::DefaultFontChanged() {
    font().assign(DefaultFont());
    applyEditLook();
    layout();  // the edit is as high as its font's text
}

void TbsSkinComboBox::applyEditLook() {
    if (!edit_) return;
    if (const TbsDataSkinComboBox* combo = hasSkinLook() ? skinDefinition() : nullptr) {
        FontDescription face = DefaultFont().description();
        if (UseSkinFont()) {
            face.face = combo->fontname;
            face.height = combo->fontheight;
            face.style = fontStyleFromSkin(combo->fontstyle);
        }
        const bool lit = !combo->activeskinrect.isEmpty() && (hot_ || edit_->focused());
        face.color =
            enabled() ? colorFromSkin(lit ? combo->activefontcolor : combo->fontcolor) : disabledColor();
        if (!(edit_->font().description() == face)) edit_->font().assign(face);
        return;
    }
    FontDescription face = DefaultFont().description();
    if (!enabled()) face.color = clGrayText;
    edit_->font().assign(face);
    edit_->setColor(defaultColor_);
}

void TbsSkinComboBox::setItems(const std::vector<std::string>& items) {
    list_->setItems(items);
    invalidate();
}

void TbsSkinComboBox::fireClick() {
    if (!isLoading() && OnClick) OnClick();
}

void TbsSkinComboBox::setItemIndex(int index) {
    list_->setItemIndex(index);
    if (list_->count() > 0 && list_->itemIndex() != -1) {
        setText(list_->items()[static_cast<std::size_t>(list_->itemIndex())]);
    }
    rememberedIndex_ = list_->itemIndex();
    if (droppedDown()) list_->makeVisible(list_->itemIndex());
    if (!edit_) invalidate();
    fireClick();
}

void TbsSkinComboBox::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    TbsSkinCustomControl::setText(text);
    if (edit_ && !syncing_) edit_->setText(text);
    invalidate();
    if (OnChange) OnChange();
}

void TbsSkinComboBox::setDropDownCount(int count) {
    if (count >= 1) dropDownCount_ = count;
}

void TbsSkinComboBox::setDefaultColor(TColor color) {
    defaultColor_ = color;
    applyEditLook();
    invalidate();
}

void TbsSkinComboBox::setEnabled(bool enabled) {
    TbsSkinCustomControl::setEnabled(enabled);
    applyEditLook();
    invalidate();
}

void TbsSkinComboBox::fontChanged() {
    TbsSkinCustomControl::fontChanged();
    invalidate();
}

void TbsSkinComboBox::layout() {
    layout_ = currentLayout();
    if (edit_) {
        const RECT bounds = comboEditBounds(layout_.itemArea, fontTextHeight(edit_->font()));
        edit_->setBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }
}

// ---- the dropped list -------------------------------------------------------------------------

void TbsSkinComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    if (style_ == bscbFixedStyle && !focused() && canFocus()) setFocus();
    const POINT point{x, y};
    const bool onButton = PtInRect(&layout_.button, point) != 0;
    const bool onItem = style_ == bscbFixedStyle && PtInRect(&layout_.itemArea, point) != 0;
    if (onButton || onItem) {
        buttonPressed_ = true;
        invalidate();
        if (!droppedDown()) {
            enteredList_ = false;
            listTracking_ = true;
            SetCapture(handle());
            OpenList();
        } else {
            CloseUp(false);
        }
    } else if (droppedDown()) {
        CloseUp(false);
    }
}

void TbsSkinComboBox::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    if (listTracking_ && droppedDown()) {
        POINT screen{x, y};
        ClientToScreen(handle(), &screen);
        trackListMove(shift, screen);
        return;
    }
    const bool overButton = PtInRect(&layout_.button, POINT{x, y}) != 0;
    if (overButton != buttonHot_) {
        buttonHot_ = overButton;
        invalidate();
    }
}

void TbsSkinComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    if (listTracking_ && enteredList_) {
        POINT screen{x, y};
        ClientToScreen(handle(), &screen);
        const bool choose = overListArea(screen);
        listTracking_ = false;
        if (GetCapture() == handle()) ReleaseCapture();
        CloseUp(choose);
    } else {
        listTracking_ = false;
        stopAutoScroll();
        if (GetCapture() == handle()) ReleaseCapture();
    }
    if (buttonPressed_) {
        buttonPressed_ = false;
        invalidate();
    }
}

void TbsSkinComboBox::MouseEnter() {
    TbsSkinCustomControl::MouseEnter();
    hot_ = true;
    // Only the skinned look lights up.
    if (hasSkinLook()) {
        applyEditLook();
        invalidate();
    }
}

void TbsSkinComboBox::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    hot_ = false;
    if (hasSkinLook()) applyEditLook();
    buttonHot_ = false;
    invalidate();
}

void TbsSkinComboBox::wheelStep(int delta, bool changeText) {
    if (droppedDown()) {
        const int index = std::clamp(list_->itemIndex() + delta, 0, list_->count() - 1);
        list_->setItemIndex(index);
        list_->makeVisible(index);
    } else if (changeText) {
        stepItem(delta);
    }
}

void TbsSkinComboBox::wmMouseWheel(TMessage& message) {
    if (style_ != bscbFixedStyle) {
        DefaultHandler(message);
        return;
    }
    // Towards the user (a negative delta) is the next item.
    const int delta = GET_WHEEL_DELTA_WPARAM(message.wParam) < 0 ? 1 : -1;
    if (droppedDown()) {
        wheelStep(delta, false);
    } else {
        const int index = itemIndex() + delta;
        if (index >= 0 && index < list_->count()) setItemIndex(index);
    }
}

// ---- keyboard, fixed style -----------------------------------------------------------------

void TbsSkinComboBox::KeyDown(WORD& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    if (key == 0 || style_ != bscbFixedStyle) return;
    const bool alt = (shift & ssAlt) != 0 || altKey_;
    const int count = list_->count();
    const int index = itemIndex();
    switch (key) {
        case VK_RETURN:
            if (droppedDown()) CloseUp(true);
            break;
        case VK_ESCAPE:
            if (droppedDown()) CloseUp(false);
            break;
        case VK_PRIOR:
            if (count > 0) setItemIndex(comboPageUpIndex(index, dropDownCount_));
            break;
        case VK_NEXT:
            if (count > 0) setItemIndex(comboPageDownIndex(index, dropDownCount_, count));
            break;
        case VK_LEFT:
        case VK_UP:
            if (alt) {
                CloseUp(false);
                key = 0;
            } else if (index > 0) {
                setItemIndex(index - 1);
            }
            break;
        case VK_RIGHT:
        case VK_DOWN:
            if (alt) {
                if (!droppedDown()) OpenList();
                key = 0;
            } else if (index < count - 1) {
                setItemIndex(index + 1);
            }
            break;
        default:
            break;
    }
}

void TbsSkinComboBox::KeyPress(wchar_t& key) {
    TbsSkinCustomControl::KeyPress(key);
    if (key == 0 || style_ != bscbFixedStyle) return;
    if (key < L' ') return;  // Enter, Escape and Backspace also arrive as characters: no search
    const std::wstring search = search_.feed(key, clock(), autoComplete_);
    const int found = searchItem(list_->items(), toUtf8(search), itemIndex());
    if (found >= 0) setItemIndex(found);
}

void TbsSkinComboBox::stepItem(int delta) {
    const int index = list_->itemIndex() + delta;
    if (index < 0 || index >= list_->count()) return;
    list_->setItemIndex(index);
    list_->makeVisible(index);
    setText(list_->items()[static_cast<std::size_t>(index)]);
    if (edit_) edit_->SelectAll();
    fireClick();
}

// ---- the inner edit ---------------------------------------------------------------------------

void TbsSkinComboBox::editMessage(TMessage& message, const WindowProcNext& next) {
    switch (message.msg) {
        case WM_SETFOCUS:
            next(message);
            invalidate();
            return;
        case WM_KILLFOCUS:
            next(message);
            CloseUp(false);
            invalidate();
            return;
        case WM_KEYDOWN:
            switch (message.wParam) {
                case VK_RETURN:
                    if (droppedDown()) CloseUp(true);
                    break;
                case VK_ESCAPE:
                    if (droppedDown()) CloseUp(false);
                    break;
                case VK_PRIOR:
                case VK_NEXT:
                    if (droppedDown()) {
                        const int index =
                            message.wParam == VK_PRIOR
                                ? comboPageUpIndex(list_->itemIndex(), dropDownCount_)
                                : comboPageDownIndex(list_->itemIndex(), dropDownCount_, list_->count());
                        list_->setItemIndex(index);
                        list_->makeVisible(index);
                    }
                    break;
                case VK_UP:
                    stepItem(-1);
                    return;  // the edit never sees it
                case VK_DOWN:
                    stepItem(1);
                    return;
                default:
                    break;
            }
            next(message);
            return;
        case WM_CHAR: {
            // The key-press event may change the character or drop it; completion follows only a
            // character the edit really took, so a discarded key stroke changes nothing at all.
            deliveredKey_ = 0;
            next(message);
            if (deliveredKey_ >= L'0' && autoComplete_) complete();
            deliveredKey_ = 0;
            return;
        }
        case WM_SYSKEYDOWN:
            // Alt+Down opens and Alt+Up closes the list from the edit too, as in the fixed style.
            if ((message.lParam & (1 << 29)) != 0 && (message.wParam == VK_DOWN || message.wParam == VK_UP)) {
                if (message.wParam == VK_DOWN && !droppedDown()) OpenList();
                if (message.wParam == VK_UP) CloseUp(false);
                return;
            }
            next(message);
            return;
        case WM_MOUSEWHEEL:
            wheelStep(GET_WHEEL_DELTA_WPARAM(message.wParam) < 0 ? 1 : -1, true);
            next(message);
            return;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (droppedDown()) CloseUp(false);
            next(message);
            return;
        default:
            next(message);
            return;
    }
}

void TbsSkinComboBox::editChange() {
    if (!edit_) return;
    syncing_ = true;
    const std::string typed = edit_->text();
    // The first item beginning with the text; the selected item stays when it is the text itself
    // (an item may begin another one that comes earlier in the list).
    const int current = list_->itemIndex();
    const bool currentIsText = current >= 0 && list_->items()[static_cast<std::size_t>(current)] == typed;
    const int found = currentIsText ? current : findItemPrefix(list_->items(), typed);
    if (found >= 0) {
        if (autoComplete_) {
            list_->setItemIndex(found);
        } else {
            list_->setTopIndex(found);
        }
    }
    setText(typed);
    syncing_ = false;
}

void TbsSkinComboBox::complete() {
    if (!edit_) return;
    // Only typing at the end is completed: a character put in before the end would otherwise have
    // the text after it replaced by an item.
    const std::string typed = text_;
    if (edit_->selLength() != 0 || edit_->selStart() != utf16Length(typed)) return;
    if (!completion_.tryRun(clock())) return;
    // A single character passes over the item that is exactly that character ("1" goes on to "1,5")
    // and otherwise takes the first item beginning with it ("2" is "2,5"). Where the list's
    // selection stood before plays no part: the same key over the same text always completes alike.
    const int after = utf16Length(typed) == 1 ? findItemExact(list_->items(), typed) : -1;
    const int found = findItemPrefix(list_->items(), typed, after);
    if (found < 0) return;
    setItemIndex(found);
    const std::string& item = list_->items()[static_cast<std::size_t>(found)];
    const int typedLength = utf16Length(typed);
    edit_->select(typedLength, utf16Length(item) - typedLength);
}

// ---- messages and painting ------------------------------------------------------------------

void TbsSkinComboBox::WndProc(TMessage& message) {
    switch (message.msg) {
        case WM_ERASEBKGND:
            wmEraseBackground(message);
            break;
        case WM_WINDOWPOSCHANGED:
            TbsSkinCustomControl::WndProc(message);
            layout();
            break;
        case WM_TIMER:
            if (message.wParam == kAutoScrollTimer) autoScrollTick();
            break;
        case WM_MOUSEWHEEL:
            wmMouseWheel(message);
            break;
        case WM_GETDLGCODE:
            message.result = DLGC_WANTARROWS | DLGC_WANTCHARS;
            break;
        case WM_SETFOCUS:
            TbsSkinCustomControl::WndProc(message);
            // The editable style keeps no focus of its own: its edit takes it.
            if (edit_) edit_->setFocus();
            invalidate();
            break;
        case WM_KILLFOCUS:
            TbsSkinCustomControl::WndProc(message);
            if (style_ == bscbFixedStyle) CloseUp(false);
            invalidate();
            break;
        case WM_SYSKEYDOWN:
            altKey_ = (message.lParam & (1 << 29)) != 0;
            TbsSkinCustomControl::WndProc(message);
            altKey_ = false;
            break;
        case WM_CANCELMODE:
            CloseUp(false);
            DefaultHandler(message);
            break;
        default:
            TbsSkinCustomControl::WndProc(message);
            break;
    }
}

void TbsSkinComboBox::wmEraseBackground(TMessage& message) {
    message.result = 1;
    if (painting()) return;
    // Outside a paint cycle (a parent printing us) the whole look goes into the given context.
    HDC dc = reinterpret_cast<HDC>(message.wParam);
    TCanvas target;
    target.setHandle(dc);
    paintTo(target);
    target.setHandle(nullptr);
    if (edit_ && edit_->handleAllocated()) {
        SavedDcState saved(dc);
        POINT origin{};
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + edit_->left(), origin.y + edit_->top(), nullptr);
        SendMessageW(edit_->handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    }
}

void TbsSkinComboBox::paintItemArea(TCanvas& canvas) {
    const RECT& area = layout_.itemArea;
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    if (areaWidth <= 0 || areaHeight <= 0) return;
    TBitmap bitmap(areaWidth, areaHeight, TBitmap::Use::OnePaint);
    TCanvas& c = bitmap.canvas();
    const bool focus = focused();
    FontDescription face = font().description();
    face.color = focus ? clHighlightText : DefaultFont().color();
    c.font().assign(face);
    c.brush().setStyle(TBrushStyle::bsSolid);
    c.brush().setColor(focus ? clHighlight : defaultColor_);
    c.fillRect({0, 0, areaWidth, areaHeight});
    const int shown = droppedDown() ? rememberedIndex_ : itemIndex();
    if (shown >= 0 && shown < list_->count()) {
        const std::string& text = list_->items()[static_cast<std::size_t>(shown)];
        const RECT itemRect{2, 0, areaWidth - 2, areaHeight};
        const int textHeight = c.textHeight(text.empty() ? std::string("W") : text);
        c.brush().setStyle(TBrushStyle::bsClear);
        c.textRect(itemRect, itemRect.left + 2, (areaHeight - textHeight) / 2, text);
    }
    if (focus) {
        const RECT whole{0, 0, areaWidth, areaHeight};
        DrawFocusRect(c.handle(), &whole);
    }
    canvas.draw(area.left, area.top, bitmap);
}

void TbsSkinComboBox::paintTo(TCanvas& canvas) {
    if (width() <= 0 || height() <= 0) return;
    layout_ = currentLayout();
    TBitmap bitmap(width(), height(), TBitmap::Use::OnePaint);
    if (hasSkinLook()) {
        PaintSkinImage(bitmap);
    } else {
        PaintPlainImage(bitmap);
    }
    canvas.draw(0, 0, bitmap);
}

void TbsSkinComboBox::PaintPlainImage(TBitmap& bitmap) {
    const int w = bitmap.width();
    const int h = bitmap.height();
    TCanvas& c = bitmap.canvas();
    c.brush().setStyle(TBrushStyle::bsSolid);
    c.brush().setColor(clBtnFace);
    c.fillRect({0, 0, w, h});
    c.brush().setColor(clBtnShadow);
    c.frameRect({0, 0, w, h});
    c.brush().setColor(defaultColor_);
    c.fillRect({2, 2, w - 2, h - 2});

    PlainPartState look = PlainPartState::normal;
    if (buttonPressed_ && buttonHot_) {
        look = PlainPartState::pressed;
    } else if (buttonHot_) {
        look = PlainPartState::hot;
    }
    drawPlainPart(c, layout_.button, look);
    drawArrow(c, layout_.button, ArrowDirection::down, enabled() ? clBlack : clBtnShadow);

    if (style_ == bscbFixedStyle) paintItemArea(c);
}

void TbsSkinComboBox::Paint() {
    LookUpDefinition();
    layout_ = currentLayout();
    TbsSkinCustomControl::Paint();
}

const TbsDataSkinComboBox* TbsSkinComboBox::skinDefinition() const {
    return link_.definitionAs<TbsDataSkinComboBox>();
}

bool TbsSkinComboBox::skinLookReady() const {
    return skinDefinition() != nullptr && picture() != nullptr;
}

ComboLayout TbsSkinComboBox::currentLayout() const {
    if (const TbsDataSkinComboBox* combo = hasSkinLook() ? skinDefinition() : nullptr) {
        const ComboLayoutPx px = skinnedComboLayout(*combo, width(), height(), useSkinSize_);
        return {RECT{px.button.left, px.button.top, px.button.right, px.button.bottom},
                RECT{px.itemArea.left, px.itemArea.top, px.itemArea.right, px.itemArea.bottom}};
    }
    return plainComboLayout(width(), height());
}

void TbsSkinComboBox::FitSizeToSkin(int& width, int& height) {
    if (useSkinSize_ || !hasSkinLook()) {
        TbsSkinCustomControl::FitSizeToSkin(width, height);
        return;
    }
    // Without UseSkinSize only the width follows the skin: the control keeps its height.
    const int dw = width - geometry_.skinrect.width();
    geometry_.newRightTop = {geometry_.righttoppoint.x + dw, geometry_.righttoppoint.y};
    geometry_.newClientRect = geometry_.clientrect;
    geometry_.newClientRect.right += dw;
}

void TbsSkinComboBox::UpdateSkinRegion() {
    if (useSkinSize_) TbsSkinCustomControl::UpdateSkinRegion();
}

void TbsSkinComboBox::ApplySkin() {
    TbsSkinCustomControl::ApplySkin();
    layout();
    applyEditLook();
    invalidate();
    const TbsDataSkinComboBox* combo = hasSkinLook() ? skinDefinition() : nullptr;
    list_->setSkinDataName(combo ? combo->listboxname : "");
    list_->setSkinData(SkinData());
    list_->ApplySkin();
    layout();
}

TColor TbsSkinComboBox::disabledColor() const {
    // The edit definition's disabled colour, or the system's grey text.
    const int index = SkinData() && !SkinData()->SkinEmpty() ? SkinData()->FindControlDefinition("edit") : -1;
    const auto* edit = index >= 0 ? dynamic_cast<const TbsDataSkinEditControl*>(
                                        SkinData()->ControlDefinitions[static_cast<std::size_t>(index)].get())
                                  : nullptr;
    return edit ? colorFromSkin(edit->disabledfontcolor) : clGrayText;
}

FontDescription TbsSkinComboBox::skinItemFont(const TbsDataSkinComboBox& combo) {
    FontDescription face = DefaultFont().description();
    if (UseSkinFont()) {
        face.face = combo.fontname;
        face.height = combo.fontheight;
        face.style = fontStyleFromSkin(combo.fontstyle);
    }
    if (!enabled()) {
        face.color = disabledColor();
    } else if (focused()) {
        face.color = colorFromSkin(combo.focusfontcolor);
    } else if (hot_ && !combo.activeskinrect.isEmpty()) {
        face.color = colorFromSkin(combo.activefontcolor);
    } else {
        face.color = colorFromSkin(combo.fontcolor);
    }
    return face;
}

void TbsSkinComboBox::paintSkinItemText(TCanvas& canvas) {
    const TbsDataSkinComboBox& combo = *skinDefinition();
    const RECT& area = layout_.itemArea;
    const PixelRect areaPx{area.left, area.top, area.right, area.bottom};
    if (areaPx.empty()) return;
    const int shown = droppedDown() ? rememberedIndex_ : itemIndex();
    if (shown < 0 || shown >= list_->count()) return;
    const PixelRect text = comboItemTextRect(combo, areaPx).offset(area.left, area.top);
    const RECT textRect{text.left, text.top, std::min<int>(text.right, area.right),
                        std::min<int>(text.bottom, area.bottom)};
    const std::string& caption = list_->items()[static_cast<std::size_t>(shown)];
    canvas.font().assign(skinItemFont(combo));
    canvas.brush().setStyle(TBrushStyle::bsClear);
    const int textHeight = canvas.textHeight(caption.empty() ? std::string("W") : caption);
    canvas.textRect(textRect, textRect.left + 2, textRect.top + (text.height() - textHeight) / 2, caption);
}

void TbsSkinComboBox::PaintSkinImage(TBitmap& bitmap) {
    const TbsDataSkinComboBox* combo = skinDefinition();
    if (!combo || !picture()) {
        PaintPlainImage(bitmap);
        return;
    }
    ComboLook look;
    look.hot = hot_;
    look.focused = focused() || (edit_ && edit_->focused());
    look.enabled = enabled();
    look.fixedStyle = style_ == bscbFixedStyle;
    look.button = {buttonHot_, buttonPressed_, enabled()};
    look.useSkinSize = useSkinSize_;
    // In the editable style the inner edit holds the focus; there is no item area then.
    // Without the skin's size the button is combobutton's face, else editbutton's, else resizebutton's.
    const ButtonFace face =
        useSkinSize_ ? ButtonFace{}
                     : borrowedButtonFace(SkinData(), {"combobutton", "editbutton", "resizebutton"});
    const Raster image =
        composeComboBox(*picture(), *combo, bitmap.width(), bitmap.height(), look, face, systemColorBgr);
    drawRaster(bitmap, image);
    if (style_ == bscbFixedStyle) paintSkinItemText(bitmap.canvas());
}

}  // namespace vireltan
