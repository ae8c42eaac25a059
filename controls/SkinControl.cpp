#include "controls/SkinControl.h"

#include <algorithm>

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
    TBitmap bitmap(width(), height());
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

int resizeModeFor(const SkinRect& skinrect, const SkinPoint& righttoppoint, const SkinPoint& leftbottompoint,
                  const SkinPoint& rightbottompoint) {
    if (skinrect.isEmpty()) return -1;
    if (rightbottompoint.x != 0 && rightbottompoint.y != 0) return 1;
    if (righttoppoint.x != 0 || righttoppoint.y != 0) return 2;
    if (leftbottompoint.x != 0 || leftbottompoint.y != 0) return 3;
    return 0;
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
    geometry.resizeMode = resizeModeFor(definition.skinrect, definition.righttoppoint,
                                        definition.leftbottompoint, definition.rightbottompoint);
    geometry.newLeftTop = geometry.lefttoppoint;
    geometry.newRightTop = geometry.righttoppoint;
    geometry.newLeftBottom = geometry.leftbottompoint;
    geometry.newRightBottom = geometry.rightbottompoint;
    geometry.newClientRect = geometry.clientrect;
    return geometry;
}

void fitSizeToSkin(SkinGeometry& g, int& width, int& height) {
    const int dw = width - g.skinrect.width();
    const int dh = height - g.skinrect.height();
    switch (g.resizeMode) {
        case 0:
            width = g.skinrect.width();
            height = g.skinrect.height();
            g.newClientRect = g.clientrect;
            break;
        case 1:
            g.newLeftTop = g.lefttoppoint;
            g.newRightTop = {g.righttoppoint.x + dw, g.righttoppoint.y};
            g.newLeftBottom = {g.leftbottompoint.x, g.leftbottompoint.y + dh};
            g.newRightBottom = {g.rightbottompoint.x + dw, g.rightbottompoint.y + dh};
            g.newClientRect = g.clientrect;
            g.newClientRect.right += dw;
            g.newClientRect.bottom += dh;
            break;
        case 2:
            height = g.skinrect.height();
            g.newLeftTop = g.lefttoppoint;
            g.newRightTop = {g.righttoppoint.x + dw, g.righttoppoint.y};
            g.newClientRect = g.clientrect;
            g.newClientRect.right += dw;
            break;
        case 3:
            width = g.skinrect.width();
            g.newLeftTop = g.lefttoppoint;
            g.newLeftBottom = {g.leftbottompoint.x, g.leftbottompoint.y + dh};
            g.newClientRect = g.clientrect;
            g.newClientRect.bottom += dh;
            break;
        default:  // no image: the requested size stands
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
    if (const auto* custom = link_.definitionAs<TbsDataSkinCustomControl>()) {
        geometry_ = geometryFrom(*custom);
    } else {
        geometry_ = SkinGeometry{};
    }
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
        if (geometry_.resizeMode == 0) geometry_.newClientRect = geometry_.clientrect;
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

void TbsSkinCustomControl::UpdateSkinRegion() {
    // Shaped controls come with the skinned look; a plain control is a plain rectangle.
    clearRegion();
}

void TbsSkinCustomControl::Paint() {
    if (width() < 1 || height() < 1) return;
    LookUpDefinition();
    int w = width(), h = height();
    FitSizeToSkin(w, h);
    paintBuffered();
}

void TbsSkinCustomControl::PaintPlainImage(TBitmap& bitmap) {
    TCanvas& canvas = bitmap.canvas();
    canvas.brush().setStyle(TBrushStyle::bsSolid);
    canvas.brush().setColor(clBtnFace);
    canvas.fillRect(clientRect());
}

}  // namespace vireltan
