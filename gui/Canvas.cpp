#include "gui/Canvas.h"

#include "gui/Bitmap.h"
#include "gui/Utf.h"

namespace vireltan {

namespace {

void restore(HDC dc, HGDIOBJ& original) {
    if (original) SelectObject(dc, original);
    original = nullptr;
}

}  // namespace

TCanvas::TCanvas() {
    font_.OnChange = [this] {
        if (dc_) restore(dc_, originalFont_);
    };
    brush_.OnChange = [this] {
        if (dc_) restore(dc_, originalBrush_);
    };
    pen_.OnChange = [this] {
        if (dc_) restore(dc_, originalPen_);
    };
}

TCanvas::~TCanvas() {
    deselectAll();
}

void TCanvas::setHandle(HDC dc) {
    if (dc == dc_) return;
    deselectAll();
    dc_ = dc;
}

void TCanvas::deselectAll() {
    if (!dc_) return;
    restore(dc_, originalFont_);
    restore(dc_, originalBrush_);
    restore(dc_, originalPen_);
}

void TCanvas::requireFont() {
    if (!originalFont_) originalFont_ = SelectObject(dc_, font_.handle());
}

void TCanvas::requireBrush() {
    if (!originalBrush_) originalBrush_ = SelectObject(dc_, brush_.handle());
}

void TCanvas::requirePen() {
    if (!originalPen_) originalPen_ = SelectObject(dc_, pen_.handle());
}

void TCanvas::requireText() {
    requireFont();
    SetTextColor(dc_, colorToRgb(font_.color()));
    if (brush_.style() == TBrushStyle::bsClear) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, colorToRgb(brush_.color()));
    }
}

void TCanvas::fillRect(const RECT& rect) {
    if (brush_.style() == TBrushStyle::bsClear) return;
    FillRect(dc_, &rect, brush_.handle());
}

void TCanvas::frameRect(const RECT& rect) {
    if (brush_.style() == TBrushStyle::bsClear) return;
    FrameRect(dc_, &rect, brush_.handle());
}

void TCanvas::rectangle(int left, int top, int right, int bottom) {
    requirePen();
    requireBrush();
    Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::moveTo(int x, int y) {
    MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::lineTo(int x, int y) {
    requirePen();
    LineTo(dc_, x, y);
}

void TCanvas::textOut(int x, int y, std::string_view text) {
    requireText();
    const std::wstring wide = toWide(text);
    ExtTextOutW(dc_, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

void TCanvas::textRect(const RECT& rect, int x, int y, std::string_view text) {
    requireText();
    const std::wstring wide = toWide(text);
    UINT options = ETO_CLIPPED;
    if (brush_.style() != TBrushStyle::bsClear) options |= ETO_OPAQUE;
    ExtTextOutW(dc_, x, y, options, &rect, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

int TCanvas::drawText(std::string_view text, RECT& rect, UINT format) {
    requireText();
    std::wstring wide = toWide(text);
    // DT_MODIFYSTRING may write the ellipsis back into the buffer: give it room.
    wide.reserve(wide.size() + 4);
    return DrawTextW(dc_, wide.data(), static_cast<int>(wide.size()), &rect, format);
}

SIZE TCanvas::textExtent(std::string_view text) {
    requireFont();
    const std::wstring wide = toWide(text);
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

void TCanvas::draw(int x, int y, const TBitmap& bitmap) {
    if (bitmap.empty()) return;
    BitBlt(dc_, x, y, bitmap.width(), bitmap.height(), bitmap.canvasHandle(), 0, 0, SRCCOPY);
}

void TCanvas::stretchDraw(const RECT& destination, const TBitmap& bitmap) {
    if (bitmap.empty()) return;
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, destination.left, destination.top, destination.right - destination.left,
               destination.bottom - destination.top, bitmap.canvasHandle(), 0, 0, bitmap.width(),
               bitmap.height(), SRCCOPY);
}

void TCanvas::copyRect(const RECT& destination, const TCanvas& source, const RECT& sourceRect) {
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, destination.left, destination.top, destination.right - destination.left,
               destination.bottom - destination.top, source.dc_, sourceRect.left, sourceRect.top,
               sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, SRCCOPY);
}

TColor TCanvas::pixel(int x, int y) const {
    return static_cast<TColor>(GetPixel(dc_, x, y));
}

void TCanvas::setPixel(int x, int y, TColor color) {
    SetPixelV(dc_, x, y, colorToRgb(color));
}

}  // namespace vireltan
