// An optional table of interface strings (captions and hints of the frame and its menus) as
// "name=value" lines; names compare without regard to letter case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vireltan {

class TbsResourceStrData {
  public:
    // Filled with the 120 default English lines.
    TbsResourceStrData();

    std::vector<std::string> ResStrings;
    int CharSet = 1;  // font character set of the strings (1: the default set)

    // Everything after the first "=" of the first line whose name matches, or "" when none does.
    std::string GetResStr(std::string_view name) const;

    static const std::vector<std::string>& defaultLines();
};

}  // namespace vireltan
