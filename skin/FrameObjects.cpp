#include "skin/FrameObjects.h"

#include <algorithm>
#include <array>

#include "skin/ResourceStrData.h"
#include "skin/SkinData.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinObjects.h"

namespace vireltan {
namespace {

void readBase(const TbsDataSkinObject& d, int pictureCount, FrameObject& o) {
    o.hint = d.hint;
    o.activePicture =
        d.activepictureindex >= 0 && d.activepictureindex < pictureCount ? d.activepictureindex : -1;
    o.inAPicture = d.skinrectinapicture;
    o.skinRect = pixelRect(d.skinrect);
    o.activeRect = pixelRect(d.activeskinrect);
    o.inactiveRect = pixelRect(d.inactiveskinrect);
    o.morphing = d.morphing;
    o.morphKind = d.morphkind;
}

void readRestore(const SkinRect& r, const SkinRect& ra, const SkinRect& rd, const SkinRect& ri,
                 FrameObject& o) {
    o.restoreRect = pixelRect(r);
    o.restoreActiveRect = pixelRect(ra);
    o.restoreDownRect = pixelRect(rd);
    o.restoreInactiveRect = pixelRect(ri);
}

// Every image but the normal one comes from the active picture: without one there is none of them.
void dropActiveImages(FrameObject& o) {
    if (o.activePicture >= 0) {
        if (o.activeRect.empty()) o.morphing = false;
        return;
    }
    o.activeRect = o.inactiveRect = o.downRect = o.disabledRect = {};
    o.restoreRect = o.restoreActiveRect = o.restoreDownRect = o.restoreInactiveRect = {};
    o.morphing = false;
}

constexpr std::array<StdCommand, 5> kRowCommands = {StdCommand::cmClose, StdCommand::cmMaximize,
                                                    StdCommand::cmMinimize, StdCommand::cmRollUp,
                                                    StdCommand::cmMinimizeToTray};

bool commandAllowed(StdCommand c, const TbsBorderIcons& icons) {
    switch (c) {
        case StdCommand::cmMaximize:
            return icons.biMaximize;
        case StdCommand::cmMinimize:
            return icons.biMinimize;
        case StdCommand::cmSysMenu:
            return icons.biSystemMenu;
        case StdCommand::cmRollUp:
            return icons.biRollUp;
        case StdCommand::cmMinimizeToTray:
            return icons.biMinimizeToTray;
        default:
            return true;
    }
}

bool inRow(const FrameObject& o) {
    return o.hasCommand() && o.inAPicture && o.visible;
}

int firstCaption(const std::vector<FrameObject>& objects) {
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].kind == FrameObjectKind::Caption) return int(i);
    }
    return -1;
}

// The row's members in placing order: the first of each row command, then every cmdefault object.
std::vector<FrameObject*> rowOrder(std::vector<FrameObject>& objects) {
    std::vector<FrameObject*> row;
    for (StdCommand c : kRowCommands) {
        for (FrameObject& o : objects) {
            if (inRow(o) && o.command == c) {
                row.push_back(&o);
                break;
            }
        }
    }
    for (FrameObject& o : objects) {
        if (inRow(o) && o.command == StdCommand::cmDefault) row.push_back(&o);
    }
    return row;
}

FrameObject* sysMenuObject(std::vector<FrameObject>& objects) {
    for (FrameObject& o : objects) {
        if (inRow(o) && o.command == StdCommand::cmSysMenu) return &o;
    }
    return nullptr;
}

PixelPoint objectSize(const FrameObject& o, int smallIconSize) {
    if (smallIconSize > 0 && o.kind == FrameObjectKind::StdButton && o.command == StdCommand::cmSysMenu) {
        return {smallIconSize, smallIconSize};
    }
    return {o.skinRect.width(), o.skinRect.height()};
}

bool contains(const PixelRect& r, PixelPoint p) {
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

}  // namespace

std::vector<FrameObject> CreateSkinObjects(const TbsSkinData& skin) {
    std::vector<FrameObject> out;
    const int pictures = int(skin.ActivePictures.size());
    for (std::size_t i = 0; i < skin.ObjectDefinitions.size(); ++i) {
        const TbsDataSkinObject& d = *skin.ObjectDefinitions[i];
        const std::string_view kind = d.kindWord();
        FrameObject o;
        o.name = d.name;
        o.definition = int(i);
        if (kind == "stdbutton" || kind == "button") {
            const auto& b = static_cast<const TbsDataSkinButton&>(d);
            readBase(d, pictures, o);
            o.kind = kind == "stdbutton" ? FrameObjectKind::StdButton : FrameObjectKind::Button;
            o.downRect = pixelRect(b.downrect);
            o.disabledRect = pixelRect(b.disableskinrsect);
            if (kind == "stdbutton") {
                const auto& s = static_cast<const TbsDataSkinStdButton&>(d);
                o.command = s.command;
                readRestore(s.restorerect, s.restoreactiverect, s.restoredownrect, s.restoreinactiverect, o);
            }
        } else if (kind == "animate") {
            const auto& a = static_cast<const TbsDataSkinAnimate&>(d);
            readBase(d, pictures, o);
            o.kind = FrameObjectKind::Animate;
            o.morphing = false;
            o.countFrames = std::max(1, a.countframes);
            o.cycle = a.cycle;
            o.buttonStyle = a.buttonstyle;
            o.frameInterval = std::max(25, a.timerinterval);
            o.command = a.command;
            o.downRect = pixelRect(a.downskinrect);
            readRestore(a.restorerect, a.restoreactiverect, a.restoredownrect, a.restoreinactiverect, o);
        } else if (kind == "caption") {
            const auto& c = static_cast<const TbsDataSkinCaption&>(d);
            readBase(d, pictures, o);
            o.kind = FrameObjectKind::Caption;
            o.countFrames = std::max(0, c.framecount);
            o.frameInterval = std::max(25, c.animateinterval);
            o.animateRect = pixelRect(c.animateskinrect);
            o.inactiveAnimation = c.inactiveanimation;
            o.state.frame = 0;
        } else if (kind == "userobject") {
            o.kind = FrameObjectKind::User;
            o.skinRect = pixelRect(d.skinrect);
        } else {
            continue;  // menu items and main-menu-bar objects belong to the menus
        }
        dropActiveImages(o);
        out.push_back(std::move(o));
    }
    return out;
}

std::string defaultCommandHint(StdCommand command, const TbsResourceStrData* strings) {
    struct Hint {
        StdCommand command;
        const char* name;
        const char* text;
    };
    static constexpr Hint kHints[] = {
        {StdCommand::cmClose, "CLOSEBUTTON_HINT", "Close"},
        {StdCommand::cmMaximize, "MAXBUTTON_HINT", "Maximize"},
        {StdCommand::cmMinimize, "MINBUTTON_HINT", "Minimize"},
        {StdCommand::cmSysMenu, "MENUBUTTON_HINT", "System menu"},
        {StdCommand::cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up"},
        {StdCommand::cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray"},
    };
    for (const Hint& h : kHints) {
        if (h.command == command) return strings ? strings->GetResStr(h.name) : std::string(h.text);
    }
    return {};
}

void ApplyBorderIcons(std::vector<FrameObject>& objects, const BorderIconSettings& s) {
    for (FrameObject& o : objects) {
        if (!o.hasCommand()) continue;
        if (s.HideCaptionButtons) {
            o.enabled = false;
            o.visible = !o.inAPicture;
            continue;
        }
        if (o.kind == FrameObjectKind::Animate && !o.buttonStyle) continue;
        if (o.command == StdCommand::cmClose) continue;
        if (o.command == StdCommand::cmDefault) {
            o.visible = s.activateCustomObject ? s.activateCustomObject(o.name) : false;
            continue;
        }
        o.enabled = commandAllowed(o.command, s.icons);
        o.visible = o.enabled || !o.inAPicture;
    }
    if (!s.UseDefaultObjectHint) return;
    for (FrameObject& o : objects) {
        if (o.hasCommand() && o.skinned && o.command != StdCommand::cmDefault) {
            o.hint = defaultCommandHint(o.command, s.strings);
        }
    }
}

bool FrameLayout::inCaptionObject(PixelPoint p) const {
    return std::any_of(objects.begin(), objects.end(), [&](const FrameObject& o) {
        return o.kind == FrameObjectKind::Caption && o.visible && contains(o.rect, p);
    });
}

int FrameLayout::objectAt(PixelPoint p) const {
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const FrameObject& o = objects[i];
        if (o.enabled && o.visible && contains(o.rect, p)) return int(i);
    }
    return -1;
}

void LayoutObjects(std::vector<FrameObject>& objects, const FrameMetrics& m, int smallIconSize) {
    for (FrameObject& o : objects) {
        if (!o.inAPicture) o.rect = CalcObjectRect(m, o.skinRect);
    }
    const PixelRect area = !m.buttons.empty() ? m.buttons : m.caption;
    if (area.empty()) return;
    const int top = area.top;
    const int captionIndex = firstCaption(objects);
    FrameObject* caption = captionIndex >= 0 ? &objects[std::size_t(captionIndex)] : nullptr;
    FrameObject* sysMenu = sysMenuObject(objects);
    std::vector<FrameObject*> row = rowOrder(objects);
    if (!m.buttonsInLeft) {
        int x = area.right;
        for (FrameObject* o : row) {
            const PixelPoint size = objectSize(*o, smallIconSize);
            o->rect = {x - size.x, top, x, top + size.y};
            x -= size.x + m.buttonsOffset;
        }
        if (m.buttons.empty() && caption) caption->rect.right = x + m.buttonsOffset;
    } else {
        if (m.buttons.empty() && sysMenu) row.push_back(sysMenu);
        int x = area.left;
        for (FrameObject* o : row) {
            const PixelPoint size = objectSize(*o, smallIconSize);
            o->rect = {x, top, x + size.x, top + size.y};
            x += size.x + m.buttonsOffset;
        }
        if (m.buttons.empty()) {
            if (caption) caption->rect.left = x + m.buttonsOffset;
            return;
        }
    }
    // The system-menu button sits at the caption's left end (also when the row is on the left but has
    // a rectangle of its own, where the rule above does not place it).
    if (sysMenu) {
        const PixelPoint size = objectSize(*sysMenu, smallIconSize);
        const PixelRect& c = m.caption;
        const int y = c.top + c.height() / 2 - size.y / 2;
        sysMenu->rect = {c.left, y, c.left + size.x, y + size.y};
        if (caption) caption->rect.left = c.left + size.x;
    }
}

std::vector<FrameObject> createPlainButtons() {
    struct Plain {
        const char* name;
        StdCommand command;
    };
    static constexpr Plain kPlain[] = {
        {"closebutton", StdCommand::cmClose},     {"maxbutton", StdCommand::cmMaximize},
        {"minbutton", StdCommand::cmMinimize},    {"rollupbutton", StdCommand::cmRollUp},
        {"sysmenubutton", StdCommand::cmSysMenu}, {"traybutton", StdCommand::cmMinimizeToTray},
    };
    std::vector<FrameObject> out;
    for (const Plain& p : kPlain) {
        FrameObject o;
        o.kind = FrameObjectKind::StdButton;
        o.name = p.name;
        o.command = p.command;
        o.inAPicture = true;
        o.skinned = false;
        out.push_back(std::move(o));
    }
    return out;
}

FrameLayout plainFrameLayout(std::vector<FrameObject> buttons, int width, int height, bool toolWindow,
                             int smallIconSize) {
    FrameLayout layout;
    layout.skinned = false;
    const int h = plainCaptionHeight(toolWindow);
    const int s = toolWindow ? 13 : 17;
    FrameMetrics& m = layout.metrics;
    m.width = width;
    m.height = height;
    m.client = {3, h + 3, std::max(3, width - 3), std::max(h + 3, height - 3)};
    m.caption = {3, 3, width - 3, h};
    int x = width - 3;
    for (StdCommand c : kRowCommands) {
        for (FrameObject& o : buttons) {
            if (o.command != c || !o.visible) continue;
            o.rect = {x - s, 4, x, 4 + s};
            x -= s;
        }
    }
    m.caption.right = x;
    for (FrameObject& o : buttons) {
        if (o.command != StdCommand::cmSysMenu || !o.visible) continue;
        const int size = smallIconSize > 0 ? smallIconSize : s;
        o.rect = {3, 4, 3 + size, 4 + size};
        m.caption.left = o.rect.right;
    }
    layout.objects = std::move(buttons);
    return layout;
}

void updateFrameLayout(FrameLayout& layout, const SkinFormInfo& form, int pictureWidth, int pictureHeight,
                       int width, int height, int smallIconSize) {
    layout.skinned = true;
    layout.metrics = CalcFrameGeometry(form, pictureWidth, pictureHeight, width, height);
    LayoutObjects(layout.objects, layout.metrics, smallIconSize);
}

}  // namespace vireltan
