// Tango records written and read: golden text checked by hand, hostile
// input, and the round trip through a sheet.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/archive.h"
#include "export/tango.h"
#include "sheet/sheet.h"

namespace {

std::string Records(const CSheet& sheet)
{
    CArchive ar;
    sheet.SerializeTango(ar);
    return std::string(ar.Bytes().begin(), ar.Bytes().end());
}

CSheet& Read(CSheet& sheet, const std::string& text)
{
    CTangoSheet header;
    ReadTango(std::vector<uint8_t>(text.begin(), text.end()), sheet, header);
    return sheet;
}

std::string Write(const CSheet& sheet)
{
    CTangoSheet header;
    header.width = 16535;
    header.height = 11693;
    header.sizeIndex = 1;
    header.visibleArea = CRect(0, 11693, 16535, 0);
    const std::vector<uint8_t> bytes = WriteTango(sheet, header);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(Tango, RecordsAsWritten)
{
    CSheet sheet(CSheet::kDrawing);
    sheet.NewWire(CPoint(0, 0), CPoint(1000, 0))->SetName("D\"0", CPoint(0, 0), 0);
    sheet.NewJunc(CPoint(500, 0));
    sheet.NewText("T\nX", CPoint(10, 20), 80, 0x100 | 26);
    sheet.NewText("&REF&x", CPoint(0, 0), 70, 8);  // property texts are not written
    sheet.NewText("", CPoint(0, 0), 70, 8);
    CPart part(CPoint(100, 200), CPoint(100, 200), CPoint(400, 500), 4, 0, 0x200, 0);
    part.SetRefName("U1", CPoint(100, 600), 8);
    part.NewArc(CPoint(0, 0), 50, 270, 90, 0, 8);
    CPin* pin = part.NewPin(CPoint(400, 300), CPoint(700, 300), CPin::Output | CPin::kDot);
    pin->SetNo("7");
    pin->SetName("OUT");
    sheet.NewPart(part);
    EXPECT_EQ(Records(sheet),
              "JUNC 500 0\n"
              "TEXT 80 \"T X\" 10 20 145 0 3\n"
              "PART 100 200 100 200 400 500 180 0 4 0 0 0 0 0 0\n"
              "ATTR \"DESIGNATOR\" 9 \"U1\" 100 600 0 0 3\n"
              "ARC 0 0 50 270 180 0\n"
              "PIN 400 300 700 300 2 0 1 0 0 0 0 0\n"
              "ATTR \"NAME\" 10 \"OUT\" 382 300 144 0 3\n"
              "PINDES 1 \"7\" 450 300 0 0 3\n"
              "PARTEND\n"
              "WIRE 0 0 1000 0\n"
              "ATTR \"NAME\" 20 \"D'0\" 0 0 0 0 3\n");
    EXPECT_EQ(Write(CSheet()).substr(0, 110), ";Tango-Schematic 1.42J Series II\nTANGO_SCHEMATIC 1 1 A\n"
                                              "SHEET 0 0 16535 11693 7\nSIZE 1 1 16534 11692 1 1\n");
}

TEST(Tango, ReaderRecords)
{
    CSheet sheet(CSheet::kDrawing);
    Read(sheet, "; comment\n"
                "ATTR \"NAME\" 10 \"lost\" 0 0 0 0 3\n"        // no pin yet: ignored
                "PIN 0 0 100 0 1 0 0 0 0 0 0 0\n"             // no part: ignored
                "PINDES 1 \"9\" 0 0 0 0 3\n"                   // no pin: ignored
                "ARC 0 0 10 0 90 0\n"                          // outside a part: ignored
                "PART 1000 1000 1000 1000 1300 1300 90 1 2 0 0 0 0 1 0\n"
                "ATTR \"TYPE\" 9 \"7400\" 1000 1400 0 0 3\n"
                "ATTR \"DESIGNATOR\" 9 \"U3\" 1000 1500 0 0 2\n"
                "ATTR \"VALUE\" 9 \"V\" 1000 1600 0 0 1\n"      // visibility without bit 2: hidden
                "ATTR \"FILE\" 8 \"a\\\\\\\\b\x83\x5C\\\\\" 0 0 0 0 0\n"
                "PIN 1300 1100 1600 1100 7 0 1 0 1 0 1 0\n"
                "PINDES 1 \"14\" 1350 1100 0 0 3\n"
                "PART 0 0 0 0 10 10 0 0 1 1 0 0 0 1 0\n"       // nested: closes the first
                "PORT 5 5 2 2 0\n"
                "ARC 0 0 10 -3000000000 99999999999 99999\n"
                "PARTEND\n"
                "PARTEND\n"                                   // nothing open: ignored
                "WIRE 0 0 100 0\n"
                "ATTR \"NAME\" 20 \"CLK\" 0 10 0 0 3\n"
                "PINDESX 1 \"x\" 0 0 0 0 3\n"                  // not PINDES
                "TEXT 70 \"\" 0 0 0 0 3\n"                      // empty: no text
                "TEXT 99999999999 \"big\" 99999999999 -99999999999 16 0 3\n"
                "JUNC 1 2\n"
                "SHEET 0 0 2000 3000 6\n");
    ASSERT_EQ(sheet.GetCount(kind::kPart), 2);
    const CPart& first = *sheet.GetHeadPart();
    EXPECT_EQ(first.GetAngle(), 0x100 | 0x1000);
    EXPECT_EQ(first.GetPartName(), CString("7400"));
    EXPECT_EQ(first.GetRefName(), CString("U3"));
    EXPECT_FALSE(first.GetValNameText().IsDisp());
    EXPECT_EQ(first.GetPackage(), 1);
    ASSERT_EQ(first.GetPinCount(), 1);
    const CPin& pin = *first.Pins().GetHead();
    EXPECT_EQ(pin.GetEleType(), int(CPin::Power));
    EXPECT_EQ(pin.GetElect() & (CPin::kDot | CPin::kClock | CPin::kHidden), CPin::kDot | CPin::kClock | CPin::kHidden);
    EXPECT_EQ(pin.GetNo(), CString("14"));
    ASSERT_EQ(first.Texts().GetCount(), 1);
    EXPECT_EQ(first.Texts().GetHead()->GetName(), CString("&FILE&a\\\\b\x83\x5C\\"));

    const CPart& second = *sheet.GetLastPart();
    EXPECT_EQ(second.GetAttr(), CPart::kPinsHidden);
    ASSERT_EQ(second.GetPinCount(), 1);
    EXPECT_EQ(second.Pins().GetHead()->GetPoint(), CPoint(5, -145));
    ASSERT_EQ(second.Arcs().GetCount(), 1);
    EXPECT_LT(second.Arcs().GetHead()->GetStartAngle(), 360);
    EXPECT_EQ(sheet.GetHeadWire()->GetName(), CString("CLK"));
    ASSERT_EQ(sheet.GetCount(kind::kText), 1);
    EXPECT_EQ(sheet.GetHeadText()->GetPoint(), CPoint(1 << 28, -(1 << 28)));
    EXPECT_EQ(sheet.GetHeadText()->GetOrg(), 24u);
    EXPECT_EQ(sheet.GetCount(kind::kJunc), 1);

    // Long lines are read whole, never re-dispatched in pieces.
    CSheet longLine(CSheet::kDrawing);
    Read(longLine, "TEXT 70 \"" + std::string(300, 'x') + " JUNC 5 5\" 0 0 0 0 3\n");
    EXPECT_EQ(longLine.GetCount(kind::kJunc), 0);
    EXPECT_EQ(longLine.GetHeadText()->GetLength(), 309);
}

TEST(Tango, RoundTripThroughASheet)
{
    CSheet sheet(CSheet::kDrawing);
    sheet.NewWire(CPoint(0, 0), CPoint(1000, 0))->SetName("NET1", CPoint(0, 0), 0);
    sheet.NewBus(CPoint(0, 500), CPoint(1000, 500))->SetName("D[0..7]", CPoint(0, 500), 0);
    sheet.NewJunc(CPoint(500, 0));
    sheet.NewText("\x93\xFA\x96\x7B", CPoint(0, 2000), 70, 30);
    sheet.NewText("hidden", CPoint(0, 2500), 70, 8 | CText::kHidden);
    CPart part(CPoint(3000, 3000), CPoint(3000, 3000), CPoint(3300, 3300), 1, 1, 0, 0);
    part.SetPartName("R", CPoint(3000, 3400), 8);
    part.SetRefName("R1", CPoint(3000, 3500), 8);
    part.SetValue("10k", CPoint(3000, 3600), 8);
    part.NewLine(CPoint(3000, 3000), CPoint(3300, 3000), CLine::kPlain);
    part.NewArc(CPoint(3100, 3100), 50, 0, 180, 0, 8);
    part.NewPin(CPoint(3300, 3100), CPoint(3600, 3100), CPin::Input)->SetNo("1");
    part.CalcBoundRect(1);
    sheet.NewPart(part);

    const std::string first = Write(sheet);
    CSheet back(CSheet::kDrawing);
    Read(back, first);
    EXPECT_EQ(back.GetCount(kind::kWire), 1);
    EXPECT_EQ(back.GetHeadWire()->GetName(), CString("NET1"));
    EXPECT_EQ(back.GetHeadBus()->GetName(), CString("D[0..7]"));
    EXPECT_EQ(back.GetCount(kind::kJunc), 1);
    ASSERT_EQ(back.GetCount(kind::kText), 2);
    EXPECT_EQ(back.GetHeadText()->GetName(), CString("\x93\xFA\x96\x7B"));
    EXPECT_EQ(back.GetHeadText()->GetOrg(), 30u);
    EXPECT_FALSE(back.GetLastText()->IsDisp());
    ASSERT_EQ(back.GetCount(kind::kPart), 1);
    const CPart& p = *back.GetHeadPart();
    EXPECT_EQ(p.GetRefName(), CString("R1"));
    EXPECT_EQ(p.GetValName(), CString("10k"));
    EXPECT_EQ(p.GetPartName(), CString("R"));
    EXPECT_EQ(p.Lines().GetCount(), 1);
    EXPECT_EQ(p.Arcs().GetCount(), 1);
    ASSERT_EQ(p.GetPinCount(), 1);
    EXPECT_EQ(p.Pins().GetHead()->GetNo(), CString("1"));
    EXPECT_EQ(p.Pins().GetHead()->GetEleType(), int(CPin::Input));

    // From the second generation on the text is stable.
    const std::string second = Write(back);
    CSheet again(CSheet::kDrawing);
    Read(again, second);
    EXPECT_EQ(Write(again), second);
}

TEST(Tango, ShippedTitleBlocksFitTheirSheets)
{
    for (const char* name : {"Title.A2", "Title.A3", "Title.A4", "Title.A2P", "Title.A3P", "Title.A4P"}) {
        CArchive ar = CArchive::FromFile(std::string(VIREO_DATA_DIR "/") + name);
        CSheet title(CSheet::kTitle);
        CTangoSheet header;
        ReadTango(ar.Bytes(), title, header);
        ASSERT_TRUE(header.hasSize) << name;
        EXPECT_GT(title.GetCount(kind::kLine), 8) << name;
        EXPECT_GT(title.GetCount(kind::kText), 6) << name;
        CRect r = title.GetBoundingRect();
        r.NormalizeRect();
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= header.width && r.bottom <= header.height) << name;
        EXPECT_EQ(header.width > header.height, name[std::strlen(name) - 1] != 'P') << name;
    }
}
