// The editing engine on the generated sheets of 1 000 and 10 000 gates: a
// script of 200 events - wires drawn into the rows (with junction dots where
// they land on wires), 100 wires picked by Ctrl+click, the selection moved,
// turned and flipped, and undone - timed event by event.
//
//   build/bench/edit_bench          (EDIT_BENCH_SLOW=1: also the events over 5 ms)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/edit/editengine.h"
#include "app/edit/editscript.h"
#include "app/vireodoc.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "netdesign.h"

namespace {

// Row r, gate i of the generated sheet (50 gates a row, 1500 apart).
CPoint Gate(int i)
{
    return CPoint(1000 + (i % 50) * 1500, 1000 + (i / 50) * 1500);
}

std::string Script(int parts)
{
    std::string s;
    auto pt = [](const CPoint& p) { return std::to_string(p.x) + " " + std::to_string(p.y); };
    // 10 wires of two segments each from free space onto the middle of a
    // wire between two gates: each ends in a T that wants a dot.
    s += "command wire\n";
    for (int k = 0; k < 10; ++k) {
        const CPoint g = Gate((k * 97) % (parts - 60) + 5);
        s += "click " + pt(g + CPoint(1000, 700)) + "\n";
        s += "move " + pt(g + CPoint(1000, 400)) + "\n";
        s += "click " + pt(g + CPoint(1000, 400)) + "\n";
        s += "click " + pt(g + CPoint(1000, 200)) + "\n";
        s += "key Escape\n";
    }
    // 100 wires picked one by one.
    for (int k = 0; k < 100; ++k)
        s += "click " + pt(Gate(k * 3 + 1) + CPoint(900, 100)) + " ctrl\n";
    // Moved, turned, flipped; then undone.
    s += "command move\n";
    s += "click " + pt(Gate(1)) + "\n";
    for (int k = 1; k <= 20; ++k)
        s += "move " + pt(Gate(1) + CPoint(k * 50, k * 100)) + "\n";
    s += "click " + pt(Gate(1) + CPoint(1000, 2000)) + "\n";
    s += "command reselect\n";
    for (int k = 0; k < 8; ++k)
        s += k % 2 ? "key X\n" : "key R\n";
    s += "key Escape\n";
    for (int k = 0; k < 15; ++k)
        s += "command undo\n";
    return s;
}

void Run(int parts)
{
    CScopedProfile profile(std::make_unique<MemoryProfile>());
    CVIREODoc doc;
    GenerateNetSheet(doc.MainSheet(), parts, 0);
    doc.Header().width = 80000;
    doc.Header().height = 1000 + (parts / 50 + 2) * 1500;
    CScriptAnswers answers;
    CScriptEditHost host(answers);
    CEditEngine engine(doc, host);
    std::vector<CScriptEvent> events;
    int line = 0;
    std::string error;
    if (!ParseEditScript(Script(parts), events, line, error)) {
        std::fprintf(stderr, "script line %d: %s\n", line, error.c_str());
        return;
    }
    std::vector<double> ms;
    for (const CScriptEvent& e : events) {
        const auto t0 = std::chrono::steady_clock::now();
        RunEditScript(engine, {e}, answers);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
    }
    if (getenv("EDIT_BENCH_SLOW"))
        for (size_t i = 0; i < ms.size(); ++i)
            if (ms[i] > 5)
                std::printf("  %.1f ms: event %d kind %d code %d flags %d\n", ms[i], events[i].line,
                            int(events[i].kind), events[i].code, events[i].flags);
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    auto at = [&](double q) {
        return sorted[std::min(sorted.size() - 1, size_t(q * (sorted.size() - 1) + 0.5))];
    };
    double total = 0;
    for (double v : ms)
        total += v;
    std::printf(
        "%6d gates  %zu events  items %u  undo steps %d  median %.3f ms  p99 %.3f ms  max %.3f ms  "
        "total %.1f ms\n",
        parts, ms.size(), doc.MainSheet().GetItemCount(), CEditEngine::UndoSteps(doc.History()),
        at(0.5), at(0.99), sorted.back(), total);
}

} // namespace

int main()
{
    for (int parts : {1000, 10000})
        Run(parts);
    return 0;
}
