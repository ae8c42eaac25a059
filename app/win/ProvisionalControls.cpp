#include "app/win/ProvisionalControls.h"

#include "gui/Utf.h"

namespace vireltan {

void ProvisionalLabel::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitToText();
}

void ProvisionalLabel::setAlignment(bool centerHorizontal, bool centerVertical) {
    centerHorizontal_ = centerHorizontal;
    centerVertical_ = centerVertical;
    invalidate();
}

void ProvisionalLabel::textChanged() {
    fitToText();
    invalidate();
}

void ProvisionalLabel::fontChanged() {
    fitToText();
    invalidate();
}

void ProvisionalLabel::fitToText() {
    if (!autoSize_) return;
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font().handle());
    const std::wstring wide = toWide(text().empty() ? std::string(" ") : text());
    RECT rect{0, 0, 0, 0};
    DrawTextW(screen, wide.c_str(), static_cast<int>(wide.size()), &rect, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    setBounds(left(), top(), text().empty() ? 0 : rect.right, rect.bottom);
}

void ProvisionalLabel::Paint() {
    HDC dc = canvas().handle();
    const std::wstring wide = toWide(text());
    HGDIOBJ old = SelectObject(dc, font().handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorToRgb(font().color()));
    RECT rect{0, 0, width(), height()};
    UINT format = DT_NOPREFIX;
    if (centerHorizontal_) format |= DT_CENTER;
    if (centerVertical_) format |= DT_VCENTER | DT_SINGLELINE;
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
    SelectObject(dc, old);
}

void ProvisionalGroupBox::Paint() {
    TCanvas& c = canvas();
    const RECT all{0, 0, width(), height()};
    c.brush().setColor(clBtnFace);
    c.fillRect(all);
    c.brush().setColor(clBtnShadow);
    c.frameRect(all);
    c.frameRect({0, 0, width(), 22});
    HDC dc = c.handle();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorToRgb(font().color()));
    HGDIOBJ old = SelectObject(dc, font().handle());
    const std::wstring wide = toWide(text());
    RECT caption{6, 1, width() - 6, 22};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &caption,
              DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    SelectObject(dc, old);
}

}  // namespace vireltan
