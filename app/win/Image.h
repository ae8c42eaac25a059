// A picture on the window: one bitmap, drawn centred or stretched, optionally leaving out the
// pixels of the bitmap's bottom-left colour. Windowless; its parent paints it.
#pragma once

#include "gui/Bitmap.h"
#include "gui/Control.h"

#include <string>

namespace vireltan {

class TImage : public TGraphicControl {
  public:
    explicit TImage(TComponent* owner);

    TBitmap& picture() { return picture_; }
    const TBitmap& picture() const { return picture_; }
    // Replaces the picture by a bitmap resource of the program, found by its exact (UTF-8) name. A
    // resource that cannot be found leaves the picture empty; returns whether one was found.
    bool loadFromResource(HINSTANCE instance, const std::string& name);
    void clearPicture();

    bool center() const { return center_; }
    void setCenter(bool center);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    // The control takes the picture's size whenever the picture changes.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

    // Where the picture lands in our client coordinates (may reach beyond them; painting clips).
    RECT destinationRect() const;

  protected:
    void Paint() override;

  private:
    void pictureChanged();

    TBitmap picture_;
    bool center_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

}  // namespace vireltan
