// TEMPORARY stand-ins for the skinned controls that are still being written (label, group box,
// edit). They give the window working fields with the same roles so that the
// window, its handlers and its tests run end to end; ControlClasses.cpp maps a class name to one of
// these only while the real class is missing. They are not the controls' plain look.
#pragma once

#include "gui/Control.h"
#include "gui/MaskEdit.h"
#include "gui/WinControl.h"


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

}  // namespace vireltan
