// Reading and writing a large generated sheet in the binary file format and
// in the plain text form.
#include <benchmark/benchmark.h>

#include <memory>

#include "base/archive.h"
#include "base/memoryprofile.h"
#include "gate.h"
#include "sheet/schematicfile.h"
#include "sheet/sheet.h"

namespace {

// A sheet of parts gates in a grid, each with four pins, an outline, three
// names and a property, wired pin to pin, with a junction and a label per row.
void Generate(CSheet& sheet, int parts)
{
    const int perRow = 100;
    for (int i = 0; i < parts; ++i) {
        const CPoint org(1000 + (i % perRow) * 1000, 1000 + (i / perRow) * 1000);
        sheet.NewPart(MakeGate(org, i + 1));
        CLine* wire = sheet.NewWire(org + CPoint(700, 100), org + CPoint(700 + 300, 100));
        wire->GetNameText().SetName(CString::Formatted("N%d", i), org + CPoint(750, 120), 70, 8);
        if (i % perRow == 0)
            sheet.NewJunc(org + CPoint(700, 100));
    }
    for (int row = 0; row * perRow < parts; ++row)
        sheet.NewText(CString::Formatted("Row %d", row).c_str(), CPoint(100, 1000 + row * 1000), 70, 0);
}

struct Fixture {
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    CSheet sheet{CSheet::kDrawing};
    CDocumentHeader header;
    explicit Fixture(int parts) { Generate(sheet, parts); }
};

void BM_WriteSchematic(benchmark::State& state)
{
    Fixture f(int(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        CArchive ar;
        CSchematicFile::Write(ar, f.header, f.sheet, nullptr);
        bytes = ar.Bytes().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(int64_t(bytes) * state.iterations());
}

void BM_ReadSchematic(benchmark::State& state)
{
    Fixture f(int(state.range(0)));
    CArchive out;
    CSchematicFile::Write(out, f.header, f.sheet, nullptr);
    for (auto _ : state) {
        CArchive in(out.Bytes().data(), out.Bytes().size());
        CDocumentHeader header;
        CSheet sheet(CSheet::kDrawing);
        CSchematicFile::Read(in, header, sheet, nullptr);
        benchmark::DoNotOptimize(sheet.GetItemCount());
    }
    state.SetBytesProcessed(int64_t(out.Bytes().size()) * state.iterations());
}

void BM_WriteTextForm(benchmark::State& state)
{
    Fixture f(int(state.range(0)));
    for (auto _ : state) {
        CArchive ar;
        f.sheet.SerializeText(ar);
        benchmark::DoNotOptimize(ar.Bytes().size());
    }
}

void BM_ReadTextForm(benchmark::State& state)
{
    Fixture f(int(state.range(0)));
    CArchive out;
    f.sheet.SerializeText(out);
    for (auto _ : state) {
        CArchive in(out.Bytes().data(), out.Bytes().size());
        CSheet sheet(CSheet::kDrawing);
        sheet.SerializeText(in);
        benchmark::DoNotOptimize(sheet.GetItemCount());
    }
    state.SetBytesProcessed(int64_t(out.Bytes().size()) * state.iterations());
}

}  // namespace

BENCHMARK(BM_WriteSchematic)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSchematic)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTextForm)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTextForm)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
