#include "controls/GroupBox.h"

#include "skin/SkinGeometry.h"
#include "skin/SplitPainting.h"

namespace vireltan {

namespace {

void fillStrip(TCanvas& canvas, TColor color, int left, int top, int right, int bottom) {
    canvas.brush().setStyle(TBrushStyle::bsSolid);
    canvas.brush().setColor(color);
    canvas.fillRect(RECT{left, top, right, bottom});
}

// A one-pixel frame: `topLeft` along the top and left edges, `bottomRight` along the bottom and
// right edges, which own the top-right and bottom-left corners.
void frame3d(TCanvas& canvas, const RECT& r, TColor topLeft, TColor bottomRight) {
    fillStrip(canvas, topLeft, r.left, r.top, r.right - 1, r.top + 1);
    fillStrip(canvas, topLeft, r.left, r.top, r.left + 1, r.bottom - 1);
    fillStrip(canvas, bottomRight, r.right - 1, r.top, r.right, r.bottom);
    fillStrip(canvas, bottomRight, r.left, r.bottom - 1, r.right, r.bottom);
}

// A triangle of four rows, 1 to 7 pixels wide, centred in the 10-pixel box at `boxLeft`.
void drawRollUpArrow(TCanvas& canvas, int boxLeft, const RECT& caption, bool pointingDown, TColor color) {
    const int centre = boxLeft + 4;
    const int top = static_cast<int>(caption.top + (caption.bottom - caption.top) / 2 - 2);
    for (int row = 0; row < 4; ++row) {
        const int half = pointingDown ? 3 - row : row;
        fillStrip(canvas, color, centre - half, top + row, centre + half + 1, top + row + 1);
    }
}

bool insideArea(const SkinPoint& p, const SkinRect& area, bool inclusive) {
    return inclusive ? p.x >= area.left && p.x <= area.right && p.y >= area.top && p.y <= area.bottom
                     : p.x >= area.left && p.x < area.right && p.y >= area.top && p.y < area.bottom;
}

SkinRect moved(SkinRect r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Whether `r` lies wholly in `area`: its top-left inside, its bottom-right inside with the right
// and bottom edges exclusive.
bool whollyInside(const SkinRect& r, const SkinRect& area) {
    return insideArea({r.left, r.top}, area, false) && r.right <= area.right && r.bottom <= area.bottom &&
           r.right > area.left && r.bottom > area.top;
}

// Copies `source` of the picture to (x, y), leaving out the colour of its bottom-left pixel.
void drawTransparent(TBitmap& bitmap, const Raster& picture, const PixelRect& source, int x, int y) {
    const PixelRect s = intersect(source, picture.bounds());
    if (s.empty()) return;
    Raster target = bitmap.raster();
    const Bgr transparent = picture.pixel(s.left, s.bottom - 1);
    for (int row = s.top; row < s.bottom; ++row) {
        for (int column = s.left; column < s.right; ++column) {
            const int tx = x + column - s.left, ty = y + row - s.top;
            const Bgr c = picture.pixel(column, row);
            if (c != transparent && target.contains(tx, ty)) target.setPixel(tx, ty, c);
        }
    }
}

}  // namespace

SkinRect mapSkinRectToSize(const SkinRect& r, const SkinGeometry& g, int width, int height) {
    const int dw = width - g.skinrect.width();
    const int dh = height - g.skinrect.height();
    const SkinPoint lt = g.lefttoppoint, rt = g.righttoppoint, lb = g.leftbottompoint,
                    rb = g.rightbottompoint;
    switch (g.resizeMode) {
        case ResizeMode::NinePiece: {
            const int sw = g.skinrect.width(), sh = g.skinrect.height();
            const SkinRect topLeft{0, 0, lt.x, lt.y}, topRight{rt.x, 0, sw, rt.y};
            const SkinRect bottomLeft{0, lb.y, lb.x, sh}, bottomRight{rb.x, rb.y, sw, sh};
            if (whollyInside(r, topLeft)) return r;
            if (whollyInside(r, topRight)) return moved(r, dw, 0);
            if (whollyInside(r, bottomLeft)) return moved(r, 0, dh);
            if (whollyInside(r, bottomRight)) return moved(r, dw, dh);
            const SkinPoint a{r.left, r.top}, b{r.right, r.bottom};
            const auto in = [](const SkinPoint& p, const SkinRect& area) {
                return insideArea(p, area, true);
            };
            if (in(a, topLeft) && in(b, bottomRight)) return {r.left, r.top, r.right + dw, r.bottom + dh};
            if (in(a, topLeft) && in(b, topRight)) return {r.left, r.top, r.right + dw, r.bottom};
            if (in(a, bottomLeft) && in(b, bottomRight))
                return {r.left, r.top + dh, r.right + dw, r.bottom + dh};
            if (in(a, topLeft) && in(b, bottomLeft)) return {r.left, r.top, r.right, r.bottom + dh};
            if (in(a, topRight) && in(b, bottomRight))
                return {r.left + dw, r.top, r.right + dw, r.bottom + dh};
            return r;
        }
        case ResizeMode::HorizontalStrip:
            if (lt.x >= r.left && r.right >= rt.x) return {r.left, r.top, r.right + dw, r.bottom};
            if (r.left >= rt.x && rt.x < r.right) return moved(r, dw, 0);
            return r;
        case ResizeMode::VerticalStrip:
            if (lt.y >= r.top && r.bottom >= lb.y) return {r.left, r.top, r.right, r.bottom + dh};
            if (r.top >= lb.y && lb.y < r.bottom) return moved(r, 0, dh);
            return r;
        case ResizeMode::Copy:
        case ResizeMode::None:
            break;
    }
    return r;
}

TbsSkinPanel::TbsSkinPanel(TComponent* owner) : TbsSkinCustomControl(owner) {
    link_.name = "panel";
    splitPainting_ = true;
    setBounds(0, 0, 150, 150);
}

void TbsSkinPanel::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    setText(caption);  // the window text too, so that tools reading windows see the caption
    if (captionMode_) invalidate();
}

void TbsSkinPanel::setCaptionMode(bool value) {
    if (value == captionMode_) return;
    captionMode_ = value;
    invalidate();
    realign();
}

void TbsSkinPanel::setDefaultCaptionHeight(int value) {
    if (value == defaultCaptionHeight_) return;
    defaultCaptionHeight_ = value;
    if (!hasSkinLook()) {
        invalidate();
        realign();
    }
}

void TbsSkinPanel::setBorderStyle(TbsSkinBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    if (!hasSkinLook()) {
        invalidate();
        realign();
    }
}

void TbsSkinPanel::repaintPlainCaption() {
    if (!hasSkinLook() && captionMode_) invalidate();
}

void TbsSkinPanel::setDefaultAlignment(TAlignment value) {
    if (value == defaultAlignment_) return;
    defaultAlignment_ = value;
    repaintPlainCaption();
}

void TbsSkinPanel::setRollUpMode(bool value) {
    if (value == rollUpMode_) return;
    rollUpMode_ = value;
    repaintPlainCaption();
}

void TbsSkinPanel::setTransparentMode(bool value) {
    if (value == transparentMode_) return;
    transparentMode_ = value;
    invalidate();
    if (!isLoading()) notifyParentBackgroundChanged();
}

void TbsSkinPanel::setCaptionImageIndex(int value) {
    if (value == captionImageIndex_) return;
    captionImageIndex_ = value;
    invalidate();
}

void TbsSkinPanel::setSpacing(int value) {
    spacing_ = value;
    invalidate();
}

void TbsSkinPanel::setNumGlyphs(int value) {
    numGlyphs_ = value < 1 ? 1 : (value > 2 ? 2 : value);
    invalidate();
}

void TbsSkinPanel::setCheckedMode(bool value) {
    checkedMode_ = value;
    invalidate();
}

void TbsSkinPanel::setChecked(bool value) {
    checked_ = value;
    if (checkedMode_) invalidate();
    if (autoEnabledControls_ && checkedMode_) {
        for (TControl* child : controls()) child->setEnabled(value);
    }
    if (OnChecked) OnChecked();
}

void TbsSkinPanel::setConstraints(const TSizeConstraints& value) {
    constraints_ = value;
    setBounds(left(), top(), width(), height());
}

void TbsSkinPanel::setRollUpState(bool value) {
    if (value == rollUpState_) return;
    if (!rollUpMode_) {
        if (savedConstraints_) setConstraints(*savedConstraints_);
        savedConstraints_.reset();
        rollUpState_ = false;
        return;
    }
    rollUpState_ = value;
    if (value && realHeight_ == -1) {
        // The limits would keep the panel from shrinking to its caption; they are lifted while rolled
        // up and come back unchanged when it rolls down.
        savedConstraints_ = constraints_;
        constraints_ = TSizeConstraints{};
        realHeight_ = height();
        for (TControl* child : controls()) child->setVisible(false);
        const SkinRect& client = geometry_.newClientRect;
        setHeight(hasSkinLook() ? height() + client.top - client.bottom : defaultCaptionHeight_ + 1);
    } else if (!value && realHeight_ != -1) {
        setHeight(realHeight_);
        realHeight_ = -1;
        if (savedConstraints_) setConstraints(*savedConstraints_);
        savedConstraints_.reset();
        for (TControl* child : controls()) child->setVisible(true);
        realign();
    }
    if (OnChangeRollUpState) OnChangeRollUpState();
}

void TbsSkinPanel::setEnabled(bool enabled) {
    TbsSkinCustomControl::setEnabled(enabled);
    invalidate();
}

void TbsSkinPanel::setBounds(int left, int top, int width, int height) {
    const auto limit = [](int value, int least, int most) {
        if (most > 0 && value > most) value = most;
        if (least > 0 && value < least) value = least;
        return value;
    };
    width = limit(width, constraints_.MinWidth, constraints_.MaxWidth);
    height = limit(height, constraints_.MinHeight, constraints_.MaxHeight);
    TbsSkinCustomControl::setBounds(left, top, width, height);
    if (!hasSkinLook()) invalidate();
}

void TbsSkinPanel::ApplySkin() {
    TbsSkinCustomControl::ApplySkin();
    if (rollUpState_ && realHeight_ != -1) {
        // Rolled up again to the caption height of the new look; the unrolled height is kept.
        const int keep = realHeight_;
        if (hasSkinLook()) {
            const SkinRect& client = geometry_.newClientRect;
            setHeight(height() + client.top - client.bottom);
        } else {
            setHeight(defaultCaptionHeight_ + 1);
        }
        realHeight_ = keep;
    }
}

void TbsSkinPanel::AdjustClientRect(RECT& rect) {
    rect = {0, 0, width(), height()};
    if (hasSkinLook()) {
        const bool wholeControl = backgroundPictureIndex() != -1 || coveredByClientImage();
        if (!wholeControl) {
            const SkinRect& client = geometry_.newClientRect;
            rect = {client.left, client.top, client.right, client.bottom};
        }
        return;
    }
    if (borderStyle_ != TbsSkinBorderStyle::bvNone) InflateRect(&rect, -1, -1);
    if (captionMode_) rect.top += defaultCaptionHeight_;
}

void TbsSkinPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && (rollUpMode_ || checkedMode_) && captionMode_) {
        const RECT caption = hasSkinLook() ? captionRect_ : RECT{1, 1, width() - 1, defaultCaptionHeight_};
        if (PtInRect(&caption, POINT{x, y})) {
            if (checkedMode_) setChecked(!checked_);
            if (rollUpMode_) setRollUpState(!rollUpState_);
        }
    }
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinPanel::ParentBackgroundChanged() {
    if (!transparentMode_) return;
    invalidate();
    notifyParentBackgroundChanged();
}

void TbsSkinPanel::PaintPlainImage(TBitmap& bitmap) {
    TCanvas& canvas = bitmap.canvas();
    const int w = bitmap.width(), h = bitmap.height();
    fillStrip(canvas, clBtnFace, 0, 0, w, h);
    const RECT whole{0, 0, w, h};
    switch (borderStyle_) {
        case TbsSkinBorderStyle::bvFrame:
            frame3d(canvas, whole, clBtnShadow, clBtnShadow);
            break;
        case TbsSkinBorderStyle::bvRaised:
            frame3d(canvas, whole, clBtnHighlight, clBtnShadow);
            break;
        case TbsSkinBorderStyle::bvLowered:
            frame3d(canvas, whole, clBtnShadow, clBtnHighlight);
            break;
        case TbsSkinBorderStyle::bvNone:
            break;
    }
    if (captionMode_) paintPlainCaption(canvas);
}

int TbsSkinPanel::backgroundPictureIndex() const {
    const auto* definition = link_.definitionAs<TbsDataSkinPanelControl>();
    return definition ? definition->bgpictureindex : -1;
}

bool TbsSkinPanel::coveredByClientImage() const {
    return borderStyle_ == TbsSkinBorderStyle::bvNone && geometry_.resizeMode == ResizeMode::NinePiece &&
           !captionMode_;
}

void TbsSkinPanel::Paint() {
    if (width() < 1 || height() < 1) return;
    LookUpDefinition();
    const int background = hasSkinLook() && !transparentMode_ ? backgroundPictureIndex() : -1;
    const Raster* source = hasSkinLook() ? picture() : nullptr;
    if (background == -1 && !(source && coveredByClientImage() && !transparentMode_)) {
        TbsSkinCustomControl::Paint();
        return;
    }
    TBitmap bitmap(width(), height(), TBitmap::Use::OnePaint);
    Raster pixels = bitmap.raster();
    if (source && coveredByClientImage()) {
        // The client image over the whole control from (0, 0), stretched or tiled as the client area is.
        const PixelRect tile = pixelRect(geometry_.clientrect)
                                   .offset(geometry_.compose.skinRect.left, geometry_.compose.skinRect.top);
        const FillMode mode = geometry_.stretcheffect ? FillMode::Stretch : FillMode::Tile;
        paintPlan(*source, fillPlan(tile, pixels.bounds(), mode, geometry_.stretchtype), pixels);
    } else if (const Raster* picture = link_.data->activePictureRaster(background)) {
        const Raster composed = composePanelBackground(*picture, geometry_.compose, width(), height());
        for (int y = 0; y < composed.height(); ++y) pixels.setRow(y, composed.row(y));
    } else {
        TbsSkinCustomControl::PaintPlainImage(bitmap);
    }
    BitBlt(canvas().handle(), 0, 0, bitmap.width(), bitmap.height(), bitmap.canvasHandle(), 0, 0, SRCCOPY);
}

void TbsSkinPanel::PaintSkinImage(TBitmap& bitmap) {
    TbsSkinCustomControl::PaintSkinImage(bitmap);
    captionRect_ = {};
    const auto* definition = link_.definitionAs<TbsDataSkinPanelControl>();
    if (!definition) return;
    SkinRect r = definition->captionrect;
    if (geometry_.resizeMode != ResizeMode::Copy) {
        if (transparentMode_) return;
        r = mapSkinRectToSize(r, geometry_, width(), height());
    }
    captionRect_ = {r.left, r.top, r.right, r.bottom};
    if (caption_.empty() || r.isEmpty()) return;
    paintSkinCaption(bitmap, captionRect_, *definition);
}

void TbsSkinPanel::paintSkinCaption(TBitmap& bitmap, RECT r, const TbsDataSkinPanelControl& definition) {
    if (rollUpMode_) r.right -= 12;
    if (checkedMode_) {
        const SkinRect& shown = checked_ ? definition.checkimagerect : definition.uncheckimagerect;
        const SkinRect& size = definition.checkimagerect;
        if (const Raster* source = picture(); source && !size.isEmpty()) {
            const int top = static_cast<int>(r.top + (r.bottom - r.top) / 2 - size.height() / 2);
            const PixelRect piece{shown.left, shown.top, shown.left + size.width(),
                                  shown.top + size.height()};
            drawTransparent(bitmap, *source, piece, static_cast<int>(r.left), top);
        }
        r.left += size.width() + 2;
    }
    TCanvas& canvas = bitmap.canvas();
    FontDescription font = DefaultFont().description();
    if (UseSkinFont()) {
        font.face = definition.fontname;
        font.height = definition.fontheight;
        font.style = fontStyleFromSkin(definition.fontstyle);
    }
    font.color = colorFromSkin(definition.fontcolor);
    canvas.font().assign(font);
    const SIZE extent = canvas.textExtent(caption_);
    const int rw = static_cast<int>(r.right - r.left), rh = static_cast<int>(r.bottom - r.top);
    const int textTop = static_cast<int>(r.top) + rh / 2 - static_cast<int>(extent.cy) / 2;
    const int contentWidth = static_cast<int>(extent.cx);
    int textLeft = static_cast<int>(r.left);
    if (definition.alignment == Alignment::taRightJustify) {
        textLeft = static_cast<int>(r.right) - contentWidth;
    } else if (definition.alignment == Alignment::taCenter) {
        textLeft = static_cast<int>(r.left) + rw / 2 - contentWidth / 2;
    }
    canvas.brush().setStyle(TBrushStyle::bsClear);
    canvas.textRect(r, textLeft, textTop, caption_);
    if (rollUpMode_) drawRollUpArrow(canvas, static_cast<int>(r.right), r, rollUpState_, font.color);
}

void TbsSkinPanel::paintPlainCaption(TCanvas& canvas) {
    const int w = width();
    const int barHeight = defaultCaptionHeight_;
    RECT r;
    if (borderStyle_ == TbsSkinBorderStyle::bvFrame) {
        frame3d(canvas, RECT{0, 0, w, barHeight}, clBtnShadow, clBtnShadow);
        frame3d(canvas, RECT{1, 1, w - 1, barHeight - 1}, clBtnHighlight, clBtnFace);
        r = {2, 2, w - 2, barHeight - 2};
    } else {
        frame3d(canvas, RECT{1, 1, w - 1, barHeight}, clBtnShadow, clBtnHighlight);
        frame3d(canvas, RECT{2, 2, w - 2, barHeight - 1}, clBtnHighlight, clBtnShadow);
        r = {3, 3, w - 3, barHeight - 2};
    }
    if (checkedMode_) r.left += 20;
    if (rollUpMode_) r.right -= 10;

    canvas.font().assign(DefaultFont());
    const SIZE extent = canvas.textExtent(caption_);
    const int rw = static_cast<int>(r.right - r.left), rh = static_cast<int>(r.bottom - r.top);
    const int textTop = static_cast<int>(r.top) + rh / 2 - static_cast<int>(extent.cy) / 2;
    const int contentWidth = static_cast<int>(extent.cx);
    int textLeft = static_cast<int>(r.left) + 2;
    if (defaultAlignment_ == TAlignment::taRightJustify) {
        textLeft = static_cast<int>(r.right) - contentWidth;
    } else if (defaultAlignment_ == TAlignment::taCenter) {
        textLeft = static_cast<int>(r.left) + 2 + rw / 2 - contentWidth / 2;
    }

    if (checkedMode_) {
        const int boxTop = static_cast<int>(r.top) + rh / 2 - 7;
        frame3d(canvas, RECT{5, boxTop, 19, boxTop + 14}, clBtnShadow, clBtnShadow);
        if (checked_) {
            canvas.pen().setStyle(TPenStyle::psSolid);
            canvas.pen().setColor(clBtnText);
            const int x = 5 + 3, y = boxTop + 2;
            for (int i = 0; i < 3; ++i) {
                canvas.moveTo(x, y - i + 5);
                canvas.lineTo(x + 2, y - i + 7);
                canvas.lineTo(x + 7, y - i + 2);
            }
        }
    }

    if (!caption_.empty()) {
        canvas.brush().setStyle(TBrushStyle::bsClear);
        canvas.textRect(r, textLeft, textTop, caption_);
    }

    if (rollUpMode_) drawRollUpArrow(canvas, static_cast<int>(r.right), r, rollUpState_, clBtnText);
}

TbsSkinGroupBox::TbsSkinGroupBox(TComponent* owner) : TbsSkinPanel(owner) {
    link_.name = "groupbox";
    setCaptionMode(true);
}

}  // namespace vireltan
