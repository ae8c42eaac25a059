#include "skin/FramePlain.h"

#include "skin/Blit.h"
#include "skin/FrameMetrics.h"
#include "skin/Glyphs.h"

namespace vireltan {

PlainCaptionBar plainCaptionBar(const FrameLayout& layout, bool toolWindow) {
    PlainCaptionBar bar;
    const int w = layout.metrics.width;
    const int h = bar.captionHeight = plainCaptionHeight(toolWindow);
    const int height = layout.metrics.height;
    bar.place = {3, 3, w - 3, 3 + h};
    bar.textLeft = layout.metrics.caption.left - 3;
    bar.textRight = layout.metrics.caption.right;
    bar.textArea = {bar.textLeft, 0, bar.textRight - 3, h};
    bar.client = {3, 3 + h, w - 3, height - 3};
    bar.bevels[0] = {0, 0, w, height};
    bar.bevels[1] = {1, 1, w - 1, height - 1};
    bar.bevels[2] = {2, 2, w - 2, height - 2};
    return bar;
}

PlainCaptionText plainCaptionText(const PlainCaptionBar& bar, int textWidth, int textHeight) {
    const int l = bar.textLeft;
    const int r = bar.textRight;
    const PixelPoint p{l + (r - l) / 2 - (textWidth + 5) / 2, bar.captionHeight / 2 - textHeight / 2};
    return {p, {p.x - 2, p.y - 2, p.x + textWidth + 2, p.y + textHeight + 2}};
}

void drawPlainButton(const FrameObject& o, const PlainButtonState& s, const PlainColours& c, Raster& out) {
    const int w = out.width();
    const int h = out.height();
    if (out.empty()) return;
    const bool hot = o.state.pointerIn;
    const bool pressed = hot && o.state.down;
    out.fill(hot ? (pressed ? kPlainDownFill : kPlainHotFill) : c.btnFace);
    if (hot) drawFrameRect(out, out.bounds(), kPlainHotFrame);
    const Bgr ink = o.enabled ? c.btnText : c.btnShadow;
    const int x = w / 2 - 5 + (pressed ? 1 : 0);
    const int y = h / 2 - 4 + (pressed ? 1 : 0);
    switch (o.command) {
        case StdCommand::cmClose:
            drawCross(out, x, y, ink);
            break;
        case StdCommand::cmMaximize:
            s.maximized ? drawTwoWindowsGlyph(out, x, y, ink) : drawWindowGlyph(out, x, y, ink);
            break;
        case StdCommand::cmMinimize:
            s.minimized ? drawTwoWindowsGlyph(out, x, y, ink) : drawLowBar(out, x, y, ink);
            break;
        case StdCommand::cmSysMenu:
            drawFlatBox(out, x, y, ink);
            break;
        case StdCommand::cmRollUp:
            s.rolledUp ? drawDownTriangle(out, x, y, ink) : drawUpTriangle(out, x, y, ink);
            break;
        case StdCommand::cmMinimizeToTray:
            drawSmallSquare(out, x, y, ink);
            break;
        case StdCommand::cmDefault:
            break;
    }
}

void composePlainCaptionBar(const PlainCaptionBar& bar, const FrameLayout& layout, const PlainButtonState& s,
                            const PlainColours& c, Raster& out) {
    out.resize(bar.place.width(), bar.captionHeight);
    if (out.empty()) return;
    out.fill(c.btnFace);
    const int h = bar.captionHeight;
    if (h - 4 > 1) {
        for (int i = 0; i < h - 5; ++i) {
            drawLine(out, {bar.textLeft + 2, 2 + i}, {bar.textRight - 6, 2 + i},
                     i % 2 == 0 ? c.btnHighlight : c.btnShadow);
        }
    }
    Raster button;
    for (const FrameObject& o : layout.objects) {
        if (!o.visible || o.rect.empty() || drawsWindowIcon(o, s.showIcon)) continue;
        button.resize(o.rect.width(), o.rect.height());
        drawPlainButton(o, s, c, button);
        copyPiece(button, button.bounds(), out, o.rect.left - 3, o.rect.top - 3);
    }
}

}  // namespace vireltan
