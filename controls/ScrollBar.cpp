#include "controls/ScrollBar.h"

#include "controls/PlainParts.h"
#include "gui/Bitmap.h"
#include "skin/ControlLooks.h"

#include <windowsx.h>

namespace vireltan {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr int kThumb = 0;
constexpr int kIncrease = 1;
constexpr int kDecrease = 2;

}  // namespace

TbsSkinScrollBar::TbsSkinScrollBar(TComponent* owner) : TbsSkinCustomControl(owner) {
    setSkinDataName("hscrollbar");
    setBounds(0, 0, 200, 19);
    setDefaultHeight(19);
}

TbsSkinScrollBar::~TbsSkinScrollBar() {
    if (handleAllocated()) KillTimer(handle(), kRepeatTimer);
}

void TbsSkinScrollBar::createParams(CreateParams& params) {
    TbsSkinCustomControl::createParams(params);
    params.className = L"VireltanScrollBar";
    params.background = nullptr;  // every pixel is ours
}

void TbsSkinScrollBar::setKind(TScrollBarKind kind) {
    if (kind == kind_) return;
    kind_ = kind;
    invalidate();
}

void TbsSkinScrollBar::setMin(int min) {
    range_.min = min;
    position_ = std::max(position_, range_.min);
    invalidate();
}

void TbsSkinScrollBar::setMax(int max) {
    range_.max = max;
    // With a page the position may reach the last page's first line, counted from Min: a bar
    // whose range does not start at 0 keeps every position it could already take.
    position_ = std::max(std::min(position_, scrollPositionMax(range_)), range_.min);
    invalidate();
}

void TbsSkinScrollBar::setPosition(int position) {
    const int clamped = clampScrollPosition(position, range_);
    if (clamped == position_) return;
    position_ = clamped;
    invalidate();
    if (OnChange) OnChange();
}

void TbsSkinScrollBar::setPageSize(int pageSize) {
    if (range_.max - range_.min + 1 >= pageSize + position_) range_.pageSize = pageSize;
    invalidate();
}

void TbsSkinScrollBar::setSmallChange(int value) {
    smallChange_ = value;
    invalidate();
}

void TbsSkinScrollBar::setLargeChange(int value) {
    largeChange_ = value;
    invalidate();
}

void TbsSkinScrollBar::setRange(int min, int max, int pageSize, int position) {
    range_ = {min, max, pageSize};
    position_ = clampScrollPosition(position, range_);
    invalidate();
}

void TbsSkinScrollBar::setBoth(bool both) {
    if (both == both_) return;
    both_ = both;
    if (both) {
        nameBeforeBoth_ = SkinDataName();
        setSkinDataName(bothSkinDataName_);
    } else {
        setSkinDataName(nameBeforeBoth_);
    }
    invalidate();
}

void TbsSkinScrollBar::setBothMarkerWidth(int width) {
    if (width < 0) return;
    bothMarkerWidth_ = width;
    invalidate();
}

void TbsSkinScrollBar::setCanFocused(bool value) {
    canFocused_ = value;
    setTabStop(value);
}

const TbsDataSkinScrollBarControl* TbsSkinScrollBar::skinDefinition() const {
    return link_.definitionAs<TbsDataSkinScrollBarControl>();
}

bool TbsSkinScrollBar::skinLookReady() const {
    return skinDefinition() != nullptr && picture() != nullptr;
}

namespace {

RECT toRect(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}
PixelRect toPixelRect(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
            static_cast<int>(r.bottom)};
}

}  // namespace

ScrollBarGeometry TbsSkinScrollBar::geometry() const {
    if (hasSkinLook()) {
        const bool vertical = kind_ == TScrollBarKind::sbVertical;
        const ScrollSkinParts parts = skinnedScrollParts(*skinDefinition(), vertical, width(), height());
        return skinnedScrollBarGeometry(kind_, toRect(parts.track), toRect(parts.increase),
                                        toRect(parts.decrease), parts.thumbLength, parts.thumbAcross, range_,
                                        position_);
    }
    return plainScrollBarGeometry(kind_, width(), height(), range_, position_, both_, bothMarkerWidth_);
}

int TbsSkinScrollBar::partAt(POINT point) const {
    const ScrollBarGeometry g = geometry();
    if (enabled() && PtInRect(&g.thumb, point)) return kThumb;
    if (PtInRect(&g.increaseButton, point)) return kIncrease;
    if (PtInRect(&g.decreaseButton, point)) return kDecrease;
    return -1;
}

void TbsSkinScrollBar::startRepeat(UINT period) {
    repeatPeriod_ = period;
    if (handleAllocated()) SetTimer(handle(), kRepeatTimer, period, nullptr);
}

void TbsSkinScrollBar::pauseRepeat() {
    if (handleAllocated()) KillTimer(handle(), kRepeatTimer);
    repeatPeriod_ = 0;
}

void TbsSkinScrollBar::stopRepeat() {
    pauseRepeat();
    repeatMode_ = 0;
}

void TbsSkinScrollBar::buttonStep(int part) {
    if (part == kIncrease) {
        if (OnUpButtonClick) {
            OnUpButtonClick();
        } else {
            setPosition(position_ + smallChange_);
        }
    } else {
        if (OnDownButtonClick) {
            OnDownButtonClick();
        } else {
            setPosition(position_ - smallChange_);
        }
    }
}

void TbsSkinScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    if (canFocused_ && !focused()) {
        if (!canFocus()) return;  // a click that cannot take the focus is dropped
        setFocus();
    }
    mouseDown_ = true;
    lastMouse_ = {x, y};
    const ScrollBarGeometry g = geometry();
    stopRepeat();
    firstTick_ = true;
    const int part = partAt({x, y});
    if (part == kIncrease || part == kDecrease) {
        pressedPart_ = part;
        parts_[static_cast<std::size_t>(part)].pressed = true;
        parts_[static_cast<std::size_t>(part)].hot = true;
        hovered_ = part;
        invalidate();
        buttonStep(part);
        repeatMode_ = part == kIncrease ? 2 : 1;
        startRepeat(kFirstRepeatMs);
    } else if (part == kThumb) {
        pressedPart_ = kThumb;
        parts_[kThumb].pressed = true;
        dragging_ = true;
        dragAnchor_ = along(x, y);
        dragOffsetStart_ = g.thumbOffset;
        invalidate();
    } else if (PtInRect(&g.track, POINT{x, y}) && enabled()) {
        const int thumbStart = kind_ == TScrollBarKind::sbVertical ? g.thumb.top : g.thumb.left;
        if (along(x, y) < thumbStart) {
            setPosition(position_ - largeChange_);
            repeatMode_ = 3;
            startRepeat(kFirstRepeatMs);
            if (OnPageUp) OnPageUp();
        } else {
            setPosition(position_ + largeChange_);
            repeatMode_ = 4;
            startRepeat(kFirstRepeatMs);
            if (OnPageDown) OnPageDown();
        }
    }
    if (handleAllocated()) SetCapture(handle());
}

void TbsSkinScrollBar::setHovered(int part) {
    if (part == hovered_) return;
    if (hovered_ >= 0) {
        parts_[static_cast<std::size_t>(hovered_)].hot = false;
        if (hovered_ == pressedPart_ && hovered_ != kThumb && (repeatMode_ == 1 || repeatMode_ == 2))
            pauseRepeat();
    }
    hovered_ = part;
    if (part >= 0) {
        parts_[static_cast<std::size_t>(part)].hot = true;
        if (part == pressedPart_ && part != kThumb && (repeatMode_ == 1 || repeatMode_ == 2)) {
            firstTick_ = false;
            startRepeat(kRepeatMs);
        }
    }
    invalidate();
}

void TbsSkinScrollBar::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    lastMouse_ = {x, y};
    int part = partAt({x, y});
    if (pressedPart_ >= 0 && part != pressedPart_) part = -1;
    if (dragging_) part = kThumb;  // the dragged thumb keeps its look wherever the pointer goes
    setHovered(part);
    if (dragging_) {
        const ScrollBarGeometry g = geometry();
        setPosition(draggedScrollPosition(range_, g.centreMin, g.centreMax, dragOffsetStart_,
                                          along(x, y) - dragAnchor_));
    }
}

void TbsSkinScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    mouseDown_ = false;
    if (repeatMode_ == 3 || repeatMode_ == 4) stopRepeat();
    const int released = pressedPart_;
    pressedPart_ = -1;
    if (released >= 0) {
        Part& part = parts_[static_cast<std::size_t>(released)];
        part.pressed = false;
        part.hot = partAt({x, y}) == released;
        hovered_ = part.hot ? released : -1;
        if (released != kThumb) stopRepeat();
        dragging_ = false;
        invalidate();
    }
    if (handleAllocated() && GetCapture() == handle()) ReleaseCapture();
    if (released == kThumb && OnLastChange) OnLastChange();
}

void TbsSkinScrollBar::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    if (hovered_ >= 0 && pressedPart_ < 0 && !dragging_) {
        parts_[static_cast<std::size_t>(hovered_)].hot = false;
        hovered_ = -1;
        invalidate();
    }
    if (mouseDown_ && repeatMode_ == 4) stopRepeat();
}

void TbsSkinScrollBar::wmTimer() {
    if (firstTick_) {
        firstTick_ = false;
        startRepeat(kRepeatMs);
        return;
    }
    switch (repeatMode_) {
        case 1:
            buttonStep(kDecrease);
            break;
        case 2:
            buttonStep(kIncrease);
            break;
        case 3:
        case 4: {
            // Paging ends where the thumb reaches the pointer.
            const ScrollBarGeometry g = geometry();
            const int at = along(lastMouse_.x, lastMouse_.y);
            const int thumbStart = kind_ == TScrollBarKind::sbVertical ? g.thumb.top : g.thumb.left;
            const int thumbEnd = kind_ == TScrollBarKind::sbVertical ? g.thumb.bottom : g.thumb.right;
            if (repeatMode_ == 3 && at < thumbStart) {
                setPosition(position_ - largeChange_);
                if (OnPageUp) OnPageUp();
            } else if (repeatMode_ == 4 && at >= thumbEnd) {
                setPosition(position_ + largeChange_);
                if (OnPageDown) OnPageDown();
            } else {
                stopRepeat();
            }
            break;
        }
        default:
            stopRepeat();
            break;
    }
}

void TbsSkinScrollBar::KeyDown(WORD& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    if (!canFocused_) return;
    if (key == VK_LEFT || key == VK_UP) setPosition(position_ - smallChange_);
    if (key == VK_RIGHT || key == VK_DOWN) setPosition(position_ + smallChange_);
}

void TbsSkinScrollBar::wmMouseWheel(TMessage& message) {
    if (!canFocused_ || !focused()) {
        DefaultHandler(message);
        return;
    }
    // Towards the user (a negative delta) moves on.
    const int delta = GET_WHEEL_DELTA_WPARAM(message.wParam);
    setPosition(position_ + (delta < 0 ? smallChange_ : -smallChange_));
}

void TbsSkinScrollBar::WndProc(TMessage& message) {
    switch (message.msg) {
        case WM_TIMER:
            if (message.wParam == kRepeatTimer) wmTimer();
            break;
        case WM_ERASEBKGND:
            message.result = 1;
            // Outside a paint cycle (a parent printing us) the bar goes into the given context.
            if (!painting()) {
                TBitmap bitmap(width(), height(), TBitmap::Use::OnePaint);
                paintTo(bitmap.canvas());
                BitBlt(reinterpret_cast<HDC>(message.wParam), 0, 0, width(), height(), bitmap.canvasHandle(),
                       0, 0, SRCCOPY);
            }
            break;
        case WM_GETDLGCODE:
            message.result = canFocused_ ? DLGC_WANTARROWS : 0;
            break;
        case WM_MOUSEWHEEL:
            wmMouseWheel(message);
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            TbsSkinCustomControl::WndProc(message);
            invalidate();
            break;
        case WM_CAPTURECHANGED:
            DefaultHandler(message);
            break;
        default:
            TbsSkinCustomControl::WndProc(message);
            break;
    }
}

void TbsSkinScrollBar::drawPart(TCanvas& canvas, const RECT& rect, int part) {
    const Part& state = parts_[static_cast<std::size_t>(part)];
    PlainPartState look = PlainPartState::normal;
    if (part == kThumb) {
        if (thumbDown()) {
            look = PlainPartState::pressed;
        } else if (state.hot) {
            look = PlainPartState::hot;
        }
    } else if (state.pressed && state.hot) {
        look = PlainPartState::pressed;
    } else if (state.hot) {
        look = PlainPartState::hot;
    }
    drawPlainPart(canvas, rect, look);
}

void TbsSkinScrollBar::paintTo(TCanvas& canvas) {
    if (hasSkinLook()) {
        TBitmap bitmap(width(), height(), TBitmap::Use::OnePaint);
        PaintSkinImage(bitmap);
        canvas.draw(0, 0, bitmap);
        return;
    }
    const ScrollBarGeometry g = geometry();
    canvas.brush().setStyle(TBrushStyle::bsSolid);
    canvas.brush().setColor(clBtnFace);
    canvas.fillRect({0, 0, width(), height()});
    const bool vertical = kind_ == TScrollBarKind::sbVertical;
    drawPart(canvas, g.decreaseButton, kDecrease);
    drawArrow(canvas, g.decreaseButton, vertical ? ArrowDirection::up : ArrowDirection::left, clBlack);
    drawPart(canvas, g.increaseButton, kIncrease);
    drawArrow(canvas, g.increaseButton, vertical ? ArrowDirection::down : ArrowDirection::right, clBlack);
    if (enabled()) drawPart(canvas, g.thumb, kThumb);
}

void TbsSkinScrollBar::PaintPlainImage(TBitmap& bitmap) {
    paintTo(bitmap.canvas());
}

void TbsSkinScrollBar::PaintSkinImage(TBitmap& bitmap) {
    const TbsDataSkinScrollBarControl* bar = skinDefinition();
    const Raster* source = picture();
    if (!bar || !source) {
        PaintPlainImage(bitmap);
        return;
    }
    const ScrollBarGeometry g = geometry();
    ScrollLook look;
    look.vertical = kind_ == TScrollBarKind::sbVertical;
    look.enabled = enabled();
    look.increase = {parts_[kIncrease].hot, parts_[kIncrease].pressed, true};
    look.decrease = {parts_[kDecrease].hot, parts_[kDecrease].pressed, true};
    look.thumbHot = parts_[kThumb].hot;
    look.thumbDown = thumbDown();
    look.paged = range_.pageSize != 0;
    const ScrollPartsPx parts{toPixelRect(g.track), toPixelRect(g.increaseButton),
                              toPixelRect(g.decreaseButton), toPixelRect(g.thumb)};
    drawRaster(bitmap, composeScrollBar(*source, *bar, bitmap.width(), bitmap.height(), parts, look));
}

}  // namespace vireltan
