#include "gui/Form.h"

#include "gui/Application.h"

namespace vireltan {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    setVisible(false);
    Application().addForm(this);
}

TForm::~TForm() {
    // Owned controls go while the form is still whole: their windows are children of ours.
    destroyComponents();
    Application().removeForm(this);
    destroyHandle();
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == activeControl_) activeControl_ = nullptr;
}

DWORD TForm::windowStyle() const {
    DWORD style = WS_CLIPCHILDREN;
    switch (borderStyle_) {
        case TFormBorderStyle::bsNone:
            style |= WS_POPUP;
            break;
        case TFormBorderStyle::bsSingle:
            style |= WS_CAPTION | WS_BORDER;
            break;
        case TFormBorderStyle::bsSizeable:
            style |= WS_CAPTION | WS_THICKFRAME;
            break;
        case TFormBorderStyle::bsDialog:
            style |= WS_CAPTION | WS_BORDER | DS_MODALFRAME;
            break;
    }
    if (borderStyle_ != TFormBorderStyle::bsNone) {
        if (borderIcons_ & biSystemMenu) style |= WS_SYSMENU;
        // A dialog frame has no minimise or maximise box.
        if (borderStyle_ != TFormBorderStyle::bsDialog) {
            if (borderIcons_ & biMinimize) style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize) style |= WS_MAXIMIZEBOX;
        }
    }
    if (!enabled()) style |= WS_DISABLED;
    return style;
}

DWORD TForm::windowExStyle() const {
    DWORD exStyle = 0;
    if (borderStyle_ == TFormBorderStyle::bsDialog) exStyle |= WS_EX_DLGMODALFRAME;
    const TApplication& application = Application();
    if (application.mainFormOnTaskBar() && application.mainForm() == this) exStyle |= WS_EX_APPWINDOW;
    return exStyle;
}

void TForm::createParams(CreateParams& params) {
    TWinControl::createParams(params);
    params.className = windowClassName_;
    params.style = windowStyle();
    params.exStyle = windowExStyle();
    params.parent = nullptr;
    TApplication& application = Application();
    // Only the main form gets a taskbar button: the others are owned by it.
    if (application.mainFormOnTaskBar() && application.mainForm() && application.mainForm() != this) {
        params.parent = application.mainForm()->handle();
    }
    if (position_ == TPosition::poScreenCenter) {
        params.x = (GetSystemMetrics(SM_CXSCREEN) - width()) / 2;
        params.y = (GetSystemMetrics(SM_CYSCREEN) - height()) / 2;
    }
}

void TForm::applyStyles() {
    if (!handleAllocated()) return;
    HWND window = handle();
    const LONG_PTR visibleBit = GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(windowStyle()) | visibleBit);
    SetWindowLongPtrW(window, GWL_EXSTYLE, static_cast<LONG_PTR>(windowExStyle()));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::setBorderIcons(unsigned icons) {
    borderIcons_ = icons;
    applyStyles();
}

void TForm::setBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    applyStyles();
}

void TForm::setClientSize(int width, int height) {
    RECT rect{0, 0, width, height};
    if (frame_) {
        const FrameBorders borders = frame_->frameBorders();
        rect = {-borders.left, -borders.top, width + borders.right, height + borders.bottom};
    } else {
        AdjustWindowRectEx(&rect, windowStyle(), FALSE, windowExStyle());
    }
    setBounds(left(), top(), rect.right - rect.left, rect.bottom - rect.top);
}

void TForm::setVisible(bool visible) {
    if (visible) handleNeeded();
    TWinControl::setVisible(visible);
}

void TForm::close() {
    if (handleAllocated()) SendMessageW(handle(), WM_CLOSE, 0, 0);
}

void TForm::setActiveControl(TWinControl* control) {
    descendantFocused(control);
    if (control && control->canFocus()) control->setFocus();
}

void TForm::descendantFocused(TWinControl* control) {
    if (activeControl_ == control) return;
    if (activeControl_) activeControl_->RemoveFreeNotification(this);
    activeControl_ = control;
    if (control) control->FreeNotification(this);
}

void TForm::DoCreate() {
    if (OnCreate) OnCreate();
}

void TForm::WndProc(TMessage& message) {
    // A registered message has no fixed number to put in the table.
    static const UINT gdiObjectCountQuery = RegisterWindowMessageW(kGdiObjectCountQuery);
    if (message.msg == gdiObjectCountQuery) {
        message.result = static_cast<LRESULT>(Application().liveGdiObjects());
        return;
    }
    // clang-format off
    switch (message.msg) {
        case WM_ACTIVATE:   wmActivate(message); break;
        case WM_SHOWWINDOW: wmShowWindow(message); break;
        case WM_CLOSE:      wmClose(message); break;
        default:            TWinControl::WndProc(message); break;
    }
    // clang-format on
}

void TForm::wmActivate(TMessage& message) {
    TApplication& application = Application();
    if (LOWORD(message.wParam) != WA_INACTIVE) {
        application.setActiveForm(this);
        // Give the focus back to the control that had it, not to the form itself; the first time,
        // to the first control of the tab order, so that typing goes into a field at once.
        if (!IsIconic(handle())) {
            TWinControl* target = activeControl_;
            if (!target || !target->canFocus()) target = findNextControl(nullptr, true);
            if (target && target->canFocus()) {
                target->setFocus();
                return;
            }
        }
    } else if (application.activeForm() == this) {
        application.setActiveForm(nullptr);
    }
    DefaultHandler(message);
}

void TForm::wmShowWindow(TMessage& message) {
    DefaultHandler(message);
    if (message.wParam && OnShow) OnShow();
}

void TForm::wmClose(TMessage&) {
    if (OnClose) OnClose();
    TApplication& application = Application();
    if (application.mainForm() == this) application.Terminate();
    setVisible(false);
}

}  // namespace vireltan
