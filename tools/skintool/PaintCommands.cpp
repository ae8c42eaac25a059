// Pictures composed from a skin (render, frame, region), and effects on BMP files (effect, morph).
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "Commands.h"
#include "skin/Effects.h"
#include "skin/FrameGeometry.h"
#include "skin/RasterBmp.h"
#include "skin/SkinControls.h"
#include "skin/SkinData.h"
#include "skin/SkinErrors.h"
#include "skin/SkinGeometry.h"
#include "skin/SplitPainting.h"
#include "skin/StoredSkin.h"

namespace vireltan::skintool {
namespace {

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

// A side of a picture to make: a whole positive number, the picture within the raster's limit.
std::optional<int> side(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (end == begin || *end != '\0' || errno == ERANGE || value <= 0 || value > 1 << 20) return std::nullopt;
    return int(value);
}

struct Size {
    int width = 0;
    int height = 0;
};

std::optional<Size> size(const std::string& width, const std::string& height) {
    const std::optional<int> w = side(width);
    const std::optional<int> h = side(height);
    if (!w || !h) {
        failure("WIDTH and HEIGHT must be positive whole numbers, not '" + width + "' and '" + height + "'");
        return std::nullopt;
    }
    if (std::size_t(rasterStride(*w)) * std::size_t(*h) > Raster::kMaxBytes) {
        failure("a picture of " + width + " x " + height + " is too large");
        return std::nullopt;
    }
    return Size{*w, *h};
}

// Load errors pass on as exceptions; main prints them.
void loadSkin(const std::string& file, TbsSkinData& skin) {
    TbsCompressedStoredSkin stored;
    stored.setCompressedData(readWholeFile(file));
    if (stored.IsEmpty()) throw SkinFileError(file + " is empty");
    skin.LoadStoredSkin(stored);
    if (skin.SkinEmpty()) throw SkinFileError(file + " holds no skin that can be loaded");
}

// The picture the control shows at width x height. Panels and list boxes that stretch both ways paint
// as border strips around a client area; every other definition composes by its selected operation.
std::optional<Raster> renderDefinition(const TbsSkinData& skin, const std::string& name, Size s) {
    const int index = skin.FindControlDefinition(name);
    if (index < 0) {
        failure("no control definition named '" + name + "'");
        return std::nullopt;
    }
    const auto* custom =
        dynamic_cast<const TbsDataSkinCustomControl*>(skin.ControlDefinitions[std::size_t(index)].get());
    if (custom == nullptr) {
        failure("'" + name + "' is not drawn from a skin rectangle");
        return std::nullopt;
    }
    if (custom->pictureindex < 0 || custom->pictureindex >= int(skin.ActivePictures.size())) {
        failure("'" + name + "' names no picture of the skin (pictureindex " +
                std::to_string(custom->pictureindex) + ")");
        return std::nullopt;
    }
    const Raster picture = rasterFromPicture(skin.ActivePictures[std::size_t(custom->pictureindex)]);
    const SkinRectGeometry g = skinRectGeometry(*custom);
    const ComposeOperation op = selectComposeOperation(g);
    if (op == ComposeOperation::None) {
        failure("'" + name + "' has an empty skin rectangle");
        return std::nullopt;
    }
    const auto* panel = dynamic_cast<const TbsDataSkinPanelControl*>(custom);
    // A background index that names no picture counts as none.
    if (panel != nullptr && panel->bgpictureindex >= 0 &&
        panel->bgpictureindex < int(skin.ActivePictures.size())) {
        const Raster background = rasterFromPicture(skin.ActivePictures[std::size_t(panel->bgpictureindex)]);
        return composePanelBackground(background, g, s.width, s.height);
    }
    if (op == ComposeOperation::NinePiece) {
        if (panel != nullptr) {
            return composeSplitImage(picture, g, s.width, s.height, ClientFill::ByDefinition);
        } else if (dynamic_cast<const TbsDataSkinListBox*>(custom) != nullptr) {
            return composeSplitImage(picture, g, s.width, s.height, ClientFill::Tiled);
        }
    }
    Raster out;
    composeSkinRect(picture, g, s.width, s.height, true, out);
    return out;
}

// The noise of `ienoise` is not meant to be reproduced; a fixed seed keeps the tool's output stable.
constexpr std::uint64_t kNoiseSeed = 20261209;

}  // namespace

int render(const Args& args) {
    if (args.size() != 5) return failure("usage: skintool render FILE NAME WIDTH HEIGHT OUT.bmp");
    const std::optional<Size> s = size(args[2], args[3]);
    if (!s) return 1;
    TbsSkinData skin;
    loadSkin(args[0], skin);
    const std::optional<Raster> picture = renderDefinition(skin, args[1], *s);
    if (!picture) return 1;
    return save(*picture, args[4]);
}

int frame(const Args& args) {
    if (args.size() != 4) return failure("usage: skintool frame FILE WIDTH HEIGHT OUT.bmp");
    const std::optional<Size> s = size(args[1], args[2]);
    if (!s) return 1;
    TbsSkinData skin;
    loadSkin(args[0], skin);
    const Raster main = rasterFromPicture(skin.MainPicture);
    if (main.empty()) return failure("the skin has no main picture");
    const FrameGeometry g = frameGeometry(skin.FormInfo, main.width(), main.height(), s->width, s->height);
    return save(composeFramePicture(main, g), args[3]);
}

int region(const Args& args) {
    if (args.size() != 3) return failure("usage: skintool region FILE WIDTH HEIGHT");
    const std::optional<Size> s = size(args[1], args[2]);
    if (!s) return 1;
    TbsSkinData skin;
    loadSkin(args[0], skin);
    const Raster mask = rasterFromPicture(skin.MaskPicture);
    std::optional<RegionRects> region;
    if (!mask.empty()) {
        // The size change is measured against the main picture, as for the border pieces.
        const bool main = !skin.MainPicture.isEmpty();
        const FrameGeometry g =
            frameGeometry(skin.FormInfo, main ? skin.MainPicture.width : mask.width(),
                          main ? skin.MainPicture.height : mask.height(), s->width, s->height);
        region = frameRegion(mask, g);
    }
    // Without a mask, or with corner points that cross, the window keeps its rectangle.
    if (!region) region = normalizeRegion({PixelRect{0, 0, s->width, s->height}});
    auto text = [](const PixelRect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    };
    std::printf("rects %s\nbounds %s\n", std::to_string(region->rects.size()).c_str(),
                text(region->bounds).c_str());
    for (const PixelRect& r : region->rects) std::printf("%s\n", text(r).c_str());
    return 0;
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
