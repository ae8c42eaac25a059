// TbsSkinPanel and TbsSkinGroupBox: a container with an optional caption bar, an optional check box
// in the caption (its children follow it) and an optional roll-up to the caption. Without a skin
// it draws its plain look: a frame, the caption bar and the caption in DefaultFont.
#pragma once

#include "controls/SkinControl.h"
#include "controls/StdLabel.h"
#include "skin/SkinControlsCommon.h"

#include <optional>
#include <string>

namespace vireltan {

enum class TbsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

// Limits on the panel's size; 0 means no limit.
struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    bool operator==(const TSizeConstraints&) const = default;
};

// A rectangle of the skin (captionrect) moved and grown with the control's size by its resize mode:
// in nine-piece mode by the corner area it lies in, across in mode 2, down in mode 3; unchanged in
// mode 0 and without an image.
SkinRect mapSkinRectToSize(const SkinRect& r, const SkinGeometry& geometry, int width, int height);

class TbsSkinPanel : public TbsSkinCustomControl {
  public:
    explicit TbsSkinPanel(TComponent* owner);

    std::string Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool CaptionMode() const { return captionMode_; }
    void setCaptionMode(bool value);
    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    void setDefaultCaptionHeight(int value);
    TbsSkinBorderStyle BorderStyle() const { return borderStyle_; }
    void setBorderStyle(TbsSkinBorderStyle value);
    TAlignment DefaultAlignment() const { return defaultAlignment_; }
    void setDefaultAlignment(TAlignment value);
    bool TransparentMode() const { return transparentMode_; }
    void setTransparentMode(bool value);
    int CaptionImageIndex() const { return captionImageIndex_; }
    void setCaptionImageIndex(int value);
    int Spacing() const { return spacing_; }
    void setSpacing(int value);
    int NumGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int value);

    bool CheckedMode() const { return checkedMode_; }
    void setCheckedMode(bool value);
    bool Checked() const { return checked_; }
    void setChecked(bool value);
    bool AutoEnabledControls() const { return autoEnabledControls_; }
    void setAutoEnabledControls(bool value) { autoEnabledControls_ = value; }

    bool RollUpMode() const { return rollUpMode_; }
    void setRollUpMode(bool value);
    bool RollUpState() const { return rollUpState_; }
    void setRollUpState(bool value);
    int RealHeight() const { return realHeight_; }
    void setRealHeight(int value) { realHeight_ = value; }
    const TSizeConstraints& Constraints() const { return constraints_; }
    void setConstraints(const TSizeConstraints& value);

    void setEnabled(bool enabled) override;
    void setBounds(int left, int top, int width, int height) override;
    void ApplySkin() override;
    void AdjustClientRect(RECT& rect) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    TNotifyEvent OnChecked;
    TNotifyEvent OnChangeRollUpState;

    // Where the skinned caption was last drawn, in control coordinates (empty: none).
    const RECT& currentCaptionRect() const { return captionRect_; }

  protected:
    // Before the base's painting, the two looks of a panel that cover the whole control without
    // border strips: its own background picture, or (no border, no caption) its client image.
    void Paint() override;
    void PaintPlainImage(TBitmap& bitmap) override;
    // The composed image, then the caption in the definition's font, colour and alignment.
    void PaintSkinImage(TBitmap& bitmap) override;
    void ParentBackgroundChanged() override;

  private:
    // The background picture's index when the definition names one, else -1.
    int backgroundPictureIndex() const;
    bool coveredByClientImage() const;
    void paintPlainCaption(TCanvas& canvas);
    void paintSkinCaption(TBitmap& bitmap, RECT r, const TbsDataSkinPanelControl& definition);
    void repaintPlainCaption();

    std::string caption_;
    bool captionMode_ = false;
    int defaultCaptionHeight_ = 22;
    TbsSkinBorderStyle borderStyle_ = TbsSkinBorderStyle::bvFrame;
    TAlignment defaultAlignment_ = TAlignment::taLeftJustify;
    bool transparentMode_ = false;
    int captionImageIndex_ = -1;
    int spacing_ = 2;
    int numGlyphs_ = 1;
    bool checkedMode_ = false;
    bool checked_ = false;
    bool autoEnabledControls_ = true;
    bool rollUpMode_ = false;
    bool rollUpState_ = false;
    int realHeight_ = -1;
    TSizeConstraints constraints_;
    // The constraints in force before rolling up; they come back when rolling down.
    std::optional<TSizeConstraints> savedConstraints_;
    RECT captionRect_{};
};

class TbsSkinGroupBox : public TbsSkinPanel {
  public:
    explicit TbsSkinGroupBox(TComponent* owner);
};

}  // namespace vireltan
