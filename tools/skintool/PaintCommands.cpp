// Placeholder until the painting primitives land: every command reports that it is not available yet.
#include <cstdio>

#include "Commands.h"

namespace vireltan::skintool {
namespace {
int unavailable(const char* name) {
    std::fprintf(stderr, "error: '%s' is not available in this build\n", name);
    return 1;
}
}  // namespace

int render(const Args&) { return unavailable("render"); }
int frame(const Args&) { return unavailable("frame"); }
int region(const Args&) { return unavailable("region"); }
int effect(const Args&) { return unavailable("effect"); }
int morph(const Args&) { return unavailable("morph"); }

}  // namespace vireltan::skintool
