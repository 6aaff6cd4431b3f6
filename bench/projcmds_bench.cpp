// The project jobs on generated designs (1 000 gates on 2 sheets, 10 000 on
// 20), from the sheets in memory to the files written: part list, numbering
// of every reference (worked out and listed, not written back), the Was-Is
// template, the net index and the check log with its tidy-up.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "app/checkjob.h"
#include "app/netindexjob.h"
#include "app/partlistjob.h"
#include "app/partnumberjob.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "netdesign.h"
#include "support/tempdir.h"

namespace {

struct Design {
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    CTempDir dir;
    std::vector<std::unique_ptr<CSheet>> sheets;
    CProjectJob job;

    explicit Design(int parts) : sheets(GenerateNetDesign(parts, parts / 500))
    {
        for (size_t i = 0; i < sheets.size(); ++i) {
            CSheet* sheet = sheets[i].get();
            job.documents.push_back({dir / ("sheet" + std::to_string(i + 1) + ".dcd"), sheet,
                                     nullptr, 84100, 59400, sheet, nullptr, nullptr});
        }
        job.outputBase = dir / "design";
        job.dataFolder = VIREO_DATA_DIR;
        job.date = "2024/01/02  03:04:05";
    }
};

template <class Run> void RunJob(benchmark::State& state, Run run)
{
    Design design(int(state.range(0)));
    for (auto _ : state)
        if (!run(design.job))
            state.SkipWithError("the job failed");
}

void BM_PartList(benchmark::State& state)
{
    RunJob(state, [](const CProjectJob& job) {
        CPartListOptions options;
        options.count = true;
        return RunPartListJob(options, job).status == CPartListResult::Done;
    });
}

void BM_RenumberAll(benchmark::State& state)
{
    RunJob(state, [](const CProjectJob& job) {
        CPartNoJob numbering;
        static_cast<CProjectJob&>(numbering) = job;
        numbering.dryRun = true;
        CPartNoOptions options;
        options.mode = CPartNoOptions::kAll;
        options.pageOffset = 1000;
        return RunPartNoJob(options, numbering).status == CPartNoResult::Done;
    });
}

void BM_WasIsTemplate(benchmark::State& state)
{
    RunJob(state, [](const CProjectJob& job) {
        CPartNoJob numbering;
        static_cast<CProjectJob&>(numbering) = job;
        CPartNoOptions options;
        options.mode = CPartNoOptions::kWriteTemplate;
        return RunPartNoJob(options, numbering).status == CPartNoResult::Done;
    });
}

void BM_NetIndex(benchmark::State& state)
{
    RunJob(state, [](const CProjectJob& job) {
        CNetIndexOptions options;
        options.xy = true;
        return RunNetIndexJob(options, job).status == CNetIndexResult::Done;
    });
}

void BM_CheckSheets(benchmark::State& state)
{
    RunJob(state, [](const CProjectJob& job) {
        CCheckOptions options;
        options.missing = true;
        return RunCheckJob(options, job).status == CCheckResult::Done;
    });
}

} // namespace

BENCHMARK(BM_PartList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenumberAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WasIsTemplate)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NetIndex)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckSheets)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
