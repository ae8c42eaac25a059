// One tick of each calculation over fake fields: parsing, extended arithmetic, formatting and the
// read-back of displayed texts, without any window.
#include <benchmark/benchmark.h>

#include "app/Calculator.h"
#include "tests/app/FakeCalculatorFields.h"

namespace {

using vireltan::CalcField;
using vireltan::fakes::WiredCalculator;

void BM_Timer1Timer(benchmark::State& state) {
    WiredCalculator rig;
    rig.fields.set(CalcField::Iozdirenc, "0,0178");
    rig.fields.set(CalcField::Iuzun, "100");
    rig.fields.set(CalcField::IKesit, "1,5");
    for (auto _ : state) {
        rig.calc.Timer1Timer();
        rig.fields.forgetChanges();  // the fake's change log would otherwise grow with every tick
        benchmark::DoNotOptimize(rig.fields.text(CalcField::PEdit));
    }
}
BENCHMARK(BM_Timer1Timer);

void BM_Timer2Timer(benchmark::State& state) {
    WiredCalculator rig;
    rig.fields.set(CalcField::kesiti, "2,5");
    rig.fields.set(CalcField::GDuzun, "100");
    rig.fields.set(CalcField::GDakim, "10");
    rig.fields.set(CalcField::faztip, "Trifaze (3 Faz)");
    for (auto _ : state) {
        rig.calc.Timer2Timer();
        rig.fields.forgetChanges();
        benchmark::DoNotOptimize(rig.fields.text(CalcField::label1));
    }
}
BENCHMARK(BM_Timer2Timer);

}  // namespace
