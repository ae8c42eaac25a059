// TbsSkinStdLabel: a windowless text label. Without a skin it draws in its DefaultFont (or Font),
// with one in the font of the skin's label definition; it sizes itself to its text, can end the
// text in an ellipsis and shows a disabled caption embossed.
#pragma once

#include "controls/SkinLink.h"
#include "gui/Control.h"

#include <string>

namespace vireltan {

enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TbsEllipsType { bsetNone, bsetEndEllips, bsetPathEllips };

class TbsSkinStdLabel : public TGraphicControl, public SkinClient {
  public:
    explicit TbsSkinStdLabel(TComponent* owner);

    std::string Caption() const { return text(); }
    void setCaption(const std::string& caption) { setText(caption); }

    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool value);
    TAlignment Alignment() const { return alignment_; }
    void setAlignment(TAlignment value);
    TTextLayout Layout() const { return layout_; }
    void setLayout(TTextLayout value);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool value);
    bool Transparent() const { return transparent_; }
    void setTransparent(bool value);
    TbsEllipsType EllipsType() const { return ellipsType_; }
    void setEllipsType(TbsEllipsType value);
    bool UseSkinFont() const { return useSkinFont_; }
    void setUseSkinFont(bool value);
    bool UseSkinColor() const { return useSkinColor_; }
    void setUseSkinColor(bool value);
    TFont& DefaultFont() { return defaultFont_; }
    // Copies the font; like the font object itself it does not repaint.
    void setDefaultFont(const FontDescription& font) { defaultFont_.assign(font); }

    TbsSkinData* SkinData() const override { return link_.data; }
    void setSkinData(TbsSkinData* data) override;
    const std::string& SkinDataName() const { return link_.name; }
    void setSkinDataName(const std::string& name) { link_.name = name; }
    int definitionIndex() const { return link_.index; }
    void ApplySkin() override;
    void ForgetSkin() override { link_.index = -1; }

    // Fits the bounds to the text when AutoSize is on (also run when loading ends).
    void AdjustBounds();
    // Draws (or, with DT_CALCRECT, measures) the caption on `canvas` within `rect`.
    void DoDrawText(TCanvas& canvas, RECT& rect, UINT flags);

  protected:
    void Paint() override;
    void Loaded() override;
    void fontChanged() override;
    void textChanged() override;

  private:
    void lookUpDefinition();

    SkinLink link_;
    bool autoSize_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    bool transparent_ = true;
    TbsEllipsType ellipsType_ = TbsEllipsType::bsetNone;
    bool useSkinFont_ = true;
    bool useSkinColor_ = true;
    TFont defaultFont_;
    // Copied from a label definition at look-up; kept when a definition of another kind is found.
    FontDescription skinFont_{"Arial", 14, 0, clBlack};
};

}  // namespace vireltan
