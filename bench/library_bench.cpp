// Part libraries of 10 000 packages: building one from its text form,
// listing it without an index (outline scan and index write), and placing
// parts from it.  ./build/bench/tolvane_bench
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "base/fileio.h"
#include "base/host.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "library/library.h"
#include "library/librarycache.h"
#include "library/libraryrecords.h"
#include "sheet/sheet.h"

namespace {

constexpr int kPackages = 10000;

struct Fixture {
    std::filesystem::path dir;
    std::filesystem::path lib, text;

    Fixture()
    {
        SetProfile(std::make_unique<MemoryProfile>());
        SetHost(std::make_unique<CSilentHost>());
        dir = std::filesystem::temp_directory_path() / ("vireo-libbench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        lib = dir / "big.lib";
        text = dir / "big.txt";
        // A resistor-like gate: two pins with numbers, a box, a property text.
        std::vector<uint8_t> bytes;
        for (int i = 0; i < kPackages; ++i) {
            CPart part(CPoint(3000, 500), CPoint(2700, 540), CPoint(3500, 780), 0, 0, 0, 0);
            const CString name = CString::Formatted("PART%05d", i);
            part.SetPartName(name);
            part.SetRefName("R?");
            part.SetValue("10k");
            part.NewPin(CPoint(2900, 600), CPoint(2700, 600), 0)->GetNoText().SetName("1", CPoint(2850, 650), 70, 8);
            part.NewPin(CPoint(3300, 600), CPoint(3500, 600), 0)->GetNoText().SetName("2", CPoint(3350, 650), 70, 8);
            part.NewLine(CPoint(2900, 550), CPoint(3300, 550), 1);
            part.NewLine(CPoint(3300, 550), CPoint(3300, 650), 1);
            part.NewLine(CPoint(3300, 650), CPoint(2900, 650), 1);
            part.NewLine(CPoint(2900, 650), CPoint(2900, 550), 1);
            part.NewText("&Footprint&R0805", CPoint(3000, 400), 70, 0x8008);
            const std::vector<uint8_t> record = PackageRecordBytes(name, {&part});
            bytes.insert(bytes.end(), record.begin(), record.end());
        }
        AppendEndMarker(bytes);
        WriteFileAtomically(lib, bytes);
        CLibrary library;
        library.SetLibraryName(lib.string().c_str());
        library.ReadFile();
        library.WriteAsciiFile(text.string().c_str());
    }
    ~Fixture() { std::filesystem::remove_all(dir); }
};

Fixture& Data()
{
    static Fixture fixture;
    return fixture;
}

void BM_TextToLibrary(benchmark::State& state)
{
    Fixture& f = Data();
    const std::filesystem::path out = f.dir / "built.lib";
    for (auto _ : state) {
        std::filesystem::remove(out);
        CLibrary library;
        library.SetLibraryName(out.string().c_str());
        benchmark::DoNotOptimize(library.ReadAsciiFile(f.text.string().c_str()));
    }
    state.counters["packages"] = kPackages;
}
BENCHMARK(BM_TextToLibrary)->Unit(benchmark::kMillisecond);

void BM_ListWithoutIndex(benchmark::State& state)
{
    Fixture& f = Data();
    for (auto _ : state) {
        std::filesystem::remove(f.dir / "big.dix");
        ClearLibraryCache();
        CLibrary library;
        library.SetLibraryName(f.lib.string().c_str());
        std::vector<CLibIndexEntry> entries;
        library.ReadListing(entries);
        benchmark::DoNotOptimize(entries.data());
    }
}
BENCHMARK(BM_ListWithoutIndex)->Unit(benchmark::kMillisecond);

void BM_ListFromIndex(benchmark::State& state)
{
    Fixture& f = Data();
    for (auto _ : state) {
        CLibrary library;
        library.SetLibraryName(f.lib.string().c_str());
        std::vector<CLibIndexEntry> entries;
        library.ReadListing(entries);
        benchmark::DoNotOptimize(entries.data());
    }
}
BENCHMARK(BM_ListFromIndex)->Unit(benchmark::kMillisecond);

// Placing 1 000 parts, each looked up by name as the document does it.
void BM_Place1000Parts(benchmark::State& state)
{
    Fixture& f = Data();
    for (auto _ : state) {
        CSheet sheet;
        for (int i = 0; i < 1000; ++i) {
            CLibrary library;
            library.SetLibraryName(f.lib.string().c_str());
            library.SetPackageName(CString::Formatted("part%05d", (i * 7919) % kPackages));
            if (library.ReadFile())
                library.ReadPart(&sheet, 1);
        }
        benchmark::DoNotOptimize(sheet.GetItemCount());
    }
}
BENCHMARK(BM_Place1000Parts)->Unit(benchmark::kMillisecond);

}  // namespace
