// TControl: anything placed on a windowed parent, with bounds in the parent's client coordinates.
// TGraphicControl: a control without a window, painted by its parent and fed mouse input by the
// parent's hit test.
#pragma once

#include "gui/Canvas.h"
#include "gui/Component.h"
#include "gui/Font.h"

#include <functional>
#include <string>

namespace vireltan {

class TWinControl;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;

using TNotifyEvent = std::function<void()>;
using TMouseEvent = std::function<void(TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TShiftState shift, int x, int y)>;

class TControl : public TComponent {
  public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* parent() const { return parent_; }
    virtual void setParent(TWinControl* parent);
    virtual bool isWindowed() const { return false; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    RECT boundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual void setBounds(int left, int top, int width, int height);
    void setLeft(int left) { setBounds(left, top_, width_, height_); }
    void setTop(int top) { setBounds(left_, top, width_, height_); }
    void setWidth(int width) { setBounds(left_, top_, width, height_); }
    void setHeight(int height) { setBounds(left_, top_, width_, height); }
    virtual RECT clientRect() const { return {0, 0, width_, height_}; }

    bool visible() const { return visible_; }
    virtual void setVisible(bool visible);
    // Visible and on a parent chain that is visible up to a top-level window.
    bool showing() const;
    bool enabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);

    TFont& font() { return font_; }
    TColor color() const { return color_; }
    void setColor(TColor color);

    virtual std::string text() const { return text_; }
    virtual void setText(const std::string& text);

    const std::string& hint() const { return hint_; }
    void setHint(const std::string& hint) { hint_ = hint; }
    bool showHint() const { return showHint_; }
    // Setting ShowHint explicitly stops taking it from the parent.
    void setShowHint(bool show);
    bool parentShowHint() const { return parentShowHint_; }
    void setParentShowHint(bool value);
    // The value that decides whether the hint appears: the parent's while ParentShowHint is set.
    bool effectiveShowHint() const;

    virtual void invalidate();
    void repaint();

    POINT clientToScreen(POINT point) const;
    POINT screenToClient(POINT point) const;

    // Called by the parent's routing (graphic controls) or the control's own messages (windowed).
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Click();
    // The parent's background changed; controls drawing parts of it catch up here.
    virtual void ParentBackgroundChanged() {}

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

  protected:
    friend class TWinControl;
    virtual void fontChanged() { invalidate(); }
    virtual void textChanged() { invalidate(); }
    // Stores new bounds without moving anything (windowed controls report their window's moves).
    void storeBounds(int left, int top, int width, int height);

    bool mouseInClient_ = false;  // left button went down on us and a click may follow

  private:
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TFont font_;
    TColor color_ = clBtnFace;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
};

class TGraphicControl : public TControl {
  public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}

    TCanvas& canvas() { return canvas_; }
    // The parent's paint hands over its context, already clipped to us and moved to our origin.
    void paintOn(HDC dc);

  protected:
    virtual void Paint() {}

  private:
    TCanvas canvas_;
};

// Every control of `root`'s tree, at any depth, parents before their children, in z-order.
void forEachControl(TWinControl& root, const std::function<void(TControl&)>& visit);

}  // namespace vireltan
