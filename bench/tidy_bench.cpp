// The document clean-up and the open-pin marks on a large generated sheet:
// parts in a grid, wired pin to pin with wires drawn in pieces, branches with
// and without junction dots, wires running onto pin strokes, labels,
// doubled and zero-length wires - the mess a sheet collects while it is
// edited.
#include <benchmark/benchmark.h>

#include <memory>

#include "base/memoryprofile.h"
#include "base/profile.h"
#include "gate.h"
#include "sheet/cleanup.h"
#include "sheet/sheet.h"

namespace {

void GenerateUntidy(CSheet& sheet, int parts)
{
    const int perRow = 100;
    for (int i = 0; i < parts; ++i) {
        const CPoint org(1000 + (i % perRow) * 1500, 1000 + (i / perRow) * 1000);
        sheet.NewPart(MakeGate(org, i + 1));

        // To the next part: one wire in two pieces, one starting on the pin stroke.
        CLine* a = sheet.NewWire(org + CPoint(700, 100), org + CPoint(950, 100));
        sheet.NewWire(org + CPoint(1200, 100), org + CPoint(950, 100));
        sheet.NewWire(org + CPoint(650, 200), org + CPoint(1200, 200));
        if (i % 5 == 0)
            a->GetNameText().SetName(CString::Formatted("N%d", i), org + CPoint(750, 120), 70, 8);
        if (i % 10 == 0) {
            sheet.NewWire(org + CPoint(950, 100), org + CPoint(950, -400));
            if (i % 20 == 0)
                sheet.NewJunc(org + CPoint(950, 100));
        }
        if (i % 20 == 5)
            sheet.NewWire(org + CPoint(700, 100), org + CPoint(950, 100));
        if (i % 50 == 7)
            sheet.NewWire(org + CPoint(1300, 300));
    }
}

struct Fixture {
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    CSheet sheet{CSheet::kDrawing};
    explicit Fixture(int parts) { GenerateUntidy(sheet, parts); }
};

void BM_CleanUpDocument(benchmark::State& state)
{
    Fixture f(int(state.range(0)));
    const CSize size(200000, 200000);
    CCleanUpOptions options;
    options.over = true;
    for (auto _ : state) {
        // Copying the sheet and freeing the copy are not part of the work.
        state.PauseTiming();
        auto sheet = std::make_unique<CSheet>(CSheet::kDrawing);
        *sheet = f.sheet;
        state.ResumeTiming();
        benchmark::DoNotOptimize(sheet->CleanUpDocument(size, options));
        state.PauseTiming();
        sheet.reset();
        state.ResumeTiming();
    }
    state.counters["wires"] = double(f.sheet.GetCount(kind::kWire));
}

void BM_CalcPinOpen(benchmark::State& state)
{
    Fixture f(int(state.range(0)));
    Profile().WriteInt("Default", "Pin OpenX", 1);
    for (auto _ : state) {
        f.sheet.SetCalcOpenMode(1);
        f.sheet.CalcPinOpen();
    }
}

}  // namespace

BENCHMARK(BM_CleanUpDocument)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcPinOpen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
