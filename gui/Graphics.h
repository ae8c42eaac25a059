// Brush and pen: a colour and a style, with the GDI handle made when first needed.
#pragma once

#include "gui/Color.h"
#include "gui/Handles.h"

#include <functional>

namespace vireltan {

enum class TBrushStyle { bsSolid, bsClear };
enum class TPenStyle { psSolid, psDash, psDot, psClear };

class TBrush {
  public:
    TColor color() const { return color_; }
    TBrushStyle style() const { return style_; }
    void setColor(TColor color);
    void setStyle(TBrushStyle style);
    HBRUSH handle() const;

    std::function<void()> OnChange;

  private:
    void changed();

    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    mutable BrushHandle handle_;
};

class TPen {
  public:
    TColor color() const { return color_; }
    int width() const { return width_; }
    TPenStyle style() const { return style_; }
    void setColor(TColor color);
    void setWidth(int width);
    void setStyle(TPenStyle style);
    HPEN handle() const;

    std::function<void()> OnChange;

  private:
    void changed();

    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
    mutable PenHandle handle_;
};

}  // namespace vireltan
