// The skinned control base: a control that holds the loaded skin and the name of its definition,
// looks the definition up again at every paint, resize and skin change, and paints either from
// the skin or in its own plain look, always through one off-screen bitmap per paint.
#pragma once

#include "controls/SkinLink.h"
#include "gui/Bitmap.h"
#include "gui/Handles.h"
#include "gui/WinControl.h"
#include "skin/Compose.h"
#include "skin/Regions.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vireltan {

// Where a child sits inside its container; only the whole-client placement is used here.
enum class TAlign { alNone, alClient };

class TbsSkinControl : public TCustomControl, public SkinClient {
  public:
    explicit TbsSkinControl(TComponent* owner);
    ~TbsSkinControl() override;

    TbsSkinData* SkinData() const override { return link_.data; }
    void setSkinData(TbsSkinData* data) override;
    const std::string& SkinDataName() const { return link_.name; }
    virtual void setSkinDataName(const std::string& name) { link_.name = name; }
    // The index found by the last look-up (-1: none).
    int definitionIndex() const { return link_.index; }

    virtual void LookUpDefinition() { link_.lookUp(); }
    void ApplySkin() override;
    void ForgetSkin() override { link_.index = -1; }
    void skinDataDestroyed(const TbsSkinData* data) override;
    void ParentBackgroundChanged() override {}

    // True only while WM_PAINT is being handled.
    bool painting() const { return painting_; }

    // Children placed by AdjustClientRect. The child must have this control as its parent.
    void setChildAlign(TControl& child, TAlign align);
    TAlign childAlign(const TControl& child) const;
    // The part of the control aligned children share.
    virtual void AdjustClientRect(RECT& rect);
    void realign();

    void Notification(TComponent* component, TOperation operation) override;

  protected:
    void Paint() override;
    // Paint into `bitmap`, already of the control's size.
    virtual void PaintPlainImage(TBitmap&) {}
    virtual void PaintSkinImage(TBitmap&) {}
    // Paints the full look into a fresh bitmap and copies it once to the canvas.
    void paintBuffered();
    // Whether the last look-up allows drawing from the skin.
    virtual bool usesSkinLook() const { return link_.index != -1; }
    void WndProc(TMessage& message) override;
    void setRegion(WindowRegion region);
    void clearRegion();

    SkinLink link_;

  private:
    bool painting_ = false;
    bool regionSet_ = false;
    bool realigning_ = false;
    std::vector<std::pair<TControl*, TAlign>> aligned_;
};

// The geometry a custom-kind definition gives, copied at every look-up, and the same geometry
// recomputed for the current size.
struct SkinGeometry {
    SkinRect skinrect;
    SkinRect clientrect;
    SkinPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
    bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
    bool stretcheffect = false;
    StretchType stretchtype = StretchType::stFull;
    int pictureindex = -1;
    int maskpictureindex = -1;
    ResizeMode resizeMode = ResizeMode::None;
    // For the current size.
    SkinPoint newLeftTop, newRightTop, newLeftBottom, newRightBottom;
    SkinRect newClientRect;
    // The same values in the composition's terms.
    SkinRectGeometry compose;
};

SkinGeometry geometryFrom(const TbsDataSkinCustomControl& definition);
// A composed picture put into a control's off-screen bitmap at (x, y), cut to the bitmap.
void drawRaster(TBitmap& bitmap, const Raster& image, int x = 0, int y = 0);
// A system colour of a skin colour value as a pixel (the composition's resolver).
Bgr systemColorBgr(SkinColor color);
// Adjusts a requested size to the skin and recomputes the points and the client rectangle for it.
void fitSizeToSkin(SkinGeometry& geometry, int& width, int& height);
// The window region a mask picture (laid out like skinrect) gives a control of width x height by its
// resize mode: the whole mask, nine pieces around the client rectangle, or a three-piece strip. None
// without a mask or an image.
std::optional<RegionRects> controlMaskRegion(const Raster& mask, const SkinGeometry& geometry, int width,
                                             int height);

class TbsSkinCustomControl : public TbsSkinControl {
  public:
    explicit TbsSkinCustomControl(TComponent* owner);

    int DefaultWidth() const { return defaultWidth_; }
    void setDefaultWidth(int width);
    int DefaultHeight() const { return defaultHeight_; }
    void setDefaultHeight(int height);
    TFont& DefaultFont() { return defaultFont_; }
    void setDefaultFont(const FontDescription& font) { defaultFont_.assign(font); }
    bool UseSkinFont() const { return useSkinFont_; }
    void setUseSkinFont(bool value) { useSkinFont_ = value; }

    void LookUpDefinition() override;
    void ApplySkin() override;
    void setBounds(int left, int top, int width, int height) override;

    const SkinGeometry& geometry() const { return geometry_; }
    // A definition of the custom kind was found and the control draws its skinned look from it.
    bool hasSkinLook() const { return definitionIndex() != -1 && customKind_ && skinLookReady(); }

  protected:
    void Paint() override;
    void PaintPlainImage(TBitmap& bitmap) override;
    // By resize mode: a copy of skinrect (the bitmap takes its size), the nine-piece composition
    // (nothing with split painting: the strips are composed by the paint), the horizontal or the
    // vertical three-piece strip.
    void PaintSkinImage(TBitmap& bitmap) override;
    bool usesSkinLook() const override { return hasSkinLook(); }
    // Controls whose own skinned look is still to come keep their plain look with a definition.
    virtual bool skinLookReady() const { return true; }
    // The skin picture and mask of the definition, or null.
    const Raster* picture() const;
    const Raster* maskPicture() const;
    virtual void DefaultFontChanged() {}
    virtual void FitSizeToSkin(int& width, int& height);
    virtual void UpdateSkinRegion();

    bool splitPainting_ = false;
    bool paintClientArea_ = true;
    SkinGeometry geometry_;

  private:
    // Both-ways stretching with split painting: the border strips and the client area composed in
    // one off-screen bitmap, the caption into its top strip, copied once.
    void paintSplit();

    bool customKind_ = false;
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    TFont defaultFont_;
    bool useSkinFont_ = true;
};

}  // namespace vireltan
