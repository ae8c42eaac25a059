// The run-time skin objects of the window frame (caption, caption buttons, animated buttons, user
// objects) as values: what each object is, where it is on the window, and its hover/press/animation
// state. Built from the skin's object definitions, switched by the window's BorderIcons and laid out
// once per size; painting and hit testing both read the same FrameLayout.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/FrameMetrics.h"
#include "skin/PixelGeometry.h"
#include "skin/SkinValues.h"

namespace vireltan {

class TbsSkinData;
class TbsResourceStrData;

enum class FrameObjectKind { Caption, Button, StdButton, Animate, User };

// The caption commands the window offers (TbsBorderIcons).
struct TbsBorderIcons {
    bool biSystemMenu = true;
    bool biMinimize = true;
    bool biMaximize = true;
    bool biRollUp = true;
    bool biMinimizeToTray = false;
    friend bool operator==(const TbsBorderIcons&, const TbsBorderIcons&) = default;
};

// What changes while the pointer and the timers work on an object.
struct FrameObjectState {
    bool pointerIn = false;
    bool active = false;   // hovered (buttons), running (animations), window active (caption)
    bool down = false;     // buttons: pressed
    bool pressed = false;  // animations: held down
    bool menuShown = false;
    bool forward = true;  // animation direction
    double morph = 0;     // 0 normal image, 1 active image
    int frame = 1;        // animations: 1..countframes; caption: 0 at rest
    int timeCounter = 25;
    friend bool operator==(const FrameObjectState&, const FrameObjectState&) = default;
};

struct FrameObject {
    FrameObjectKind kind = FrameObjectKind::User;
    std::string name;  // IDName: the definition's section name
    std::string hint;
    int definition = -1;     // index in TbsSkinData::ObjectDefinitions; -1 for the plain buttons
    int activePicture = -1;  // index in ActivePictures, -1 when none (or past the list)
    bool inAPicture = false;
    bool skinned = true;  // false for the plain buttons
    PixelRect skinRect, activeRect, inactiveRect;
    PixelRect downRect, disabledRect;  // buttons: downrect, disableskinrsect; animations: downskinrect
    PixelRect restoreRect, restoreActiveRect, restoreDownRect, restoreInactiveRect;
    bool morphing = false;  // off when there is no active image
    MorphKind morphKind = MorphKind::mkDefault;
    StdCommand command = StdCommand::cmDefault;
    bool buttonStyle = false;  // animations that react to hovering
    bool cycle = false;
    int countFrames = 1;     // animations: countframes; caption: framecount
    int frameInterval = 25;  // animations: timerinterval (at least 25 ms); caption: animateinterval
    PixelRect animateRect;   // caption: animateskinrect
    bool inactiveAnimation = false;
    bool enabled = true;
    bool visible = true;
    PixelRect rect;  // on the window
    FrameObjectState state;

    bool isButton() const { return kind == FrameObjectKind::Button || kind == FrameObjectKind::StdButton; }
    bool hasCommand() const { return kind == FrameObjectKind::StdButton || kind == FrameObjectKind::Animate; }
};

// With the frame's ShowIcon, a cmsysmenu button whose image is a picture of its own (all plain
// buttons are) shows the window's small icon at its top-left corner instead of its image.
inline bool drawsWindowIcon(const FrameObject& o, bool showIcon) {
    return showIcon && o.kind == FrameObjectKind::StdButton && o.command == StdCommand::cmSysMenu &&
           o.inAPicture;
}

// CreateSkinObjects: one object per definition in order, menu-item and main-menu-bar kinds skipped.
// An activepictureindex past the picture list counts as none: the object keeps only its normal image.
std::vector<FrameObject> CreateSkinObjects(const TbsSkinData& skin);

struct BorderIconSettings {
    TbsBorderIcons icons;
    bool HideCaptionButtons = false;
    bool UseDefaultObjectHint = true;
    const TbsResourceStrData* strings = nullptr;  // the skin's string table, if any
    // OnActivateCustomObject: visibility of cmdefault buttons; unset means hidden.
    std::function<bool(std::string_view)> activateCustomObject;
};
void ApplyBorderIcons(std::vector<FrameObject>& objects, const BorderIconSettings& s);
// The hint of a command: the string table's text under its name, else the English default.
std::string defaultCommandHint(StdCommand command, const TbsResourceStrData* strings);

// The frame's geometry and its objects for one size: what both painting and hit testing read.
struct FrameLayout {
    bool skinned = false;  // false: the plain frame (client, caption and plain buttons only)
    FrameMetrics metrics;
    std::vector<FrameObject> objects;
    // The first visible caption object containing the point.
    bool inCaptionObject(PixelPoint p) const;
    // The first enabled, visible object containing the point, or -1 (TrackActiveObject's search).
    int objectAt(PixelPoint p) const;
};

// LayoutObjects: corner-zone placement, then the row of in-a-picture buttons. smallIconSize is the
// size of a cmsysmenu button showing the window icon (ShowIcon), 0 otherwise.
void LayoutObjects(std::vector<FrameObject>& objects, const FrameMetrics& m, int smallIconSize = 0);

// The six plain caption buttons used without a skin.
std::vector<FrameObject> createPlainButtons();
// The plain frame's layout for W x H: client (3, h + 3, W - 3, H - 3), buttons of s x s from the right
// (s = 17, 13 for tool windows), the caption (3, 3, W - 3, h) narrowed by them.
FrameLayout plainFrameLayout(std::vector<FrameObject> buttons, int width, int height, bool toolWindow,
                             int smallIconSize = 0);

// The skinned layout: CalcFrameGeometry then LayoutObjects.
void updateFrameLayout(FrameLayout& layout, const SkinFormInfo& form, int pictureWidth, int pictureHeight,
                       int width, int height, int smallIconSize = 0);

}  // namespace vireltan
