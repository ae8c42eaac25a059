#include "controls/StdLabel.h"

#include "gui/Application.h"

#include "gui/WinControl.h"
#include "skin/SkinControlsCommon.h"

namespace vireltan {

namespace {

UINT alignmentFlag(TAlignment alignment) {
    switch (alignment) {
        case TAlignment::taRightJustify:
            return DT_RIGHT;
        case TAlignment::taCenter:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

UINT ellipsisFlag(TbsEllipsType type) {
    switch (type) {
        case TbsEllipsType::bsetEndEllips:
            return DT_END_ELLIPSIS;
        case TbsEllipsType::bsetPathEllips:
            return DT_PATH_ELLIPSIS;
        default:
            return 0;
    }
}

}  // namespace

TbsSkinStdLabel::TbsSkinStdLabel(TComponent* owner) : TGraphicControl(owner) {
    link_.name = "stdlabel";
    setBounds(0, 0, 65, 17);
}

void TbsSkinStdLabel::setAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    AdjustBounds();
}

void TbsSkinStdLabel::setAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    invalidate();
}

void TbsSkinStdLabel::setLayout(TTextLayout value) {
    if (value == layout_) return;
    layout_ = value;
    invalidate();
}

void TbsSkinStdLabel::setWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    AdjustBounds();
    invalidate();
}

void TbsSkinStdLabel::setShowAccelChar(bool value) {
    if (value == showAccelChar_) return;
    showAccelChar_ = value;
    AdjustBounds();
    invalidate();
}

void TbsSkinStdLabel::setTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    invalidate();
}

void TbsSkinStdLabel::setEllipsType(TbsEllipsType value) {
    if (value == ellipsType_) return;
    ellipsType_ = value;
    invalidate();
}

void TbsSkinStdLabel::setUseSkinFont(bool value) {
    if (value == useSkinFont_) return;
    useSkinFont_ = value;
    AdjustBounds();
    invalidate();
}

void TbsSkinStdLabel::setUseSkinColor(bool value) {
    if (value == useSkinColor_) return;
    useSkinColor_ = value;
    invalidate();
}

void TbsSkinStdLabel::setSkinData(TbsSkinData* data) {
    link_.data = data;
    if (data) ApplySkin();
}

void TbsSkinStdLabel::ApplySkin() {
    lookUpDefinition();
    AdjustBounds();
    invalidate();
}

void TbsSkinStdLabel::lookUpDefinition() {
    link_.lookUp();
    if (const auto* label = link_.definitionAs<TbsDataSkinStdLabelControl>()) {
        skinFont_ = FontDescription{label->fontname, label->fontheight, fontStyleFromSkin(label->fontstyle),
                                    colorFromSkin(label->fontcolor)};
    }
}

void TbsSkinStdLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TbsSkinStdLabel::fontChanged() {
    AdjustBounds();
    invalidate();
}

void TbsSkinStdLabel::textChanged() {
    AdjustBounds();
    invalidate();
}

void TbsSkinStdLabel::AdjustBounds() {
    if (!autoSize_ || isLoading()) return;
    // Measured as the screen shows it, where the text will be drawn.
    TCanvas canvas;
    canvas.setHandle(Application().measuringContext());
    RECT rect = clientRect();
    DoDrawText(canvas, rect, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0));
    canvas.setHandle(nullptr);
    int x = left();
    if (alignment_ == TAlignment::taRightJustify) x += width() - rect.right;
    setBounds(x, top(), rect.right, rect.bottom);
}

void TbsSkinStdLabel::DoDrawText(TCanvas& canvas, RECT& rect, UINT flags) {
    lookUpDefinition();
    std::string caption = text();
    // An empty caption still measures one line high.
    if ((flags & DT_CALCRECT) && (caption.empty() || (showAccelChar_ && caption == "&"))) caption += ' ';
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    flags |= ellipsisFlag(ellipsType_);

    const bool skinned = link_.index != -1;
    if (!skinned) {
        canvas.font().assign(useSkinFont_ ? defaultFont_ : font());
    } else {
        FontDescription description = font().description();
        if (useSkinFont_) {
            description.face = skinFont_.face;
            description.height = skinFont_.height;
            description.style = skinFont_.style;
        }
        description.color = useSkinColor_ ? skinFont_.color : font().color();
        canvas.font().assign(description);
    }
    canvas.brush().setStyle(TBrushStyle::bsClear);

    if (enabled() || (flags & DT_CALCRECT)) {
        canvas.drawText(caption, rect, flags);
        return;
    }
    TColor highlight = clBtnHighlight, shadow = clBtnShadow;
    if (skinned) {
        highlight = colorFromSkin(link_.data->SkinColors.cbtnhighlight);
        shadow = colorFromSkin(link_.data->SkinColors.cbtnshadow);
    }
    RECT shifted = rect;
    OffsetRect(&shifted, 1, 1);
    canvas.font().setColor(highlight);
    canvas.drawText(caption, shifted, flags);
    canvas.font().setColor(shadow);
    canvas.drawText(caption, rect, flags);
}

void TbsSkinStdLabel::Paint() {
    TCanvas& canvas = this->canvas();
    RECT rect = clientRect();
    if (!transparent_) {
        canvas.brush().setStyle(TBrushStyle::bsSolid);
        canvas.brush().setColor(color());
        canvas.fillRect(rect);
    }
    const UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | alignmentFlag(alignment_);
    if (layout_ != TTextLayout::tlTop) {
        RECT measured = rect;
        DoDrawText(canvas, measured, flags | DT_CALCRECT);
        const int free = static_cast<int>(rect.bottom - measured.bottom);
        rect.top += layout_ == TTextLayout::tlBottom ? free : free / 2;
    }
    DoDrawText(canvas, rect, flags);
}

}  // namespace vireltan
