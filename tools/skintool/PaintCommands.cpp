// Pictures composed from a skin, and effects. render, frame and region need the skin loader and are
// not available in this build yet; effect and morph work on BMP files alone.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "Commands.h"
#include "skin/Effects.h"
#include "skin/RasterBmp.h"

namespace vireltan::skintool {
namespace {

int unavailable(const char* name) {
    std::fprintf(stderr, "error: '%s' is not available in this build\n", name);
    return 1;
}

int failure(const std::string& message) {
    std::fprintf(stderr, "error: %s\n", message.c_str());
    return 1;
}

// The skin file's words for the inactive effects and the morph kinds, in number order.
constexpr std::string_view kEffectWords[] = {"iebrightness", "iedarkness",  "iegrayscale",
                                             "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::string_view kMorphWords[] = {
    "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};

template <std::size_t N>
std::optional<int> wordIndex(const std::string_view (&words)[N], std::string_view word) {
    for (std::size_t i = 0; i < N; ++i) {
        if (words[i] == word) return int(i);
    }
    return std::nullopt;
}

std::optional<Raster> load(const std::string& path) {
    std::string error;
    std::optional<Raster> r = loadRasterBmpFile(path, &error);
    if (!r) std::fprintf(stderr, "error: %s: %s\n", path.c_str(), error.c_str());
    return r;
}

int save(const Raster& r, const std::string& path) {
    std::string error;
    if (!saveRasterBmpFile(r, path, &error)) return failure(path + ": " + error);
    return 0;
}

// The noise of `ienoise` is not meant to be reproduced; a fixed seed keeps the tool's output stable.
constexpr std::uint64_t kNoiseSeed = 20261209;

}  // namespace

int render(const Args&) {
    return unavailable("render");
}
int frame(const Args&) {
    return unavailable("frame");
}
int region(const Args&) {
    return unavailable("region");
}

int effect(const Args& args) {
    if (args.size() != 3) return failure("usage: skintool effect IN.bmp EFFECT OUT.bmp");
    const std::optional<int> kind = wordIndex(kEffectWords, args[1]);
    if (!kind) return failure("unknown effect '" + args[1] + "'");
    std::optional<Raster> picture = load(args[0]);
    if (!picture) return 1;
    NoiseGenerator gen(kNoiseSeed);
    applyInactiveEffect(*picture, InactiveEffect(*kind), gen);
    return save(*picture, args[2]);
}

int morph(const Args& args) {
    if (args.size() != 5) return failure("usage: skintool morph OLD.bmp NEW.bmp KIND K OUT.bmp");
    const std::optional<int> kind = wordIndex(kMorphWords, args[2]);
    if (!kind) return failure("unknown morph kind '" + args[2] + "'");
    const char* text = args[3].c_str();
    char* end = nullptr;
    const double k = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(k) || k < 0 || k > 1) {
        return failure("K must be a number from 0 to 1, not '" + args[3] + "'");
    }
    std::optional<Raster> old = load(args[0]);
    if (!old) return 1;
    const std::optional<Raster> fresh = load(args[1]);
    if (!fresh) return 1;
    applyMorph(*old, *fresh, MorphKind(*kind), k);  // pictures of different sizes: the old one unchanged
    return save(*old, args[4]);
}

}  // namespace vireltan::skintool
