// What every skinnable control keeps of the skin: the skin data object (not owned), the name of its
// definition and the index found by the last look-up; and the walk the frame runs over a window's
// controls when the skin changes.
#pragma once

#include "gui/Color.h"
#include "gui/Font.h"
#include "skin/SkinControlBase.h"
#include "skin/SkinData.h"

#include <string>

namespace vireltan {

class TWinControl;

using TAlignment = Alignment;

struct SkinLink {
    TbsSkinData* data = nullptr;
    std::string name;
    int index = -1;

    // A missing or empty skin counts as "no definition" without searching.
    int lookUp() {
        index = (!data || data->SkinEmpty()) ? -1 : data->FindControlDefinition(name);
        return index;
    }
    // The definition of the last look-up, or null.
    const TbsDataSkinControl* definition() const {
        if (!data || index < 0 || index >= static_cast<int>(data->ControlDefinitions.size())) return nullptr;
        return data->ControlDefinitions[static_cast<std::size_t>(index)].get();
    }
    template <class Kind>
    const Kind* definitionAs() const {
        return dynamic_cast<const Kind*>(definition());
    }
};

// A skin colour (red in the low byte; 0xFF in the top byte names a system colour) as a TColor.
inline TColor colorFromSkin(SkinColor color) {
    const auto value = static_cast<std::uint32_t>(color);
    if ((value >> 24) == 0xFFu) return systemTColor(static_cast<int>(value & 0xFFu));
    return value & 0xFFFFFFu;
}

inline unsigned fontStyleFromSkin(const FontStyles& style) {
    return (style.bold ? fsBold : 0u) | (style.italic ? fsItalic : 0u) |
           (style.underline ? fsUnderline : 0u) | (style.strikeOut ? fsStrikeOut : 0u);
}

// A control that takes its look from the skin: the frame calls these around a skin change.
class SkinClient {
  public:
    virtual ~SkinClient() = default;
    virtual TbsSkinData* SkinData() const = 0;
    virtual void setSkinData(TbsSkinData* data) = 0;
    virtual void ApplySkin() = 0;
    virtual void ForgetSkin() = 0;
    // The skin data object is going away: a control referring to it lets go.
    virtual void skinDataDestroyed(const TbsSkinData* data) {
        if (SkinData() == data) setSkinData(nullptr);
    }
};

// Runs the controls' side of a skin change message over every control below `root`:
// BSM_BEFORECHANGE forgets, BSM_CHANGE applies; only controls linked to `skin` take part, or all
// skinnable controls when `skin` is null.
void skinChangeToControls(TWinControl& root, unsigned message, const TbsSkinData* skin);
// Clears every reference below `root` to a skin data object that is being destroyed.
void skinDataDestroyedBelow(TWinControl& root, const TbsSkinData* skin);

}  // namespace vireltan
