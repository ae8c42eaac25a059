// How the frame's objects react to the pointer and to the morph and animation timers, as transitions
// on FrameObject::state. Each transition returns what the frame then has to do (redraw the object,
// start a timer, run the command, fire an event); the Win32 frame carries that out.
#pragma once

#include <vector>

#include "skin/FrameObjects.h"
#include "skin/StripAnimation.h"

namespace vireltan {

enum class MouseButton { Left, Right };

// Morph and animation timers: 25 ms; a morph runs five steps of 0.2.
constexpr int kMorphTimerMs = 25;
constexpr int kAnimateTimerMs = 25;
constexpr int kMorphSteps = 5;

enum class ObjectEvent { None, Enter, Leave, Down, Up, Move };

struct ObjectReaction {
    bool redraw = false;        // RedrawObject
    bool startMorph = false;    // enable MorphTimer
    bool startAnimate = false;  // enable AnimateTimer
    bool runCommand = false;    // DoCommand
    bool commandFirst = false;  // DoCommand before the event (every command but cmclose)
    bool popupMenu = false;     // a button's own menu, or the system menu under a cmsysmenu button
    bool closeWindow = false;   // double click on a system-menu button
    ObjectEvent event = ObjectEvent::None;
    friend bool operator==(const ObjectReaction&, const ObjectReaction&) = default;
};

struct ObjectContext {
    bool skinEffects = true;  // the skin data's EnableSkinEffects on a loaded skin
    bool hasMenu = false;     // a button with a menu item that has items
};

bool canMorph(const FrameObject& o, const ObjectContext& c);
// The caption's animation keys (animateskinrect, framecount, animateinterval, inactiveanimation),
// stepped by the frame's 25 ms animation timer.
StripAnimation captionAnimation(const FrameObject& caption);
bool MorphPending(const FrameObject& o);

ObjectReaction objectMouseEnter(FrameObject& o, const ObjectContext& c);
ObjectReaction objectMouseLeave(FrameObject& o, const ObjectContext& c);
ObjectReaction objectMouseDown(FrameObject& o, MouseButton b, const ObjectContext& c);
ObjectReaction objectMouseUp(FrameObject& o, MouseButton b, const ObjectContext& c);
ObjectReaction objectDblClick(FrameObject& o);

// WM_ENTERSIZEMOVE and WM_ACTIVATE: animations back to frame 1 at rest, every other object but the
// caption unhovered with morph factor 0.
void resetHoverStates(std::vector<FrameObject>& objects);

// BSM_MENUCLOSED: the first button whose menu is down is released; else the first animation whose
// menu is shown plays back from its last frame. The index of the object changed, or -1.
int menuClosed(std::vector<FrameObject>& objects, ObjectReaction& reaction);

// One timer tick: the objects to redraw, and whether the timer keeps running.
struct TickResult {
    std::vector<int> redraw;
    bool keepRunning = false;
};
TickResult morphTick(std::vector<FrameObject>& objects, const ObjectContext& c);
TickResult animateTick(std::vector<FrameObject>& objects);

// SetCaptionActive for the first caption whose Active differs from the window's state. With repaint
// and caption animation possible the animation starts; without repaint the morph factor jumps to its
// end. Returns the caption's index, or -1 when none changed.
int setCaptionActive(std::vector<FrameObject>& objects, bool windowActive, bool repaint,
                     bool animationPossible, const ObjectContext& c, ObjectReaction& reaction);

// TrackActiveObject: the object under the point (or none when `inside` is false; none while another
// object holds the capture), and which objects lose and gain the pointer.
struct TrackChange {
    int active = -1;
    int leave = -1;  // gets MouseLeave
    int enter = -1;  // gets MouseEnter
    friend bool operator==(const TrackChange&, const TrackChange&) = default;
};
TrackChange trackActiveObject(const FrameLayout& layout, int active, int captured, PixelPoint p, bool inside);

// DoCommand of a standard button or an animated object, and the caption double click, as the window
// command they ask for.
enum class FrameCommand {
    None,
    Close,
    Maximize,
    Minimize,
    Restore,
    SendToTray,
    PopupSystemMenu,
    PopupObjectMenu,
    ToggleRollUp
};
struct CommandState {
    bool maximized = false;
    bool minimized = false;
    bool AlwaysMinimizeToTray = false;
    bool hasObjectMenu = false;  // an animated cmdefault object with a menu item
};
FrameCommand DoCommand(const FrameObject& o, const CommandState& s);

struct CaptionDoubleClick {
    bool sizeable = false;
    bool minimized = false;
    bool maximized = false;
    bool rolledUp = false;
    bool rolledUpAtMaximize = false;
    bool biMaximize = false;
};
// WM_NCLBUTTONDBLCLK on HTCAPTION: restore, maximize, or toggle the roll-up (which needs biRollUp).
FrameCommand captionDoubleClick(const CaptionDoubleClick& c);

// Where the system menu opens (screen coordinates): under a pressed system-menu object, at the cursor
// for a right click on the caption (an empty rectangle), and for Alt+Space under every enabled
// cmsysmenu object in list order (each opening replacing the one before).
PixelRect objectAnchor(const FrameObject& o, PixelPoint windowOrigin);
PixelRect cursorAnchor(PixelPoint cursor);
std::vector<PixelRect> altSpaceAnchors(const FrameLayout& layout, PixelPoint windowOrigin);

}  // namespace vireltan
