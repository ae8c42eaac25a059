#include "gui/Control.h"

#include "gui/WinControl.h"

namespace vireltan {

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] { fontChanged(); };
}

TControl::~TControl() {
    if (parent_) parent_->removeControl(this);
}

void TControl::setParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) {
        invalidate();
        parent_->removeControl(this);
    }
    if (parent) parent->insertControl(this);
    invalidate();
}

void TControl::storeBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::setBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    invalidate();
    storeBounds(left, top, width, height);
    invalidate();
}

void TControl::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (parent_ && parent_->handleAllocated()) parent_->invalidateRect(boundsRect());
}

bool TControl::showing() const {
    if (!visible_) return false;
    return parent_ ? parent_->showing() : true;
}

void TControl::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    invalidate();
}

void TControl::setColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    invalidate();
}

void TControl::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    textChanged();
}

void TControl::setShowHint(bool show) {
    showHint_ = show;
    parentShowHint_ = false;
}

void TControl::setParentShowHint(bool value) {
    parentShowHint_ = value;
}

bool TControl::effectiveShowHint() const {
    if (parentShowHint_ && parent_) return parent_->effectiveShowHint();
    return showHint_;
}

void TControl::invalidate() {
    if (visible_ && parent_ && parent_->handleAllocated()) parent_->invalidateRect(boundsRect());
}

void TControl::repaint() {
    invalidate();
    TWinControl* windowed = isWindowed() ? static_cast<TWinControl*>(this) : parent_;
    if (windowed && windowed->handleAllocated()) UpdateWindow(windowed->handle());
}

// A windowed control asks the system (a top-level window's client area sits inside its frame,
// somewhere on the screen); a graphic control adds its place to its parent's.
POINT TControl::clientToScreen(POINT point) const {
    if (isWindowed()) {
        const auto* windowed = static_cast<const TWinControl*>(this);
        if (windowed->handleAllocated()) {
            ClientToScreen(windowed->allocatedHandle(), &point);
            return point;
        }
    }
    if (!parent_) return point;
    return parent_->clientToScreen({point.x + left_, point.y + top_});
}

POINT TControl::screenToClient(POINT point) const {
    const POINT origin = clientToScreen({0, 0});
    return {point.x - origin.x, point.y - origin.y};
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) mouseInClient_ = true;
    if (OnMouseDown) OnMouseDown(button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const bool click = button == TMouseButton::mbLeft && mouseInClient_;
    if (button == TMouseButton::mbLeft) mouseInClient_ = false;
    if (OnMouseUp) OnMouseUp(button, shift, x, y);
    // A click is a press and a release over the control, as a button behaves.
    if (click && x >= 0 && y >= 0 && x < width_ && y < height_) Click();
}

void TControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter();
}

void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave();
}

void TControl::Click() {
    if (OnClick) OnClick();
}

void TGraphicControl::paintOn(HDC dc) {
    canvas_.setHandle(dc);
    canvas_.font().assign(font());
    Paint();
    canvas_.setHandle(nullptr);
}

void forEachControl(TWinControl& root, const std::function<void(TControl&)>& visit) {
    // A copy: a visitor may reparent or free controls.
    const std::vector<TControl*> children = root.controls();
    for (TControl* child : children) {
        visit(*child);
        if (child->isWindowed()) forEachControl(*static_cast<TWinControl*>(child), visit);
    }
}

}  // namespace vireltan
