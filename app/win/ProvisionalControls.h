// TEMPORARY stand-ins for the skinned controls that are still being written (label, group box,
// edit, combo box, PNG button). They give the window working fields with the same roles so that the
// window, its handlers and its tests run end to end; ControlClasses.cpp maps a class name to one of
// these only while the real class is missing. They are not the controls' plain look.
#pragma once

#include "gui/Control.h"
#include "gui/MaskEdit.h"
#include "gui/WinControl.h"

#include <string>
#include <vector>

namespace vireltan {

class ProvisionalLabel : public TGraphicControl {
  public:
    explicit ProvisionalLabel(TComponent* owner) : TGraphicControl(owner) {}
    void setAutoSize(bool autoSize);
    void setAlignment(bool centerHorizontal, bool centerVertical);

  protected:
    void Paint() override;
    void textChanged() override;
    void fontChanged() override;

  private:
    void fitToText();
    bool autoSize_ = true;
    bool centerHorizontal_ = false;
    bool centerVertical_ = false;
};

class ProvisionalGroupBox : public TCustomControl {
  public:
    explicit ProvisionalGroupBox(TComponent* owner) : TCustomControl(owner) {}

  protected:
    void Paint() override;
};

class ProvisionalEdit : public TMaskEdit {
  public:
    explicit ProvisionalEdit(TComponent* owner) : TMaskEdit(owner) {}
    void setDefaultColor(TColor color) { setColor(color); }
};

// Both styles over one edit: the fixed style is read-only and steps through its items with the
// arrow keys and the wheel; the change event fires when the shown text changes.
class ProvisionalComboBox : public TMaskEdit {
  public:
    explicit ProvisionalComboBox(TComponent* owner) : TMaskEdit(owner) {}
    void setItems(std::vector<std::string> items) { items_ = std::move(items); }
    const std::vector<std::string>& items() const { return items_; }
    void setEditable(bool editable);
    int itemIndex() const;
    void setItemIndex(int index);

  protected:
    void KeyDown(WORD& key, TShiftState shift) override;

  private:
    std::vector<std::string> items_;
    bool editable_ = false;
};

class ProvisionalImageButton : public TGraphicControl {
  public:
    explicit ProvisionalImageButton(TComponent* owner) : TGraphicControl(owner) {}

  protected:
    void Paint() override;
};

}  // namespace vireltan
