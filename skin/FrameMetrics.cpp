#include "skin/FrameMetrics.h"

#include <algorithm>

#include "skin/SkinGeometry.h"

namespace vireltan {
namespace {

PixelPoint moved(const SkinPoint& p, int dx, int dy) {
    return {p.x + dx, p.y + dy};
}

bool inZone(const PixelRect& zone, int x, int y) {
    return zone.left <= x && x < zone.right && zone.top <= y && y < zone.bottom;
}

}  // namespace

FrameMetrics CalcFrameGeometry(const SkinFormInfo& form, int pictureWidth, int pictureHeight, int width,
                               int height) {
    FrameMetrics m;
    m.width = width;
    m.height = height;
    m.pictureWidth = pictureWidth;
    m.pictureHeight = pictureHeight;
    const int dx = m.dx = width - pictureWidth;
    const int dy = m.dy = height - pictureHeight;
    m.skinLeftTop = pixelPoint(form.lefttoppoint);
    m.skinRightTop = pixelPoint(form.righttoppoint);
    m.skinLeftBottom = pixelPoint(form.leftbottompoint);
    m.skinRightBottom = pixelPoint(form.rightbottompoint);
    m.leftTop = moved(form.lefttoppoint, 0, 0);
    m.rightTop = moved(form.righttoppoint, dx, 0);
    m.leftBottom = moved(form.leftbottompoint, 0, dy);
    m.rightBottom = moved(form.rightbottompoint, dx, dy);

    const PixelRect c = pixelRect(form.clientrect);
    m.client = {c.left, c.top, std::max(c.left, c.right + dx), std::max(c.top, c.bottom + dy)};

    m.caption = pixelRect(form.captionrect);
    if (!m.caption.empty()) m.caption.right += dx;
    m.buttons = pixelRect(form.buttonsrect);
    if (!m.buttons.empty() && m.buttons.left > pictureWidth / 2) m.buttons = m.buttons.offset(dx, 0);
    m.buttonsInLeft = form.buttonsinleft;
    m.buttonsOffset = form.buttonsoffset;

    m.hitLeftTop = moved(form.hittestlefttoppoint, 0, 0);
    m.hitRightTop = moved(form.hittestrighttoppoint, dx, 0);
    m.hitLeftBottom = moved(form.hittestleftbottompoint, 0, dy);
    m.hitRightBottom = moved(form.hittestrightbottompoint, dx, dy);

    const PixelRect a = pixelRect(form.maskrectarea);
    m.mask = {a.left, a.top, a.right + dx, a.bottom + dy};
    m.borderWidth = form.borderwidth;
    return m;
}

PixelRect CalcObjectRect(const FrameMetrics& m, const PixelRect& r) {
    const PixelRect lt{0, 0, m.skinLeftTop.x, m.skinLeftTop.y};
    const PixelRect rt{m.skinRightTop.x, 0, m.pictureWidth, m.skinRightTop.y};
    const PixelRect lb{0, m.skinLeftBottom.y, m.skinLeftBottom.x, m.pictureHeight};
    const PixelRect rb{m.skinRightBottom.x, m.skinRightBottom.y, m.pictureWidth, m.pictureHeight};
    // The bottom-right corner is tested as the pixel it is: right and bottom are exclusive edges.
    auto zoneOf = [&](int x, int y) {
        if (inZone(lt, x, y)) return 0;
        if (inZone(rt, x, y)) return 1;
        if (inZone(lb, x, y)) return 2;
        if (inZone(rb, x, y)) return 3;
        return -1;
    };
    const int a = zoneOf(r.left, r.top);
    const int b = zoneOf(r.right, r.bottom);
    const int dx = m.dx;
    const int dy = m.dy;
    PixelRect out = r;
    if (a == b) {
        if (a == 1) return r.offset(dx, 0);
        if (a == 2) return r.offset(0, dy);
        if (a == 3) return r.offset(dx, dy);
        return r;
    }
    if (a == 0 && b == 3) {
        out.right += dx;
        out.bottom += dy;
    } else if (a == 0 && b == 1) {
        out.right += dx;
    } else if (a == 2 && b == 3) {
        out.right += dx;
        out = out.offset(0, dy);
    } else if (a == 0 && b == 2) {
        out.bottom += dy;
    } else if (a == 1 && b == 3) {
        out = out.offset(dx, 0);
        out.bottom += dy;
    }
    return out;
}

FrameInsets skinFrameInsets(const SkinFormInfo& form, int pictureWidth, int pictureHeight) {
    const SkinRect& c = form.clientrect;
    return {c.left, c.top, pictureWidth - c.right, pictureHeight - c.bottom};
}

int plainCaptionHeight(bool toolWindow) {
    return toolWindow ? 15 : 19;
}

FrameInsets plainFrameInsets(bool toolWindow) {
    return {3, 3 + plainCaptionHeight(toolWindow), 3, 3};
}

PixelRect ncCalcClientRect(const PixelRect& proposed, const FrameInsets& insets) {
    PixelRect r{proposed.left + insets.left, proposed.top + insets.top, proposed.right - insets.right,
                proposed.bottom - insets.bottom};
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

int MinFrameWidth(const SkinFormInfo& form, int pictureWidth, const FrameSizeSettings& s,
                  const FrameSizeState& state) {
    if (pictureWidth < s.MinWidth && !state.minimized) return s.MinWidth;
    if (form.formminwidth > 0) return form.formminwidth;
    return pictureWidth;
}

int MinFrameHeight(const SkinFormInfo& form, int pictureHeight, const FrameSizeSettings& s,
                   const FrameSizeState& state) {
    const int frameHeight = pictureHeight - form.clientrect.height();
    if (s.MinHeight > frameHeight && !state.rolledUp && !state.minimized) return s.MinHeight;
    return frameHeight;
}

int plainMinFrameWidth(const FrameSizeSettings& s) {
    return s.MinWidth > 0 ? s.MinWidth : 120;
}

int plainMinFrameHeight(bool toolWindow, const FrameSizeSettings& s, const FrameSizeState& state) {
    const int frameHeight = plainCaptionHeight(toolWindow) + 6;
    if (s.MinHeight > frameHeight && !state.rolledUp && !state.minimized) return s.MinHeight;
    return frameHeight;
}

int MaxFrameExtent(int areaExtent, int limit) {
    return limit != 0 && limit < areaExtent ? limit : areaExtent;
}

FrameMinMax frameMinMax(int minWidth, int minHeight, const PixelRect& area, const FrameSizeSettings& s) {
    return {minWidth, minHeight, MaxFrameExtent(area.width(), s.MaxWidth),
            MaxFrameExtent(area.height(), s.MaxHeight)};
}

FrameSizeStep frameSizeOnApply(int width, int height, int minWidth, int minHeight,
                               const FrameSizeState& state) {
    FrameSizeStep step{width, height, false};
    const bool narrow = width < minWidth;
    const bool low = height < minHeight;
    if (narrow) step.width = minWidth;
    if (low) step.height = minHeight;
    step.nudge = !narrow && !low;
    if (state.rolledUp || state.minimized) step.height = minHeight;
    if (state.minimized) step.width = minWidth;
    return step;
}

FrameRegionAction frameRegionAction(const FrameRegionInput& in) {
    if (in.borderNone) return FrameRegionAction::Remove;
    if (in.maximizedMdiChild && in.systemAtLeast6) return FrameRegionAction::Rectangle;
    if (in.maximizedMdiChild && in.hasMask) return FrameRegionAction::Remove;
    if (in.skinReady && !in.hasMask && in.systemAtLeast6) return FrameRegionAction::Rectangle;
    if (!in.skinReady || !in.hasMask) return FrameRegionAction::Remove;
    return in.rebuild ? FrameRegionAction::ComposedMask : FrameRegionAction::MaskPicture;
}

}  // namespace vireltan
