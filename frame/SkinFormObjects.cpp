// The frame's objects at run time: hit testing, the pointer over the objects, their timers, the
// commands they run and the window states those commands set.
#include "frame/SkinForm.h"

#include "gui/Application.h"
#include "gui/Messages.h"
#include "gui/Utf.h"
#include "skin/ResourceStrData.h"

#include <memory>

namespace vireltan {

namespace {

PixelRect toPixelRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

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
    pointer_.forget();
}

ObjectContext TbsSkinForm::objectContext() const {
    ObjectContext c;
    c.skinEffects = skinReady_ && skinData_->EnableSkinEffects;
    return c;
}

PixelPoint TbsSkinForm::windowOrigin() const {
    const RECT r = windowRect();
    return {r.left, r.top};
}

LRESULT TbsSkinForm::onNcHitTest(LPARAM position) {
    const PixelPoint origin = windowOrigin();
    const PixelPoint p = windowPointFromLParam(std::uint32_t(position), origin.x, origin.y);
    int width = 0, height = 0;
    frameSize(width, height);
    if (layout_.metrics.width != width || layout_.metrics.height != height) refreshLayout(width, height);
    FrameHitState state;
    state.rolledUp = model_.rolledUp;
    state.minimized = model_.state == TbsFrameWindowState::Minimized;
    state.maximized = model_.state == TbsFrameWindowState::Maximized;
    state.sizeable = sizeable();
    state.objectActive = pointer_.active >= 0;
    state.inSizeMove = pointer_.inSizeMove;
    const FrameHit hit = skinReady_ ? frameHitTest(layout_, shape_ ? &*shape_ : nullptr, state, p)
                                    : plainFrameHitTest(layout_, state, p);
    // Over an object the pointer is followed from now on; the timer notices when it leaves. The timer
    // runs only while the window is active.
    if (hit == FrameHit::Object && !trackTimer_->enabled() && active_) {
        TrackActiveObject(p, true);
        trackTimer_->setEnabled(true);
    }
    return toSystemHitCode(hit);
}

void TbsSkinForm::TrackActiveObject(PixelPoint p, bool inside) {
    carry(pointer_.track(layout_, p, inside, active_, objectContext()), MouseButton::Left);
}

void TbsSkinForm::carry(const PointerResult& r, MouseButton button) {
    if (r.setCapture) SetCapture(windowHandle());
    if (r.releaseCapture && GetCapture() == windowHandle()) ReleaseCapture();
    if (r.stopTrackTimer) trackTimer_->setEnabled(false);
    for (const auto& [object, reaction] : r.reactions) applyReaction(object, reaction, r.point, button);
    if (r.captionCommand != FrameCommand::None) runCommand(r.captionCommand, -1);
    if (r.systemMenuAtCursor) {
        POINT cursor{};
        GetCursorPos(&cursor);
        const PixelRect anchor = cursorAnchor({cursor.x, cursor.y});
        PopupSystemMenu({anchor.left, anchor.top, anchor.right, anchor.bottom});
    }
}

void TbsSkinForm::applyReaction(int object, const ObjectReaction& r, PixelPoint p, MouseButton button) {
    if (object < 0 || object >= int(layout_.objects.size())) return;
    const FrameObject o = layout_.objects[std::size_t(object)];
    if (r.redraw) RedrawObject(object);
    if (r.startMorph && !morphTimer_->enabled()) morphTimer_->setEnabled(true);
    if (r.startAnimate && !animateTimer_->enabled()) animateTimer_->setEnabled(true);
    // The up event comes after the command for every command but close.
    auto fire = [&](bool afterCommand) {
        if (afterCommand != (r.event == ObjectEvent::Up && r.commandFirst)) return;
        switch (r.event) {
            case ObjectEvent::Enter:
                if (OnMouseEnterEvent) OnMouseEnterEvent(o.name);
                break;
            case ObjectEvent::Leave:
                if (OnMouseLeaveEvent) OnMouseLeaveEvent(o.name);
                break;
            case ObjectEvent::Down:
                if (OnMouseDownEvent) OnMouseDownEvent(o.name, p.x, p.y, o.rect, button);
                break;
            case ObjectEvent::Up:
                if (OnMouseUpEvent) OnMouseUpEvent(o.name, p.x, p.y, o.rect, button);
                break;
            case ObjectEvent::Move:
                if (OnMouseMoveEvent) OnMouseMoveEvent(o.name, p.x, p.y, o.rect);
                break;
            case ObjectEvent::None:
                break;
        }
    };
    fire(false);
    if (r.closeWindow) form_->close();
    if (r.popupMenu && o.command == StdCommand::cmSysMenu) runCommand(FrameCommand::PopupSystemMenu, object);
    if (r.runCommand) DoCommand(object);
    fire(true);
}

void TbsSkinForm::onNcMouse(UINT msg, WPARAM hitCode, LPARAM position) {
    if (!frameSkinned_) return;
    const PixelPoint origin = windowOrigin();
    const PixelPoint p = windowPointFromLParam(std::uint32_t(position), origin.x, origin.y);
    const FrameHit hit = hitCode == HTCAPTION ? FrameHit::Caption : FrameHit::Object;
    const ObjectContext c = objectContext();
    CaptionDoubleClick window;
    window.sizeable = sizeable();
    window.minimized = model_.state == TbsFrameWindowState::Minimized;
    window.maximized = model_.state == TbsFrameWindowState::Maximized;
    window.rolledUp = model_.rolledUp;
    window.rolledUpAtMaximize = model_.rolledUpAtMaximize;
    window.biMaximize = borderIcons_.biMaximize;
    // clang-format off
    switch (msg) {
        case WM_NCMOUSEMOVE:     carry(pointer_.ncMouseMove(layout_, p), MouseButton::Left); break;
        case WM_NCLBUTTONDOWN:   carry(pointer_.ncButtonDown(layout_, p, MouseButton::Left, hit, active_, c), MouseButton::Left); break;
        case WM_NCRBUTTONDOWN:   carry(pointer_.ncButtonDown(layout_, p, MouseButton::Right, hit, active_, c), MouseButton::Right); break;
        case WM_NCLBUTTONUP:     carry(pointer_.ncButtonUp(layout_, p, MouseButton::Left, c), MouseButton::Left); break;
        case WM_NCRBUTTONUP:     carry(pointer_.ncButtonUp(layout_, p, MouseButton::Right, c), MouseButton::Right); break;
        case WM_NCLBUTTONDBLCLK: carry(pointer_.ncDoubleClick(layout_, p, MouseButton::Left, hit, window, active_, c), MouseButton::Left); break;
        case WM_NCRBUTTONDBLCLK: carry(pointer_.ncDoubleClick(layout_, p, MouseButton::Right, hit, window, active_, c), MouseButton::Right); break;
        default:                 break;
    }
    // clang-format on
}

// The button was released over the client area while the window held the mouse.
void TbsSkinForm::onClientButtonUp(MouseButton button) {
    carry(pointer_.clientButtonUp(layout_, button, objectContext()), button);
}

void TbsSkinForm::onMenuClosed() {
    const bool wasOpen = menuOpen_;
    menuOpen_ = false;
    systemMenuShown_ = false;
    ObjectReaction r;
    const int object = menuClosed(layout_.objects, r);
    if (object >= 0) applyReaction(object, r, {-1, -1}, MouseButton::Left);
    menuHook_.remove();
    if (wasOpen && OnSkinMenuClose) OnSkinMenuClose();
}

void TbsSkinForm::closeSkinMenu() {
    if (skinMenu_->Visible()) skinMenu_->Close();
}

// While the system menu is open, a press that would open it again (on a system-menu object, or the
// right button on the caption) only closes it, as the system's own window menu does; the frame's
// objects never see that press, so the button is simply released by the close.
bool TbsSkinForm::pressClosesSystemMenu(const TMessage& m) const {
    if (!systemMenuShown_ || !skinMenu_->Visible() || !frameSkinned_) return false;
    if (m.msg == WM_NCRBUTTONDOWN && m.wParam == HTCAPTION) return true;
    if (m.msg != WM_NCLBUTTONDOWN && m.msg != WM_NCRBUTTONDOWN) return false;
    const PixelPoint origin = windowOrigin();
    const int object = layout_.objectAt(windowPointFromLParam(std::uint32_t(m.lParam), origin.x, origin.y));
    return object >= 0 && layout_.objects[std::size_t(object)].command == StdCommand::cmSysMenu;
}

void TbsSkinForm::markMenuOpen() {
    skinMenu_->MenusAlphaBlend = MenusAlphaBlend;
    skinMenu_->MenusAlphaBlendAnimation = MenusAlphaBlendAnimation;
    skinMenu_->MenusAlphaBlendValue = MenusAlphaBlendValue;
    if (menuOpen_) return;
    menuHook_ = skinMenu_->installMenuHook();
    menuOpen_ = true;
    if (OnSkinMenuOpen) OnSkinMenuOpen();
}

void TbsSkinForm::setMenusSkinData(SkinDataComponent* data) {
    if (menusSkinData_) menusSkinData_->RemoveFreeNotification(this);
    menusSkinData_ = data;
    if (data) data->FreeNotification(this);
}

const TbsSkinData* TbsSkinForm::menusSkin() const {
    if (menusSkinData_ && !menusSkinData_->skinData().SkinEmpty()) return &menusSkinData_->skinData();
    return skinReady_ ? skinData_ : nullptr;
}

MenuStringLookup TbsSkinForm::menuStrings() const {
    const TbsResourceStrData* strings = skinReady_ ? skinData_->ResourceStrData() : nullptr;
    if (!strings) return {};
    return [strings](std::string_view name) { return strings->GetResStr(name); };
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
    if (!active_ || !windowHandle()) {
        trackTimer_->setEnabled(false);
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    const PixelPoint origin = windowOrigin();
    carry(pointer_.trackTimer(layout_, {cursor.x - origin.x, cursor.y - origin.y}, active_, objectContext()),
          MouseButton::Left);
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

void TbsSkinForm::DoCommand(int object) {
    CommandState s;
    s.maximized = model_.state == TbsFrameWindowState::Maximized;
    s.minimized = model_.state == TbsFrameWindowState::Minimized;
    s.AlwaysMinimizeToTray = AlwaysMinimizeToTray;
    runCommand(vireltan::DoCommand(layout_.objects[std::size_t(object)], s), object);
}

void TbsSkinForm::runCommand(FrameCommand command, int object) {
    switch (command) {
        case FrameCommand::Close:
            form_->close();
            break;
        case FrameCommand::Maximize:
            SetFrameWindowState(TbsFrameWindowState::Maximized);
            break;
        case FrameCommand::Minimize:
            SetFrameWindowState(TbsFrameWindowState::Minimized);
            break;
        case FrameCommand::Restore:
            SetFrameWindowState(TbsFrameWindowState::Normal);
            break;
        case FrameCommand::ToggleRollUp:
            SetRollUpState(!model_.rolledUp);
            break;
        case FrameCommand::PopupSystemMenu:
            if (object >= 0) {
                const PixelRect a = objectAnchor(layout_.objects[std::size_t(object)], windowOrigin());
                PopupSystemMenu({a.left, a.top, a.right, a.bottom});
            }
            break;
        case FrameCommand::SendToTray:
            SendToTray();
            break;
        case FrameCommand::PopupObjectMenu:  // no object of this program's skins carries a menu
        case FrameCommand::None:
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
        pointer_.forget();
    }
    if (change.bounds) setBounds(*change.bounds);
    if (change.OnRestore) {
        if (active_) trackTimer_->setEnabled(true);
        if (change.bounds && change.bounds->width() == before.width() &&
            change.bounds->height() == before.height())
            recomputeFrame();
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

SystemMenuState TbsSkinForm::systemMenuState() const {
    SystemMenuState s;
    s.state = vireltan::FrameWindowState(int(model_.state));
    s.rolledUp = model_.rolledUp;
    s.borderIcons = (borderIcons_.biSystemMenu ? unsigned(biSystemMenu) : 0u) |
                    (borderIcons_.biMinimize ? unsigned(biMinimize) : 0u) |
                    (borderIcons_.biMaximize ? unsigned(biMaximize) : 0u) |
                    (borderIcons_.biRollUp ? unsigned(biRollUp) : 0u) |
                    (borderIcons_.biMinimizeToTray ? unsigned(biMinimizeToTray) : 0u);
    return s;
}

// Built afresh at every opening, so the items always follow the window's state and border icons. A
// user's menu takes the standard items in place of the ones it had, as often as it opens.
std::vector<MenuItemData> TbsSkinForm::systemMenuItems() {
    const MenuStringLookup strings = menuStrings();
    if (!SystemMenu) return GetSystemMenuItems(systemMenuState(), nullptr, UseDefaultSysMenu, strings);
    *SystemMenu = GetSystemMenuItems(systemMenuState(), &*SystemMenu, UseDefaultSysMenu, strings);
    return *SystemMenu;
}

// The system menu's one entry point, with its anchor in screen coordinates.
void TbsSkinForm::PopupSystemMenu(const RECT& anchor) {
    HWND window = windowHandle();
    if (!window) return;
    if (OnSystemMenu) {
        OnSystemMenu(anchor);
        SendMessageW(window, BSM_MENUCLOSED, 0, 0);
        return;
    }
    std::vector<MenuItemData> items = systemMenuItems();
    markMenuOpen();
    skinMenu_->Popup(nullptr, menusSkin(), MenuPopupKind::rootDown, std::move(items), toPixelRect(anchor), 0,
                     [this](const MenuItemData& item) { runSystemMenuItem(item); });
    systemMenuShown_ = skinMenu_->Visible();
}

void TbsSkinForm::runSystemMenuItem(const MenuItemData& item) {
    switch (item.command) {
        case smcMinimize:
            SetFrameWindowState(TbsFrameWindowState::Minimized);
            break;
        case smcSendToTray:
            runCommand(FrameCommand::SendToTray, -1);
            break;
        case smcMaximize:
            SetFrameWindowState(TbsFrameWindowState::Maximized);
            break;
        case smcRestore:
            SetFrameWindowState(TbsFrameWindowState::Normal);
            break;
        case smcRollDown:
            SetRollUpState(false);
            break;
        case smcRollUp:
            SetRollUpState(true);
            break;
        case smcClose:
            form_->close();
            break;
        default:
            if (OnSystemMenuItem) OnSystemMenuItem(item);
            break;
    }
}

}  // namespace vireltan
