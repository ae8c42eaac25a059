// Drawing on a device context with a font, a brush and a pen; text through the wide-character GDI
// functions. The canvas never owns the context; it puts the context's own objects back when the
// context is replaced or the canvas goes.
#pragma once

#include "gui/Font.h"
#include "gui/Graphics.h"

#include <string_view>

namespace vireltan {

class TBitmap;

class TCanvas {
  public:
    TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas();

    HDC handle() const { return dc_; }
    void setHandle(HDC dc);

    TFont& font() { return font_; }
    TBrush& brush() { return brush_; }
    TPen& pen() { return pen_; }

    void fillRect(const RECT& rect);
    void frameRect(const RECT& rect);
    void rectangle(int left, int top, int right, int bottom);
    void moveTo(int x, int y);
    void lineTo(int x, int y);

    void textOut(int x, int y, std::string_view text);
    // Text clipped to `rect`, drawn at (x, y).
    void textRect(const RECT& rect, int x, int y, std::string_view text);
    // DrawTextW with DT_* flags; returns the text height (with DT_CALCRECT `rect` receives the size).
    int drawText(std::string_view text, RECT& rect, UINT format);
    SIZE textExtent(std::string_view text);
    int textWidth(std::string_view text) { return textExtent(text).cx; }
    int textHeight(std::string_view text) { return textExtent(text).cy; }

    void draw(int x, int y, const TBitmap& bitmap);
    void stretchDraw(const RECT& destination, const TBitmap& bitmap);
    void copyRect(const RECT& destination, const TCanvas& source, const RECT& sourceRect);

    TColor pixel(int x, int y) const;
    void setPixel(int x, int y, TColor color);

  private:
    void requireFont();
    void requireBrush();
    void requirePen();
    void requireText();
    void deselectAll();

    HDC dc_ = nullptr;
    TFont font_;
    TBrush brush_;
    TPen pen_;
    // What the context held before we selected ours; null while ours is not selected.
    HGDIOBJ originalFont_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
};

}  // namespace vireltan
