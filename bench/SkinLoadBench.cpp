// Loading a stored skin against plainly inflating the same zlib stream. BM_LoadWindowSkin loads the
// window's own stored skin; BM_LoadStoredSkin a synthetic skin of its shape (a 150 x 150 main
// picture, a 1-bit mask, five skin pictures of the window skin's sizes, 11 objects and 61 control
// definitions written with every key, about 1 MB inflated) whose pictures compress less well. The
// `ratio` counter of the load cases is their time over the plain inflate's; the target is at most 1.5.
// The cases with /synthetic and /window show where a load's time goes.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <time.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "skin/SkinControls.h"
#include "skin/SkinControlsCommon.h"
#include "skin/SkinData.h"
#include "skin/SkinErrors.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinObjects.h"
#include "skin/StoredSkin.h"
#include "tests/skin/WindowSkinLayout.h"

namespace vireltan {
namespace {

// Smooth shading with a little deterministic grain: compresses about as well as drawn skin pictures.
SkinPicture shadedPicture(int width, int height, int bitCount, unsigned seed) {
    SkinPicture p;
    p.width = width;
    p.height = height;
    p.bitCount = bitCount;
    if (bitCount == 1) p.palette = {0x000000, 0xFFFFFF};
    p.pixels.assign(p.stride() * static_cast<std::size_t>(height), 0);
    unsigned state = seed;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = p.pixels.data() + static_cast<std::size_t>(y) * p.stride();
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            const int grain = ((state >> 16) & 15) == 0 ? 2 : 0;
            if (bitCount == 1) {
                if ((x + y) % 37 < 30) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                continue;
            }
            row[3 * x] = static_cast<std::uint8_t>(40 + (x * 120) / width + grain);
            row[3 * x + 1] = static_cast<std::uint8_t>(60 + (y * 100) / height + grain);
            row[3 * x + 2] = static_cast<std::uint8_t>((x / 16 + y / 16) % 2 == 0 ? 180 : 170);
        }
    }
    return p;
}

const auto& kObjects = skinfixtures::kWindowSkinObjects;
const auto& kControls = skinfixtures::kWindowSkinControls;

std::string skinText() {
    IniFile ini;
    ini.writeString("VERSION", "skinname", "Synthetic");
    ini.writeString("PICTURES", "picture", "main.bmp");
    ini.writeString("PICTURES", "mask", "mask.bmp");
    writeList(ini, "PICTURES", "activepictures", {"p0.bmp", "p1.bmp", "p2.bmp", "p3.bmp", "p4.bmp"});
    ini.writeString("FORMINFO", "clientrect", "5,27,145,142");
    ini.writeString("FORMINFO", "maskrectarea", "5,3,145,145");
    ini.writeInteger("SKINOBJECTS", "count", static_cast<int>(std::size(kObjects)));
    for (std::size_t i = 0; i < std::size(kObjects); ++i) {
        ini.writeString("SKINOBJECTS", std::to_string(i),
                        std::string(kObjects[i].first) + ":" + kObjects[i].second);
    }
    ini.writeInteger("SKINCONTROLS", "count", static_cast<int>(std::size(kControls)));
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        ini.writeString("SKINCONTROLS", std::to_string(i),
                        std::string(kControls[i].first) + ":" + kControls[i].second);
    }
    // Every definition section with every key its class reads, the values a skin would hold.
    for (const auto& [name, kind] : kObjects) {
        auto object = makeSkinObject(kind, name);
        object->skinrect = SkinRect{108, 5, 125, 22};
        object->activeskinrect = SkinRect{21, 5, 38, 22};
        object->SaveToIni(ini);
    }
    for (const auto& [name, kind] : kControls) {
        auto control = makeSkinControl(kind, name);
        control->pictureindex = 1;
        control->skinrect = SkinRect{352, 75, 411, 127};
        control->SaveToIni(ini);
    }
    return ini.toText();
}

std::vector<std::uint8_t> syntheticContainer() {
    SkinContainer c;
    c.mainPicture = shadedPicture(150, 150, 24, 1);
    c.maskPicture = shadedPicture(150, 150, 1, 2);
    const int sizes[5][2] = {{185, 114}, {146, 257}, {65, 115}, {117, 100}, {537, 382}};
    for (unsigned i = 0; i < 5; ++i) c.pictures.push_back(shadedPicture(sizes[i][0], sizes[i][1], 24, 3 + i));
    c.text = skinText();
    return writeSkinContainer(c);
}

// One stored skin and what its load goes through: the inflated container and the skin text.
struct Source {
    TbsCompressedStoredSkin stored;
    std::vector<std::uint8_t> container;
    std::string text;
    std::string error;  // why the source is missing, when it is

    void fill() {
        const SkinBytes inflated = stored.DecompressToStream();
        container.assign(inflated.begin(), inflated.end());
        text = readSkinContainer(container).text;
    }
};

const Source& syntheticSkin() {
    static const Source source = [] {
        Source s;
        s.stored.setCompressedData(deflateSkinStream(syntheticContainer(), 9));
        s.fill();
        return s;
    }();
    return source;
}

// The calculator window's own stored skin, as the executable embeds it.
const Source& windowSkin() {
    static const Source source = [] {
        Source s;
        try {
            s.stored.setCompressedData(
                readWholeFile(std::filesystem::path(__FILE__).parent_path().parent_path() / "resources" /
                              "skin" / "vireltan.skin"));
            s.fill();
        } catch (const SkinError& e) {
            s.error = e.what();
        }
        return s;
    }();
    return source;
}

using SourceOf = const Source& (*)();

bool usable(benchmark::State& state, const Source& source) {
    if (source.error.empty()) return true;
    state.SkipWithError(source.error.c_str());
    return false;
}

// zlib on its own: the whole stream in one call into a buffer of the known size, allocated once. This
// is the cheapest inflate there is, so the ratio is a strict one: a load inflates in 4096-byte pieces
// (about a tenth slower with this stream) into a buffer it must allocate, then reads everything.
void plainInflate(const TbsCompressedStoredSkin& stored, std::vector<std::uint8_t>& out) {
    uLongf size = static_cast<uLongf>(out.size());
    if (uncompress(out.data(), &size, stored.CompressedData().data(),
                   static_cast<uLong>(stored.CompressedData().size())) != Z_OK) {
        std::abort();
    }
}

// Processor time of this thread, so that other work on a busy machine does not count.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_PlainInflate(benchmark::State& state, SourceOf source) {
    const Source& s = source();
    if (!usable(state, s)) return;
    std::vector<std::uint8_t> out(s.container.size());
    for (auto _ : state) {
        plainInflate(s.stored, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["inflated"] = static_cast<double>(s.container.size());
    state.counters["compressed"] = static_cast<double>(s.stored.CompressedData().size());
}

// The parts of a load, to see where its time goes.
void BM_InflateInPieces(benchmark::State& state, SourceOf source) {
    const Source& s = source();
    if (!usable(state, s)) return;
    for (auto _ : state) benchmark::DoNotOptimize(inflateSkinStream(s.stored.CompressedData()).data());
}

void BM_ReadContainer(benchmark::State& state, SourceOf source) {
    const Source& s = source();
    if (!usable(state, s)) return;
    for (auto _ : state) benchmark::DoNotOptimize(readSkinContainer(s.container).pictures.data());
}

void BM_ParseSkinText(benchmark::State& state, SourceOf source) {
    const Source& s = source();
    if (!usable(state, s)) return;
    for (auto _ : state) {
        const IniFile ini(s.text);
        benchmark::DoNotOptimize(ini.sectionCount());
    }
}

void BM_ReadDefinitions(benchmark::State& state, SourceOf source) {
    const Source& s = source();
    if (!usable(state, s)) return;
    const IniFile ini(s.text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadSkinObjects(ini).size());
        benchmark::DoNotOptimize(ReadSkinControls(ini).size());
    }
}

// Loads the stored skin once per iteration; the plain inflate of the same stream runs beside every
// load, outside the timed part, so that both see the same machine. `ratio` compares their processor
// times.
void measureLoad(benchmark::State& state, const Source& s) {
    if (!usable(state, s)) return;
    TbsSkinData data;
    std::vector<std::uint8_t> plain(s.container.size());
    double loadTime = 0;
    double plainTime = 0;
    for (auto _ : state) {
        const double t0 = cpuSeconds();
        data.LoadStoredSkin(s.stored);
        benchmark::DoNotOptimize(data.ControlDefinitions.data());
        loadTime += cpuSeconds() - t0;
        state.PauseTiming();
        const double t1 = cpuSeconds();
        plainInflate(s.stored, plain);
        plainTime += cpuSeconds() - t1;
        state.ResumeTiming();
    }
    state.counters["ratio"] = loadTime / plainTime;
    state.counters["inflated"] = static_cast<double>(plain.size());
    state.counters["compressed"] = static_cast<double>(s.stored.CompressedData().size());
    state.counters["controls"] = static_cast<double>(data.ControlDefinitions.size());
}

#define VIRELTAN_SKIN_BENCHMARK(fn)                                                  \
    BENCHMARK_CAPTURE(fn, synthetic, &syntheticSkin)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(fn, window, &windowSkin)->Unit(benchmark::kMillisecond)

VIRELTAN_SKIN_BENCHMARK(BM_PlainInflate);
VIRELTAN_SKIN_BENCHMARK(BM_InflateInPieces);
VIRELTAN_SKIN_BENCHMARK(BM_ReadContainer);
VIRELTAN_SKIN_BENCHMARK(BM_ParseSkinText);
VIRELTAN_SKIN_BENCHMARK(BM_ReadDefinitions);

// The synthetic skin.
void BM_LoadStoredSkin(benchmark::State& state) {
    measureLoad(state, syntheticSkin());
}
BENCHMARK(BM_LoadStoredSkin)->Unit(benchmark::kMillisecond);

// The window's own stored skin: the case the ratio target is about.
void BM_LoadWindowSkin(benchmark::State& state) {
    measureLoad(state, windowSkin());
}
BENCHMARK(BM_LoadWindowSkin)->Unit(benchmark::kMillisecond);

// What loading the stored skin adds to the window's start-up: the load with its three change messages
// (no window here to receive them), then the controls' side of the change for the five group boxes
// (each looks its definition up and copies its geometry) and their first paint's conversion of the
// skin picture into a raster. Absolute time per start-up; the budget is 2 ms.
void BM_WindowStartUpSkin(benchmark::State& state) {
    const Source& s = windowSkin();
    if (!usable(state, s)) return;
    for (auto _ : state) {
        TbsSkinData data;
        data.LoadStoredSkin(s.stored);
        for (int box = 0; box < 5; ++box) {
            const int index = data.FindControlDefinition("groupbox");
            const auto* definition = dynamic_cast<const TbsDataSkinPanelControl*>(
                data.ControlDefinitions[std::size_t(index)].get());
            const SkinRectGeometry g = skinRectGeometry(*definition);
            benchmark::DoNotOptimize(g);
            benchmark::DoNotOptimize(data.activePictureRaster(definition->pictureindex));
        }
    }
}
BENCHMARK(BM_WindowStartUpSkin)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vireltan
