#include "gui/WinControl.h"

#include "gui/Application.h"
#include "gui/Utf.h"

#include <windowsx.h>

#include <algorithm>

namespace vireltan {

namespace {

TShiftState shiftFromKeys(WPARAM keys) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (keys & MK_MBUTTON) shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

TShiftState keyboardShift() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

void registerClassOnce(const CreateParams& params);

// A window of ours with no border, edge or scroll bar has nothing outside its client area to draw.
// The system's handling of WM_NCPAINT still fetches a window context for it (requests to the
// server under Wine), once for each such child whenever its parent is shown.
bool hasNoFrame(HWND window) {
    constexpr LONG_PTR frameStyles = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL;
    constexpr LONG_PTR frameExStyles =
        WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
    return !(GetWindowLongPtrW(window, GWL_STYLE) & frameStyles) &&
           !(GetWindowLongPtrW(window, GWL_EXSTYLE) & frameExStyles) && !IsIconic(window);
}

}  // namespace

namespace {

// The control whose window CreateWindowEx is making on this thread. Some messages come before
// WM_NCCREATE brings the control's address (a top-level window's first WM_GETMINMAXINFO); with
// this the control, and the hooks installed on it, see them too.
TWinControl* controlBeingCreated = nullptr;

struct CreatingControl {
    TWinControl* previous;
    explicit CreatingControl(TWinControl* control) : previous(controlBeingCreated) {
        controlBeingCreated = control;
    }
    ~CreatingControl() { controlBeingCreated = previous; }
    CreatingControl(const CreatingControl&) = delete;
    CreatingControl& operator=(const CreatingControl&) = delete;
};

}  // namespace

LRESULT CALLBACK controlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = Application().controlOf(window);
    if (!control) {
        if (msg == WM_NCCREATE) {
            control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        } else if (controlBeingCreated && !controlBeingCreated->allocatedHandle()) {
            control = controlBeingCreated;
        }
        if (control) control->attach(window);
    }
    if (!control) return DefWindowProcW(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    // Nothing may unwind through the system's frames: a failing handler ends here, in the report.
    try {
        control->dispatch(message);
    } catch (...) {
        Application().handleException();
    }
    return message.result;
}

namespace {

void registerClassOnce(const CreateParams& params) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, params.className.c_str(), &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = params.classStyle;
    windowClass.lpfnWndProc = controlWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = params.background;
    windowClass.lpszClassName = params.className.c_str();
    RegisterClassExW(&windowClass);
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Children we do not own outlive our window; their own windows go with it.
    while (!controls_.empty()) controls_.back()->setParent(nullptr);
    destroyHandle();
    hooks_.clear();
}

TWinControl* TWinControl::fromHandle(HWND window) {
    return window ? Application().controlOf(window) : nullptr;
}

HWND TWinControl::handle() {
    if (!handle_) createHandle();
    return handle_;
}

void TWinControl::createParams(CreateParams& params) {
    params.className = L"VireltanControl";
    params.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (visible()) params.style |= WS_VISIBLE;
    if (!enabled()) params.style |= WS_DISABLED;
    if (tabStop_) params.style |= WS_TABSTOP;
    params.x = left();
    params.y = top();
    params.width = width();
    params.height = height();
    params.parent = parent() ? parent()->handle() : nullptr;
}

void TWinControl::createHandle() {
    if (handle_) return;
    CreateParams params;
    createParams(params);
    if ((params.style & WS_CHILD) && !params.parent) return;  // no window until there is a parent
    if (handle_) return;  // the parent's window, just made for our parameters, made ours with it
    if (!params.systemClass) registerClassOnce(params);
    const std::wstring caption = toWide(TControl::text());
    const CreatingControl creating(params.systemClass ? nullptr : this);
    HWND window = CreateWindowExW(params.exStyle, params.className.c_str(), caption.c_str(), params.style,
                                  params.x, params.y, params.width, params.height, params.parent, nullptr,
                                  GetModuleHandleW(nullptr), params.systemClass ? nullptr : this);
    if (!window) {
        handle_ = nullptr;  // attached by an early message of a creation that then failed
        return;
    }
    if (params.systemClass) {
        attach(window);
        defaultProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&controlWindowProc)));
    }
    handleCreated();
}

void TWinControl::handleCreated() {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font().handle()), FALSE);
    for (TControl* child : controls_) {
        if (child->isWindowed()) static_cast<TWinControl*>(child)->createHandle();
    }
}

void TWinControl::destroyHandle() {
    if (!handle_) return;
    HWND window = handle_;
    detach();
    DestroyWindow(window);
}

void TWinControl::attach(HWND window) {
    handle_ = window;
    Application().bindWindow(window, this);
}

void TWinControl::detach() {
    if (!handle_) return;
    if (defaultProc_) SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
    Application().unbindWindow(handle_);
    defaultProc_ = nullptr;
    handle_ = nullptr;
    trackingLeave_ = false;
}

void TWinControl::setParent(TWinControl* parent) {
    if (parent == this->parent()) return;
    TControl::setParent(parent);
    if (!parent) {
        destroyHandle();
    } else if (handle_) {
        SetParent(handle_, parent->handle());
    } else if (parent->handleAllocated()) {
        // Otherwise the window comes with the parent's: building a tree of controls costs no windows
        // (nor their moves and repaints) until it is shown.
        createHandle();
    }
}

void TWinControl::setBounds(int left, int top, int width, int height) {
    storeBounds(left, top, width, height);
    if (handle_) SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::setVisible(bool visible) {
    TControl::setVisible(visible);
    if (handle_) ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

void TWinControl::setEnabled(bool enabled) {
    TControl::setEnabled(enabled);
    if (handle_) EnableWindow(handle_, enabled);
}

RECT TWinControl::clientRect() const {
    RECT rect{0, 0, width(), height()};
    if (handle_) GetClientRect(handle_, &rect);
    return rect;
}

std::string TWinControl::text() const {
    if (!handle_) return TControl::text();
    const int length = GetWindowTextLengthW(handle_);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(handle_, wide.data(), length + 1);
    wide.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return toUtf8(wide);
}

void TWinControl::setText(const std::string& text) {
    TControl::setText(text);
    if (handle_) {
        SetWindowTextW(handle_, toWide(text).c_str());
        textChanged();
    }
}

void TWinControl::invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::invalidateRect(const RECT& rect) {
    if (handle_) InvalidateRect(handle_, &rect, TRUE);
}

void TWinControl::fontChanged() {
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font().handle()), TRUE);
    invalidate();
}

TControl* TWinControl::controlAtPos(POINT point, bool allowDisabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* child = *it;
        if (child->isWindowed() || !child->visible() || !(child->enabled() || allowDisabled)) continue;
        const RECT bounds = child->boundsRect();
        if (PtInRect(&bounds, point)) return child;
    }
    return nullptr;
}

void TWinControl::insertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (control->isWindowed()) tabList_.push_back(static_cast<TWinControl*>(control));
}

void TWinControl::removeControl(TControl* control) {
    std::erase(controls_, control);
    if (control->isWindowed()) std::erase(tabList_, static_cast<TWinControl*>(control));
    if (captureControl_ == control) {
        captureControl_ = nullptr;
        if (handle_ && GetCapture() == handle_) ReleaseCapture();
    }
    if (hover_ == control) hover_ = nullptr;
    control->parent_ = nullptr;
}

int TWinControl::tabOrder() const {
    if (!parent()) return -1;
    const auto& list = parent()->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::setTabOrder(int order) {
    if (!parent()) return;
    auto& list = parent()->tabList_;
    std::erase(list, this);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::setTabStop(bool stop) {
    tabStop_ = stop;
    if (!handle_) return;
    const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE,
                      stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
}

bool TWinControl::canFocus() const {
    for (const TWinControl* control = this; control; control = control->parent()) {
        if (!control->handle_ || !IsWindowVisible(control->handle_) || !IsWindowEnabled(control->handle_)) {
            return false;
        }
    }
    return true;
}

bool TWinControl::focused() const {
    return handle_ && GetFocus() == handle_;
}

void TWinControl::setFocus() {
    SetFocus(handle());
}

void TWinControl::collectTabOrder(std::vector<TWinControl*>& list) const {
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        child->collectTabOrder(list);
    }
}

TWinControl* TWinControl::findNextControl(TWinControl* current, bool forward) const {
    std::vector<TWinControl*> list;
    collectTabOrder(list);
    if (list.empty()) return nullptr;
    const auto count = static_cast<std::ptrdiff_t>(list.size());
    std::ptrdiff_t start = std::find(list.begin(), list.end(), current) - list.begin();
    if (start == count) start = forward ? count - 1 : 0;
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t index = ((start + (forward ? step : -step)) % count + count) % count;
        TWinControl* candidate = list[static_cast<std::size_t>(index)];
        if (candidate->tabStop_ && candidate->canFocus()) return candidate;
    }
    return nullptr;
}

LRESULT TWinControl::perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    dispatch(message);
    return message.result;
}

WindowProcHook TWinControl::installWindowProcHook(WindowProcHookFn hook) {
    return hooks_.install(std::move(hook));
}

void TWinControl::dispatch(TMessage& message) {
    if (hooks_.empty()) {
        WndProc(message);
        return;
    }
    // Newest first, each hook passing on to the next older one and the last to the control itself.
    struct Runner {
        TWinControl* control;
        HookEntries<WindowProcHookFn> entries;
        void run(TMessage& message, std::size_t count) {
            while (count > 0 && entries[count - 1]->removed) --count;
            if (count == 0) {
                control->WndProc(message);
                return;
            }
            entries[count - 1]->hook(message, [this, count](TMessage& passed) { run(passed, count - 1); });
        }
    };
    Runner runner{this, hooks_.snapshot()};
    runner.run(message, runner.entries.size());
}

void TWinControl::notifyParentBackgroundChanged() {
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        if (!child->isWindowed()) {
            child->ParentBackgroundChanged();
        } else if (auto* windowed = static_cast<TWinControl*>(child); windowed->handle_) {
            SendMessageW(windowed->handle_, CM_PARENTBACKGROUNDCHANGED, 0, 0);
        }
    }
}

void TWinControl::WndProc(TMessage& message) {
    // clang-format off
    switch (message.msg) {
        case WM_PAINT:                   wmPaint(message); break;
        case WM_PRINTCLIENT:             wmPrintClient(message); break;
        case WM_ERASEBKGND:              wmEraseBackground(message); break;
        case WM_WINDOWPOSCHANGED:        wmWindowPosChanged(message); break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:               wmMouse(message); break;
        case WM_MOUSELEAVE:              wmMouseLeave(message); break;
        case WM_CAPTURECHANGED:          wmCaptureChanged(message); break;
        case WM_COMMAND:                 wmCommand(message); break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:         wmControlColor(message); break;
        case WM_SETFOCUS:                wmSetFocus(message); break;
        case WM_KILLFOCUS:               wmKillFocus(message); break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:              wmKeyDown(message); break;
        case WM_KEYUP:
        case WM_SYSKEYUP:                wmKeyUp(message); break;
        case WM_CHAR:                    wmChar(message); break;
        case WM_NCDESTROY:               wmNcDestroy(message); break;
        case WM_NCPAINT:                 if (defaultProc_ || !handle_ || !hasNoFrame(handle_)) DefaultHandler(message); break;
        case CM_PARENTBACKGROUNDCHANGED: ParentBackgroundChanged(); break;
        default:                         DefaultHandler(message); break;
    }
    // clang-format on
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!handle_) return;
    message.result = defaultProc_
                         ? CallWindowProcW(defaultProc_, handle_, message.msg, message.wParam, message.lParam)
                         : DefWindowProcW(handle_, message.msg, message.wParam, message.lParam);
}

void TWinControl::wmPaint(TMessage& message) {
    if (defaultProc_) {  // a system control paints itself
        DefaultHandler(message);
        return;
    }
    PaintDc dc(handle_);
    paintWindow(dc.get());
    paintControls(dc.get(), dc.updateRect());
}

void TWinControl::wmPrintClient(TMessage& message) {
    if (defaultProc_) {
        DefaultHandler(message);
        return;
    }
    HDC dc = reinterpret_cast<HDC>(message.wParam);
    if (message.lParam & PRF_ERASEBKGND) perform(WM_ERASEBKGND, message.wParam);
    const RECT client = clientRect();
    paintWindow(dc);
    paintControls(dc, client);
}

void TWinControl::wmEraseBackground(TMessage& message) {
    if (defaultProc_) {
        DefaultHandler(message);
        return;
    }
    background_.setColor(color());
    const RECT client = clientRect();
    FillRect(reinterpret_cast<HDC>(message.wParam), &client, background_.handle());
    message.result = 1;
}

void TWinControl::paintControls(HDC dc, const RECT& update) {
    for (TControl* child : controls_) {
        if (child->isWindowed() || !child->visible()) continue;
        const RECT bounds = child->boundsRect();
        RECT overlap;
        if (!IntersectRect(&overlap, &bounds, &update)) continue;
        SavedDcState saved(dc);
        IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
        static_cast<TGraphicControl*>(child)->paintOn(dc);
    }
}

void TWinControl::wmWindowPosChanged(TMessage& message) {
    const auto* position = reinterpret_cast<const WINDOWPOS*>(message.lParam);
    int x = left(), y = top(), cx = width(), cy = height();
    if (!(position->flags & SWP_NOMOVE)) x = position->x, y = position->y;
    if (!(position->flags & SWP_NOSIZE)) cx = position->cx, cy = position->cy;
    storeBounds(x, y, cx, cy);
    DefaultHandler(message);
}

void TWinControl::wmMouse(TMessage& message) {
    DefaultHandler(message);
    const POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    const TShiftState shift = shiftFromKeys(message.wParam);
    TControl* target = captureControl_ ? captureControl_ : controlAtPos(point);
    if (!target) target = this;
    const int x = target == this ? point.x : point.x - target->left();
    const int y = target == this ? point.y : point.y - target->top();
    switch (message.msg) {
        case WM_MOUSEMOVE:
            if (!trackingLeave_ && handle_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
                trackingLeave_ = TrackMouseEvent(&track) != 0;
            }
            // While a graphic child holds the mouse only it hears enter and leave, as the pointer
            // crosses its edge: a held button shows itself up when the pointer is dragged off it.
            if (captureControl_) {
                setHover(controlAtPos(point) == captureControl_ ? captureControl_ : nullptr);
            } else {
                setHover(target);
            }
            target->MouseMove(shift, x, y);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (target != this) {
                captureControl_ = target;
                SetCapture(handle_);
            }
            target->MouseDown(TMouseButton::mbLeft, shift, x, y);
            break;
        case WM_LBUTTONUP:
            if (captureControl_) {
                captureControl_ = nullptr;
                ReleaseCapture();
            }
            target->MouseUp(TMouseButton::mbLeft, shift, x, y);
            break;
        case WM_RBUTTONDOWN:
            target->MouseDown(TMouseButton::mbRight, shift, x, y);
            break;
        case WM_RBUTTONUP:
            target->MouseUp(TMouseButton::mbRight, shift, x, y);
            break;
        case WM_MBUTTONDOWN:
            target->MouseDown(TMouseButton::mbMiddle, shift, x, y);
            break;
        case WM_MBUTTONUP:
            target->MouseUp(TMouseButton::mbMiddle, shift, x, y);
            break;
        default:
            break;
    }
}

void TWinControl::setHover(TControl* control) {
    if (control == hover_) return;
    TControl* previous = hover_;
    hover_ = control;
    if (previous) previous->MouseLeave();
    if (control) control->MouseEnter();
}

void TWinControl::wmMouseLeave(TMessage& message) {
    trackingLeave_ = false;
    setHover(nullptr);
    DefaultHandler(message);
}

void TWinControl::wmCaptureChanged(TMessage& message) {
    // Someone else took the mouse (a menu, a message box): the pressed graphic child gets no release.
    captureControl_ = nullptr;
    DefaultHandler(message);
}

void TWinControl::wmCommand(TMessage& message) {
    TWinControl* child = fromHandle(reinterpret_cast<HWND>(message.lParam));
    if (child && child != this) {
        child->commandNotification(HIWORD(message.wParam));
        return;
    }
    DefaultHandler(message);
}

void TWinControl::wmControlColor(TMessage& message) {
    TWinControl* child = fromHandle(reinterpret_cast<HWND>(message.lParam));
    if (child && child != this) {
        if (HBRUSH brush = child->controlColor(reinterpret_cast<HDC>(message.wParam))) {
            message.result = reinterpret_cast<LRESULT>(brush);
            return;
        }
    }
    DefaultHandler(message);
}

void TWinControl::wmSetFocus(TMessage& message) {
    DefaultHandler(message);
    TWinControl* root = this;
    while (root->parent()) root = root->parent();
    root->descendantFocused(this);
    if (OnEnter) OnEnter();
}

void TWinControl::wmKillFocus(TMessage& message) {
    DefaultHandler(message);
    if (OnExit) OnExit();
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(key, shift);
}

void TWinControl::KeyPress(wchar_t& key) {
    if (OnKeyPress) OnKeyPress(key);
}

void TWinControl::wmKeyDown(TMessage& message) {
    WORD key = static_cast<WORD>(message.wParam);
    KeyDown(key, keyboardShift());
    if (key == 0) return;
    message.wParam = key;
    DefaultHandler(message);
}

void TWinControl::wmKeyUp(TMessage& message) {
    WORD key = static_cast<WORD>(message.wParam);
    KeyUp(key, keyboardShift());
    if (key == 0) return;
    message.wParam = key;
    DefaultHandler(message);
}

void TWinControl::wmChar(TMessage& message) {
    // The handler sees the character before the control does: it may replace it, or drop it by
    // setting it to zero.
    wchar_t key = static_cast<wchar_t>(message.wParam);
    KeyPress(key);
    if (key == 0) return;
    message.wParam = static_cast<WPARAM>(key);
    DefaultHandler(message);
}

void TWinControl::wmNcDestroy(TMessage& message) {
    HWND window = handle_;
    WNDPROC original = defaultProc_;
    hover_ = nullptr;
    captureControl_ = nullptr;
    detach();
    message.result = original ? CallWindowProcW(original, window, message.msg, message.wParam, message.lParam)
                              : DefWindowProcW(window, message.msg, message.wParam, message.lParam);
}

void TCustomControl::paintWindow(HDC dc) {
    canvas_.setHandle(dc);
    canvas_.font().assign(font());
    canvas_.brush().setColor(color());
    canvas_.brush().setStyle(TBrushStyle::bsSolid);
    Paint();
    canvas_.setHandle(nullptr);
}

}  // namespace vireltan
