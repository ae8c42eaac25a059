// skintool COMMAND ARGS...: inspects, packs and renders stored skins.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "Commands.h"

namespace {

struct Command {
    std::string_view name;
    int (*run)(const vireltan::skintool::Args&);
    std::string_view usage;
};

constexpr Command kCommands[] = {
    {"info", vireltan::skintool::info, "info FILE"},
    {"show", vireltan::skintool::show, "show FILE NAME"},
    {"pack", vireltan::skintool::pack, "pack SKIN.INI OUT"},
    {"unpack", vireltan::skintool::unpack, "unpack FILE DIR"},
    {"import", vireltan::skintool::importCompressed, "import CSKFILE OUT"},
    {"render", vireltan::skintool::render, "render FILE NAME WIDTH HEIGHT OUT.bmp"},
    {"frame", vireltan::skintool::frame, "frame FILE WIDTH HEIGHT OUT.bmp"},
    {"region", vireltan::skintool::region, "region FILE WIDTH HEIGHT"},
    {"effect", vireltan::skintool::effect, "effect IN.bmp EFFECT OUT.bmp"},
    {"morph", vireltan::skintool::morph, "morph OLD.bmp NEW.bmp KIND K OUT.bmp"},
};

int usage() {
    std::fputs("usage: skintool COMMAND ARGS...\n", stderr);
    for (const Command& command : kCommands)
        std::fprintf(stderr, "  skintool %.*s\n", static_cast<int>(command.usage.size()),
                     command.usage.data());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string_view word = argv[1];
    for (const Command& command : kCommands) {
        if (command.name != word) continue;
        try {
            return command.run(vireltan::skintool::Args(argv + 2, argv + argc));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "error: %s\n", error.what());
            return 1;
        }
    }
    return usage();
}
