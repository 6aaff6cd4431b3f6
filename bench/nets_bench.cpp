// Net extraction of generated designs, from the stored sheets to the merged
// and sorted nets: 1 000 gates on 2 sheets up to 10 000 gates on 20.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "base/archive.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "net/netbuild.h"
#include "netdesign.h"
#include "sheet/schematicfile.h"

namespace {

int SheetsFor(int parts)
{
    return parts < 1000 ? 1 : parts / 500;
}

// The design written as files in memory.
std::vector<std::vector<unsigned char>> StoredDesign(int parts)
{
    std::vector<std::vector<unsigned char>> files;
    for (const auto& sheet : GenerateNetDesign(parts, SheetsFor(parts))) {
        CArchive ar;
        CSchematicFile::Write(ar, CDocumentHeader(), *sheet, nullptr);
        files.push_back(ar.Bytes());
    }
    return files;
}

void BM_ReadAndBuildNets(benchmark::State& state)
{
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    const auto files = StoredDesign(int(state.range(0)));
    int nets = 0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<CSheet>> sheets;
        std::vector<CNetSheet> set;
        for (size_t i = 0; i < files.size(); ++i) {
            CArchive in(files[i].data(), files[i].size());
            CDocumentHeader header;
            sheets.push_back(std::make_unique<CSheet>(CSheet::kDrawing));
            CSchematicFile::Read(in, header, *sheets.back(), nullptr);
            set.push_back(
                {CString::Formatted("sheet%zu.dcd", i + 1), int(i) + 1, sheets.back().get()});
        }
        CItemList<CNet> list;
        BuildNets(set, list);
        nets = list.GetCount();
        benchmark::DoNotOptimize(nets);
    }
    state.counters["nets"] = nets;
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadAndBuildNets)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_BuildNets(benchmark::State& state)
{
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    const auto design = GenerateNetDesign(int(state.range(0)), SheetsFor(int(state.range(0))));
    std::vector<CNetSheet> set;
    for (size_t i = 0; i < design.size(); ++i)
        set.push_back({CString::Formatted("sheet%zu.dcd", i + 1), int(i) + 1, design[i].get()});
    for (auto _ : state) {
        CItemList<CNet> list;
        BuildNets(set, list);
        benchmark::DoNotOptimize(list.GetCount());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BuildNets)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
