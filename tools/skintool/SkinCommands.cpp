// Placeholder until the skin loader lands: every command reports that it is not available yet.
#include <cstdio>

#include "Commands.h"

namespace vireltan::skintool {
namespace {
int unavailable(const char* name) {
    std::fprintf(stderr, "error: '%s' is not available in this build\n", name);
    return 1;
}
}  // namespace

int info(const Args&) { return unavailable("info"); }
int show(const Args&) { return unavailable("show"); }
int pack(const Args&) { return unavailable("pack"); }
int unpack(const Args&) { return unavailable("unpack"); }
int importCompressed(const Args&) { return unavailable("import"); }

}  // namespace vireltan::skintool
