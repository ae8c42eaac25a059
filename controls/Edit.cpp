#include "controls/Edit.h"

#include "controls/SkinControl.h"
#include "gui/Application.h"
#include "gui/Bitmap.h"
#include "gui/Form.h"
#include "gui/Utf.h"
#include "menus/MenuHost.h"
#include "menus/SkinPopupMenu.h"
#include "skin/ControlLooks.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace vireltan {

namespace {

constexpr int kFrameWidth = 2;
constexpr wchar_t kCtrlC = 3;

// The edit's command for an item of its context menu.
std::optional<EditCommand> editCommandOf(int command) {
    switch (command) {
        case emcUndo:
            return EditCommand::Undo;
        case emcCut:
            return EditCommand::Cut;
        case emcCopy:
            return EditCommand::Copy;
        case emcPaste:
            return EditCommand::Paste;
        case emcDelete:
            return EditCommand::Delete;
        case emcSelectAll:
            return EditCommand::SelectAll;
        default:
            return std::nullopt;
    }
}

TForm* parentForm(TControl* control) {
    for (TWinControl* p = control->parent(); p; p = p->parent()) {
        if (auto* form = dynamic_cast<TForm*>(p)) return form;
    }
    return nullptr;
}

bool clipboardHasText() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}

std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace

TbsSkinEdit::TbsSkinEdit(TComponent* owner) : TMaskEdit(owner) {
    link_.name = "edit";
    setBorder(false);
    font().assign(FontDescription{"Arial", 14, 0, clBlack});
    defaultFont_.assign(font());
    defaultFont_.OnChange = [this] {
        if (!hasSkinLook()) font().assign(defaultFont_);
    };
    setBounds(left(), top(), width(), 20);
}

void TbsSkinEdit::setDefaultColor(TColor color) {
    defaultColor_ = color;
    if (!hasSkinLook() && handleAllocated()) {
        RedrawWindow(handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void TbsSkinEdit::setUseSkinFont(bool value) {
    useSkinFont_ = value;
    if (!useSkinFont_ && !isLoading()) setBounds(left(), top(), width(), height());
}

void TbsSkinEdit::setDefaultWidth(int width) {
    defaultWidth_ = width;
    if (!hasSkinLook() && width > 0) setWidth(width);
}

void TbsSkinEdit::setDefaultHeight(int height) {
    defaultHeight_ = height;
    if (!hasSkinLook() && height > 0 && useSkinFont_) {
        setHeight(height);
    } else {
        setBounds(left(), top(), width(), this->height());  // fitted to the font
    }
}

void TbsSkinEdit::setButtonMode(bool value) {
    if (value == buttonMode_) return;
    // The definition name follows the mode only at design time, which this program does not have.
    buttonMode_ = value;
    recreateWindow();
}

void TbsSkinEdit::setAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    recreateWindow();
}

void TbsSkinEdit::setSkinData(TbsSkinData* data) {
    link_.data = data;
    if (data && !data->SkinEmpty()) ApplySkin();
}

void TbsSkinEdit::ApplySkin() {
    link_.lookUp();
    const TbsDataSkinEditControl* edit = hasSkinLook() ? skinDefinition() : nullptr;
    if (!edit) {
        font().assign(defaultFont_);
        if (defaultWidth_ > 0) setWidth(defaultWidth_);
        if (defaultHeight_ > 0) setHeight(defaultHeight_);
    } else if (useSkinFont_) {
        applySkinFont();
        setBounds(left(), top(), width(), edit->skinrect.height());
    } else {
        font().assign(defaultFont_);
    }
    recreateWindow();
    applyFontColor();
    if (!useSkinFont_) setBounds(left(), top(), width(), height());
    repaintFrame();
}

const TbsDataSkinEditControl* TbsSkinEdit::skinDefinition() const {
    return link_.definitionAs<TbsDataSkinEditControl>();
}

const Raster* TbsSkinEdit::skinPicture() const {
    const TbsDataSkinEditControl* edit = skinDefinition();
    return edit ? link_.data->activePictureRaster(edit->pictureindex) : nullptr;
}

bool TbsSkinEdit::hasSkinLook() const {
    return skinPicture() != nullptr;
}

void TbsSkinEdit::applySkinFont() {
    const TbsDataSkinEditControl* edit = skinDefinition();
    if (!edit) return;
    FontDescription face = font().description();
    face.face = edit->fontname;
    face.height = edit->fontheight;
    face.style = fontStyleFromSkin(edit->fontstyle);
    font().assign(face);
}

void TbsSkinEdit::applyFontColor() {
    const TbsDataSkinEditControl* edit = hasSkinLook() ? skinDefinition() : nullptr;
    const TColor color =
        edit ? colorFromSkin(active() ? edit->activefontcolor : edit->fontcolor) : defaultFont_.color();
    if (font().color() != color) font().setColor(color);
}

void TbsSkinEdit::MouseEnter() {
    hot_ = true;
    if (hasSkinLook()) {
        applyFontColor();
        repaintFrame();
        repaintAll();
    }
    TMaskEdit::MouseEnter();
}

void TbsSkinEdit::MouseLeave() {
    hot_ = false;
    if (hasSkinLook()) {
        applyFontColor();
        repaintAll();
    }
    if (buttonHot_ || buttonPressed_) {
        buttonHot_ = buttonPressed_ = false;
        repaintFrame();
    }
    TMaskEdit::MouseLeave();
}

void TbsSkinEdit::recreateWindow() {
    if (!handleAllocated()) return;
    const std::string current = text();
    destroyHandle();
    TWinControl::setText(current);
    createHandle();
}

void TbsSkinEdit::createParams(CreateParams& params) {
    TMaskEdit::createParams(params);
    // Multi-line so that right and centred alignment hold everywhere; Enter never gets in.
    params.style |= ES_MULTILINE;
    params.style &= ~static_cast<DWORD>(ES_LEFT | ES_RIGHT | ES_CENTER);
    if (alignment_ == TAlignment::taRightJustify) params.style |= ES_RIGHT;
    if (alignment_ == TAlignment::taCenter) params.style |= ES_CENTER;
    params.exStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
}

void TbsSkinEdit::handleCreated() {
    TMaskEdit::handleCreated();
    setMargins();
    // The window was sized by the system class before we took its messages: size its frame again.
    SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TbsSkinEdit::setMargins() {
    if (handleAllocated())
        SendMessageW(handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(2, 0));
}

void TbsSkinEdit::fontChanged() {
    TMaskEdit::fontChanged();
    setMargins();
    if (!useSkinFont_ && !isLoading()) setBounds(left(), top(), width(), height());
}

void TbsSkinEdit::Loaded() {
    TMaskEdit::Loaded();
    if (!useSkinFont_) setBounds(left(), top(), width(), height());
}

int TbsSkinEdit::fittedHeight() {
    HDC screen = Application().measuringContext();
    ObjectSelection selected(screen, font().handle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    const TbsDataSkinEditControl* edit = hasSkinLook() ? skinDefinition() : nullptr;
    // The frame the skin puts around its client rectangle, or the plain two pixels on each side.
    const int frame =
        edit ? std::max(0, edit->skinrect.height() - edit->clientrect.height()) : 2 * kFrameWidth;
    return static_cast<int>(metrics.tmHeight) + frame;
}

void TbsSkinEdit::setBounds(int left, int top, int width, int height) {
    link_.lookUp();
    const TbsDataSkinEditControl* edit = hasSkinLook() ? skinDefinition() : nullptr;
    if (!useSkinFont_) {
        height = fittedHeight();
    } else if (edit) {
        height = edit->skinrect.height();
    }
    TMaskEdit::setBounds(left, top, width, height);
    repaintAll();
}

void TbsSkinEdit::setEnabled(bool enabled) {
    TMaskEdit::setEnabled(enabled);
    repaintAll();
}

RECT TbsSkinEdit::buttonRect() const {
    if (const TbsDataSkinEditControl* edit = hasSkinLook() ? skinDefinition() : nullptr) {
        const PixelRect b = skinnedEditLayout(*edit, width(), height(), useSkinFont_).button;
        return {b.left, b.top, b.right, b.bottom};
    }
    return {width() - height(), 0, width(), height()};
}

RECT TbsSkinEdit::clientArea() const {
    if (const TbsDataSkinEditControl* edit = hasSkinLook() ? skinDefinition() : nullptr) {
        const PixelRect c = skinnedEditLayout(*edit, width(), height(), useSkinFont_).client;
        return {c.left, c.top, c.right, c.bottom};
    }
    const int right = buttonMode_ ? width() - height() : width();
    return {kFrameWidth, kFrameWidth, right - kFrameWidth, height() - kFrameWidth};
}

void TbsSkinEdit::repaintAll() {
    if (handleAllocated()) RedrawWindow(handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TbsSkinEdit::repaintFrame() {
    if (handleAllocated()) SendMessageW(handle(), WM_NCPAINT, 1, 0);
}

void TbsSkinEdit::textChanged() {
    repaintAll();
}

HBRUSH TbsSkinEdit::controlColor(HDC dc) {
    SetTextColor(dc, colorToRgb(font().color()));
    if (hasSkinLook()) {
        // The text goes over the skin's background, which the erase has drawn.
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, colorToRgb(defaultColor_));
    backgroundBrush_.setColor(defaultColor_);
    return backgroundBrush_.handle();
}

void TbsSkinEdit::WndProc(TMessage& message) {
    switch (message.msg) {
        case WM_NCCALCSIZE:
            wmNcCalcSize(message);
            break;
        case WM_NCPAINT:
            wmNcPaint(message);
            break;
        case WM_ERASEBKGND:
            wmEraseBackground(message);
            break;
        case WM_KEYDOWN:
            wmKeyDownGuarded(message);
            break;
        case WM_CHAR:
            wmCharGuarded(message);
            break;
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
            if (!readOnly()) TMaskEdit::WndProc(message);
            break;
        case WM_PASTE:
            wmPaste(message);
            break;
        case WM_CONTEXTMENU:
            wmContextMenu(message);
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            TMaskEdit::WndProc(message);
            if (hasSkinLook()) {
                applyFontColor();
                repaintAll();
            }
            repaintFrame();
            break;
        case WM_PAINTFRAME_REQUEST:
            wmPaintFrameRequest(message);
            break;
        case WM_PAINT:
            // A disabled skinned field writes its text in the skin's disabled colour itself.
            if (hasSkinLook() && !enabled()) {
                wmPaintDisabled(message);
            } else {
                TMaskEdit::WndProc(message);
            }
            break;
        case CM_EDITMENUDONE:  // the menu stays for the next use; its items are rebuilt then
            break;
        case WM_NCHITTEST:
            wmNcHitTest(message);
            break;
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCLBUTTONUP:
        case WM_NCMOUSELEAVE:
            wmNcMouse(message);
            break;
        case WM_MOUSEMOVE:
            if (buttonHot_) {
                buttonHot_ = false;
                repaintFrame();
            }
            TMaskEdit::WndProc(message);
            break;
        default:
            TMaskEdit::WndProc(message);
            break;
    }
}

void TbsSkinEdit::wmNcCalcSize(TMessage& message) {
    auto* rect = reinterpret_cast<RECT*>(message.lParam);  // first rectangle in both forms
    if (const TbsDataSkinEditControl* edit = hasSkinLook() ? skinDefinition() : nullptr) {
        // The insets of the client rectangle for the window's new size.
        const int w = rect->right - rect->left, h = rect->bottom - rect->top;
        const PixelRect c = skinnedEditLayout(*edit, w, h, useSkinFont_).client;
        *rect = {rect->left + c.left, rect->top + c.top, rect->left + c.right, rect->top + c.bottom};
        message.result = 0;
        return;
    }
    const int rightInset = buttonMode_ ? height() + kFrameWidth : kFrameWidth;
    rect->left += kFrameWidth;
    rect->top += kFrameWidth;
    rect->right -= rightInset;
    rect->bottom -= kFrameWidth;
    if (rect->right < rect->left) rect->right = rect->left;
    if (rect->bottom < rect->top) rect->bottom = rect->top;
    message.result = 0;
}

void TbsSkinEdit::wmNcPaint(TMessage& message) {
    link_.lookUp();
    DeviceContext dc = DeviceContext::wholeWindow(handle());
    const RECT client = clientArea();
    ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
    paintFrame(dc.get());
    message.result = 0;
}

void TbsSkinEdit::wmNcHitTest(TMessage& message) {
    if (!buttonMode_) {
        TMaskEdit::WndProc(message);
        return;
    }
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    RECT window{};
    GetWindowRect(handle(), &window);
    at.x -= window.left;
    at.y -= window.top;
    const RECT button = buttonRect(), client = clientArea();
    if (PtInRect(&button, at)) {
        message.result = kHitEditButton;
    } else if (!PtInRect(&client, at)) {
        message.result = kHitEditFrame;
    } else {
        TMaskEdit::WndProc(message);
    }
}

void TbsSkinEdit::wmNcMouse(TMessage& message) {
    const bool onButton = buttonMode_ && message.wParam == static_cast<WPARAM>(kHitEditButton) &&
                          message.msg != WM_NCMOUSELEAVE;
    switch (message.msg) {
        case WM_NCMOUSEMOVE:
            if (onButton != buttonHot_) {
                buttonHot_ = onButton;
                if (onButton) {
                    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, handle(), 0};
                    TrackMouseEvent(&track);
                }
                repaintFrame();
            }
            break;
        case WM_NCMOUSELEAVE:
            if (buttonHot_ || buttonPressed_) {
                buttonHot_ = buttonPressed_ = false;
                repaintFrame();
            }
            break;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            if (onButton) {
                buttonPressed_ = buttonHot_ = true;
                repaintFrame();
                return;
            }
            break;
        case WM_NCLBUTTONUP:
            if (onButton && buttonPressed_) {
                buttonPressed_ = false;
                repaintFrame();
                if (!focused()) setFocus();
                if (OnButtonClick) OnButtonClick();
                return;
            }
            break;
        default:
            break;
    }
    TMaskEdit::WndProc(message);
}

void TbsSkinEdit::wmPaintFrameRequest(TMessage& message) {
    if (message.lParam != kPaintRequestTag) {
        TMaskEdit::WndProc(message);
        return;
    }
    HDC dc = reinterpret_cast<HDC>(message.wParam);
    SavedDcState saved(dc);
    const RECT client = clientArea();
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    paintFrame(dc);
    message.result = kPaintRequestTag;
}

void TbsSkinEdit::paintFrame(HDC dc) {
    const int w = width(), h = height();
    if (w <= 0 || h <= 0) return;
    if (const TbsDataSkinEditControl* edit = hasSkinLook() ? skinDefinition() : nullptr) {
        TBitmap bitmap(w, h, TBitmap::Use::OnePaint);
        EditLook look;
        look.active = active();
        look.buttonMode = buttonMode_;
        look.button = {buttonHot_, buttonPressed_, enabled()};
        look.useSkinFont = useSkinFont_;
        // Without the skin's font the button is editbutton's face, or resizebutton's.
        const ButtonFace face =
            useSkinFont_ ? ButtonFace{} : borrowedButtonFace(link_.data, {"editbutton", "resizebutton"});
        drawRaster(bitmap, composeEditFrame(*skinPicture(), *edit, w, h, look, face));
        BitBlt(dc, 0, 0, w, h, bitmap.canvasHandle(), 0, 0, SRCCOPY);
        return;
    }
    paintPlainFrame(dc, w, h);
}

// Solid rectangles only: drawn straight into the window, as a bitmap per paint costs a DIB section
// for every frame of every field.
void TbsSkinEdit::paintPlainFrame(HDC dc, int w, int h) {
    const COLORREF previous = GetDCBrushColor(dc);
    auto* brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    const auto frame = [&](TColor color, const RECT& r) {
        SetDCBrushColor(dc, colorToRgb(color));
        FrameRect(dc, &r, brush);
    };
    const auto fill = [&](TColor color, const RECT& r) {
        SetDCBrushColor(dc, colorToRgb(color));
        FillRect(dc, &r, brush);
    };
    const int frameRight = buttonMode_ ? w - h : w;
    frame(clBtnShadow, RECT{0, 0, frameRight, h});
    frame(clBtnFace, RECT{1, 1, frameRight - 1, h - 1});
    fill(defaultColor_, RECT{2, 2, frameRight - 2, h - 2});
    if (buttonMode_) {
        constexpr TColor kNavy = 8388608, kPressedFill = 11899781, kHotFill = 13811126;
        const RECT button = buttonRect();
        const bool pressed = buttonPressed_ && buttonHot_;
        frame(pressed || buttonHot_ ? kNavy : clBtnShadow, button);
        fill(pressed ? kPressedFill : (buttonHot_ ? kHotFill : clBtnFace),
             RECT{button.left + 1, 1, w - 1, h - 1});
    }
    SetDCBrushColor(dc, previous);
}

void TbsSkinEdit::wmEraseBackground(TMessage& message) {
    HDC dc = reinterpret_cast<HDC>(message.wParam);
    RECT client{};
    GetClientRect(handle(), &client);
    message.result = 1;
    if (IsRectEmpty(&client)) return;
    if (const TbsDataSkinEditControl* edit = hasSkinLook() ? skinDefinition() : nullptr) {
        EditLook look;
        look.active = active();
        look.useSkinFont = useSkinFont_;
        const Raster background = composeEditBackground(*skinPicture(), *edit, width(), height(), look);
        TBitmap bitmap(background.width(), background.height(), TBitmap::Use::OnePaint);
        drawRaster(bitmap, background);
        // The client area of the window is what the non-client size left: stretch to it if they differ.
        StretchBlt(dc, 0, 0, client.right, client.bottom, bitmap.canvasHandle(), 0, 0, bitmap.width(),
                   bitmap.height(), SRCCOPY);
        return;
    }
    backgroundBrush_.setColor(defaultColor_);
    FillRect(dc, &client, backgroundBrush_.handle());
}

void TbsSkinEdit::wmKeyDownGuarded(TMessage& message) {
    if (readOnly() && message.wParam == VK_DELETE) return;
    TMaskEdit::WndProc(message);
}

void TbsSkinEdit::wmCharGuarded(TMessage& message) {
    const auto key = static_cast<wchar_t>(message.wParam);
    // A read-only field takes no character, without a beep; copying still works.
    if (readOnly() && key != kCtrlC) return;
    if (key == L'\r' || key == 27) {
        wchar_t passed = key;
        KeyPress(passed);
        // Never inserted; the form may have a default or cancel action for it.
        TWinControl* form = this;
        while (form->parent()) form = form->parent();
        if (form != this && form->handleAllocated()) SendMessageW(form->handle(), CM_DIALOGKEY, key, 0);
        return;
    }
    // Ctrl+Enter would put a line break into the one-line field.
    if (key == L'\n') return;
    TMaskEdit::WndProc(message);
}

void TbsSkinEdit::wmPaste(TMessage& message) {
    if (readOnly()) return;
    std::wstring text = clipboardText(handle());
    if (text.empty()) {
        TMaskEdit::WndProc(message);
        return;
    }
    // One line only, as a single-line field pastes.
    if (const auto end = text.find_first_of(L"\r\n"); end != std::wstring::npos) text.resize(end);
    SendMessageW(handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TbsSkinEdit::wmContextMenu(TMessage& message) {
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (at.x < 0 || at.y < 0) {  // from the keyboard: the middle of the field
        RECT window{};
        GetWindowRect(handle(), &window);
        at = {(window.left + window.right) / 2, (window.top + window.bottom) / 2};
    }
    showContextMenu(at);
}

std::vector<MenuItemData> TbsSkinEdit::contextMenuItems() const {
    EditMenuState state;
    state.readOnly = readOnly();
    state.canUndo = canUndo();
    state.clipboardHasText = clipboardHasText();
    state.textLength = static_cast<int>(toWide(text()).size());
    state.selStart = selStart();
    state.selLength = selLength();
    MenuStringLookup strings;
    if (TForm* form = parentForm(const_cast<TbsSkinEdit*>(this))) {
        if (auto* host = dynamic_cast<MenuHost*>(form->frame())) strings = host->menuStrings();
    }
    return editContextMenuItems(state, strings);
}

void TbsSkinEdit::runEditCommand(EditCommand command) {
    switch (command) {
        case EditCommand::Undo:
            Undo();
            break;
        case EditCommand::Cut:
            CutToClipboard();
            break;
        case EditCommand::Copy:
            CopyToClipboard();
            break;
        case EditCommand::Paste:
            PasteFromClipboard();
            break;
        case EditCommand::Delete:
            ClearSelection();
            break;
        case EditCommand::SelectAll:
            SelectAll();
            break;
    }
}

void TbsSkinEdit::showContextMenu(POINT screen) {
    std::vector<MenuItemData> items = contextMenuItems();
    if (MenuPresenter) {
        const int chosen = MenuPresenter(*this, items, screen);
        if (chosen < 0 || chosen >= static_cast<int>(items.size())) return;
        const MenuItemData& item = items[static_cast<std::size_t>(chosen)];
        if (!item.selectable()) return;
        if (const auto command = editCommandOf(item.command)) runEditCommand(*command);
        if (handleAllocated()) SendMessageW(handle(), CM_EDITMENUDONE, 0, 0);
        return;
    }
    if (!contextMenu_) {
        contextMenu_ = new TbsSkinPopupMenu(this);
        contextMenu_->OnItemClick = [this](const MenuItemData& item) {
            if (const auto command = editCommandOf(item.command)) runEditCommand(*command);
        };
    }
    // Rebuilt at every use, so the enabling is that of the moment it opens.
    contextMenu_->Items = std::move(items);
    contextMenu_->setForm(parentForm(this));
    contextMenu_->PopupComponent = this;
    contextMenu_->Popup(screen.x, screen.y);
}

void TbsSkinEdit::wmPaintDisabled(TMessage& message) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(handle(), &paint);
    TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0};
    wmEraseBackground(erase);
    paintDisabledText(dc);
    EndPaint(handle(), &paint);
    message.result = 0;
}

void TbsSkinEdit::paintDisabledText(HDC dc) {
    const TbsDataSkinEditControl* edit = skinDefinition();
    if (!edit) return;
    RECT client{};
    GetClientRect(handle(), &client);
    if (IsRectEmpty(&client)) return;
    FontDescription face = defaultFont_.description();
    if (useSkinFont_) {
        face.face = edit->fontname;
        face.height = edit->fontheight;
        face.style = fontStyleFromSkin(edit->fontstyle);
    }
    face.color = colorFromSkin(edit->disabledfontcolor);
    SavedDcState saved(dc);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    TCanvas canvas;
    canvas.setHandle(dc);
    canvas.font().assign(face);
    canvas.brush().setStyle(TBrushStyle::bsClear);
    const std::string shown = text();
    const int textWidth = canvas.textWidth(shown);
    int x = client.left + 2;
    if (alignment_ == TAlignment::taRightJustify) x = client.right - textWidth - 1;
    if (alignment_ == TAlignment::taCenter)
        x = client.left + (client.right - client.left) / 2 - textWidth / 2;
    canvas.textOut(x, client.top, shown);
    canvas.setHandle(nullptr);
}

}  // namespace vireltan
