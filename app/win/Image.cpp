#include "app/win/Image.h"

#include "gui/Utf.h"

namespace vireltan {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    setBounds(0, 0, 105, 105);
}

bool TImage::loadFromResource(HINSTANCE instance, const std::string& name) {
    // The previous picture goes whether or not the new one is found.
    picture_.setSize(0, 0);
    const bool found = picture_.loadFromResource(instance, toWide(name));
    if (!found) picture_.setSize(0, 0);
    pictureChanged();
    return found;
}

void TImage::clearPicture() {
    picture_.setSize(0, 0);
    pictureChanged();
}

void TImage::setCenter(bool center) {
    center_ = center;
    invalidate();
}

void TImage::setStretch(bool stretch) {
    stretch_ = stretch;
    invalidate();
}

void TImage::setTransparent(bool transparent) {
    transparent_ = transparent;
    invalidate();
}

void TImage::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    pictureChanged();
}

void TImage::pictureChanged() {
    if (autoSize_ && !picture_.empty()) setBounds(left(), top(), picture_.width(), picture_.height());
    invalidate();
}

RECT TImage::destinationRect() const {
    if (stretch_) return {0, 0, width(), height()};
    int x = 0;
    int y = 0;
    if (center_) {
        x = (width() - picture_.width()) / 2;
        y = (height() - picture_.height()) / 2;
    }
    return {x, y, x + picture_.width(), y + picture_.height()};
}

void TImage::Paint() {
    if (picture_.empty()) return;
    HDC dc = canvas().handle();
    const RECT to = destinationRect();
    const int toWidth = to.right - to.left;
    const int toHeight = to.bottom - to.top;
    const int state = SaveDC(dc);
    // Centred pictures larger than the control lose their edges on every side.
    IntersectClipRect(dc, 0, 0, width(), height());
    if (transparent_) {
        const std::uint8_t* bottomLeft = picture_.bits() + (picture_.height() - 1) * picture_.stride();
        const COLORREF key = RGB(bottomLeft[2], bottomLeft[1], bottomLeft[0]);
        TransparentBlt(dc, to.left, to.top, toWidth, toHeight, picture_.canvasHandle(), 0, 0,
                       picture_.width(), picture_.height(), key);
    } else if (stretch_) {
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, to.left, to.top, toWidth, toHeight, picture_.canvasHandle(), 0, 0, picture_.width(),
                   picture_.height(), SRCCOPY);
    } else {
        BitBlt(dc, to.left, to.top, toWidth, toHeight, picture_.canvasHandle(), 0, 0, SRCCOPY);
    }
    RestoreDC(dc, state);
}

}  // namespace vireltan
