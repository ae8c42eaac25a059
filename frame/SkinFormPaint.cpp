// Painting the frame: the skin frame composed in four pieces and copied once each, the caption text,
// single objects redrawn on their own, the plain frame without a skin, and the client background.
#include "frame/SkinForm.h"

#include "gui/Utf.h"
#include "skin/Blit.h"
#include "skin/SkinObjects.h"
#include "skin/TextFit.h"

#include <climits>
#include <cstring>
#include <vector>

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

// Text widths in the font selected into dc.
MeasureUtf16 measureIn(HDC dc) {
    return [dc](std::u16string_view s) { return int(textSize(dc, s).cx); };
}

// Where a frame paint goes: the device context it was given (a print request's) or the whole window's,
// with the client area clipped away; the context's state comes back when the paint ends.
class FrameTarget {
  public:
    FrameTarget(HDC given, HWND window, const PixelRect& client) : dc_(given) {
        if (!dc_) {
            own_ = DeviceContext::wholeWindow(window);
            dc_ = own_.get();
        }
        if (!dc_) return;
        saved_ = SaveDC(dc_);
        ExcludeClipRect(dc_, client.left, client.top, client.right, client.bottom);
    }
    ~FrameTarget() {
        if (dc_) RestoreDC(dc_, saved_);
    }
    FrameTarget(const FrameTarget&) = delete;
    FrameTarget& operator=(const FrameTarget&) = delete;
    HDC get() const { return dc_; }

  private:
    DeviceContext own_;
    HDC dc_;
    int saved_ = 0;
};

}  // namespace

// A hidden window is not painted: the system asks for the frame when it shows the window.
void TbsSkinForm::sendNcPaint() {
    HWND window = windowHandle();
    if (window && IsWindowVisible(window)) SendMessageW(window, WM_NCPAINT, 1, 0);
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
    in.showIcon = showIcon_;
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
    if (showIcon_) {
        const int bottomTop = plan.geometry.pieces.moved.client.bottom;
        drawWindowIcons(pieces_[std::size_t(FramePiece::Top)].canvasHandle(), {0, 0}, false,
                        plan.clientExclude.top);
        if (!plan.places.bottom.empty())
            drawWindowIcons(pieces_[std::size_t(FramePiece::Bottom)].canvasHandle(), {0, bottomTop}, true,
                            plan.clientExclude.top);
    }

    const FrameTarget target(dc, windowHandle(), plan.clientExclude);
    if (!target.get()) return;
    for (std::size_t i = 0; i < 4; ++i) {
        const PixelRect& place = *places[i];
        if (place.empty() || rasters[i]->empty()) continue;
        BitBlt(target.get(), place.left, place.top, pieces_[i].width(), pieces_[i].height(),
               pieces_[i].canvasHandle(), 0, 0, SRCCOPY);
    }
}

void TbsSkinForm::drawCaptionText(HDC dc, const FrameObject& caption) {
    const auto& definitions = skinData_->ObjectDefinitions;
    if (caption.definition < 0 || caption.definition >= int(definitions.size())) return;
    const auto* def =
        dynamic_cast<const TbsDataSkinCaption*>(definitions[std::size_t(caption.definition)].get());
    if (!def) return;
    if (OnCaptionPaint) {
        const PixelRect& r = caption.rect;
        OnCaptionPaint(dc, {r.left, r.top, r.right, r.bottom}, caption.state.active);
        return;
    }
    const CaptionTextPlan plan = captionTextPlan(caption, *def, caption.state.active);
    const std::u16string text = utf16(form_->caption());
    if (plan.textRect.empty() || text.empty()) return;
    captionFont_.assign(
        FontDescription{plan.fontName, plan.fontHeight, fontStyleOf(plan.fontStyle), clBlack});
    ObjectSelection font(dc, captionFont_.handle());
    const std::u16string shown = captionTextToDraw(text, plan.textRect, measureIn(dc));
    if (shown.empty()) return;
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
    // The window's icon looks the same in every state of its button.
    if (!o.visible || o.rect.empty() || drawsWindowIcon(o, showIcon_)) return;
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
        drawPlainButton(o, plainButtonState(), plainColours(), target);
    }
    ++paintCounts_.objectDraws;
    DeviceContext dc = DeviceContext::wholeWindow(window);
    if (dc)
        BitBlt(dc.get(), o.rect.left, o.rect.top, width, height, objectBitmap_.canvasHandle(), 0, 0, SRCCOPY);
}

PlainColours TbsSkinForm::plainColours() const {
    return {systemBgr(COLOR_BTNFACE),      systemBgr(COLOR_BTNTEXT), systemBgr(COLOR_BTNSHADOW),
            systemBgr(COLOR_BTNHIGHLIGHT), systemBgr(COLOR_3DLIGHT), systemBgr(COLOR_3DDKSHADOW)};
}

PlainButtonState TbsSkinForm::plainButtonState() const {
    return {model_.state == TbsFrameWindowState::Maximized, model_.state == TbsFrameWindowState::Minimized,
            model_.rolledUp, showIcon_};
}

void TbsSkinForm::PaintPlainFrame(HDC dc) {
    if (skinChanging_) return;
    int width = 0, height = 0;
    frameSize(width, height);
    if (width <= 6 || height <= 6) return;
    refreshLayout(width, height);
    const PlainCaptionBar plan = plainCaptionBar(layout_, toolWindow());

    // The caption bar with its lines and buttons, then the text centred over the lines.
    TBitmap& bar = pieces_[std::size_t(FramePiece::Top)];
    GdiFlush();
    if (bar.width() != plan.place.width() || bar.height() != plan.place.height())
        bar.setSize(plan.place.width(), plan.place.height());
    Raster pixels = bar.raster();
    composePlainCaptionBar(plan, layout_, plainButtonState(), plainColours(), pixels);
    const std::u16string text = utf16(form_->caption());
    if (OnCaptionPaint) {
        const PixelRect& r = plan.textArea;
        OnCaptionPaint(bar.canvasHandle(), {r.left, r.top, r.right, r.bottom}, active_);
    } else if (!text.empty()) {
        HDC barDc = bar.canvasHandle();
        captionFont_.assign(FontDescription{"Arial", 14, fsBold, clBlack});
        ObjectSelection font(barDc, captionFont_.handle());
        const std::u16string shown =
            FitTextWithEllipsis(text, plan.textRight - plan.textLeft, measureIn(barDc));
        const SIZE size = textSize(barDc, shown);
        const PlainCaptionText at = plainCaptionText(plan, size.cx, size.cy);
        const RECT clear{at.clear.left, at.clear.top, at.clear.right, at.clear.bottom};
        FillRect(barDc, &clear, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(barDc, TRANSPARENT);
        textAt(barDc, at.place.x, at.place.y, shown, GetSysColor(active_ ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
        GdiFlush();
        ++paintCounts_.captionTexts;
    }
    if (showIcon_) drawWindowIcons(bar.canvasHandle(), {plan.place.left, plan.place.top}, false, INT_MAX);
    ++paintCounts_.framePaints;

    const FrameTarget target(dc, windowHandle(), plan.client);
    dc = target.get();
    if (!dc) return;
    BitBlt(dc, plan.place.left, plan.place.top, bar.width(), bar.height(), bar.canvasHandle(), 0, 0, SRCCOPY);
    // Three bevels, each inside the one before: light top-left and dark bottom-right, then the face.
    const std::array<std::pair<int, int>, 3> colours{{{COLOR_3DLIGHT, COLOR_3DDKSHADOW},
                                                      {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
                                                      {COLOR_BTNFACE, COLOR_BTNFACE}}};
    for (std::size_t i = 0; i < 3; ++i) {
        const PixelRect& b = plan.bevels[i];
        HBRUSH light = GetSysColorBrush(colours[i].first);
        HBRUSH dark = GetSysColorBrush(colours[i].second);
        const RECT top{b.left, b.top, b.right, b.top + 1}, left{b.left, b.top, b.left + 1, b.bottom};
        const RECT bottom{b.left, b.bottom - 1, b.right, b.bottom},
            right{b.right - 1, b.top, b.right, b.bottom};
        FillRect(dc, &top, light);
        FillRect(dc, &left, light);
        FillRect(dc, &bottom, dark);
        FillRect(dc, &right, dark);
    }
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
        // A skin whose client part is empty shows no logo either.
        if (!skinReady_) drawLogo(dc, client);
        return;
    }
    if (client.right <= 0 || client.bottom <= 0) return;
    // A repeated tile is a pattern brush: the system repeats it straight onto the window, with no
    // client-sized picture composed and copied on each erase.
    if (plan.ops.size() == 1 && plan.ops.begin()->kind == PaintOpKind::Tile) {
        if (HBRUSH brush = tileBrush(*picture, plan.ops.begin()->source)) {
            // The tile's origin is the client area's, also where the context is moved (a print).
            POINT origin{};
            GetViewportOrgEx(dc, &origin);
            POINT previous{};
            SetBrushOrgEx(dc, origin.x, origin.y, &previous);
            const PixelRect& t = plan.ops.begin()->target;
            const RECT area{t.left, t.top, t.right, t.bottom};
            FillRect(dc, &area, brush);
            SetBrushOrgEx(dc, previous.x, previous.y, nullptr);
            drawLogo(dc, client);
            return;
        }
    }
    GdiFlush();
    clientBitmap_.setSize(client.right, client.bottom);
    Raster target = clientBitmap_.raster();
    paintPlan(*picture, plan.ops, target);
    BitBlt(dc, 0, 0, client.right, client.bottom, clientBitmap_.canvasHandle(), 0, 0, SRCCOPY);
    drawLogo(dc, client);
}

void TbsSkinForm::drawLogo(HDC dc, const RECT& client) {
    if (logo_.empty()) return;
    const PixelPoint at = logoPosition(client.right, client.bottom, logo_.width(), logo_.height());
    if (logoTransparent_) {
        const std::uint8_t* bottomLeft =
            logo_.bits() + std::size_t(logo_.height() - 1) * std::size_t(logo_.stride());
        TransparentBlt(dc, at.x, at.y, logo_.width(), logo_.height(), logo_.canvasHandle(), 0, 0,
                       logo_.width(), logo_.height(), RGB(bottomLeft[2], bottomLeft[1], bottomLeft[0]));
    } else {
        BitBlt(dc, at.x, at.y, logo_.width(), logo_.height(), logo_.canvasHandle(), 0, 0, SRCCOPY);
    }
}

HICON TbsSkinForm::windowSmallIcon() const {
    HWND window = windowHandle();
    HICON icon = nullptr;
    if (window) {
        for (WPARAM which : {WPARAM(ICON_SMALL), WPARAM(ICON_SMALL2), WPARAM(ICON_BIG)}) {
            icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
            if (icon) return icon;
        }
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
        if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
    }
    return icon ? icon : LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
}

void TbsSkinForm::drawWindowIcons(HDC dc, PixelPoint origin, bool bottomPiece, int clientTop) {
    HICON icon = nullptr;
    const int size = GetSystemMetrics(SM_CXSMICON);
    for (FrameObject& o : layout_.objects) {
        if (!o.visible || o.rect.empty() || !drawsWindowIcon(o, showIcon_)) continue;
        // Objects ending below the client's top go into the bottom piece, as their images do.
        if ((o.rect.bottom > clientTop) != bottomPiece) continue;
        o.state.morph = 0;
        if (!icon) icon = windowSmallIcon();
        DrawIconEx(dc, o.rect.left - origin.x, o.rect.top - origin.y, icon, size, size, 0, nullptr,
                   DI_NORMAL);
    }
}

HBRUSH TbsSkinForm::tileBrush(const Raster& picture, const PixelRect& tile) {
    if (tileBrush_ && tileBrushPicture_ == &picture && tileBrushSource_ == tile) return tileBrush_.get();
    tileBrush_.reset();
    const PixelRect source = intersect(tile, picture.bounds());
    if (source.empty()) return nullptr;
    // A packed bottom-up DIB of the tile: the brush keeps its own copy.
    const int width = source.width(), height = source.height();
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> packed(sizeof(BITMAPINFOHEADER) + std::size_t(stride) * std::size_t(height));
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(packed.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = 24;
    header->biCompression = BI_RGB;
    std::uint8_t* bits = packed.data() + sizeof(BITMAPINFOHEADER);
    for (int y = 0; y < height; ++y) {
        std::memcpy(bits + std::size_t(height - 1 - y) * std::size_t(stride),
                    picture.row(source.top + y) + 3 * source.left, std::size_t(width) * 3);
    }
    tileBrush_.reset(CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS));
    tileBrushPicture_ = &picture;
    tileBrushSource_ = tile;
    return tileBrush_.get();
}

}  // namespace vireltan
