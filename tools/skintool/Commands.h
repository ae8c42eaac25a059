// skintool's commands. Each takes the arguments after its command word and returns the exit status;
// a failing command prints one line on stderr.
#pragma once

#include <string>
#include <vector>

namespace vireltan::skintool {

using Args = std::vector<std::string>;

// Reading and writing stored skins (SkinCommands.cpp).
int info(const Args& args);
int show(const Args& args);
int pack(const Args& args);
int unpack(const Args& args);
int importCompressed(const Args& args);

// Pictures composed from a skin, and effects (PaintCommands.cpp).
int render(const Args& args);
int frame(const Args& args);
int region(const Args& args);
int effect(const Args& args);
int morph(const Args& args);

}  // namespace vireltan::skintool
