// The calculator window's own stored skin, loaded from resources/skin (main picture 150 x 150;
// [FORMINFO] corner points (30,28) (81,28) (6,140) (127,134), clientrect 5,27,145,142, maskrectarea
// 5,3,145,145, borderwidth 3; objects caption, closebutton, sysmenubutton, minanimate, maxanimate).
#pragma once

#include <filesystem>
#include <memory>

#include "skin/SkinData.h"
#include "skin/StoredSkin.h"

namespace vireltan::testing {

inline std::unique_ptr<TbsSkinData> loadCalculatorSkin() {
    const std::filesystem::path file = std::filesystem::path(VIRELTAN_TEST_DATA).parent_path().parent_path() /
                                       "resources" / "skin" / "vireltan.skin";
    TbsCompressedStoredSkin stored;
    stored.setCompressedData(readWholeFile(file));
    auto skin = std::make_unique<TbsSkinData>();
    skin->LoadStoredSkin(stored);
    return skin;
}

// One shared, unchanged copy for the tests that only read it.
inline const TbsSkinData& calculatorSkin() {
    static const std::unique_ptr<TbsSkinData> skin = loadCalculatorSkin();
    return *skin;
}

}  // namespace vireltan::testing
