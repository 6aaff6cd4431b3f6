// A small sheet with every kind of item that the export tests write out;
// the expected entity counts in dxf_test.cpp follow from it.
#pragma once

#include "sheet/sheet.h"

inline void ExportTestSheet(CSheet& sheet)
{
    sheet.NewWire(CPoint(1000, 1000), CPoint(3000, 1000))->SetName("NET(1)", CPoint(1000, 1000), 0);
    sheet.NewBus(CPoint(1000, 2000), CPoint(3000, 2000));
    sheet.NewLine(CPoint(1000, 3000), CPoint(3000, 3000))->SetArrow(0, 100);
    sheet.NewArc(CPoint(4000, 2000), 500, 0, 270, 0, 8);
    sheet.NewArc(CPoint(6000, 2000), 300, 45, 45, 0, 8);  // a circle
    sheet.NewJunc(CPoint(2000, 1000));
    sheet.NewText("Hello \\(world)", CPoint(1000, 4000), 100, 8 | (1u << CText::kFrameShift));
    sheet.NewText("\x93\xFA\x96\x7B\x8C\xEA \xB1\xB2", CPoint(1000, 5000), 100, 30);  // 日本語 ｱｲ
    CPart part(CPoint(5000, 4000), CPoint(5000, 4000), CPoint(5600, 4600), 1, 1, 0, 0);
    part.SetRefName("U1", CPoint(5000, 4700), 8);
    part.NewLine(CPoint(5000, 4000), CPoint(5600, 4000), CLine::kPlain);
    part.NewPin(CPoint(5600, 4300), CPoint(5900, 4300), CPin::kDot)->SetNo("3");
    part.CalcBoundRect(1);
    sheet.NewPart(part);
}
