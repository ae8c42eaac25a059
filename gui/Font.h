// Font description and the font object controls and canvases share.
#pragma once

#include "gui/Color.h"
#include "gui/Handles.h"

#include <functional>
#include <string>

namespace vireltan {

enum TFontStyle : unsigned {
    fsBold = 1u << 0,
    fsItalic = 1u << 1,
    fsUnderline = 1u << 2,
    fsStrikeOut = 1u << 3
};

// Height as LOGFONT takes it: negative is the character height, positive the cell height, in pixels.
struct FontDescription {
    std::string face = "Tahoma";
    int height = -11;
    unsigned style = 0;
    TColor color = clWindowText;
    int charset = 1;  // DEFAULT_CHARSET; a skin's string table may ask for another

    bool operator==(const FontDescription&) const = default;
};

// A font whose GDI handle is made when first needed and remade after every change; OnChange tells
// the control or canvas that uses it.
class TFont {
  public:
    TFont() = default;
    explicit TFont(FontDescription description) : description_(std::move(description)) {}
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const FontDescription& description() const { return description_; }
    void assign(const FontDescription& description);
    void assign(const TFont& other) { assign(other.description_); }

    const std::string& name() const { return description_.face; }
    int height() const { return description_.height; }
    unsigned style() const { return description_.style; }
    TColor color() const { return description_.color; }
    void setName(const std::string& face);
    void setHeight(int height);
    void setStyle(unsigned style);
    void setColor(TColor color);

    HFONT handle() const;
    LOGFONTW logFont() const;

    std::function<void()> OnChange;

  private:
    void changed(bool handleChanged);

    FontDescription description_;
    mutable FontHandle handle_;
};

}  // namespace vireltan
