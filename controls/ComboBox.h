// TbsSkinComboBox: a drop-down selector drawn by the program. The fixed style shows the selected
// item and takes the keyboard itself (paging, Alt+arrows, incremental search); the editable style
// has an inner masked edit whose typing is completed from the items. The items live in a hidden
// TbsPopupListBox that drops down below (or above) the control and never takes the focus.
#pragma once

#include "controls/ComboBoxRules.h"
#include "controls/PopupListBox.h"
#include "controls/SkinControl.h"
#include "gui/Application.h"
#include "gui/MaskEdit.h"
#include "gui/WinControl.h"
#include "skin/SkinControlsCommon.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vireltan {

enum TbsSkinCustomComboBoxStyle { bscbEditStyle, bscbFixedStyle };

class TbsSkinComboBox : public TbsSkinCustomControl {
  public:
    static constexpr UINT kAutoScrollMs = 25;
    static constexpr UINT_PTR kAutoScrollTimer = 1;

    explicit TbsSkinComboBox(TComponent* owner);
    ~TbsSkinComboBox() override;

    TbsSkinCustomComboBoxStyle style() const { return style_; }
    void setStyle(TbsSkinCustomComboBoxStyle style);

    const std::vector<std::string>& items() const { return list_->items(); }
    void setItems(const std::vector<std::string>& items);
    int itemIndex() const { return list_->itemIndex(); }
    // Selects the item, shows its text and fires OnClick (not while the form is being built).
    void setItemIndex(int index);

    // The shown text; OnChange follows every change of it.
    std::string text() const override { return text_; }
    void setText(const std::string& text) override;

    int dropDownCount() const { return dropDownCount_; }
    void setDropDownCount(int count);
    int listBoxWidth() const { return listBoxWidth_; }
    void setListBoxWidth(int width) { listBoxWidth_ = width; }
    TColor defaultColor() const { return defaultColor_; }
    void setDefaultColor(TColor color);
    bool useSkinSize() const { return useSkinSize_; }
    void setUseSkinSize(bool value) { useSkinSize_ = value; }
    bool autoComplete() const { return autoComplete_; }
    bool hot() const { return hot_; }

    // Lays the parts out for the definition, gives the inner edit the skin's font and the dropped
    // list the definition's list name and the skin.
    void ApplySkin() override;
    void setAutoComplete(bool value) { autoComplete_ = value; }

    void setEnabled(bool enabled) override;

    bool droppedDown() const { return list_->isShown(); }
    void OpenList();
    // Closes the dropped list; `choose` takes its selected item.
    void CloseUp(bool choose);

    TbsPopupListBox& listBox() { return *list_; }
    // The inner edit of the editable style; null in the fixed style.
    TMaskEdit* edit() const { return edit_; }
    RECT buttonRect() const { return layout_.button; }
    RECT itemAreaRect() const { return layout_.itemArea; }
    bool buttonHot() const { return buttonHot_; }
    bool listTracking() const { return listTracking_; }
    int autoScrollMode() const { return autoScrollMode_; }

    // Renders the control as a paint puts it on the screen (the inner edit paints itself).
    void paintTo(TCanvas& canvas);

    // The time source of the search and completion rules; tests replace it.
    std::function<TickCount()> clock = [] { return static_cast<TickCount>(GetTickCount()); };

    TNotifyEvent OnChange;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;
    // OnClick (inherited): an item was selected. OnKeyPress (inherited) sees, in the editable
    // style, every character before the inner edit inserts it.

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // A press and release on the control is not a selection: OnClick is fired by selecting only.
    void Click() override {}

  protected:
    // A combo-box definition with its picture; anything else draws plain.
    bool skinLookReady() const override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    void PaintPlainImage(TBitmap& bitmap) override;
    void PaintSkinImage(TBitmap& bitmap) override;
    void FitSizeToSkin(int& width, int& height) override;
    void UpdateSkinRegion() override;
    void DefaultFontChanged() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(wchar_t& key) override;
    void fontChanged() override;

    void wmMouseWheel(TMessage& message);
    void wmEraseBackground(TMessage& message);

  private:
    void layout();
    void fireClick();
    void stepItem(int delta);
    void wheelStep(int delta, bool setText);
    void editMessage(TMessage& message, const WindowProcNext& next);
    void editChange();
    void complete();
    void listMouseDown(int x, int y);
    void startAutoScroll(int mode);
    void stopAutoScroll();
    void autoScrollTick();
    void trackListMove(TShiftState shift, POINT screen);
    bool overListArea(POINT screen);
    void installCancelMode();
    void removeCancelMode();
    bool ownsWindow(HWND window);
    void applyEditLook();
    void paintItemArea(TCanvas& canvas);
    void paintSkinItemText(TCanvas& canvas);
    const TbsDataSkinComboBox* skinDefinition() const;
    ComboLayout currentLayout() const;
    // The shown item's font: the skin's with UseSkinFont, the colour by state.
    FontDescription skinItemFont(const TbsDataSkinComboBox& combo);
    // The skinned look's colour of disabled text.
    TColor disabledColor() const;

    TbsSkinCustomComboBoxStyle style_ = bscbFixedStyle;
    TbsPopupListBox* list_ = nullptr;  // owned (a component of ours)
    TMaskEdit* edit_ = nullptr;        // owned, editable style only
    WindowProcHook editHook_;
    std::string text_;
    int dropDownCount_ = 8;
    int listBoxWidth_ = 0;
    TColor defaultColor_ = clWindow;
    bool useSkinSize_ = true;
    bool autoComplete_ = true;

    ComboLayout layout_{};
    int rememberedIndex_ = -1;
    bool hot_ = false;  // the pointer is over the control (the skinned look lights up)
    bool buttonHot_ = false;
    bool buttonPressed_ = false;
    bool listTracking_ = false;
    bool enteredList_ = false;
    int autoScrollMode_ = 0;
    bool syncing_ = false;
    bool altKey_ = false;
    wchar_t deliveredKey_ = 0;  // the character the inner edit took, after the key-press event
    IncrementalSearch search_;
    CompletionThrottle completion_;
    MessageHookRegistration cancelMode_;
};

}  // namespace vireltan
