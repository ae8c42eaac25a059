#include "skin/WindowStates.h"

#include <algorithm>
#include <cstdlib>

namespace vireltan {
namespace {

PixelRect atSize(int x, int y, int w, int h) {
    return {x, y, x + w, y + h};
}

// One edge of the snap: pull onto the edge when it comes near, stay until the cursor has moved more
// than the snapping distance since, then follow the cursor again.
void snapEdge(int& pos, bool near, bool& snapped, int target, int cursor, int& remembered, int m) {
    if (near && !snapped) {
        pos = target;
        remembered = cursor;
    } else if (snapped) {
        pos = std::abs(cursor - remembered) > m ? cursor + target - remembered : target;
    }
    snapped = near;
}

}  // namespace

PixelRect maximizedBounds(const PixelRect& workArea, const PixelRect& monitor, int screenWidth,
                          int screenHeight, bool maximizeOnFullScreen) {
    if (maximizeOnFullScreen) return monitor;
    PixelRect r = workArea;
    const bool wholeMonitor = workArea.width() == monitor.width() && workArea.height() == monitor.height();
    const bool wholeScreen = monitor == PixelRect{0, 0, screenWidth, screenHeight};
    if (wholeMonitor && wholeScreen) r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    return r;
}

PixelRect centredBounds(const PixelRect& area, const PixelRect& bounds) {
    const int left = area.left + area.width() / 2 - bounds.width() / 2;
    const int top = area.top + area.height() / 2 - bounds.height() / 2;
    return atSize(left, top, bounds.width(), bounds.height());
}

PixelPoint minimizedSlot(const PixelRect& area, int w, int h, const std::function<bool(PixelPoint)>& taken) {
    const PixelPoint first{area.left, area.bottom - h};
    PixelPoint slot = first;
    // Every slot is visited at most once, so the search ends even on a degenerate area.
    const long long limit = 1 + (w > 0 ? area.width() / w + 1 : 1) * (h > 0 ? area.height() / h + 1 : 1);
    for (long long n = 0; taken && taken(slot); ++n) {
        if (n > limit || w <= 0 || h <= 0) return first;
        if (slot.x + 2 * w > area.right) {
            slot = {area.left, slot.y - h};
            if (slot.y < area.top) return first;
        } else {
            slot.x += w;
        }
    }
    return slot;
}

RollUpResult SetRollUpState(FrameWindowModel& m, bool on, const RollUpInput& in) {
    RollUpResult r;
    const bool maximized = m.state == TbsFrameWindowState::Maximized;
    if (!in.biRollUp || m.state == TbsFrameWindowState::Minimized) return r;
    if (m.rolledUp && maximized && !m.rolledUpWhileMaximized) return r;
    if (maximized) m.rolledUpWhileMaximized = on;
    m.rolledUp = on;
    if (on) {
        m.rollUpHeight = in.height;
        r.height = in.minFrameHeight;
    } else if (in.ClientHeight != 0) {
        r.clientHeight = in.ClientHeight;
    } else {
        r.height = m.rollUpHeight;
    }
    r.changed = true;
    return r;
}

WindowStateChange SetFrameWindowState(FrameWindowModel& m, TbsFrameWindowState target,
                                      const WindowStateInput& in) {
    WindowStateChange c;
    if (target == m.state) return c;
    c.changed = true;
    const TbsFrameWindowState before = m.state;
    if (!(target == TbsFrameWindowState::Minimized && in.mainWindow)) m.state = target;
    switch (target) {
        case TbsFrameWindowState::Normal: {
            if (before == TbsFrameWindowState::Maximized && m.rolledUp && !m.rolledUpAtMaximize) {
                const TbsFrameWindowState keep = m.state;
                m.state = TbsFrameWindowState::Maximized;  // rolled down as the maximized window it was
                c.rollDown = SetRollUpState(m, false, in.rollUp);
                m.state = keep;
            }
            m.rolledUpAtMaximize = false;
            m.rolledUpWhileMaximized = false;
            // Without saved bounds (shown maximized by the system) the window keeps its bounds.
            const PixelRect saved = m.savedBounds.value_or(in.bounds);
            if (m.firstShow && in.PositionInMonitor != TbsPositionInMonitor::bspDefault) {
                m.firstShow = false;
                const PixelRect area =
                    in.PositionInMonitor == TbsPositionInMonitor::bspScreenCenter ? in.monitor : in.workArea;
                c.bounds = centredBounds(area, saved);
            } else {
                c.bounds = saved;
            }
            m.savedBounds.reset();
            c.OnRestore = true;
            break;
        }
        case TbsFrameWindowState::Minimized:
            if (in.mainWindow) {
                c.minimizeApplication = true;
            } else {
                if (!m.savedBounds) m.savedBounds = in.bounds;
                const PixelPoint slot =
                    minimizedSlot(in.workArea, in.minFrameWidth, in.minFrameHeight, in.slotTaken);
                c.bounds = atSize(slot.x, slot.y, in.minFrameWidth, in.minFrameHeight);
            }
            c.OnMinimize = true;
            break;
        case TbsFrameWindowState::Maximized:
            m.rolledUpAtMaximize = m.rolledUp;
            if (!m.savedBounds) m.savedBounds = in.bounds;
            c.bounds = maximizedBounds(in.workArea, in.monitor, in.screenWidth, in.screenHeight,
                                       in.MaximizeOnFullScreen);
            c.OnMaximize = true;
            break;
    }
    return c;
}

std::optional<PixelRect> firstShowBounds(FrameWindowModel& m, const WindowStateInput& in) {
    if (!m.firstShow) return std::nullopt;
    if (in.PositionInMonitor == TbsPositionInMonitor::bspDefault) {
        m.firstShow = false;
        return std::nullopt;
    }
    if (m.state != TbsFrameWindowState::Normal) return std::nullopt;  // the first restore centres
    m.firstShow = false;
    const PixelRect area =
        in.PositionInMonitor == TbsPositionInMonitor::bspScreenCenter ? in.monitor : in.workArea;
    return centredBounds(area, in.bounds);
}

int fadeInTarget(bool alphaBlend, bool alphaBlendAnimation, int alphaBlendValue) {
    return alphaBlendAnimation && !alphaBlend ? 255 : alphaBlendValue;
}

std::vector<int> fadeInSteps(int target) {
    std::vector<int> steps;
    for (int opacity = 0; opacity < target;) {
        opacity = std::min(opacity + 10, target);
        steps.push_back(opacity);
    }
    return steps;
}

PixelRect snapWhileMoving(SnapState& s, const PixelRect& proposed, const PixelRect& area, int magneticSize,
                          PixelPoint cursor) {
    const int m = magneticSize;
    const int w = proposed.width();
    const int h = proposed.height();
    int x = proposed.left;
    int y = proposed.top;
    snapEdge(x, area.left - m < x && x < area.left + m, s.left, area.left, cursor.x, s.cursor.x, m);
    snapEdge(y, area.top - m < y && y < area.top + m, s.top, area.top, cursor.y, s.cursor.y, m);
    snapEdge(x, area.right - m < x + w && x + w < area.right + m, s.right, area.right - w, cursor.x,
             s.cursor.x, m);
    snapEdge(y, area.bottom - m < y + h && y + h < area.bottom + m, s.bottom, area.bottom - h, cursor.y,
             s.cursor.y, m);
    return atSize(x, y, w, h);
}

}  // namespace vireltan
