#include "frame/SkinForm.h"

#include "frame/TrayIcon.h"

#include "gui/Application.h"
#include "gui/Messages.h"
#include "gui/SkinClient.h"

#include <algorithm>
#include <typeinfo>
#include <vector>

namespace vireltan {

namespace {

TForm* ownerForm(TComponent* owner) {
    auto* form = dynamic_cast<TForm*>(owner);
    if (!form) throw std::bad_cast();
    return form;
}

const TbsSkinData* sender(const TMessage& message) {
    return reinterpret_cast<const TbsSkinData*>(message.wParam);
}

RECT toRect(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

PixelRect toPixelRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// Under Wine dropping the layered style has been seen to restack the window above the popups it owns (a
// dropped list would vanish behind it): those shown are put back above it, lowest first so that they keep
// their order, without activating anything. Topmost ones (menus) stay above it anyway.
void dropLayeredStyle(HWND window) {
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    std::vector<HWND> owned;  // top first
    for (HWND w = GetWindow(window, GW_HWNDFIRST); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (GetWindow(w, GW_OWNER) == window && IsWindowVisible(w) &&
            !(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST))
            owned.push_back(w);
    }
    for (auto w = owned.rbegin(); w != owned.rend(); ++w)
        SetWindowPos(*w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The messages after which an open menu has no business staying: the window moves, changes size or
// activation, loses the focus or the mouse, or a button is pressed on it or on a child of it.
bool endsPopups(const TMessage& m) {
    switch (m.msg) {
        case WM_MOVE:
        case WM_SIZE:
        case WM_ACTIVATE:
        case WM_NCACTIVATE:
        case WM_KILLFOCUS:
        case WM_CANCELMODE:
        case WM_MOUSEACTIVATE:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            return true;
        case WM_PARENTNOTIFY:
            // Only a press on a child: children made or destroyed while the menu is open leave it.
            switch (LOWORD(m.wParam)) {
                case WM_LBUTTONDOWN:
                case WM_RBUTTONDOWN:
                case WM_MBUTTONDOWN:
                case WM_XBUTTONDOWN:
                    return true;
                default:
                    return false;
            }
        default:
            return false;
    }
}

}  // namespace

TbsSkinForm::TbsSkinForm(TComponent* owner) : TComponent(owner), form_(ownerForm(owner)) {
    // The window's own border icons never show: the frame draws the caption commands itself.
    form_->setBorderIcons(0);
    trackTimer_ = new TTimer(this);
    trackTimer_->setEnabled(false);
    trackTimer_->setInterval(50);
    trackTimer_->OnTimer = [this] { trackTimer(); };
    morphTimer_ = new TTimer(this);
    morphTimer_->setEnabled(false);
    morphTimer_->setInterval(kMorphTimerMs);
    morphTimer_->OnTimer = [this] { morphTimer(); };
    animateTimer_ = new TTimer(this);
    animateTimer_->setEnabled(false);
    animateTimer_->setInterval(kAnimateTimerMs);
    animateTimer_->OnTimer = [this] { animateTimer(); };
    skinMenu_ = new TbsSkinMenu(this, form_);
    shortCutHook_ = Application().installMessageHook([this](MSG& m) { return onShortCut(m); });
    hook_ = form_->installWindowProcHook(
        [this](TMessage& message, const WindowProcNext& next) { FrameWndProc(message, next); });
    form_->setFrame(this);
    // The system version stays 6.0 or later here: WS_CAPTION stays, the window region hides it.
    if (form_->handleAllocated()) {
        active_ = GetActiveWindow() == form_->handle();
        SetWindowPos(form_->handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

TbsSkinForm::~TbsSkinForm() {
    releaseTrayIcon();
    if (form_->frame() == this) form_->setFrame(nullptr);
    menuHook_.remove();
    shortCutHook_.remove();
    hook_.remove();
    if (skinDataComponent_) skinDataComponent_->RemoveFreeNotification(this);
    if (menusSkinData_) menusSkinData_->RemoveFreeNotification(this);
}

void TbsSkinForm::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == trayIcon_) {
        trayIcon_ = nullptr;
        trayMenuInstalled_ = trayDblClickInstalled_ = false;
    }
    if (operation == TOperation::opRemove && component == skinDataComponent_) {
        skinDataComponent_ = nullptr;
        skinData_ = nullptr;
        skinReady_ = false;
        pictures_ = FramePictures{};  // its list pictures were the skin data's
        freeObjects();
    }
    if (operation == TOperation::opRemove && component == menusSkinData_) menusSkinData_ = nullptr;
}

void TbsSkinForm::setSkinData(SkinDataComponent* data) {
    if (skinDataComponent_) skinDataComponent_->RemoveFreeNotification(this);
    skinDataComponent_ = data;
    skinData_ = data ? &data->skinData() : nullptr;
    if (data) {
        data->FreeNotification(this);
        frameSkinned_ = skinData_->SkinnableForm();
    }
    ApplyFrameSkin();
}

void TbsSkinForm::setBorderIcons(const TbsBorderIcons& icons) {
    borderIcons_ = icons;
    if (layout_.objects.empty()) return;
    ApplyBorderIcons(layout_.objects, {borderIcons_, HideCaptionButtons, true,
                                       skinReady_ ? skinData_->ResourceStrData() : nullptr, nullptr});
    if (form_->handleAllocated()) sendNcPaint();
}

void TbsSkinForm::setShowIcon(bool value) {
    if (showIcon_ == value) return;
    showIcon_ = value;
    if (form_->handleAllocated()) sendNcPaint();
}

void TbsSkinForm::setLogoBitMap(HBITMAP picture) {
    if (picture) {
        logo_.assign(picture);
    } else {
        logo_.setSize(0, 0);
    }
    repaintClient();
}

void TbsSkinForm::setLogoBitMap(const TBitmap& picture) {
    if (picture.empty()) {
        logo_.setSize(0, 0);
    } else {
        logo_.assign(picture);
    }
    repaintClient();
}

void TbsSkinForm::setLogoBitMapTransparent(bool value) {
    if (logoTransparent_ == value) return;
    logoTransparent_ = value;
    if (!logo_.empty()) repaintClient();
}

void TbsSkinForm::repaintClient() {
    if (HWND window = windowHandle()) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

int TbsSkinForm::findObject(std::string_view idName) const {
    for (std::size_t i = 0; i < layout_.objects.size(); ++i) {
        if (layout_.objects[i].name == idName) return int(i);
    }
    return -1;
}

// The frame's message table. The last word of each row is where the form's previous handling runs:
// before the frame's work, after it, or not at all.
void TbsSkinForm::FrameWndProc(TMessage& m, const WindowProcNext& next) {
    const bool skinned = frameSkinned_;
    const bool fullDragSizing = pointer_.inSizeMove && fullDrag_;
    if (pressClosesSystemMenu(m)) {
        closeSkinMenu();
        m.result = 0;
        return;
    }
    if (endsPopups(m)) closeSkinMenu();
    // clang-format off
    switch (m.msg) {
        case WM_DESTROY:           onDestroy(); next(m); break;
        case WM_SIZE:              if (fullDragSizing) { if (!logo_.empty()) repaintClient(); next(m); } else { next(m); onSize(); } break;
        case WM_ACTIVATE:          next(m); if (skinned) onActivate(); break;
        case WM_SETTEXT:           next(m); if (skinned) onSetText(); break;
        case WM_ERASEBKGND:        PaintClientBackground(reinterpret_cast<HDC>(m.wParam)); m.result = 1; break;
        case WM_SHOWWINDOW:        if (skinned) onShowWindow(m.wParam != 0); next(m); break;
        case WM_SETCURSOR:         onSetCursor(m); next(m); break;
        case WM_GETMINMAXINFO:     if (skinned) onGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(m.lParam)); next(m); break;
        case WM_NCCALCSIZE:        if (skinned) onNcCalcSize(m); else next(m); break;
        case WM_NCHITTEST:         if (skinned) m.result = onNcHitTest(m.lParam); else next(m); break;
        case WM_NCPAINT:           if (skinned) onNcPaint(); else next(m); break;
        case WM_NCACTIVATE:        if (skinned) { onNcActivate(m.wParam != 0); m.result = 1; } else next(m); break;
        case WM_SYNCPAINT:         if (skinned && model_.rolledUp) sendNcPaint(); else next(m); break;
        case WM_SYSCOMMAND:
            switch (m.wParam & 0xFFF0) {
                case SC_RESTORE:   next(m); if (OnRestore) OnRestore(); break;
                case SC_KEYMENU:   onKeyMenu(m.lParam); break;
                default:           next(m); break;
            }
            break;
        case WM_TIMER:             if (m.wParam == 1) onAlphaTimer(); next(m); break;
        case WM_SIZING:            next(m); if (fullDragSizing) onSizing(*reinterpret_cast<RECT*>(m.lParam)); break;
        case WM_MOVING:            if (skinned) onMoving(*reinterpret_cast<RECT*>(m.lParam)); next(m); break;
        case WM_ENTERSIZEMOVE:     if (skinned) onEnterSizeMove(); next(m); break;
        case WM_EXITSIZEMOVE:      if (skinned) onExitSizeMove(); next(m); break;
        case BSM_BEFORECHANGE:     onBeforeChange(sender(m)); next(m); break;
        case BSM_CHANGE:           onChange(sender(m)); next(m); break;
        case BSM_AFTERCHANGE:      if (OnAfterChangeSkinData) OnAfterChangeSkinData(); next(m); break;
        case BSM_RESSTRINGS:       setBorderIcons(borderIcons_); next(m); break;
        case BSM_SKINNABLEFORM:    onSkinnableForm(sender(m)); next(m); break;
        case BSM_MENUCLOSED:       onMenuClosed(); next(m); break;
        case WM_PAINTFRAME_REQUEST:
            if (skinned && m.lParam == kPaintRequestTag) { onPrintRequest(reinterpret_cast<HDC>(m.wParam)); m.result = kPaintRequestTag; }
            else next(m);
            break;
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONUP:
        case WM_NCRBUTTONDBLCLK:   next(m); onNcMouse(m.msg, m.wParam, m.lParam); break;
        case WM_LBUTTONUP:         next(m); onClientButtonUp(MouseButton::Left); break;
        case WM_RBUTTONUP:         next(m); onClientButtonUp(MouseButton::Right); break;
        default:                   next(m); break;
    }
    // clang-format on
}

void TbsSkinForm::onDestroy() {
    closeSkinMenu();
    trackTimer_->setEnabled(false);
    morphTimer_->setEnabled(false);
    animateTimer_->setEnabled(false);
}

void TbsSkinForm::onSize() {
    snap_.clearSnaps();
    frameWidth_ = windowWidth();
    frameHeight_ = windowHeight();
    if (skinReady_) {
        if (frameWidth_ >= MinFrameWidth() && frameHeight_ >= MinFrameHeight()) UpdateFrame(true);
    } else {
        refreshLayout(frameWidth_, frameHeight_);
        sendNcPaint();
    }
    // The logo stays in the middle of the client area.
    if (!logo_.empty()) repaintClient();
}

void TbsSkinForm::onSizing(RECT& proposed) {
    snap_.clearSnaps();
    const int width = proposed.right - proposed.left, height = proposed.bottom - proposed.top;
    const bool changed = width != windowWidth() || height != windowHeight();
    frameWidth_ = width;
    frameHeight_ = height;
    if (skinData_ && changed && width >= MinFrameWidth() && height >= MinFrameHeight()) UpdateFrame(true);
}

void TbsSkinForm::onActivate() {
    sendNcPaint();
    resetHoverStates(layout_.objects);
    setCaptionActive(true);
}

void TbsSkinForm::onSetText() {
    if (!borderNone()) sendNcPaint();
}

void TbsSkinForm::onSetCursor(TMessage& m) {
    if (!frameSkinned_ || !UseFormCursorInNCArea) return;
    const int hit = formCursorHitCode(short(LOWORD(m.lParam)));
    m.lParam = MAKELPARAM(hit, HIWORD(m.lParam));
}

void TbsSkinForm::onGetMinMaxInfo(MINMAXINFO& info) {
    const FrameMinMax m =
        frameMinMax(MinFrameWidth(), MinFrameHeight(), toPixelRect(workArea(MaximizeOnFullScreen)),
                    {MinWidth, MinHeight, MaxWidth, MaxHeight});
    info.ptMinTrackSize = {m.minWidth, m.minHeight};
    info.ptMaxTrackSize = {m.maxWidth, m.maxHeight};
}

void TbsSkinForm::onNcCalcSize(TMessage& m) {
    RECT* proposed = m.wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lParam)->rgrc[0]
                              : reinterpret_cast<RECT*>(m.lParam);
    m.result = 0;
    if (borderNone()) return;
    const FrameBorders b = frameBorders();
    *proposed = toRect(ncCalcClientRect(toPixelRect(*proposed), {b.left, b.top, b.right, b.bottom}));
}

FrameBorders TbsSkinForm::frameBorders() const {
    const FrameInsets in = skinReady_ ? skinFrameInsets(skinData_->FormInfo, skinData_->MainPicture.width,
                                                        skinData_->MainPicture.height)
                                      : plainFrameInsets(toolWindow());
    return {in.left, in.top, in.right, in.bottom};
}

void TbsSkinForm::onNcPaint() {
    if (borderNone()) return;
    if (skinReady_) {
        PaintSkinFrame(nullptr);
    } else if (!skinChanging_) {
        PaintPlainFrame(nullptr);
    }
}

void TbsSkinForm::onNcActivate(bool active) {
    active_ = active;
    if (borderNone()) return;
    sendNcPaint();
    setCaptionActive(true);
}

void TbsSkinForm::onKeyMenu(LPARAM key) {
    if (key != ' ') return;
    // Alt+Space: under every enabled system-menu object in turn, each opening replacing the last.
    for (const PixelRect& a : altSpaceAnchors(layout_, windowOrigin()))
        PopupSystemMenu({a.left, a.top, a.right, a.bottom});
}

// The window's keyboard handler sees Alt+Space before any control of the window does, and keeps it:
// the system-menu objects open the menu under them.
bool TbsSkinForm::onShortCut(const MSG& m) {
    if (m.message != WM_SYSKEYDOWN || m.wParam != VK_SPACE || !(m.lParam & (LPARAM(1) << 29))) return false;
    HWND window = windowHandle();
    if (!window || !frameSkinned_ || (m.hwnd != window && !IsChild(window, m.hwnd))) return false;
    // Without a system-menu object the key is left to the window's own handling.
    if (altSpaceAnchors(layout_, windowOrigin()).empty()) return false;
    onKeyMenu(' ');
    return true;
}

void TbsSkinForm::onEnterSizeMove() {
    POINT cursor{};
    GetCursorPos(&cursor);
    snap_.cursor = {cursor.x, cursor.y};
    pointer_.enterSizeMove(layout_);
    trackTimer_->setEnabled(false);
    BOOL fullDrag = TRUE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
    fullDrag_ = fullDrag != FALSE;
}

void TbsSkinForm::onExitSizeMove() {
    trackTimer_->setEnabled(false);
    pointer_.forget();
    if (skinReady_) sendNcPaint();
}

void TbsSkinForm::onBeforeChange(const TbsSkinData* from) {
    if (from && from == skinData_) {
        skinChanging_ = true;
        skinReady_ = false;
        trackTimer_->setEnabled(false);
        morphTimer_->setEnabled(false);
        animateTimer_->setEnabled(false);
        freeObjects();
        if (OnBeforeChangeSkinData) OnBeforeChangeSkinData();
    }
    skinChangeToControls(*form_, BSM_BEFORECHANGE, from);
}

void TbsSkinForm::onChange(const TbsSkinData* from) {
    skinChanging_ = false;
    if (from && from == skinData_) ApplyFrameSkin();
    skinChangeToControls(*form_, BSM_CHANGE, from);
}

void TbsSkinForm::onSkinnableForm(const TbsSkinData* from) {
    if (!from || from != skinData_ || frameSkinned_ == skinData_->SkinnableForm()) return;
    frameSkinned_ = skinData_->SkinnableForm();
    ApplyFrameSkin();
    if (form_->handleAllocated()) {
        SetWindowPos(form_->handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    skinChangeToControls(*form_, BSM_CHANGE, nullptr);
}

void TbsSkinForm::onPrintRequest(HDC dc) {
    if (dc && !borderNone()) paintFrame(dc);
}

// Geometry.

HWND TbsSkinForm::windowHandle() const {
    return form_->allocatedHandle();
}

RECT TbsSkinForm::windowRect() const {
    RECT r{form_->left(), form_->top(), form_->left() + form_->width(), form_->top() + form_->height()};
    if (HWND window = windowHandle()) GetWindowRect(window, &r);
    return r;
}

int TbsSkinForm::windowWidth() const {
    const RECT r = windowRect();
    return r.right - r.left;
}

int TbsSkinForm::windowHeight() const {
    const RECT r = windowRect();
    return r.bottom - r.top;
}

void TbsSkinForm::frameSize(int& width, int& height) const {
    width = frameWidth_ > 0 ? frameWidth_ : windowWidth();
    height = frameHeight_ > 0 ? frameHeight_ : windowHeight();
}

bool TbsSkinForm::borderNone() const {
    return form_->borderStyle() == TFormBorderStyle::bsNone;
}

bool TbsSkinForm::sizeable() const {
    return form_->borderStyle() == TFormBorderStyle::bsSizeable;
}

void TbsSkinForm::refreshLayout(int width, int height) {
    const int icon = showIcon_ ? GetSystemMetrics(SM_CXSMICON) : 0;
    if (skinReady_) {
        updateFrameLayout(layout_, skinData_->FormInfo, skinData_->MainPicture.width,
                          skinData_->MainPicture.height, width, height, icon);
        return;
    }
    if (layout_.objects.empty() && frameSkinned_) {
        layout_.objects = createPlainButtons();
        ApplyBorderIcons(layout_.objects, {borderIcons_, HideCaptionButtons, true, nullptr, nullptr});
    }
    layout_ = plainFrameLayout(std::move(layout_.objects), width, height, toolWindow(), icon);
}

// The system asks the frame for its size again, and the frame does its sizing work (layout, region) as
// if the window had been sized: a frame change, where a width nudged one pixel off and back would also
// move and repaint the children twice and cut the window's region twice more. On a first show this
// runs while the window is still hidden, so that its region is in place before anything is painted.
void TbsSkinForm::recomputeFrame() {
    HWND window = windowHandle();
    if (!window) return;
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    onSize();
}

RECT TbsSkinForm::workArea(bool wholeMonitor) const {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = MonitorFromRect(&static_cast<const RECT&>(windowRect()), MONITOR_DEFAULTTONEAREST);
    if (monitor && GetMonitorInfoW(monitor, &info)) return wholeMonitor ? info.rcMonitor : info.rcWork;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!wholeMonitor) SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

int TbsSkinForm::MinFrameWidth() const {
    const FrameSizeSettings s{MinWidth, MinHeight, MaxWidth, MaxHeight};
    const FrameSizeState state{model_.state == TbsFrameWindowState::Minimized, model_.rolledUp};
    if (!skinReady_) return plainMinFrameWidth(s);
    return vireltan::MinFrameWidth(skinData_->FormInfo, skinData_->MainPicture.width, s, state);
}

int TbsSkinForm::MinFrameHeight() const {
    const FrameSizeSettings s{MinWidth, MinHeight, MaxWidth, MaxHeight};
    const FrameSizeState state{model_.state == TbsFrameWindowState::Minimized, model_.rolledUp};
    if (!skinReady_) return plainMinFrameHeight(toolWindow(), s, state);
    return vireltan::MinFrameHeight(skinData_->FormInfo, skinData_->MainPicture.height, s, state);
}

int TbsSkinForm::MaxFrameWidth() const {
    const RECT area = workArea(MaximizeOnFullScreen);
    return MaxFrameExtent(area.right - area.left, MaxWidth);
}

int TbsSkinForm::MaxFrameHeight() const {
    const RECT area = workArea(MaximizeOnFullScreen);
    return MaxFrameExtent(area.bottom - area.top, MaxHeight);
}

void TbsSkinForm::ApplyFrameSkin() {
    pointer_.forget();
    skinReady_ = skinData_ && !skinData_->SkinEmpty();
    pictures_ = skinReady_ ? framePictures(*skinData_) : FramePictures{};
    tileBrush_.reset();
    tileBrushPicture_ = nullptr;
    regionSize_ = {-1, -1};
    if (skinReady_ && frameSkinned_) {
        createObjects();
    } else {
        freeObjects();
        UpdateWindowRegion(true);
    }
    if (frameSkinned_) {
        if (form_->borderIcons() != 0) form_->setBorderIcons(0);
    } else {
        form_->setBorderIcons((HideCaptionButtons ? 0u : unsigned(biSystemMenu)) |
                              (borderIcons_.biMinimize ? unsigned(biMinimize) : 0u) |
                              (borderIcons_.biMaximize ? unsigned(biMaximize) : 0u));
    }
    // Too small for the new frame: grow to its minimum; otherwise let the system ask for the frame's
    // size again.
    const FrameSizeStep step =
        frameSizeOnApply(windowWidth(), windowHeight(), MinFrameWidth(), MinFrameHeight(),
                         {model_.state == TbsFrameWindowState::Minimized, model_.rolledUp});
    if (step.width != windowWidth() || step.height != windowHeight())
        form_->setBounds(form_->left(), form_->top(), step.width, step.height);
    if (step.nudge) recomputeFrame();
    frameWidth_ = windowWidth();
    frameHeight_ = windowHeight();
    if (skinReady_) UpdateFrame(true);
    if (HWND window = windowHandle()) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        active_ = GetActiveWindow() == window;
    }
    setCaptionActive(true);
    if (active_) trackTimer_->setEnabled(true);
    if (OnChangeSkinData) OnChangeSkinData();
    if (!model_.rolledUp && (ClientWidth > 0 || ClientHeight > 0)) {
        const RECT client = form_->clientRect();
        form_->setClientSize(ClientWidth > 0 ? ClientWidth : client.right,
                             ClientHeight > 0 ? ClientHeight : client.bottom);
    }
}

void TbsSkinForm::UpdateFrame(bool rebuild) {
    if (!skinReady_) return;
    int width = 0, height = 0;
    frameSize(width, height);
    if (frameSkinned_) refreshLayout(width, height);
    UpdateWindowRegion(rebuild);
    if (frameSkinned_) sendNcPaint();
    if (skinData_->FormInfo.stretcheffect && windowHandle()) {
        RedrawWindow(windowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void TbsSkinForm::UpdateWindowRegion(bool rebuild) {
    HWND window = windowHandle();
    if (!frameSkinned_ || !window) return;
    int width = 0, height = 0;
    frameSize(width, height);
    FrameRegionInput in;
    in.borderNone = borderNone();
    in.skinReady = skinReady_;
    in.hasMask = !pictures_.mask.empty();
    in.rebuild = rebuild;
    auto give = [&](const RegionRects& rects) {
        std::vector<RECT> list;
        list.reserve(rects.rects.size());
        for (const PixelRect& r : rects.rects) list.push_back(toRect(r));
        regionSet_ = WindowRegion::fromRects(list).applyTo(window, true);
    };
    const RegionRects whole{{PixelRect{0, 0, width, height}}, {0, 0, width, height}};
    const FrameRegionAction action = frameRegionAction(in);
    // The region changes only with the size or the skin.
    const bool sized = action == FrameRegionAction::Rectangle || action == FrameRegionAction::ComposedMask;
    if (sized && regionSet_ && regionSize_ == PixelPoint{width, height} && regionAction_ == action) return;
    regionSize_ = sized ? PixelPoint{width, height} : PixelPoint{-1, -1};
    regionAction_ = action;
    switch (action) {
        case FrameRegionAction::Remove:
            shape_.reset();
            if (skinReady_ || !frameSkinned_) {
                WindowRegion::removeFrom(window, true);
                regionSet_ = false;
            } else {
                // The plain frame: Wine keeps WS_CAPTION windows' frames clipped away without a region.
                give(whole);
            }
            break;
        case FrameRegionAction::Rectangle:
            shape_.reset();
            give(whole);
            break;
        case FrameRegionAction::MaskPicture: {
            const RegionRects rects = RegionFromMask(pictures_.mask, 0, 0);
            if (!rects.empty()) give(rects);
            break;
        }
        case FrameRegionAction::ComposedMask:
            shape_ = buildFrameShape(pictures_.mask, skinData_->FormInfo, skinData_->MainPicture.width,
                                     skinData_->MainPicture.height, width, height);
            give(shape_ ? frameShapeRegion(*shape_) : whole);
            break;
    }
}

void TbsSkinForm::onShowWindow(bool show) {
    HWND window = windowHandle();
    if (!show) {
        if (alphaBlend_) dropLayeredStyle(window);
        return;
    }
    if (auto bounds = firstShowBounds(model_, windowStateInput())) setBounds(*bounds);
    if (alphaBlend_ || AlphaBlendAnimation) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(window, 0, 0, LWA_ALPHA);
        SetTimer(window, 1, 1, nullptr);
    }
    recomputeFrame();
}

void TbsSkinForm::setAlphaBlend(bool value) {
    alphaBlend_ = value;
    HWND window = windowHandle();
    if (!window) return;
    if (!value) {
        dropLayeredStyle(window);
        return;
    }
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, BYTE(alphaBlendValue_), LWA_ALPHA);
}

void TbsSkinForm::setAlphaBlendValue(int value) {
    alphaBlendValue_ = std::clamp(value, 0, 255);
    if (alphaBlend_ && windowHandle())
        SetLayeredWindowAttributes(windowHandle(), 0, BYTE(alphaBlendValue_), LWA_ALPHA);
}

void TbsSkinForm::onAlphaTimer() {
    HWND window = windowHandle();
    KillTimer(window, 1);
    // Both switched off between the show and its timer: nothing to fade, but the timer stops all the same.
    if (!alphaBlend_ && !AlphaBlendAnimation) return;
    const int target = fadeInTarget(alphaBlend_, AlphaBlendAnimation, alphaBlendValue_);
    if (AlphaBlendAnimation) {
        Application().ProcessMessages();
        DWORD last = GetTickCount();
        for (int opacity : fadeInSteps(target)) {
            while (GetTickCount() - last <= 5) Sleep(1);
            last = GetTickCount();
            SetLayeredWindowAttributes(window, 0, BYTE(opacity), LWA_ALPHA);
        }
    } else if (target != 255) {
        SetLayeredWindowAttributes(window, 0, BYTE(alphaBlendValue_), LWA_ALPHA);
    }
    if (target == 255) dropLayeredStyle(window);
}

void TbsSkinForm::onMoving(RECT& proposed) {
    if (model_.state == TbsFrameWindowState::Maximized) {
        proposed = windowRect();
        return;
    }
    if (!Magnetic) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    proposed = toRect(snapWhileMoving(snap_, toPixelRect(proposed), toPixelRect(workArea(false)),
                                      MagneticSize, {cursor.x, cursor.y}));
}

}  // namespace vireltan
