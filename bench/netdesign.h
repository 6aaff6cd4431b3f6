// Generated designs for the net benchmarks: rows of four-gate packages
// (74HC00-like, each gate with its package's hidden VCC and GND pins), wired
// output to input, with named nets that recur on every sheet, power symbols
// on branches with junction dots, and open outputs at the row ends.
#pragma once

#include <memory>
#include <vector>

#include "gate.h"
#include "sheet/sheet.h"

inline void GenerateNetSheet(CSheet& sheet, int parts, int firstPart)
{
    const int perRow = 50;
    for (int i = 0; i < parts; ++i) {
        const int n = firstPart + i;
        const CPoint org(1000 + (i % perRow) * 1500, 1000 + (i / perRow) * 1500);
        CPart gate = MakeGate(org, n / 4 + 1);
        gate.SetRefName(CString::Formatted("U%d%c", n / 4 + 1, 'A' + n % 4));
        gate.SetPackageMax(4);
        gate.SetPackage(n % 4 + 1);
        for (auto [name, no] : {std::pair<const char*, const char*>{"VCC", "14"}, {"GND", "7"}}) {
            CPin* pin = gate.NewPin(org + CPoint(200, 300), org + CPoint(200, 300),
                                    CPin::Power | CPin::kHidden);
            pin->SetName(name);
            pin->SetNo(no);
        }
        sheet.NewPart(gate);
        if (i % perRow == perRow - 1)
            continue; // the last gate of a row drives nothing
        CLine* a = sheet.NewWire(org + CPoint(700, 100), org + CPoint(1200, 100));
        sheet.NewWire(org + CPoint(700, 200), org + CPoint(1200, 200));
        if (i % 10 == 3) // names that every sheet uses
            a->GetNameText().SetName(CString::Formatted("SIG%d", (i / 10) % 40),
                                     org + CPoint(750, 120), 70, 8);
        if (i % 20 == 7) {
            // A branch with a dot, down to a power symbol.
            sheet.NewJunc(org + CPoint(950, 100));
            sheet.NewWire(org + CPoint(950, 100), org + CPoint(950, -400));
            CPart symbol(org, org, org, 1, 1, 0, 0);
            CPin* pin =
                symbol.NewPin(org + CPoint(950, -600), org + CPoint(950, -400), CPin::Power);
            pin->SetName(i % 40 == 7 ? "VCC" : "GND");
            sheet.NewPart(symbol);
        }
    }
}

// parts gates spread over sheets.
inline std::vector<std::unique_ptr<CSheet>> GenerateNetDesign(int parts, int sheets)
{
    std::vector<std::unique_ptr<CSheet>> design;
    for (int s = 0; s < sheets; ++s) {
        design.push_back(std::make_unique<CSheet>(CSheet::kDrawing));
        const int first = parts * s / sheets, last = parts * (s + 1) / sheets;
        GenerateNetSheet(*design.back(), last - first, first);
    }
    return design;
}
