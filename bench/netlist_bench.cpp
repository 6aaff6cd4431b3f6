// Netlist and net report of generated designs, from the drawn sheets to the
// finished texts (what the Net List job does between reading the sheets and
// writing the files): 1 000 gates on 2 sheets up to 10 000 gates on 20.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "base/memoryprofile.h"
#include "base/profile.h"
#include "net/netbuild.h"
#include "netdesign.h"
#include "netlist/netlistbuild.h"
#include "netlist/netreport.h"

namespace {

void NetlistOf(benchmark::State& state, int format)
{
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    const int parts = int(state.range(0));
    const auto design = GenerateNetDesign(parts, parts / 500);
    std::vector<CNetSheet> sheets;
    for (size_t i = 0; i < design.size(); ++i)
        sheets.push_back({CString::Formatted("sheet%zu.dcd", i + 1), int(i) + 1, design[i].get()});
    size_t bytes = 0;
    for (auto _ : state) {
        CSheetSetContext context(sheets);
        CItemList<CNet> nets;
        BuildNets(sheets, nets, &context);
        CSheet partSheet;
        for (const auto& sheet : design)
            for (const CPart& part : sheet->Parts())
                if (!part.GetRefName().IsEmpty())
                    partSheet.NewPart(part);
        CNetlistRequest request;
        request.format = format;
        request.style.context = &context;
        CNetlistText text;
        BuildNetlistText(nets, &partSheet, request, text);
        CNetReportInfo info;
        info.counts = text.counts;
        info.context = &context;
        const CString report = MakeNetReportText(nets, info);
        bytes = size_t(text.netlist.GetLength() + report.GetLength());
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = double(bytes);
}

void BM_NetlistPadsPcb(benchmark::State& state)
{
    NetlistOf(state, 13);
}
void BM_NetlistDreamCad(benchmark::State& state)
{
    NetlistOf(state, 29);
}
void BM_NetlistPcad(benchmark::State& state)
{
    NetlistOf(state, 19);
}

} // namespace

BENCHMARK(BM_NetlistPadsPcb)
    ->Arg(1000)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NetlistDreamCad)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NetlistPcad)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
