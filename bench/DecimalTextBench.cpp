// Cost per call of the decimal text rules, each beside the C library's nearest equivalent on the
// same values (strtold for parsing, snprintf "%.15Lg" for formatting). The values are the kind the
// calculator writes and reads back every tick, plus the extremes that need the longest expansions.
#include "app/DecimalText.h"

#include <benchmark/benchmark.h>

#include <cfloat>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

const std::vector<double>& typicalValues() {
    static const std::vector<double> values = {
        0.2225, 1.18666666666667, 1186666666666.67, 6.66666666666667e-5, 13750.0, 1.375e16, 0.0178,
        4.96,   1234567.891,      2.0 / 3.0,        0.00118666666666667, 148.0};
    return values;
}

std::vector<std::string> typicalTexts(char separator) {
    std::vector<std::string> texts = {
        "0,0178",           "100",   "1,5",  "1186666666666,67", "6,66666666666667E-5",
        "1,18666666666667", "13750", "0,08", "1234567,891",      "0,00118666666666667"};
    for (std::string& text : texts) {
        for (char& c : text) {
            if (c == ',') c = separator;
        }
    }
    return texts;
}

void BM_ParseDecimalText(benchmark::State& state) {
    const std::vector<std::string> texts = typicalTexts(',');
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vireltan::ParseDecimalText(texts[i]));
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(BM_ParseDecimalText);

void BM_Strtold(benchmark::State& state) {
    const std::vector<std::string> texts = typicalTexts('.');
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtold(texts[i].c_str(), nullptr));
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(BM_Strtold);

// A power beyond 10^27 is built exactly on every call; the longest is 10^4932.
void BM_ParseDecimalTextLargePower(benchmark::State& state) {
    const std::string text = "1,5E" + std::to_string(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(vireltan::ParseDecimalText(text));
}
BENCHMARK(BM_ParseDecimalTextLargePower)->Arg(40)->Arg(300)->Arg(4900);

void BM_StrtoldLargePower(benchmark::State& state) {
    const std::string text = "1.5E" + std::to_string(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(std::strtold(text.c_str(), nullptr));
}
BENCHMARK(BM_StrtoldLargePower)->Arg(40)->Arg(300)->Arg(4900);

void BM_FormatGeneral(benchmark::State& state) {
    const std::vector<double>& values = typicalValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vireltan::FormatGeneral(values[i]));
        i = (i + 1) % values.size();
    }
}
BENCHMARK(BM_FormatGeneral);

void BM_FormatNumber(benchmark::State& state) {
    const std::vector<double>& values = typicalValues();
    const int precision = static_cast<int>(state.range(0));
    const int decimals = static_cast<int>(state.range(1));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vireltan::FormatNumber(values[i], precision, decimals));
        i = (i + 1) % values.size();
    }
}
BENCHMARK(BM_FormatNumber)->Args({14, 14})->Args({2, 10});

void BM_SnprintfLg(benchmark::State& state) {
    const std::vector<double>& values = typicalValues();
    std::size_t i = 0;
    char buffer[64];
    for (auto _ : state) {
        std::snprintf(buffer, sizeof buffer, "%.15Lg", static_cast<long double>(values[i]));
        benchmark::DoNotOptimize(std::string(buffer));
        i = (i + 1) % values.size();
    }
}
BENCHMARK(BM_SnprintfLg);

// The longest exact expansions: a subnormal double (767 digits) and extended extremes.
void BM_FormatGeneralExtreme(benchmark::State& state) {
    const double values[] = {std::numeric_limits<double>::denorm_min(), DBL_MAX};
    const double value = values[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(vireltan::FormatGeneral(value));
}
BENCHMARK(BM_FormatGeneralExtreme)->Arg(0)->Arg(1);

void BM_SnprintfLgExtreme(benchmark::State& state) {
    const double values[] = {std::numeric_limits<double>::denorm_min(), DBL_MAX};
    const long double value = values[state.range(0)];
    char buffer[64];
    for (auto _ : state) {
        std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
        benchmark::DoNotOptimize(std::string(buffer));
    }
}
BENCHMARK(BM_SnprintfLgExtreme)->Arg(0)->Arg(1);

void BM_FormatGeneralExtended(benchmark::State& state) {
    const long double values[] = {1186666666666.666666L, std::numeric_limits<long double>::denorm_min(),
                                  LDBL_MAX};
    const long double value = values[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(vireltan::FormatGeneralExtended(value));
}
BENCHMARK(BM_FormatGeneralExtended)->Arg(0)->Arg(1)->Arg(2);

void BM_SnprintfLgExtended(benchmark::State& state) {
    const long double values[] = {1186666666666.666666L, std::numeric_limits<long double>::denorm_min(),
                                  LDBL_MAX};
    const long double value = values[state.range(0)];
    char buffer[64];
    for (auto _ : state) {
        std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
        benchmark::DoNotOptimize(std::string(buffer));
    }
}
BENCHMARK(BM_SnprintfLgExtended)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
