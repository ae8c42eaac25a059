#include "controls/SkinControl.h"

#include "skin/Blit.h"
#include "skin/SkinGeometry.h"
#include "skin/SplitPainting.h"

#include <algorithm>
#include <vector>

namespace vireltan {

TbsSkinControl::TbsSkinControl(TComponent* owner) : TCustomControl(owner) {}

TbsSkinControl::~TbsSkinControl() {
    clearRegion();
}

void TbsSkinControl::setSkinData(TbsSkinData* data) {
    link_.data = data;
    // An empty skin is only remembered: the look is taken on when the loaded skin is announced.
    if (data && !data->SkinEmpty()) ApplySkin();
}

void TbsSkinControl::ApplySkin() {
    LookUpDefinition();
    invalidate();
}

void TbsSkinControl::skinDataDestroyed(const TbsSkinData* data) {
    if (link_.data != data) return;
    link_.data = nullptr;
    link_.index = -1;
    invalidate();
}

void TbsSkinControl::Paint() {
    if (width() <= 0 || height() <= 0) return;
    LookUpDefinition();
    paintBuffered();
}

void TbsSkinControl::paintBuffered() {
    TBitmap bitmap(width(), height(), TBitmap::Use::OnePaint);
    if (!usesSkinLook()) {
        PaintPlainImage(bitmap);
    } else {
        PaintSkinImage(bitmap);
    }
    BitBlt(canvas().handle(), 0, 0, bitmap.width(), bitmap.height(), bitmap.canvasHandle(), 0, 0, SRCCOPY);
}

void TbsSkinControl::WndProc(TMessage& message) {
    switch (message.msg) {
        case WM_PAINT:
            painting_ = true;
            TCustomControl::WndProc(message);
            painting_ = false;
            break;
        case WM_ERASEBKGND:  // the paint covers every pixel
            message.result = 1;
            break;
        case CM_PARENTBACKGROUNDCHANGED:
            ParentBackgroundChanged();
            break;
        default:
            TCustomControl::WndProc(message);
            break;
    }
}

void TbsSkinControl::setRegion(WindowRegion region) {
    if (!handleAllocated()) return;
    // The system deletes the region it held when it takes the new one.
    if (region.applyTo(handle(), true)) regionSet_ = true;
}

void TbsSkinControl::clearRegion() {
    if (!regionSet_ || !handleAllocated()) return;
    WindowRegion::removeFrom(handle(), true);
    regionSet_ = false;
}

void TbsSkinControl::setChildAlign(TControl& child, TAlign align) {
    std::erase_if(aligned_, [&](const auto& entry) { return entry.first == &child; });
    if (align != TAlign::alNone) {
        aligned_.emplace_back(&child, align);
        child.FreeNotification(this);
    }
    realign();
}

TAlign TbsSkinControl::childAlign(const TControl& child) const {
    for (const auto& [control, align] : aligned_) {
        if (control == &child) return align;
    }
    return TAlign::alNone;
}

void TbsSkinControl::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove) {
        std::erase_if(aligned_, [&](const auto& entry) { return entry.first == component; });
    }
}

void TbsSkinControl::AdjustClientRect(RECT& rect) {
    rect = {0, 0, width(), height()};
}

void TbsSkinControl::realign() {
    if (realigning_) return;
    realigning_ = true;
    RECT area{};
    AdjustClientRect(area);
    for (const auto& [control, align] : aligned_) {
        if (control->parent() != this || align != TAlign::alClient) continue;
        control->setBounds(area.left, area.top, std::max(0L, area.right - area.left),
                           std::max(0L, area.bottom - area.top));
    }
    realigning_ = false;
}

SkinGeometry geometryFrom(const TbsDataSkinCustomControl& definition) {
    SkinGeometry geometry;
    geometry.skinrect = definition.skinrect;
    geometry.clientrect = definition.clientrect;
    geometry.lefttoppoint = definition.lefttoppoint;
    geometry.righttoppoint = definition.righttoppoint;
    geometry.leftbottompoint = definition.leftbottompoint;
    geometry.rightbottompoint = definition.rightbottompoint;
    geometry.leftstretch = definition.leftstretch;
    geometry.topstretch = definition.topstretch;
    geometry.rightstretch = definition.rightstretch;
    geometry.bottomstretch = definition.bottomstretch;
    geometry.stretcheffect = definition.stretcheffect;
    geometry.stretchtype = definition.stretchtype;
    geometry.pictureindex = definition.pictureindex;
    geometry.maskpictureindex = definition.maskpictureindex;
    geometry.compose = skinRectGeometry(definition);
    // The rule that picks the composition is the rule of the resize mode.
    geometry.resizeMode = resizeModeOf(geometry.compose);
    geometry.newLeftTop = geometry.lefttoppoint;
    geometry.newRightTop = geometry.righttoppoint;
    geometry.newLeftBottom = geometry.leftbottompoint;
    geometry.newRightBottom = geometry.rightbottompoint;
    geometry.newClientRect = geometry.clientrect;
    return geometry;
}

void drawRaster(TBitmap& bitmap, const Raster& image, int x, int y) {
    if (image.empty() || bitmap.empty()) return;
    Raster pixels = bitmap.raster();
    copyPiece(image, image.bounds(), pixels, x, y);
}

Bgr systemColorBgr(SkinColor color) {
    const COLORREF c = GetSysColor(systemColorIndex(color));
    return Bgr{GetBValue(c), GetGValue(c), GetRValue(c)};
}

void fitSizeToSkin(SkinGeometry& g, int& width, int& height) {
    const int dw = width - g.skinrect.width();
    const int dh = height - g.skinrect.height();
    switch (g.resizeMode) {
        case ResizeMode::Copy:
            width = g.skinrect.width();
            height = g.skinrect.height();
            g.newClientRect = g.clientrect;
            break;
        case ResizeMode::NinePiece:
            g.newLeftTop = g.lefttoppoint;
            g.newRightTop = {g.righttoppoint.x + dw, g.righttoppoint.y};
            g.newLeftBottom = {g.leftbottompoint.x, g.leftbottompoint.y + dh};
            g.newRightBottom = {g.rightbottompoint.x + dw, g.rightbottompoint.y + dh};
            g.newClientRect = g.clientrect;
            g.newClientRect.right += dw;
            g.newClientRect.bottom += dh;
            break;
        case ResizeMode::HorizontalStrip:
            height = g.skinrect.height();
            g.newLeftTop = g.lefttoppoint;
            g.newRightTop = {g.righttoppoint.x + dw, g.righttoppoint.y};
            g.newClientRect = g.clientrect;
            g.newClientRect.right += dw;
            break;
        case ResizeMode::VerticalStrip:
            width = g.skinrect.width();
            g.newLeftTop = g.lefttoppoint;
            g.newLeftBottom = {g.leftbottompoint.x, g.leftbottompoint.y + dh};
            g.newClientRect = g.clientrect;
            g.newClientRect.bottom += dh;
            break;
        case ResizeMode::None:  // no image: the requested size stands
            break;
    }
}

TbsSkinCustomControl::TbsSkinCustomControl(TComponent* owner)
    : TbsSkinControl(owner), defaultFont_(FontDescription{"Arial", 14, 0, clWindowText}) {
    defaultFont_.OnChange = [this] {
        DefaultFontChanged();
        if (definitionIndex() == -1) invalidate();
    };
}

void TbsSkinCustomControl::setDefaultWidth(int width) {
    defaultWidth_ = width;
    if (definitionIndex() == -1 && width > 0) setWidth(width);
}

void TbsSkinCustomControl::setDefaultHeight(int height) {
    defaultHeight_ = height;
    if (definitionIndex() == -1 && height > 0) setHeight(height);
}

void TbsSkinCustomControl::LookUpDefinition() {
    TbsSkinControl::LookUpDefinition();
    // Only the common custom kind carries geometry; any other kind leaves nothing to paint from.
    const auto* custom = link_.definitionAs<TbsDataSkinCustomControl>();
    customKind_ = custom != nullptr;
    geometry_ = custom ? geometryFrom(*custom) : SkinGeometry{};
}

void TbsSkinCustomControl::FitSizeToSkin(int& width, int& height) {
    if (!hasSkinLook()) return;
    fitSizeToSkin(geometry_, width, height);
}

void TbsSkinCustomControl::ApplySkin() {
    LookUpDefinition();
    bool sizeChanged = false;
    if (!hasSkinLook()) {
        if (defaultWidth_ > 0) setWidth(defaultWidth_);
        if (defaultHeight_ > 0) setHeight(defaultHeight_);
    } else {
        int w = width(), h = height();
        FitSizeToSkin(w, h);
        if (w != width() || h != height()) {
            sizeChanged = true;
            setBounds(left(), top(), w, h);  // updates the region and repaints
        }
    }
    if (!sizeChanged) {
        UpdateSkinRegion();
        invalidate();
    }
    realign();
}

void TbsSkinCustomControl::setBounds(int left, int top, int width, int height) {
    LookUpDefinition();
    const bool sizeChanges = width != this->width() || height != this->height();
    if (hasSkinLook() && sizeChanges) {
        FitSizeToSkin(width, height);
        if (geometry_.resizeMode == ResizeMode::Copy) geometry_.newClientRect = geometry_.clientrect;
    }
    const bool sizeChanged = width != this->width() || height != this->height();
    TbsSkinControl::setBounds(left, top, width, height);
    if (sizeChanged) {
        UpdateSkinRegion();
        invalidate();
        realign();
    }
    if (hasSkinLook() && geometry_.stretcheffect) notifyParentBackgroundChanged();
}

const Raster* TbsSkinCustomControl::picture() const {
    return link_.data ? link_.data->activePictureRaster(geometry_.pictureindex) : nullptr;
}

const Raster* TbsSkinCustomControl::maskPicture() const {
    return link_.data ? link_.data->activePictureRaster(geometry_.maskpictureindex) : nullptr;
}

std::optional<RegionRects> controlMaskRegion(const Raster& mask, const SkinGeometry& g, int width,
                                             int height) {
    if (mask.empty()) return std::nullopt;
    const PixelRect whole = mask.bounds();
    switch (g.resizeMode) {
        case ResizeMode::Copy:
            return normalizeRegion(RegionFromMask(mask, 0, 0).rects);
        case ResizeMode::NinePiece: {
            MaskRegionParams p;
            p.maskRect = pixelRect(g.clientrect);
            p.movedMaskRect = pixelRect(g.newClientRect);
            p.leftTop = pixelPoint(g.lefttoppoint);
            p.rightTop = pixelPoint(g.righttoppoint);
            p.leftBottom = pixelPoint(g.leftbottompoint);
            p.rightBottom = pixelPoint(g.rightbottompoint);
            p.movedLeftTop = pixelPoint(g.newLeftTop);
            p.movedRightTop = pixelPoint(g.newRightTop);
            p.movedLeftBottom = pixelPoint(g.newLeftBottom);
            p.movedRightBottom = pixelPoint(g.newRightBottom);
            p.width = width;
            p.height = height;
            return ComposeMaskRegion(mask, p);
        }
        case ResizeMode::HorizontalStrip: {
            Raster strip;
            ComposeHorizontalStrip(mask, whole, g.lefttoppoint.x, whole.width() - g.righttoppoint.x,
                                   FillMode::Tile, width, strip);
            return normalizeRegion(RegionFromMask(strip, 0, 0).rects);
        }
        case ResizeMode::VerticalStrip: {
            Raster strip;
            ComposeVerticalStrip(mask, whole, g.lefttoppoint.y, whole.height() - g.leftbottompoint.y,
                                 FillMode::Tile, height, strip);
            return normalizeRegion(RegionFromMask(strip, 0, 0).rects);
        }
        case ResizeMode::None:
            break;
    }
    return std::nullopt;
}

void TbsSkinCustomControl::UpdateSkinRegion() {
    const Raster* mask = hasSkinLook() ? maskPicture() : nullptr;
    const std::optional<RegionRects> region =
        mask ? controlMaskRegion(*mask, geometry_, width(), height()) : std::nullopt;
    if (!region) {
        clearRegion();
        return;
    }
    std::vector<RECT> rects;
    rects.reserve(region->rects.size());
    for (const PixelRect& r : region->rects) rects.push_back(RECT{r.left, r.top, r.right, r.bottom});
    setRegion(WindowRegion::fromRects(rects));
}

void TbsSkinCustomControl::Paint() {
    if (width() < 1 || height() < 1) return;
    LookUpDefinition();
    int w = width(), h = height();
    FitSizeToSkin(w, h);
    if (hasSkinLook() && splitPainting_ && geometry_.resizeMode == ResizeMode::NinePiece) {
        paintSplit();
    } else {
        paintBuffered();
    }
}

void TbsSkinCustomControl::paintSplit() {
    TBitmap bitmap(width(), height(), TBitmap::Use::OnePaint);
    if (bitmap.empty()) return;
    if (const Raster* source = picture()) {
        Raster pixels = bitmap.raster();
        if (paintClientArea_) {
            composeSplitImage(*source, geometry_.compose, width(), height(), ClientFill::ByDefinition,
                              pixels);
        } else {
            paintBorderStrips(*source, ninePieceParams(geometry_.compose, width(), height(), false), pixels);
        }
    }
    // The caption goes into the top strip only, as if it were a picture of its own.
    const int topHeight = std::clamp(geometry_.newClientRect.top, 0, height());
    HDC dc = bitmap.canvasHandle();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, width(), topHeight);
    PaintSkinImage(bitmap);
    RestoreDC(dc, saved);
    BitBlt(canvas().handle(), 0, 0, bitmap.width(), bitmap.height(), dc, 0, 0, SRCCOPY);
}

void TbsSkinCustomControl::PaintSkinImage(TBitmap& bitmap) {
    const ResizeMode mode = geometry_.resizeMode;
    if (mode == ResizeMode::NinePiece && splitPainting_) return;
    const Raster* source = picture();
    const PixelRect& skin = geometry_.compose.skinRect;
    int w = bitmap.width(), h = bitmap.height();
    if (mode == ResizeMode::Copy || mode == ResizeMode::VerticalStrip) w = skin.width();
    if (mode == ResizeMode::Copy || mode == ResizeMode::HorizontalStrip) h = skin.height();
    if (!source || mode == ResizeMode::None || w < 1 || h < 1) {
        // No image to draw: the button face, rather than black.
        TbsSkinCustomControl::PaintPlainImage(bitmap);
        return;
    }
    bitmap.setSize(w, h);
    Raster pixels = bitmap.raster();
    composeSkinRect(*source, geometry_.compose, w, h, true, pixels);
}

void TbsSkinCustomControl::PaintPlainImage(TBitmap& bitmap) {
    TCanvas& canvas = bitmap.canvas();
    canvas.brush().setStyle(TBrushStyle::bsSolid);
    canvas.brush().setColor(clBtnFace);
    canvas.fillRect(clientRect());
}

}  // namespace vireltan
