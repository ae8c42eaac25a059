// One full paint of the skinned frame at 746 x 411 (the calculator window's size) on the window's own
// skin: the paint plan, the four border pieces composed from the main picture and the five objects
// drawn into them, caption text excluded; against a memcpy of the four pieces' bytes. Target: at most
// 2.5x. BM_FramePaint_746x411 is the calculator window at rest: of its five objects only the two
// animations draw (their strip frame), since the frame picture already shows the buttons and the
// caption background. BM_FramePaintAllObjects_746x411 is the worst case of a full paint: every object
// draws an image (the caption is given an active picture, the close and system-menu buttons are hot,
// the animations show a middle frame), so the caption's image covers most of the top piece again.
#include <benchmark/benchmark.h>

#include <exception>
#include <filesystem>
#include <memory>

#include "MemcpyBaseline.h"
#include "skin/FramePaint.h"
#include "skin/SkinData.h"
#include "skin/SkinObjects.h"
#include "skin/StoredSkin.h"

namespace vireltan {
namespace {

std::unique_ptr<TbsSkinData> windowSkin(bool captionImage) {
    TbsCompressedStoredSkin stored;
    stored.setCompressedData(
        readWholeFile(std::filesystem::path(VIRELTAN_SOURCE_DIR) / "resources" / "skin" / "vireltan.skin"));
    auto skin = std::make_unique<TbsSkinData>();
    skin->LoadStoredSkin(stored);
    for (auto& d : skin->ObjectDefinitions) {
        if (d->name != "caption" || !captionImage) continue;
        d->activepictureindex = 0;
        d->activeskinrect = {0, 96, 57, 113};  // a 57 x 17 piece of picture 0 (185 x 114)
    }
    return skin;
}

void framePaint(benchmark::State& state, bool allObjects) {
    std::unique_ptr<TbsSkinData> skin;
    try {
        skin = windowSkin(allObjects);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    const FramePictures pictures = framePictures(*skin);
    FrameLayout layout;
    layout.objects = CreateSkinObjects(*skin);
    BorderIconSettings icons;
    icons.icons = {true, true, false, false, false};
    ApplyBorderIcons(layout.objects, icons);
    updateFrameLayout(layout, skin->FormInfo, 150, 150, 746, 411);
    for (FrameObject& o : layout.objects) {
        const bool caption = o.kind == FrameObjectKind::Caption;
        o.state.active = caption || allObjects;  // caption: window active; others: hot or running
        o.state.pointerIn = !caption && allObjects;
        o.state.frame = allObjects ? 3 : 1;
    }
    const FramePaintInput input{true, 150, 35, {}, false};
    BorderStrips pieces;
    NoiseGenerator noise;
    const FramePaintPlan probe = planSkinFrame(*skin, layout, input);
    if (probe.objects.size() != (allObjects ? 5u : 2u)) state.SkipWithError("unexpected object images");
    composeFramePieces(pictures, probe, pieces, noise);
    const std::size_t bytes =
        pieces.top.byteSize() + pieces.bottom.byteSize() + pieces.left.byteSize() + pieces.right.byteSize();
    bench::runAgainstMemcpy(state, bytes, [&] {
        const FramePaintPlan plan = planSkinFrame(*skin, layout, input);
        composeFramePieces(pictures, plan, pieces, noise);
        benchmark::DoNotOptimize(pieces.top.bits());
    });
}

void BM_FramePaint_746x411(benchmark::State& state) {
    framePaint(state, false);
}
BENCHMARK(BM_FramePaint_746x411);

void BM_FramePaintAllObjects_746x411(benchmark::State& state) {
    framePaint(state, true);
}
BENCHMARK(BM_FramePaintAllObjects_746x411);

}  // namespace
}  // namespace vireltan
