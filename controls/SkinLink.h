// What every skinnable control keeps of the skin: the skin data object (not owned), the name of its
// definition and the index found by the last look-up (the skin-change walk is gui/SkinClient.h).
#pragma once

#include "gui/Color.h"
#include "gui/Font.h"
#include "gui/SkinClient.h"
#include "gui/SkinValues.h"
#include "skin/SkinControlBase.h"
#include "skin/SkinData.h"

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

}  // namespace vireltan
