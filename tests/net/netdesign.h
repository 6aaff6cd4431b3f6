// Small designs for the net tests: parts with typed, named, numbered and
// hidden pins, named wires and junctions, placed with one call each.
#pragma once

#include <initializer_list>

#include "sheet/sheet.h"

struct PinSpec {
    CPoint tip;
    int type = CPin::Passive;
    const char* name = "";
    const char* no = "";
    bool hidden = false;
};

// A part with a pin per spec (each pin 100 long, its body to the right of
// its tip).  packageMax >= 2 makes it one gate of a package.
inline CPart& AddPart(CSheet& sheet, const char* ref, std::initializer_list<PinSpec> pins,
                      int packageMax = 1, const char* file = nullptr)
{
    CPart part(CPoint(), CPoint(), CPoint(), packageMax, 1, 0, 0);
    part.SetPartName("PART");
    part.SetRefName(CText(ref, CPoint(), CText::kDefaultSize, CText::kDefaultAttr));
    for (const PinSpec& spec : pins) {
        CPin* pin = part.NewPin(spec.tip + CPoint(100, 0), spec.tip,
                                uint32_t(spec.type) | (spec.hidden ? CPin::kHidden : 0u));
        pin->SetName(spec.name);
        pin->SetNo(spec.no);
    }
    if (file) {
        CText property;
        property.SetProperty("FILE", file);
        part.NewText(property);
    }
    return *sheet.NewPart(part);
}

inline CLine& AddWire(CSheet& sheet, CPoint a, CPoint b, const char* name = "",
                      CPoint namePoint = CPoint())
{
    CLine* w = sheet.NewWire(a, b);
    if (*name)
        w->SetName(CText(name, namePoint, CText::kDefaultSize, CText::kDefaultAttr));
    return *w;
}
