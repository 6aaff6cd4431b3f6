// The part the benchmarks place by the thousand: a gate with an outline, four
// pins (two inputs on the left, two outputs on the right, each 300 long),
// three names and a footprint property.
#pragma once

#include "sheet/sheet.h"

inline CPart MakeGate(const CPoint& org, int number)
{
    CPart part(org, org, org, 1, 1, 0, 0);
    part.SetPartName("74HC00", org + CPoint(0, 400), 8);
    part.SetRefName(CString::Formatted("U%d", number), org + CPoint(0, 500), 8);
    part.SetValue("NAND", org + CPoint(0, 300), 8);
    part.NewLine(org, org + CPoint(400, 0), CLine::kPlain);
    part.NewLine(org + CPoint(400, 0), org + CPoint(400, 300), CLine::kPlain);
    part.NewArc(org + CPoint(200, 150), 50, 0, 180, 0, 8);
    for (int p = 0; p < 4; ++p) {
        const bool left = p < 2;
        const CPoint body = org + CPoint(left ? 0 : 400, 100 + 100 * (p % 2));
        CPin* pin = part.NewPin(body, body + CPoint(left ? -300 : 300, 0), left ? CPin::Input : CPin::Output);
        pin->SetName(CString::Formatted("P%d", p));
        pin->SetNo(CString::Formatted("%d", p + 1));
    }
    CText footprint;
    footprint.SetProperty("Footprint", "SO14");
    part.NewText(footprint);
    part.CalcBoundRect(1);
    return part;
}
