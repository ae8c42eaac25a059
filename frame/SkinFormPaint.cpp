// Painting the frame: the skin frame composed in four pieces and copied once each, the caption text,
// single objects redrawn on their own, the plain frame without a skin, and the client background.
#include "frame/SkinForm.h"

#include "gui/Utf.h"
#include "skin/Blit.h"
#include "skin/Glyphs.h"
#include "skin/SkinObjects.h"
#include "skin/TextFit.h"

namespace vireltan {

namespace {

COLORREF colorRefFromSkin(SkinColor color) {
    if (isSystemColor(color)) return GetSysColor(systemColorIndex(color));
    return COLORREF(std::uint32_t(color) & 0xFFFFFFu);
}

Bgr bgrOf(COLORREF c) {
    return {GetBValue(c), GetGValue(c), GetRValue(c)};
}

Bgr systemBgr(int index) {
    return bgrOf(GetSysColor(index));
}

unsigned fontStyleOf(const FontStyles& s) {
    return (s.bold ? fsBold : 0u) | (s.italic ? fsItalic : 0u) | (s.underline ? fsUnderline : 0u) |
           (s.strikeOut ? fsStrikeOut : 0u);
}

std::u16string utf16(const std::string& text) {
    const std::wstring wide = toWide(text);
    return {wide.begin(), wide.end()};
}

SIZE textSize(HDC dc, std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()), int(text.size()), &size);
    return size;
}

void textAt(HDC dc, int x, int y, std::u16string_view text, COLORREF color) {
    SetTextColor(dc, color);
    TextOutW(dc, x, y, reinterpret_cast<const wchar_t*>(text.data()), int(text.size()));
}

// Fits the text to maxWidth with "..." in the font selected into dc.
std::u16string fitted(HDC dc, const std::u16string& text, int maxWidth) {
    return FitTextWithEllipsis(text, maxWidth,
                               [dc](std::u16string_view s) { return int(textSize(dc, s).cx); });
}

}  // namespace

void TbsSkinForm::sendNcPaint() {
    if (HWND window = windowHandle()) SendMessageW(window, WM_NCPAINT, 1, 0);
}

void TbsSkinForm::paintFrame(HDC dc) {
    if (skinReady_) {
        PaintSkinFrame(dc);
    } else {
        PaintPlainFrame(dc);
    }
}

void TbsSkinForm::PaintSkinFrame(HDC dc) {
    int width = 0, height = 0;
    frameSize(width, height);
    if (width < MinFrameWidth() || height < MinFrameHeight()) return;  // the system's last image stays
    refreshLayout(width, height);
    FramePaintInput in;
    in.windowActive = active_;
    in.minWidth = MinFrameWidth();
    in.minHeight = MinFrameHeight();
    in.restore = {model_.state == TbsFrameWindowState::Minimized, model_.rolledUp};
    in.maximized = model_.state == TbsFrameWindowState::Maximized;
    const FramePaintPlan plan = planSkinFrame(*skinData_, layout_, in);
    if (!plan.paint) return;

    // The pieces are composed straight into the DIB sections that are copied to the window.
    GdiFlush();
    const std::array<const PixelRect*, 4> places{&plan.places.top, &plan.places.bottom, &plan.places.left,
                                                 &plan.places.right};
    BorderStrips strips;
    const std::array<Raster*, 4> rasters{&strips.top, &strips.bottom, &strips.left, &strips.right};
    for (std::size_t i = 0; i < 4; ++i) {
        const PixelRect& place = *places[i];
        if (place.empty()) continue;
        if (pieces_[i].width() != place.width() || pieces_[i].height() != place.height())
            pieces_[i].setSize(place.width(), place.height());
        *rasters[i] = pieces_[i].raster();
    }
    composeFramePieces(pictures_, plan, strips, noise_);
    for (std::size_t i = 0; i < 4; ++i) {
        Raster& strip = *rasters[i];
        if (strip.empty() || !strip.ownsPixels()) continue;
        // A strip of another size than its place was composed apart: it goes to the window as it is.
        pieces_[i].setSize(strip.width(), strip.height());
        Raster target = pieces_[i].raster();
        copyPiece(strip, strip.bounds(), target, 0, 0);
    }
    ++paintCounts_.framePaints;
    if (plan.caption >= 0)
        drawCaptionText(pieces_[std::size_t(FramePiece::Top)].canvasHandle(),
                        layout_.objects[std::size_t(plan.caption)]);

    DeviceContext own;
    if (!dc) {
        own = DeviceContext::wholeWindow(windowHandle());
        dc = own.get();
    }
    if (!dc) return;
    const int saved = SaveDC(dc);
    const PixelRect& c = plan.clientExclude;
    ExcludeClipRect(dc, c.left, c.top, c.right, c.bottom);
    for (std::size_t i = 0; i < 4; ++i) {
        const PixelRect& place = *places[i];
        if (place.empty() || rasters[i]->empty()) continue;
        BitBlt(dc, place.left, place.top, pieces_[i].width(), pieces_[i].height(), pieces_[i].canvasHandle(),
               0, 0, SRCCOPY);
    }
    RestoreDC(dc, saved);
}

void TbsSkinForm::drawCaptionText(HDC dc, const FrameObject& caption) {
    const auto& definitions = skinData_->ObjectDefinitions;
    if (caption.definition < 0 || caption.definition >= int(definitions.size())) return;
    const auto* def =
        dynamic_cast<const TbsDataSkinCaption*>(definitions[std::size_t(caption.definition)].get());
    if (!def) return;
    const CaptionTextPlan plan = captionTextPlan(caption, *def, caption.state.active);
    const std::u16string text = utf16(form_->caption());
    if (plan.textRect.empty() || text.empty()) return;
    captionFont_.assign(
        FontDescription{plan.fontName, plan.fontHeight, fontStyleOf(plan.fontStyle), clBlack});
    ObjectSelection font(dc, captionFont_.handle());
    const std::u16string shown = fitted(dc, text, plan.textRect.width());
    const SIZE size = textSize(dc, shown);
    const CaptionTextPlaces at = captionTextPlaces(plan.textRect, plan.alignment, size.cx, size.cy);
    SetBkMode(dc, TRANSPARENT);
    if (plan.light) textAt(dc, at.light.x, at.light.y, shown, colorRefFromSkin(plan.lightColor));
    if (plan.shadow) textAt(dc, at.shadow.x, at.shadow.y, shown, colorRefFromSkin(plan.shadowColor));
    textAt(dc, at.text.x, at.text.y, shown, colorRefFromSkin(plan.color));
    GdiFlush();
    ++paintCounts_.captionTexts;
}

void TbsSkinForm::RedrawObject(int object) {
    HWND window = windowHandle();
    if (!window || borderNone() || object < 0 || object >= int(layout_.objects.size())) return;
    const FrameObject& o = layout_.objects[std::size_t(object)];
    if (!o.visible || o.rect.empty()) return;
    if (skinReady_ && o.kind == FrameObjectKind::Caption) {
        sendNcPaint();  // its text lies on the frame picture: the frame is painted again
        return;
    }
    const int width = o.rect.width(), height = o.rect.height();
    GdiFlush();
    objectBitmap_.setSize(width, height);
    Raster target = objectBitmap_.raster();
    if (skinReady_) {
        ObjectLook look;
        look.windowActive = active_;
        look.redraw = true;
        look.restoreState =
            (o.command == StdCommand::cmMaximize && model_.state == TbsFrameWindowState::Maximized) ||
            (o.command == StdCommand::cmMinimize && model_.state == TbsFrameWindowState::Minimized) ||
            (o.command == StdCommand::cmRollUp && model_.rolledUp);
        look.skinEffects = skinData_->EnableSkinEffects;
        ObjectImage image = objectImage(o, look);
        if (image.kind == ObjectImage::Kind::None) return;
        image.target = {0, 0, width, height};
        drawObjectImage(pictures_, image, target);
    } else {
        drawPlainButton(o, target, 0, 0);
    }
    ++paintCounts_.objectDraws;
    DeviceContext dc = DeviceContext::wholeWindow(window);
    if (dc)
        BitBlt(dc.get(), o.rect.left, o.rect.top, width, height, objectBitmap_.canvasHandle(), 0, 0, SRCCOPY);
}

// A plain caption button: button face, a navy frame while the pointer is over it, and its line glyph.
void TbsSkinForm::drawPlainButton(const FrameObject& button, Raster& target, int x, int y) {
    const int w = button.rect.width(), h = button.rect.height();
    const PixelRect r{x, y, x + w, y + h};
    const bool hot = button.state.pointerIn, down = hot && button.state.down;
    target.fillRect(r, hot ? (down ? Bgr{181, 147, 133} : Bgr{210, 189, 182}) : systemBgr(COLOR_BTNFACE));
    if (hot) drawFrameRect(target, r, Bgr{128, 0, 0});
    const Bgr ink = systemBgr(button.enabled ? COLOR_BTNTEXT : COLOR_BTNSHADOW);
    const int gx = x + w / 2 - 5 + (down ? 1 : 0), gy = y + h / 2 - 4 + (down ? 1 : 0);
    const bool maximized = model_.state == TbsFrameWindowState::Maximized;
    const bool minimized = model_.state == TbsFrameWindowState::Minimized;
    switch (button.command) {
        case StdCommand::cmClose:
            drawCross(target, gx, gy, ink);
            break;
        case StdCommand::cmMaximize:
            maximized ? drawTwoWindowsGlyph(target, gx, gy, ink) : drawWindowGlyph(target, gx, gy, ink);
            break;
        case StdCommand::cmMinimize:
            minimized ? drawTwoWindowsGlyph(target, gx, gy, ink) : drawLowBar(target, gx, gy, ink);
            break;
        case StdCommand::cmSysMenu:
            drawFlatBox(target, gx, gy, ink);
            break;
        case StdCommand::cmRollUp:
            model_.rolledUp ? drawDownTriangle(target, gx, gy, ink) : drawUpTriangle(target, gx, gy, ink);
            break;
        case StdCommand::cmMinimizeToTray:
            target.fillRect({gx + 3, gy + 6, gx + 7, gy + 8}, ink);
            break;
        case StdCommand::cmDefault:
            break;
    }
}

void TbsSkinForm::PaintPlainFrame(HDC dc) {
    if (skinChanging_) return;
    int width = 0, height = 0;
    frameSize(width, height);
    const int h = plainCaptionHeight(toolWindow());
    if (width <= 6 || height <= 6) return;
    refreshLayout(width, height);
    HWND window = windowHandle();

    // The caption bar: face, the alternating lines, the centred text and the plain buttons.
    TBitmap& bar = pieces_[std::size_t(FramePiece::Top)];
    GdiFlush();
    if (bar.width() != width - 6 || bar.height() != h) bar.setSize(width - 6, h);
    Raster pixels = bar.raster();
    pixels.fill(systemBgr(COLOR_BTNFACE));
    const PixelRect& caption = layout_.metrics.caption;
    const int left = caption.left - 3, right = caption.right;
    for (int line = 0; h - 4 > 1 && line < h - 5; ++line) {
        pixels.fillRect({left + 2, 2 + line, right - 6, 3 + line},
                        systemBgr(line % 2 == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
    }
    for (const FrameObject& o : layout_.objects) {
        if (o.visible && !o.rect.empty()) drawPlainButton(o, pixels, o.rect.left - 3, o.rect.top - 3);
    }
    const std::u16string text = utf16(form_->caption());
    if (!text.empty()) {
        HDC barDc = bar.canvasHandle();
        captionFont_.assign(FontDescription{"Arial", 14, fsBold, clBlack});
        ObjectSelection font(barDc, captionFont_.handle());
        const std::u16string shown = fitted(barDc, text, right - left);
        const SIZE size = textSize(barDc, shown);
        const int x = left + (right - left) / 2 - (size.cx + 5) / 2, y = h / 2 - size.cy / 2;
        RECT clear{x - 2, y - 2, x + size.cx + 2, y + size.cy + 2};
        FillRect(barDc, &clear, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(barDc, TRANSPARENT);
        textAt(barDc, x, y, shown, GetSysColor(active_ ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
        GdiFlush();
        ++paintCounts_.captionTexts;
    }
    ++paintCounts_.framePaints;

    DeviceContext own;
    if (!dc) {
        own = DeviceContext::wholeWindow(window);
        dc = own.get();
    }
    if (!dc) return;
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, 3, 3 + h, width - 3, height - 3);
    BitBlt(dc, 3, 3, bar.width(), bar.height(), bar.canvasHandle(), 0, 0, SRCCOPY);
    // Three bevels, each inside the one before.
    const std::array<std::pair<int, int>, 3> bevels{{{COLOR_3DLIGHT, COLOR_3DDKSHADOW},
                                                     {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
                                                     {COLOR_BTNFACE, COLOR_BTNFACE}}};
    for (int i = 0; i < 3; ++i) {
        HBRUSH light = GetSysColorBrush(bevels[std::size_t(i)].first);
        HBRUSH dark = GetSysColorBrush(bevels[std::size_t(i)].second);
        const RECT top{i, i, width - i, i + 1}, leftSide{i, i, i + 1, height - i};
        const RECT bottom{i, height - i - 1, width - i, height - i},
            rightSide{width - i - 1, i, width - i, height - i};
        FillRect(dc, &top, light);
        FillRect(dc, &leftSide, light);
        FillRect(dc, &bottom, dark);
        FillRect(dc, &rightSide, dark);
    }
    // Between the bevels and the bar's ends nothing else is left uncovered: the bar spans W - 6.
    RestoreDC(dc, saved);
}

void TbsSkinForm::PaintClientBackground(HDC dc) {
    HWND window = windowHandle();
    if (!dc || !window) return;
    ++paintCounts_.clientBackgrounds;
    RECT client{};
    GetClientRect(window, &client);
    const Raster* picture = nullptr;
    ClientBackgroundPlan plan;
    if (skinReady_) {
        int width = 0, height = 0;
        frameSize(width, height);
        plan = planClientBackground(*skinData_, client.right, client.bottom, width, height);
        if (!plan.plainFill) picture = pictures_.find(plan.picture);
    }
    if (!picture || picture->empty()) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    if (client.right <= 0 || client.bottom <= 0) return;
    GdiFlush();
    clientBitmap_.setSize(client.right, client.bottom);
    Raster target = clientBitmap_.raster();
    paintPlan(*picture, plan.ops, target);
    BitBlt(dc, 0, 0, client.right, client.bottom, clientBitmap_.canvasHandle(), 0, 0, SRCCOPY);
}

}  // namespace vireltan
