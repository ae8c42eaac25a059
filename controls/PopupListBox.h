// TbsPopupListBox: the combo box's dropped list. A borderless top-level popup that never takes the
// activation or the focus; it keeps the items, the selection and the top row itself, paints every
// item, and shows a TbsSkinScrollBar when there are more items than rows.
#pragma once

#include "controls/ScrollBar.h"
#include "controls/SkinControl.h"
#include "gui/Font.h"
#include "gui/NonActivatingPopup.h"
#include "gui/WinControl.h"
#include "skin/SkinControlsCommon.h"

#include <functional>
#include <string>
#include <vector>

namespace vireltan {

class TbsPopupListBox : public TbsSkinCustomControl, private NonActivatingPopup {
  public:
    explicit TbsPopupListBox(TComponent* owner);
    ~TbsPopupListBox() override;

    const std::vector<std::string>& items() const { return items_; }
    void setItems(const std::vector<std::string>& items);
    int count() const { return static_cast<int>(items_.size()); }

    int itemIndex() const { return itemIndex_; }
    // An index outside the items selects none.
    void setItemIndex(int index);
    int topIndex() const { return topIndex_; }
    // Clamped so that the last page stays full.
    void setTopIndex(int index);
    // Scrolls the least needed to bring `index` into view.
    void makeVisible(int index);

    int itemHeight() const { return itemHeight_; }
    void setDefaultItemHeight(int height);
    int rowCount() const { return rowCount_; }
    // Sizes the list for `rows` rows (0 leaves the height alone).
    void setRowCount(int rows);
    int visibleRows() const;

    // The inner list's area in client coordinates (frame and scroll bar excluded).
    RECT listArea() const;
    // The item under a client point; only existing items, else -1.
    int itemAtPos(POINT point) const;
    RECT itemRect(int index) const;

    TbsSkinScrollBar* verticalScrollBar() const { return scrollBar_; }

    // Item height and font from the `listbox` definition when there is one.
    void ApplySkin() override;
    bool UseSkinItemHeight() const { return useSkinItemHeight_; }
    void setUseSkinItemHeight(bool value) { useSkinItemHeight_ = value; }

    // The window the popup stays above (the combo box's form).
    void setOwnerWindow(HWND window);
    // Places the list at a screen point without resizing it and shows it without activating it.
    void showAt(POINT screen);
    void hideList();
    bool isShown() const { return shown_; }

    // The combo box follows the pointer through these (client coordinates of the list).
    std::function<void(int x, int y)> OnListMouseDown;
    std::function<void(int x, int y)> OnListMouseMove;

    void paintTo(TCanvas& canvas);

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

  protected:
    // A list-box definition with its picture; anything else draws plain.
    bool skinLookReady() const override;
    void PaintSkinImage(TBitmap& bitmap) override;
    void createParams(CreateParams& params) override;
    void WndProc(TMessage& message) override;
    void PaintPlainImage(TBitmap& bitmap) override;
    void DefaultFontChanged() override;

    void wmMouseWheel(TMessage& message);

  private:
    void updateScrollBars();
    void layout();
    void drawItem(TCanvas& canvas, int index, const RECT& rect);
    void drawSkinItem(TCanvas& canvas, int index, const RECT& rect);
    const TbsDataSkinListBox* skinDefinition() const;
    // The list's item texts: the list's font, or the skin's with UseSkinFont.
    FontDescription itemFont(bool selected);
    // The inner list's background (the window colour) into `dc`, at the list area.
    void paintBackground(HDC dc);

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int itemHeight_ = 20;
    int defaultItemHeight_ = 20;
    bool useSkinItemHeight_ = true;
    int rowCount_ = 0;
    TbsSkinScrollBar* scrollBar_ = nullptr;  // owned (a component of ours) while it exists
    HWND ownerWindow_ = nullptr;
    bool shown_ = false;
};

}  // namespace vireltan
