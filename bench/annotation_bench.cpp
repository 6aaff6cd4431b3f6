// Sorting the parts of a large combined sheet by reference and in reading
// order, as netlists and part lists do before they write.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "base/memoryprofile.h"
#include "base/profile.h"
#include "sheet/sheet.h"

namespace {

// Parts with references of a few prefixes, numbers and gate suffixes in
// random order, spread over a sheet, each tagged with the sheet size.
void Generate(CSheet& sheet, int parts)
{
    const char* prefixes[] = {"R", "C", "U", "IC", "q"};
    const char* suffixes[] = {"", "A", "B", "c"};
    std::mt19937 random(1);
    for (int i = 0; i < parts; ++i) {
        const CPoint org(int(random() % 16000), int(random() % 11000));
        CPart part(org, org - CPoint(200, 200), org + CPoint(200, 200), 1, 1, 0, 0);
        part.SetRefName(CString::Formatted("%s%d%s", prefixes[random() % 5],
                                           int(random() % (parts / 4 + 1)),
                                           suffixes[random() % 4]));
        part.NewText(CText(CSheet::SizeTag(16535, 11693), CPoint(0, 0), 70, CText::kHidden));
        sheet.NewPart(part);
    }
}

template <int (CSheet::*Sort)()> void BM_SortParts(benchmark::State& state)
{
    CScopedProfile profile(std::make_unique<MemoryProfile>());
    CSheet generated;
    Generate(generated, int(state.range(0)));
    CSheet sheet;
    for (auto _ : state) {
        // Copying in the unsorted parts (and freeing the sorted ones) is not
        // part of the sort.
        state.PauseTiming();
        sheet = generated;
        state.ResumeTiming();
        benchmark::DoNotOptimize((sheet.*Sort)());
    }
}

} // namespace

BENCHMARK_TEMPLATE(BM_SortParts, &CSheet::SortPartRef)
    ->Name("BM_SortPartRef")
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_SortParts, &CSheet::SortPart)
    ->Name("BM_SortPart")
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
