// Small sheets written as text, for the tests of the sheet passes.
//
//     CSheet s;
//     Sketch(s, "W 0 0 100 0; W 100 0 200 0 :CLK; J 100 0; U R1 0 0 0 300 | 0 600 0 900");
//     EXPECT_EQ(WireText(s), "0 0 200 0 :CLK");
//
// Records, separated by ';':
//   W x1 y1 x2 y2 [:NAME]   a wire (WP a power wire)   B ... a bus   L ... a plain line
//   J x y                   a junction
//   U REF bx by tx ty [| bx by tx ty ...] [h]
//                           a part with one visible pin per group (body end, tip);
//                           a trailing "h" hides the last pin
//   N bx by tx ty           a loose pin
#pragma once

#include <string>

class CSheet;

void Sketch(CSheet& sheet, const std::string& text);
// The lines of one list (1 wires, 3 buses, 5 plain lines) as "x1 y1 x2 y2[ :NAME]",
// joined with "; ", in list order.
std::string LineText(const CSheet& sheet, int kind = 1);
inline std::string WireText(const CSheet& sheet)
{
    return LineText(sheet, 1);
}
