#include "skin/FrameButtons.h"

#include <algorithm>
#include <cmath>

namespace vireltan {
namespace {

// A change of look: morphing objects start the morph timer, the others are redrawn at once.
void startChange(const FrameObject& o, const ObjectContext& c, ObjectReaction& r) {
    if (canMorph(o, c)) {
        r.startMorph = true;
    } else {
        r.redraw = true;
    }
}

void setDown(FrameObject& o, bool down, const ObjectContext& c, ObjectReaction& r) {
    o.state.down = down;
    if (canMorph(o, c) && o.state.active) o.state.morph = 1;
    r.redraw = true;
    if (!down && canMorph(o, c)) r.startMorph = true;
}

bool isSysMenu(const FrameObject& o) {
    return o.command == StdCommand::cmSysMenu;
}

// Animated objects play towards their last frame when hovered and back when left.
void startAnimation(FrameObject& o, bool forward, ObjectReaction& r) {
    o.state.active = true;
    o.state.forward = forward;
    if (o.state.pressed && !o.downRect.empty()) {
        r.redraw = true;
    } else {
        r.startAnimate = true;
    }
}

// The morph factor in whole fifths, so that a morph always takes exactly five steps.
double morphStep(double factor, bool up) {
    const double fifths = std::round(factor * kMorphSteps) + (up ? 1 : -1);
    return std::clamp(fifths / kMorphSteps, 0.0, 1.0);
}

StripAnimationState stripState(const FrameObject& o) {
    return {o.state.frame, o.state.timeCounter};
}

bool animationNeedsStep(const FrameObject& o) {
    if (o.kind == FrameObjectKind::Caption)
        return stripAnimationRunning(captionAnimation(o), stripState(o), o.state.active);
    return o.kind == FrameObjectKind::Animate && o.state.active && (!o.state.pressed || o.downRect.empty());
}

// One animation tick of an object that needs one; true when its frame changed.
bool animationStep(FrameObject& o) {
    FrameObjectState& s = o.state;
    if (o.kind == FrameObjectKind::Caption) {
        StripAnimationState strip = stripState(o);
        const bool moved = stripAnimationTick(captionAnimation(o), strip, s.active);
        s.frame = strip.frame;
        s.timeCounter = strip.timeCounter;
        return moved;
    }
    // The counter counts the ticks waited for this frame: a 25 ms interval steps at every tick.
    if (s.timeCounter < o.frameInterval) {
        s.timeCounter += kAnimateTimerMs;
        return false;
    }
    s.timeCounter = kAnimateTimerMs;
    if (s.forward) {
        s.frame = s.frame >= o.countFrames ? 1 : s.frame + 1;
        if (!o.cycle && s.frame == o.countFrames) s.active = false;
    } else {
        s.frame = s.frame <= 1 ? o.countFrames : s.frame - 1;
        if (s.frame == 1) s.active = false;
    }
    return true;
}

}  // namespace

StripAnimation captionAnimation(const FrameObject& caption) {
    return {caption.animateRect, caption.countFrames, caption.frameInterval, caption.inactiveAnimation,
            kAnimateTimerMs};
}

bool canMorph(const FrameObject& o, const ObjectContext& c) {
    return o.morphing && c.skinEffects;
}

bool MorphPending(const FrameObject& o) {
    const FrameObjectState& s = o.state;
    if (o.isButton() && s.menuShown) return false;
    return (s.active && s.morph < 1) || (!s.active && s.morph > 0);
}

ObjectReaction objectMouseEnter(FrameObject& o, const ObjectContext& c) {
    ObjectReaction r;
    FrameObjectState& s = o.state;
    switch (o.kind) {
        case FrameObjectKind::Caption:
            s.pointerIn = true;
            break;
        case FrameObjectKind::Animate:
            s.pointerIn = true;
            if (s.menuShown) return r;
            if (o.buttonStyle) startAnimation(o, true, r);
            break;
        case FrameObjectKind::Button:
        case FrameObjectKind::StdButton:
            s.pointerIn = s.active = true;
            if (s.down && !o.downRect.empty()) {
                if (canMorph(o, c)) s.morph = 1;
                r.redraw = true;
            } else if (!o.activeRect.empty() || !o.skinned) {
                startChange(o, c, r);  // the plain buttons draw their hot look themselves
            }
            break;
        case FrameObjectKind::User:
            s.pointerIn = s.active = true;
            if (!o.activeRect.empty()) startChange(o, c, r);
            break;
    }
    r.event = ObjectEvent::Enter;
    return r;
}

ObjectReaction objectMouseLeave(FrameObject& o, const ObjectContext& c) {
    ObjectReaction r;
    FrameObjectState& s = o.state;
    switch (o.kind) {
        case FrameObjectKind::Caption:
            s.pointerIn = false;
            break;
        case FrameObjectKind::Animate:
            if (!s.pointerIn) return r;
            s.pointerIn = false;
            if (s.menuShown) return r;
            if (o.buttonStyle) startAnimation(o, false, r);
            break;
        case FrameObjectKind::Button:
        case FrameObjectKind::StdButton:
            s.pointerIn = s.active = false;
            if (!s.menuShown) {
                r.redraw = true;
                startChange(o, c, r);
            }
            break;
        case FrameObjectKind::User:
            s.pointerIn = s.active = false;
            if (!o.activeRect.empty()) startChange(o, c, r);
            break;
    }
    r.event = ObjectEvent::Leave;
    return r;
}

ObjectReaction objectMouseDown(FrameObject& o, MouseButton b, const ObjectContext& c) {
    ObjectReaction r;
    FrameObjectState& s = o.state;
    const bool left = b == MouseButton::Left;
    switch (o.kind) {
        case FrameObjectKind::StdButton:
            // Standard buttons fire no mouse-down event.
            if (!o.enabled || !left || s.down) return r;
            setDown(o, true, c, r);
            if (isSysMenu(o)) {
                s.menuShown = true;
                r.popupMenu = true;
            }
            return r;
        case FrameObjectKind::Button:
            if (!o.enabled) return r;
            if (left && !s.down) {
                setDown(o, true, c, r);
                if (c.hasMenu) {
                    s.menuShown = true;
                    r.popupMenu = true;
                }
            }
            break;
        case FrameObjectKind::Animate:
            if (left && !o.downRect.empty()) {
                s.frame = o.countFrames;
                s.pressed = true;
                r.redraw = true;
            }
            if (isSysMenu(o) && s.pointerIn && o.buttonStyle && left) {
                r.runCommand = true;
                s.menuShown = true;
            }
            break;
        case FrameObjectKind::Caption:
        case FrameObjectKind::User:
            break;
    }
    r.event = ObjectEvent::Down;
    return r;
}

ObjectReaction objectMouseUp(FrameObject& o, MouseButton b, const ObjectContext& c) {
    ObjectReaction r;
    FrameObjectState& s = o.state;
    const bool left = b == MouseButton::Left;
    switch (o.kind) {
        case FrameObjectKind::StdButton:
        case FrameObjectKind::Button: {
            if (!o.enabled) return r;
            // A press released outside the button (no longer Active) runs no command; the system-menu
            // button has run its command at the press.
            const bool command = o.kind == FrameObjectKind::StdButton && s.active && left && !isSysMenu(o);
            const bool menu = c.hasMenu || s.menuShown;
            if (left && !menu && s.down) setDown(o, false, c, r);
            r.runCommand = command;
            r.commandFirst = command && o.command != StdCommand::cmClose;
            if (s.pointerIn) r.event = ObjectEvent::Up;
            return r;
        }
        case FrameObjectKind::Animate:
            if (!s.menuShown) {
                if (left && !o.downRect.empty()) {
                    s.pressed = false;
                    r.redraw = true;
                    r.startAnimate = true;
                }
                r.runCommand = !isSysMenu(o) && s.pointerIn && o.buttonStyle && left;
            }
            if (s.pointerIn) r.event = ObjectEvent::Up;
            return r;
        case FrameObjectKind::Caption:
            r.event = ObjectEvent::Up;  // whatever pointer-in is
            return r;
        case FrameObjectKind::User:
            if (s.pointerIn) r.event = ObjectEvent::Up;
            return r;
    }
    return r;
}

ObjectReaction objectDblClick(FrameObject& o) {
    ObjectReaction r;
    r.closeWindow = o.hasCommand() && isSysMenu(o);
    return r;
}

void resetHoverStates(std::vector<FrameObject>& objects) {
    for (FrameObject& o : objects) {
        FrameObjectState& s = o.state;
        if (o.kind == FrameObjectKind::Animate) {
            s.pointerIn = s.active = false;
            s.frame = 1;
        } else if (o.kind != FrameObjectKind::Caption) {
            s.pointerIn = s.active = false;
            s.morph = 0;
        }
    }
}

int menuClosed(std::vector<FrameObject>& objects, ObjectReaction& reaction) {
    const ObjectContext plain;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        FrameObject& o = objects[i];
        if (o.isButton() && o.state.menuShown) {
            o.state.menuShown = false;
            setDown(o, false, plain, reaction);
            return int(i);
        }
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        FrameObject& o = objects[i];
        if (o.kind == FrameObjectKind::Animate && o.state.menuShown) {
            o.state.menuShown = o.state.pressed = false;
            o.state.active = true;
            o.state.frame = o.countFrames;
            o.state.forward = false;
            reaction.startAnimate = true;
            return int(i);
        }
    }
    return -1;
}

TickResult morphTick(std::vector<FrameObject>& objects, const ObjectContext& c) {
    TickResult t;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        FrameObject& o = objects[i];
        if (!canMorph(o, c) || !MorphPending(o)) continue;
        o.state.morph = morphStep(o.state.morph, o.state.active);
        t.redraw.push_back(int(i));
        t.keepRunning = true;
    }
    return t;
}

TickResult animateTick(std::vector<FrameObject>& objects) {
    TickResult t;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        FrameObject& o = objects[i];
        if (!animationNeedsStep(o)) continue;
        t.keepRunning = true;
        if (animationStep(o)) t.redraw.push_back(int(i));
    }
    return t;
}

int setCaptionActive(std::vector<FrameObject>& objects, bool windowActive, bool repaint,
                     bool animationPossible, const ObjectContext& c, ObjectReaction& reaction) {
    for (std::size_t i = 0; i < objects.size(); ++i) {
        FrameObject& o = objects[i];
        if (o.kind != FrameObjectKind::Caption || o.state.active == windowActive) continue;
        FrameObjectState& s = o.state;
        s.active = windowActive;
        if (!repaint) {
            s.morph = windowActive ? 1 : 0;
            return int(i);
        }
        if (animationPossible) {
            const StripAnimationState start = stripAnimationStart(captionAnimation(o), windowActive);
            s.frame = start.frame;
            s.timeCounter = start.timeCounter;
            reaction.startAnimate = true;
        }
        reaction.redraw = true;  // the frame sends itself WM_NCPAINT
        if (canMorph(o, c)) reaction.startMorph = true;
        return int(i);
    }
    return -1;
}

TrackChange trackActiveObject(const FrameLayout& layout, int active, int captured, PixelPoint p,
                              bool inside) {
    TrackChange t;
    const int found = layout.objectAt(p);
    t.active = inside ? found : -1;
    if (captured >= 0 && found != captured) t.active = -1;
    if (t.active == active) return t;
    auto usable = [&](int i) {
        if (i < 0 || i >= int(layout.objects.size())) return false;
        const FrameObject& o = layout.objects[std::size_t(i)];
        return o.enabled && o.visible;
    };
    if (usable(active)) t.leave = active;
    if (usable(t.active)) t.enter = t.active;
    return t;
}

FrameCommand DoCommand(const FrameObject& o, const CommandState& s) {
    switch (o.command) {
        case StdCommand::cmClose:
            return FrameCommand::Close;
        case StdCommand::cmMaximize:
            return s.maximized ? FrameCommand::Restore : FrameCommand::Maximize;
        case StdCommand::cmMinimize:
            if (s.AlwaysMinimizeToTray) return FrameCommand::SendToTray;
            return s.minimized ? FrameCommand::Restore : FrameCommand::Minimize;
        case StdCommand::cmSysMenu:
            return FrameCommand::PopupSystemMenu;
        case StdCommand::cmDefault:
            return o.kind == FrameObjectKind::Animate && s.hasObjectMenu ? FrameCommand::PopupObjectMenu
                                                                         : FrameCommand::None;
        case StdCommand::cmRollUp:
            return FrameCommand::ToggleRollUp;
        case StdCommand::cmMinimizeToTray:
            return FrameCommand::SendToTray;
    }
    return FrameCommand::None;
}

FrameCommand captionDoubleClick(const CaptionDoubleClick& c) {
    if (c.sizeable && c.minimized) return FrameCommand::Restore;
    if (c.sizeable && !c.maximized && !c.rolledUp && c.biMaximize) return FrameCommand::Maximize;
    if (c.sizeable && c.maximized && !c.rolledUpAtMaximize) return FrameCommand::Restore;
    return FrameCommand::ToggleRollUp;
}

PixelRect objectAnchor(const FrameObject& o, PixelPoint windowOrigin) {
    return o.rect.offset(windowOrigin.x, windowOrigin.y);
}

PixelRect cursorAnchor(PixelPoint cursor) {
    return {cursor.x, cursor.y, cursor.x, cursor.y};
}

std::vector<PixelRect> altSpaceAnchors(const FrameLayout& layout, PixelPoint windowOrigin) {
    std::vector<PixelRect> anchors;
    for (const FrameObject& o : layout.objects) {
        if (o.hasCommand() && o.command == StdCommand::cmSysMenu && o.enabled) {
            anchors.push_back(objectAnchor(o, windowOrigin));
        }
    }
    return anchors;
}

}  // namespace vireltan
