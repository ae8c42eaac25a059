#include "gui/Font.h"

#include "gui/Utf.h"

#include <algorithm>

namespace vireltan {

void TFont::assign(const FontDescription& description) {
    if (description == description_) return;
    const bool handleChanged = description.face != description_.face ||
                               description.height != description_.height ||
                               description.style != description_.style;
    description_ = description;
    changed(handleChanged);
}

void TFont::setName(const std::string& face) {
    if (face == description_.face) return;
    description_.face = face;
    changed(true);
}

void TFont::setHeight(int height) {
    if (height == description_.height) return;
    description_.height = height;
    changed(true);
}

void TFont::setStyle(unsigned style) {
    if (style == description_.style) return;
    description_.style = style;
    changed(true);
}

void TFont::setColor(TColor color) {
    if (color == description_.color) return;
    description_.color = color;
    changed(false);
}

LOGFONTW TFont::logFont() const {
    LOGFONTW font{};
    font.lfHeight = description_.height;
    font.lfWeight = (description_.style & fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (description_.style & fsItalic) ? TRUE : FALSE;
    font.lfUnderline = (description_.style & fsUnderline) ? TRUE : FALSE;
    font.lfStrikeOut = (description_.style & fsStrikeOut) ? TRUE : FALSE;
    font.lfCharSet = BYTE(std::clamp(description_.charset, 0, 255));
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    const std::wstring face = toWide(description_.face);
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::copy_n(face.data(), length, font.lfFaceName);
    font.lfFaceName[length] = L'\0';
    return font;
}

HFONT TFont::handle() const {
    if (!handle_) {
        const LOGFONTW font = logFont();
        handle_.reset(CreateFontIndirectW(&font));
    }
    return handle_.get();
}

void TFont::changed(bool handleChanged) {
    // The old handle lives until the listeners have run: a canvas deselects it first, and GDI does
    // not delete an object that is still selected.
    FontHandle old;
    if (handleChanged) old = std::move(handle_);
    if (OnChange) OnChange();
}

}  // namespace vireltan
