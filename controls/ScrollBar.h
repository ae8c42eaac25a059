// TbsSkinScrollBar: a scroll bar drawn by the program (the dropped list's vertical bar among
// others). Two buttons, a track and a thumb; holding a button or the track repeats (first after
// 500 ms, then every 50 ms); the thumb drags over the whole range.
#pragma once

#include "controls/ScrollBarRules.h"
#include "controls/SkinControl.h"
#include "gui/WinControl.h"
#include "skin/SkinControlsCommon.h"

#include <array>
#include <string>

namespace vireltan {

class TbsSkinScrollBar : public TbsSkinCustomControl {
  public:
    static constexpr UINT kFirstRepeatMs = 500;
    static constexpr UINT kRepeatMs = 50;

    explicit TbsSkinScrollBar(TComponent* owner);
    ~TbsSkinScrollBar() override;

    TScrollBarKind kind() const { return kind_; }
    void setKind(TScrollBarKind kind);
    int min() const { return range_.min; }
    int max() const { return range_.max; }
    int position() const { return position_; }
    int pageSize() const { return range_.pageSize; }
    int smallChange() const { return smallChange_; }
    int largeChange() const { return largeChange_; }
    void setMin(int min);
    void setMax(int max);
    // Clamped; fires OnChange when the stored value changes.
    void setPosition(int position);
    void setPageSize(int pageSize);
    void setSmallChange(int value);
    void setLargeChange(int value);
    // Range, page and position in one step, without OnChange (the list box keeps the bar in step).
    void setRange(int min, int max, int pageSize, int position);

    bool both() const { return both_; }
    void setBoth(bool both);
    int bothMarkerWidth() const { return bothMarkerWidth_; }
    void setBothMarkerWidth(int width);
    bool canFocused() const { return canFocused_; }
    void setCanFocused(bool value);

    ScrollBarGeometry geometry() const;
    // 0 the thumb, 1 the increasing button, 2 the decreasing button, -1 the track or outside.
    int partAt(POINT point) const;
    bool dragging() const { return dragging_; }
    // The running repeat timer's period, 0 when none runs.
    UINT repeatPeriod() const { return repeatPeriod_; }
    int repeatMode() const { return repeatMode_; }
    bool partHot(int part) const { return parts_[static_cast<std::size_t>(part)].hot; }
    bool partPressed(int part) const { return parts_[static_cast<std::size_t>(part)].pressed; }

    // Paints the bar into `canvas` at (0, 0): the pixels a paint puts on the screen.
    void paintTo(TCanvas& canvas);

    TNotifyEvent OnChange;
    TNotifyEvent OnLastChange;
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    TNotifyEvent OnPageUp;
    TNotifyEvent OnPageDown;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;

  protected:
    // A scroll-bar definition with its picture; anything else draws plain.
    bool skinLookReady() const override;
    void createParams(CreateParams& params) override;
    void WndProc(TMessage& message) override;
    void PaintPlainImage(TBitmap& bitmap) override;
    void PaintSkinImage(TBitmap& bitmap) override;
    void KeyDown(WORD& key, TShiftState shift) override;

    void wmTimer();
    void wmMouseWheel(TMessage& message);

  private:
    struct Part {
        bool hot = false;
        bool pressed = false;
    };
    int along(int x, int y) const { return kind_ == TScrollBarKind::sbVertical ? y : x; }
    void startRepeat(UINT period);
    void pauseRepeat();
    void stopRepeat();
    void buttonStep(int part);
    void setHovered(int part);
    void drawPart(TCanvas& canvas, const RECT& rect, int part);
    const TbsDataSkinScrollBarControl* skinDefinition() const;
    bool thumbDown() const { return dragging_ || (canFocused_ && focused()); }

    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    ScrollRange range_;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    bool both_ = false;
    int bothMarkerWidth_ = 19;
    bool canFocused_ = false;
    std::string bothSkinDataName_ = "bothhscrollbar";
    std::string nameBeforeBoth_;

    std::array<Part, 3> parts_{};
    int hovered_ = -1;
    int pressedPart_ = -1;
    bool dragging_ = false;
    int dragAnchor_ = 0;
    int dragOffsetStart_ = 0;
    int repeatMode_ = 0;  // 1 step back, 2 step on, 3 page back, 4 page on
    bool firstTick_ = false;
    bool mouseDown_ = false;
    POINT lastMouse_{-1, -1};
    UINT repeatPeriod_ = 0;
};

}  // namespace vireltan
