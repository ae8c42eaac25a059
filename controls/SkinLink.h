// What every skinnable control keeps of the skin: the skin data object (not owned), the name of its
// definition and the index found by the last look-up (the skin-change walk is gui/SkinClient.h); and
// the look-up of a button face a control borrows from another definition.
#pragma once

#include "gui/Color.h"
#include "gui/Font.h"
#include "gui/SkinClient.h"
#include "gui/SkinValues.h"
#include "skin/ControlLooks.h"
#include "skin/SkinControlBase.h"
#include "skin/SkinData.h"

#include <initializer_list>
#include <string>

namespace vireltan {

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

// The first of `names` that the skin defines as a button, with the picture it is cut from (none when
// that picture does not exist): the face a control borrows for its button.
inline ButtonFace borrowedButtonFace(const TbsSkinData* data, std::initializer_list<const char*> names) {
    if (!data || data->SkinEmpty()) return {};
    for (const char* name : names) {
        const int index = data->FindControlDefinition(name);
        if (index < 0) continue;
        if (const auto* button = dynamic_cast<const TbsDataSkinButtonControl*>(
                data->ControlDefinitions[static_cast<std::size_t>(index)].get()))
            return {button, data->activePictureRaster(button->pictureindex)};
    }
    return {};
}

}  // namespace vireltan
