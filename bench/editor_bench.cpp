// Drawing a dense A2 sheet through the editor's view, on the offscreen
// platform: a full redraw at fit-to-window, a small partial redraw, and
// opening a sheet file and showing it.
//
//   build/bench/editor_bench --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "app/vireodoc.h"
#include "base/archive.h"
#include "base/fileio.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "editor/view/vireoview.h"
#include "gate.h"
#include "sheet/schematicfile.h"

namespace {

constexpr QSize kWindow(1600, 1000);

// 5 000 items on an A2 sheet: 1 000 gates, 2 000 named wires, 1 000
// junctions and 1 000 texts.
void Generate(CSheet& sheet)
{
    int n = 0;
    for (int row = 0; row < 40; ++row)
        for (int col = 0; col < 25; ++col) {
            const CPoint org(600 + col * 900, 300 + row * 400);
            sheet.NewPart(MakeGate(org, ++n));
            CLine* a = sheet.NewWire(org + CPoint(700, 100), org + CPoint(900, 100));
            a->GetNameText().SetName(CString::Formatted("N%d", n), org + CPoint(720, 120), 50, 8);
            CLine* b = sheet.NewWire(org + CPoint(700, 200), org + CPoint(700, 100));
            b->GetNameText().SetName(CString::Formatted("M%d", n), org + CPoint(720, 220), 50, 8);
            sheet.NewJunc(org + CPoint(700, 100));
            sheet.NewText(CString::Formatted("T%d", n).c_str(), org + CPoint(-200, 300), 50, 0);
        }
}

struct Sheet {
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    CViewOptions options;
    CVIREODoc doc;
    std::unique_ptr<CVIREOView> view;
    QImage image{kWindow, QImage::Format_RGB32};

    Sheet()
    {
        doc.OnNewDocument(0); // A2
        Generate(doc.MainSheet());
        options.Load();
        view = std::make_unique<CVIREOView>(doc, options);
        view->setFrameShape(QFrame::NoFrame);
        view->resize(kWindow);
        view->OnInitialUpdate();
    }
    void Render(const QRect& clip)
    {
        QPainter painter(&image);
        painter.setClipRect(clip);
        view->RenderSheet(painter, clip);
    }
};

void BM_RedrawA2AtFit(benchmark::State& state)
{
    Sheet s;
    s.Render(s.image.rect()); // text metrics and fonts cached, as after the first paint
    for (auto _ : state)
        s.Render(s.image.rect());
    state.counters["items"] = double(s.doc.MainSheet().GetItemCount());
}
BENCHMARK(BM_RedrawA2AtFit)->Unit(benchmark::kMillisecond);

void BM_RedrawSmallAreaZoomedIn(benchmark::State& state)
{
    Sheet s;
    s.view->ZoomIn(4.0);
    s.Render(s.image.rect());
    for (auto _ : state)
        s.Render(QRect(700, 400, 64, 64));
}
BENCHMARK(BM_RedrawSmallAreaZoomedIn)->Unit(benchmark::kMicrosecond);

void BM_OpenAndShowA2(benchmark::State& state)
{
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("vireo-bench-" + std::to_string(getpid()) + ".dcd");
    {
        CVIREODoc doc;
        doc.OnNewDocument(0);
        Generate(doc.MainSheet());
        doc.OnSaveDocument(file);
    }
    CViewOptions options;
    options.Load();
    QImage image(kWindow, QImage::Format_RGB32);
    for (auto _ : state) {
        CVIREODoc doc;
        doc.OnOpenDocument(file);
        CVIREOView view(doc, options);
        view.setFrameShape(QFrame::NoFrame);
        view.resize(kWindow);
        view.OnInitialUpdate();
        QPainter painter(&image);
        view.RenderSheet(painter, image.rect());
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_OpenAndShowA2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("VIREO_DATA", VIREO_DATA_DIR, 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
