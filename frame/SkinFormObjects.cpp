// The frame's objects at run time: hit testing, the pointer over the objects, their timers, the
// commands they run and the window states those commands set.
// The hit-test model spells the system's HT* codes as constants of its own: it comes before the
// system headers define them as macros.
#include "skin/FrameHitTest.h"
// clang-format off
#include "frame/SkinForm.h"
// clang-format on

#include "gui/Application.h"
#include "gui/Messages.h"
#include "gui/Utf.h"

#include <memory>

namespace vireltan {

namespace {

PixelRect toPixelRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

bool contains(const PixelRect& r, PixelPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

enum PlainMenuItem : UINT { kMinimizeItem = 1, kMaximizeItem, kRestoreItem, kRollUpItem, kCloseItem };

}  // namespace

void TbsSkinForm::createObjects() {
    layout_.objects = CreateSkinObjects(*skinData_);
    ApplyBorderIcons(layout_.objects,
                     {borderIcons_, HideCaptionButtons, true, skinData_->ResourceStrData(), nullptr});
    // The caption shows the window's state from the start, without an animation.
    ObjectReaction unused;
    vireltan::setCaptionActive(layout_.objects, active_, false, false, objectContext(), unused);
}

void TbsSkinForm::freeObjects() {
    layout_.objects.clear();
    forgetTracking();
}

void TbsSkinForm::forgetTracking() {
    activeObject_ = previousObject_ = capturedObject_ = -1;
}

ObjectContext TbsSkinForm::objectContext() const {
    ObjectContext c;
    c.skinEffects = skinReady_ && skinData_->EnableSkinEffects;
    return c;
}

LRESULT TbsSkinForm::onNcHitTest(LPARAM position) {
    const RECT r = windowRect();
    const PixelPoint p = windowPointFromLParam(std::uint32_t(position), r.left, r.top);
    int width = 0, height = 0;
    frameSize(width, height);
    if (layout_.metrics.width != width || layout_.metrics.height != height) refreshLayout(width, height);
    FrameHitState state;
    state.rolledUp = model_.rolledUp;
    state.minimized = model_.state == TbsFrameWindowState::Minimized;
    state.maximized = model_.state == TbsFrameWindowState::Maximized;
    state.sizeable = sizeable();
    state.objectActive = activeObject_ >= 0;
    state.inSizeMove = inSizeMove_;
    const FrameHit hit = skinReady_ ? frameHitTest(layout_, shape_ ? &*shape_ : nullptr, state, p)
                                    : plainFrameHitTest(layout_, state, p);
    // Over an object the pointer is followed from now on; the timer notices when it leaves.
    if (hit == FrameHit::Object && !trackTimer_->enabled() && active_) {
        TrackActiveObject(p, true);
        trackTimer_->setEnabled(true);
    }
    return toSystemHitCode(hit);
}

void TbsSkinForm::TrackActiveObject(PixelPoint p, bool inside) {
    if (layout_.objects.empty() || !active_) return;
    previousObject_ = activeObject_;
    const TrackChange change = trackActiveObject(layout_, activeObject_, capturedObject_, p, inside);
    activeObject_ = change.active;
    const ObjectContext c = objectContext();
    if (change.leave >= 0) {
        applyReaction(change.leave, objectMouseLeave(layout_.objects[std::size_t(change.leave)], c), p,
                      MouseButton::Left);
    }
    if (change.enter >= 0) {
        applyReaction(change.enter, objectMouseEnter(layout_.objects[std::size_t(change.enter)], c), p,
                      MouseButton::Left);
    }
}

void TbsSkinForm::applyReaction(int object, const ObjectReaction& r, PixelPoint p, MouseButton button) {
    const FrameObject o = layout_.objects[std::size_t(object)];
    if (r.redraw) RedrawObject(object);
    if (r.startMorph && !morphTimer_->enabled()) morphTimer_->setEnabled(true);
    if (r.startAnimate && !animateTimer_->enabled()) animateTimer_->setEnabled(true);
    auto fireUp = [&] {
        if (r.event == ObjectEvent::Up && OnMouseUpEvent) OnMouseUpEvent(o.name, p.x, p.y, button);
    };
    if (!r.commandFirst) fireUp();
    if (r.closeWindow) form_->close();
    if (r.popupMenu && o.command == StdCommand::cmSysMenu) PopupSystemMenu(objectScreenRect(object));
    if (r.runCommand) DoCommand(object);
    if (r.commandFirst) fireUp();
}

void TbsSkinForm::mouseDown(int object, PixelPoint p, MouseButton button) {
    applyReaction(object, objectMouseDown(layout_.objects[std::size_t(object)], button, objectContext()), p,
                  button);
}

void TbsSkinForm::mouseUp(int object, PixelPoint p, MouseButton button) {
    applyReaction(object, objectMouseUp(layout_.objects[std::size_t(object)], button, objectContext()), p,
                  button);
}

void TbsSkinForm::pressAt(PixelPoint p, MouseButton button) {
    TrackActiveObject(p, true);
    if (activeObject_ < 0) return;
    capturedObject_ = activeObject_;
    if (layout_.objects[std::size_t(capturedObject_)].kind != FrameObjectKind::Caption)
        SetCapture(windowHandle());
    mouseDown(capturedObject_, p, button);
}

void TbsSkinForm::onNcMouse(UINT msg, WPARAM hit, LPARAM position) {
    if (!frameSkinned_) return;
    const RECT r = windowRect();
    const PixelPoint p = windowPointFromLParam(std::uint32_t(position), r.left, r.top);
    const bool onCaption = hit == HTCAPTION;
    switch (msg) {
        case WM_NCLBUTTONDOWN:
            // The press started the system's move loop, which has ended by now.
            if (inSizeMove_) {
                inSizeMove_ = false;
                return;
            }
            pressAt(p, MouseButton::Left);
            if (onCaption) capturedObject_ = -1;
            break;
        case WM_NCLBUTTONUP:
        case WM_NCRBUTTONUP:
            if (capturedObject_ >= 0) {
                const int object = capturedObject_;
                if (layout_.objects[std::size_t(object)].kind != FrameObjectKind::Caption) ReleaseCapture();
                capturedObject_ = -1;
                mouseUp(object, p, msg == WM_NCLBUTTONUP ? MouseButton::Left : MouseButton::Right);
            }
            break;
        case WM_NCLBUTTONDBLCLK:
            pressAt(p, MouseButton::Left);
            if (activeObject_ >= 0)
                applyReaction(activeObject_, objectDblClick(layout_.objects[std::size_t(activeObject_)]), p,
                              MouseButton::Left);
            if (onCaption) {
                capturedObject_ = -1;
                captionDoubleClick();
            }
            break;
        case WM_NCRBUTTONDOWN:
            pressAt(p, MouseButton::Right);
            if (onCaption) {
                capturedObject_ = -1;
                POINT cursor{};
                GetCursorPos(&cursor);
                PopupSystemMenu({cursor.x, cursor.y, cursor.x, cursor.y});
            }
            break;
        case WM_NCRBUTTONDBLCLK:
            pressAt(p, MouseButton::Right);
            if (onCaption) capturedObject_ = -1;
            break;
        default:  // WM_NCMOUSEMOVE: the objects follow the pointer through the hit test and the timer
            break;
    }
}

void TbsSkinForm::captionDoubleClick() {
    const bool minimized = model_.state == TbsFrameWindowState::Minimized;
    const bool maximized = model_.state == TbsFrameWindowState::Maximized;
    if (sizeable() && minimized) {
        SetFrameWindowState(TbsFrameWindowState::Normal);
    } else if (sizeable() && !maximized && !model_.rolledUp && borderIcons_.biMaximize) {
        SetFrameWindowState(TbsFrameWindowState::Maximized);
    } else if (sizeable() && maximized && !model_.rolledUpAtMaximize) {
        SetFrameWindowState(TbsFrameWindowState::Normal);
    } else {
        SetRollUpState(!model_.rolledUp);
    }
}

// The button was released over the client area while the window held the mouse.
void TbsSkinForm::onClientButtonUp(MouseButton button) {
    if (capturedObject_ < 0) return;
    const int object = capturedObject_;
    capturedObject_ = -1;
    ReleaseCapture();
    mouseUp(object, {-1, -1}, button);
}

void TbsSkinForm::onMenuClosed() {
    ObjectReaction r;
    const int object = menuClosed(layout_.objects, r);
    if (object >= 0) applyReaction(object, r, {-1, -1}, MouseButton::Left);
}

void TbsSkinForm::setCaptionActive(bool repaint) {
    bool animationPossible = false;
    for (const FrameObject& o : layout_.objects) {
        if (o.kind != FrameObjectKind::Caption || o.state.active == active_) continue;
        animationPossible = objectContext().skinEffects && !o.animateRect.empty();
        break;
    }
    ObjectReaction r;
    const int caption =
        vireltan::setCaptionActive(layout_.objects, active_, repaint, animationPossible, objectContext(), r);
    if (caption >= 0 && repaint) {
        if (r.startAnimate && !animateTimer_->enabled()) animateTimer_->setEnabled(true);
        if (r.redraw) sendNcPaint();
        if (r.startMorph && !morphTimer_->enabled()) morphTimer_->setEnabled(true);
    }
    if (active_) {
        if (OnActivate) OnActivate();
    } else if (OnDeActivate) {
        OnDeActivate();
    }
}

// The pointer is polled only while the window is active.
void TbsSkinForm::trackTimer() {
    if (!active_ || inSizeMove_ || !windowHandle()) {
        trackTimer_->setEnabled(false);
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    const RECT r = windowRect();
    const PixelPoint p{cursor.x - r.left, cursor.y - r.top};
    if (!contains(layout_.metrics.client, p)) {
        TrackActiveObject(p, true);
    } else if (activeObject_ >= 0) {
        TrackActiveObject({-1, -1}, true);
    }
}

void TbsSkinForm::morphTimer() {
    const TickResult tick = morphTick(layout_.objects, objectContext());
    for (int object : tick.redraw) RedrawObject(object);
    if (!tick.keepRunning) morphTimer_->setEnabled(false);
}

void TbsSkinForm::animateTimer() {
    const TickResult tick = animateTick(layout_.objects);
    bool caption = false;
    for (int object : tick.redraw) {
        if (layout_.objects[std::size_t(object)].kind == FrameObjectKind::Caption) {
            caption = true;
        } else {
            RedrawObject(object);
        }
    }
    if (caption) sendNcPaint();
    if (!tick.keepRunning) animateTimer_->setEnabled(false);
}

RECT TbsSkinForm::objectScreenRect(int object) const {
    const PixelRect& o = layout_.objects[std::size_t(object)].rect;
    const RECT w = windowRect();
    return {w.left + o.left, w.top + o.top, w.left + o.right, w.top + o.bottom};
}

void TbsSkinForm::DoCommand(int object) {
    const FrameObject& o = layout_.objects[std::size_t(object)];
    switch (o.command) {
        case StdCommand::cmClose:
            form_->close();
            break;
        case StdCommand::cmMaximize:
            SetFrameWindowState(model_.state == TbsFrameWindowState::Maximized
                                    ? TbsFrameWindowState::Normal
                                    : TbsFrameWindowState::Maximized);
            break;
        case StdCommand::cmMinimize:
            SetFrameWindowState(model_.state == TbsFrameWindowState::Minimized
                                    ? TbsFrameWindowState::Normal
                                    : TbsFrameWindowState::Minimized);
            break;
        case StdCommand::cmSysMenu:
            PopupSystemMenu(objectScreenRect(object));
            break;
        case StdCommand::cmRollUp:
            SetRollUpState(!model_.rolledUp);
            break;
        case StdCommand::cmMinimizeToTray:  // needs a tray icon, which this program's windows have none of
        case StdCommand::cmDefault:         // no menu items on these objects
            break;
    }
}

WindowStateInput TbsSkinForm::windowStateInput() const {
    WindowStateInput in;
    in.mainWindow = Application().mainForm() == form_;
    in.bounds = toPixelRect(windowRect());
    in.workArea = toPixelRect(workArea(false));
    in.monitor = toPixelRect(workArea(true));
    in.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    in.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    in.MaximizeOnFullScreen = MaximizeOnFullScreen;
    in.minFrameWidth = MinFrameWidth();
    in.minFrameHeight = MinFrameHeight();
    in.PositionInMonitor = PositionInMonitor;
    in.slotTaken = [this](PixelPoint slot) {
        for (TForm* other : Application().forms()) {
            auto* frame = dynamic_cast<TbsSkinForm*>(other->frame());
            if (other == form_ || other == Application().mainForm() || !frame || !other->handleAllocated() ||
                !IsWindowVisible(other->handle()) ||
                frame->FrameWindowState() != TbsFrameWindowState::Minimized)
                continue;
            const RECT r = frame->windowRect();
            if (r.left == slot.x && r.top == slot.y) return true;
        }
        return false;
    };
    in.rollUp = {borderIcons_.biRollUp, windowHeight(), MinFrameHeight(), ClientHeight};
    return in;
}

void TbsSkinForm::setBounds(const PixelRect& b) {
    form_->setBounds(b.left, b.top, b.width(), b.height());
}

void TbsSkinForm::SetFrameWindowState(TbsFrameWindowState state) {
    const PixelRect before = toPixelRect(windowRect());
    const WindowStateChange change = vireltan::SetFrameWindowState(model_, state, windowStateInput());
    if (!change.changed) return;
    if (change.rollDown.height) form_->setHeight(*change.rollDown.height);
    if (change.minimizeApplication && windowHandle()) ShowWindow(windowHandle(), SW_MINIMIZE);
    if (change.OnMaximize || (change.OnMinimize && !change.minimizeApplication)) {
        trackTimer_->setEnabled(false);
        forgetTracking();
    }
    if (change.bounds) setBounds(*change.bounds);
    if (change.OnRestore) {
        if (active_) trackTimer_->setEnabled(true);
        if (change.bounds && change.bounds->width() == before.width() &&
            change.bounds->height() == before.height())
            nudgeWidth();
        if (windowHandle())
            RedrawWindow(windowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    }
    if (change.OnMinimize && OnMinimize) OnMinimize();
    if (change.OnMaximize && OnMaximize) OnMaximize();
    if (change.OnRestore && OnRestore) OnRestore();
}

void TbsSkinForm::SetRollUpState(bool on) {
    const RollUpResult r = vireltan::SetRollUpState(model_, on, windowStateInput().rollUp);
    if (r.height) form_->setHeight(*r.height);
    if (r.clientHeight) form_->setClientSize(form_->clientRect().right, *r.clientHeight);
    if (r.changed && OnChangeRollUpState) OnChangeRollUpState();
}

// The system menu's one entry point. Until the skinned menu engine exists, the window commands open
// in a plain popup menu with the items and order the skinned one will have.
void TbsSkinForm::PopupSystemMenu(const RECT& anchor) {
    HWND window = windowHandle();
    if (!window) return;
    if (OnSystemMenu) {
        OnSystemMenu(anchor);
        SendMessageW(window, BSM_MENUCLOSED, 0, 0);
        return;
    }
    MenuHandle menu(CreatePopupMenu());
    const bool minimized = model_.state == TbsFrameWindowState::Minimized;
    const bool maximized = model_.state == TbsFrameWindowState::Maximized;
    bool any = false;
    auto add = [&](bool present, UINT id, const char* text) {
        if (!present) return;
        AppendMenuW(menu.get(), MF_STRING, id, toWide(text).c_str());
        any = true;
    };
    add(borderIcons_.biMinimize && !minimized, kMinimizeItem, "Mi&nimize");
    add(borderIcons_.biMaximize && !maximized, kMaximizeItem, "Ma&ximize");
    add(model_.state != TbsFrameWindowState::Normal || model_.rolledUp, kRestoreItem, "&Restore");
    add(borderIcons_.biRollUp && !model_.rolledUp && !minimized, kRollUpItem, "Ro&llUp");
    if (any) AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    add(true, kCloseItem, "&Close\tAlt+F4");
    const UINT item =
        UINT(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                            anchor.left, anchor.bottom, 0, window, nullptr));
    SendMessageW(window, BSM_MENUCLOSED, 0, 0);
    switch (item) {
        case kMinimizeItem:
            SetFrameWindowState(TbsFrameWindowState::Minimized);
            break;
        case kMaximizeItem:
            SetFrameWindowState(TbsFrameWindowState::Maximized);
            break;
        case kRestoreItem:
            if (model_.rolledUp &&
                (model_.rolledUpWhileMaximized || model_.state == TbsFrameWindowState::Normal)) {
                SetRollUpState(false);
            } else {
                SetFrameWindowState(TbsFrameWindowState::Normal);
            }
            break;
        case kRollUpItem:
            SetRollUpState(true);
            break;
        case kCloseItem:
            form_->close();
            break;
        default:
            break;
    }
}

}  // namespace vireltan
