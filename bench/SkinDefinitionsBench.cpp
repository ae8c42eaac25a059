// Reading the definition lists of a skin the size of the calculator window's: 11 objects and 61
// controls, every section holding all of its keys (as a skin-authoring tool writes them).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/IniFile.h"
#include "skin/SkinControls.h"
#include "skin/SkinObjects.h"

namespace {

using vireltan::IniFile;

std::string windowSizedSkin() {
    IniFile ini;
    const std::vector<std::string_view> objectKinds = vireltan::skinObjectKinds();
    const std::vector<std::string_view> controlKinds = vireltan::skinControlKinds();
    const int objects = 11;
    const int controls = 61;
    ini.writeInteger("SKINOBJECTS", "count", objects);
    for (int i = 0; i < objects; ++i) {
        const std::string name = "object" + std::to_string(i);
        const std::string_view kind = objectKinds[static_cast<std::size_t>(i) % objectKinds.size()];
        ini.writeString("SKINOBJECTS", std::to_string(i), name + ":" + std::string(kind));
    }
    ini.writeInteger("SKINCONTROLS", "count", controls);
    for (int i = 0; i < controls; ++i) {
        const std::string name = "control" + std::to_string(i);
        const std::string_view kind = controlKinds[static_cast<std::size_t>(i) % controlKinds.size()];
        ini.writeString("SKINCONTROLS", std::to_string(i), name + ":" + std::string(kind));
    }
    for (int i = 0; i < objects; ++i) {
        const std::string_view kind = objectKinds[static_cast<std::size_t>(i) % objectKinds.size()];
        auto object = vireltan::makeSkinObject(kind, "object" + std::to_string(i));
        object->skinrect = {i, i, i + 20, i + 20};
        object->SaveToIni(ini);
    }
    for (int i = 0; i < controls; ++i) {
        const std::string_view kind = controlKinds[static_cast<std::size_t>(i) % controlKinds.size()];
        auto control = vireltan::makeSkinControl(kind, "control" + std::to_string(i));
        control->pictureindex = i % 5;
        control->skinrect = {i, i, i + 40, i + 20};
        control->SaveToIni(ini);
    }
    return ini.toText();
}

// Parsing the text and building every definition, as a skin load does.
void BM_ParseAndReadDefinitions(benchmark::State& state) {
    const std::string text = windowSizedSkin();
    for (auto _ : state) {
        const IniFile ini(text);
        auto objects = vireltan::ReadSkinObjects(ini);
        auto controls = vireltan::ReadSkinControls(ini);
        benchmark::DoNotOptimize(objects.data());
        benchmark::DoNotOptimize(controls.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseAndReadDefinitions);

// The definitions alone, from an already parsed file.
void BM_ReadDefinitions(benchmark::State& state) {
    const IniFile ini(windowSizedSkin());
    for (auto _ : state) {
        auto objects = vireltan::ReadSkinObjects(ini);
        auto controls = vireltan::ReadSkinControls(ini);
        benchmark::DoNotOptimize(objects.data());
        benchmark::DoNotOptimize(controls.data());
    }
}
BENCHMARK(BM_ReadDefinitions);

// A list whose count claims two billion entries but holds three: the read costs what the entries cost.
void BM_HugeCountList(benchmark::State& state) {
    const IniFile ini("[SKINCONTROLS]\ncount=2147483647\n0=a:panel\n1=b:edit\n2=c:updown\n");
    for (auto _ : state) {
        auto controls = vireltan::ReadSkinControls(ini);
        benchmark::DoNotOptimize(controls.data());
    }
}
BENCHMARK(BM_HugeCountList);

}  // namespace
