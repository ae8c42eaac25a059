// Skin control definitions: every kind a skin file may list in [SKINCONTROLS], and the list reader.
// Skinned controls find their definition by name and draw from its members.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/IniFile.h"
#include "skin/SkinControlBase.h"
#include "skin/SkinControlsCommon.h"
#include "skin/SkinControlsFurther.h"

namespace vireltan {

// A new, unread definition of the class a kind word selects; null for a word no class answers to
// (words compare exactly, so "Panel" selects nothing).
std::unique_ptr<TbsDataSkinControl> makeSkinControl(std::string_view kind, std::string name);

// The kind words in the order the skin format lists them.
std::vector<std::string_view> skinControlKinds();

// Reads [SKINCONTROLS]: one definition per entry of a known kind, each constructed with its name and
// read from its section at once, in file order. Two entries of one name both exist. Entries of
// unknown kinds create nothing. A malformed skin rectangle or point anywhere stops the read with
// SkinConvertError.
std::vector<std::unique_ptr<TbsDataSkinControl>> ReadSkinControls(const IniFile& ini);

}  // namespace vireltan
