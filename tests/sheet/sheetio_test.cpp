#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/archive.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "base/textmetrics.h"
#include "items/geometry.h"
#include "sheet/sheet.h"
#include "support/samplefiles.h"

namespace {

class SheetIoTest : public ::testing::Test {
protected:
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
};

LOGFONT Font(const char* face, int height)
{
    LOGFONT f;
    f.SetFaceName(face);
    f.lfHeight = height;
    f.lfWeight = 700;
    f.lfUnderline = 1;
    f.lfCharSet = SHIFTJIS_CHARSET;
    f.lfPitchAndFamily = FF_SWISS;
    return f;
}

CText OwnFontText(const char* s, CPoint p, int size, uint32_t attr)
{
    CText t(s, p, size, attr | CText::kOwnFont);
    t.SetFont(Font("Courier", -size));
    return t;
}

// A sheet with every item kind and every stored field set to something
// other than its default.
void FillSheet(CSheet& sheet)
{
    CLine* wire = sheet.NewWire(CPoint(0, 0), CPoint(1000, 0));
    wire->ModifyType(0, CLine::kPower | CLine::kHighlight | CLine::kWorkMark1);
    wire->GetNameText().SetName("VCC", CPoint(100, 20), 60,
                                8 | CText::kSelected | (3u << CText::kFrameShift));
    wire->SetLineWidth(99);
    wire->SetCheck(1);
    sheet.NewWire(CPoint(1000, 0), CPoint(1000, -500));

    CLine* bus = sheet.NewBus(CPoint(0, 500), CPoint(2000, 500));
    bus->GetNameText().SetName("A[0..3]", CPoint(10, 530), 70, 0x100 | 24);

    CLine* plain = sheet.NewLine(CPoint(-100, -100), CPoint(-100, 900));
    plain->ModifyType(0, 3u << CLine::kStyleShift);
    plain->SetArrow(100, 2550);
    plain->SetName(OwnFontText("label", CPoint(-90, 0), 50, 0x100));

    sheet.NewJunc(CPoint(1000, 0));

    CPin* pin = sheet.NewPin(CPoint(3000, 0), CPoint(3000, 300), CPin::Output | CPin::kDot);
    pin->SetName("Q");
    pin->SetNo("5");
    pin->ModifyElect(CPin::kSelected | CPin::kHidden | CPin::kOpenMark, 0);
    pin->GetNameText().SetTextSel(true);

    sheet.NewText(
        OwnFontText("Free text", CPoint(500, 1500), 120,
                    CText::kSelected | CText::kNoPrint | (7u << CText::kFrameShift) | 30));
    sheet.NewText("Plain", CPoint(-300, 1500), 70, 0);

    CArc* arc = sheet.NewArc(CPoint(4000, 4000), 250, 30, 300,
                             (2 << CArc::kStyleShift) | CArc::kFilled, 20);
    arc->SetArrow(100, 1000);
    arc->SetCheck(1);

    CPart part(CPoint(1000, 1000), CPoint(0, 0), CPoint(0, 0), 4, 2, 0x1100, CPart::kInverted);
    part.SetPartName("74HC00", CPoint(1000, 1400), 8 | CText::kHidden);
    part.SetRefName("U3B", CPoint(1000, 1500), 8 | CText::kSelected);
    part.SetValue("NAND", CPoint(1000, 1300), 8);
    part.NewLine(CPoint(900, 900), CPoint(1300, 900), CLine::kPlain);
    part.NewArc(CPoint(1100, 1050), 60, 0, 180, 0, 8);
    CPin* a = part.NewPin(CPoint(900, 1000), CPoint(600, 1000), CPin::Input | CPin::kSelected);
    a->SetName("A");
    a->SetNo("1");
    part.NewPin(CPoint(1300, 1050), CPoint(1600, 1050), CPin::Output | CPin::kClock)->SetNo("3");
    CText property;
    property.SetProperty("PCB", "DIP14");
    part.NewText(property);
    part.NewText(OwnFontText("GATE", CPoint(1050, 950), 50, 8));
    part.CalcBoundRect(1);
    sheet.NewPart(part);
}

std::vector<uint8_t> Written(const CSheet& sheet)
{
    CArchive ar;
    sheet.DataWrite(ar);
    return ar.Bytes();
}

void ReadSheet(const std::vector<uint8_t>& bytes, CSheet& sheet, int version = 8)
{
    CArchive ar(bytes);
    sheet.DataRead(ar, version);
    EXPECT_TRUE(ar.AtEnd());
}

std::string TextOf(CSheet& sheet)
{
    CArchive ar;
    sheet.SerializeText(ar);
    return std::string(ar.Bytes().begin(), ar.Bytes().end());
}

void ReadText(const std::string& text, CSheet& sheet)
{
    CArchive ar(std::vector<uint8_t>(text.begin(), text.end()));
    sheet.SerializeText(ar);
}

template <class T> std::vector<T*> Items(CItemList<T>& list)
{
    std::vector<T*> v;
    for (T& item : list)
        v.push_back(&item);
    return v;
}

rec::Text RecText(const char* s, CPoint p)
{
    rec::Text t;
    t.s = s;
    t.p = p;
    return t;
}

int ListSum(const CSheet& s)
{
    return s.Wires().GetCount() + s.Buses().GetCount() + s.Lines().GetCount() +
           s.Juncs().GetCount() + s.Pins().GetCount() + s.Texts().GetCount() + s.Arcs().GetCount() +
           s.Parts().GetCount();
}

} // namespace

// --- binary sheet record ------------------------------------------------------------------------

TEST_F(SheetIoTest, RoundTripKeepsEveryStoredField)
{
    Profile().WriteInt("Default", "PowerWidth", 17);
    CSheet sheet(CSheet::kSelection);
    FillSheet(sheet);
    const std::vector<uint8_t> bytes = Written(sheet);
    CSheet back(CSheet::kDrawing);
    ReadSheet(bytes, back);

    EXPECT_EQ(back.GetSheetType(), CSheet::kSelection); // a stored sheet brings its type
    EXPECT_EQ(back.GetItemCount(), sheet.GetItemCount());

    // Lines: every stored field and the name's selection; not the runtime
    // bits, the check flags or the width.
    auto lines = Items(sheet.Wires());
    auto backLines = Items(back.Wires());
    ASSERT_EQ(backLines.size(), 2u);
    EXPECT_TRUE(backLines[0]->Compare(*lines[0]));
    EXPECT_EQ(backLines[0]->GetType(), CLine::kPower);
    EXPECT_EQ(backLines[0]->GetNameText().GetAngle(), lines[0]->GetNameText().GetAngle());
    EXPECT_EQ(backLines[0]->GetNameText().GetSize(), 60);
    EXPECT_EQ(backLines[0]->GetStartCheck(), 0);
    EXPECT_EQ(backLines[0]->GetEndCheck(), 0);
    EXPECT_EQ(backLines[0]->GetLineWidth(), 17);
    EXPECT_TRUE(back.GetHeadBus()->Compare(*sheet.GetHeadBus()));
    const CLine& plain = *back.GetHeadLine();
    EXPECT_TRUE(plain.Compare(*sheet.GetHeadLine()));
    EXPECT_EQ(plain.GetStyle(), 3);
    EXPECT_EQ(plain.GetStartArrow(), 100);
    EXPECT_EQ(plain.GetEndArrow(), 2550);
    EXPECT_EQ(plain.GetNameText().GetFont(), sheet.GetHeadLine()->GetNameText().GetFont());

    EXPECT_EQ(*back.Juncs().GetHead(), *sheet.Juncs().GetHead());

    // Pins keep their selection bit (and their texts'), lose the open mark.
    const CPin& pin = *back.GetHeadPin();
    EXPECT_TRUE(pin.Compare(*sheet.GetHeadPin()));
    EXPECT_EQ(pin.GetElect(), sheet.GetHeadPin()->GetElect() & ~CPin::kOpenMark);
    EXPECT_TRUE(pin.IsSelect());
    EXPECT_TRUE(pin.GetNameText().IsTextSel());

    auto texts = Items(sheet.Texts());
    auto backTexts = Items(back.Texts());
    ASSERT_EQ(backTexts.size(), 2u);
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(*backTexts[i], *texts[i]);
        EXPECT_EQ(backTexts[i]->GetAngle(), texts[i]->GetAngle());
        EXPECT_EQ(backTexts[i]->GetFont(), texts[i]->GetFont());
        EXPECT_EQ(backTexts[i]->GetTextBoundingRect(), texts[i]->GetTextBoundingRect());
    }
    EXPECT_TRUE(backTexts[0]->IsTextSel());

    const CArc& arc = *back.Arcs().GetHead();
    const CArc& arc0 = *sheet.Arcs().GetHead();
    EXPECT_EQ(arc.GetCenter(), arc0.GetCenter());
    EXPECT_EQ(arc.GetRadial(), 250);
    EXPECT_EQ(arc.GetStartAngle(), 30);
    EXPECT_EQ(arc.GetEndAngle(), 300);
    EXPECT_EQ(arc.GetType(), arc0.GetType());
    EXPECT_EQ(arc.GetStartArrow(), 100);
    EXPECT_EQ(arc.GetEndArrow(), 1000);
    EXPECT_EQ(arc.GetLineWidth(), 8);
    EXPECT_EQ(arc.GetStartCheck(), 0);

    CPart& part = *back.GetHeadPart();
    CPart part0 = *sheet.GetHeadPart();
    EXPECT_TRUE(part.Compare(part0));
    EXPECT_EQ(part.GetAngle(), 0x1100);
    EXPECT_EQ(part.GetAttr(), CPart::kInverted);
    EXPECT_TRUE(part.GetRefNameText().IsTextSel());
    EXPECT_TRUE(part.Pins().GetHead()->IsSelect());
    EXPECT_EQ(part.Texts().GetTail()->GetFont(), part0.Texts().GetTail()->GetFont());

    // Written again, the sheet gives the same bytes.
    EXPECT_EQ(Written(back), bytes);
}

TEST_F(SheetIoTest, RecordsGoToTheListTheirTypeSelectsAndAddToTheSheet)
{
    // Written by hand: a bus and a plain line in the wire list, a wire of
    // kind 3 in the bus list.
    CArchive ar;
    ar << int32_t(3) << int32_t(1234);
    ar << int32_t(2);
    rec::PutLine(ar, 8, 2, CPoint(0, 0), CPoint(10, 0));
    rec::PutLine(ar, 8, 1, CPoint(0, 5), CPoint(10, 5));
    ar << int32_t(1);
    rec::PutLine(ar, 8, 3, CPoint(0, 9), CPoint(10, 9));
    for (int list = 0; list < 6; ++list)
        ar << int32_t(0);
    ar << int32_t(0);

    CSheet sheet(CSheet::kDrawing);
    sheet.NewJunc(CPoint(1, 1));
    sheet.NewText("old", CPoint(0, 0), 70, 0);
    ReadSheet(ar.Bytes(), sheet);
    EXPECT_EQ(sheet.Buses().GetCount(), 1);
    EXPECT_EQ(sheet.Lines().GetCount(), 1);
    EXPECT_EQ(sheet.Wires().GetCount(), 1);
    EXPECT_EQ(sheet.GetHeadWire()->GetType(), 3u);
    EXPECT_EQ(sheet.GetHeadLine()->GetStartPoint(), CPoint(0, 5));
    // The stored count is not believed: what the sheet had plus what was read.
    EXPECT_EQ(sheet.GetItemCount(), 5u);
    EXPECT_EQ(sheet.GetSheetType(), 3);

    // A read that fails half-way keeps the count of what the sheet holds.
    std::vector<uint8_t> cut = ar.Bytes();
    cut.resize(cut.size() - 30);
    CSheet partial(CSheet::kDrawing);
    partial.NewJunc(CPoint(1, 1));
    CArchive in(cut);
    EXPECT_THROW(partial.DataRead(in, 8), CArchiveException);
    EXPECT_EQ(partial.GetItemCount(), uint32_t(ListSum(partial)));
    EXPECT_EQ(partial.GetItemCount(), 3u);
}

TEST_F(SheetIoTest, EmptyFreeTextsAreDroppedAndOutlinesRecomputed)
{
    CArchive ar;
    ar << int32_t(0) << int32_t(0);
    for (int list = 0; list < 5; ++list)
        ar << int32_t(0);
    ar << int32_t(2);
    rec::PutText(ar, 8, RecText("", CPoint(5, 5)));
    rec::PutText(ar, 8, RecText("&NAME&NAME", CPoint(5, 5))); // an old self-shown property
    ar << int32_t(0) << int32_t(1);
    const rec::Text ref = RecText("U1", CPoint(500, 500));
    rec::PutPartHead(ar, 8, CPoint(0, 0), CPoint(-9, -9), CPoint(-8, -8), 0, 0, 0, 0, nullptr, &ref,
                     nullptr);
    ar << int32_t(0) << int32_t(1);
    rec::PutLine(ar, 8, 1, CPoint(0, 0), CPoint(300, 200));
    ar << int32_t(0) << int32_t(3);
    rec::PutText(ar, 8, RecText("", CPoint(5, 5)));
    rec::PutText(ar, 8, RecText("x{VIREO:SIZE}", CPoint(5, 5)));
    rec::PutText(ar, 8, RecText("kept", CPoint(5, 5)));
    ar << int32_t(0);

    CSheet sheet;
    ReadSheet(ar.Bytes(), sheet);
    ASSERT_EQ(sheet.Texts().GetCount(), 1);
    EXPECT_EQ(sheet.GetHeadText()->GetName(), "&NAME&NAME&");
    const CPart& part = *sheet.GetHeadPart();
    ASSERT_EQ(part.Texts().GetCount(), 1);
    EXPECT_EQ(part.Texts().GetHead()->GetName(), "kept");
    CPart expected = part;
    expected.CalcBoundRect(1);
    EXPECT_EQ(part.GetCorner1(), expected.GetCorner1());
    EXPECT_EQ(part.GetCorner2(), expected.GetCorner2());
    EXPECT_LE(part.GetCorner1().x, 0);
    EXPECT_GE(part.GetCorner2().y, 500);
}

TEST_F(SheetIoTest, OlderRecordsReadWithTheirVersionAndTheSheetEnd)
{
    // Version 7: no closing 0 is read after the parts; plain lines carry
    // text flags and arrows.
    CArchive ar;
    ar << int32_t(0) << int32_t(0) << int32_t(0) << int32_t(0) << int32_t(1);
    rec::PutLine(ar, 7, 1, CPoint(0, 0), CPoint(10, 0), nullptr, 10, 20);
    for (int list = 0; list < 5; ++list)
        ar << int32_t(0);
    CSheet sheet;
    ReadSheet(ar.Bytes(), sheet, 7);
    EXPECT_EQ(sheet.GetHeadLine()->GetEndArrow(), 200);

    // Version 5: plain lines are type and points only.
    CArchive old;
    old << int32_t(0) << int32_t(0) << int32_t(0) << int32_t(0) << int32_t(2);
    rec::PutLine(old, 5, 1, CPoint(0, 0), CPoint(10, 0));
    rec::PutLine(old, 5, 1, CPoint(0, 7), CPoint(10, 7));
    for (int list = 0; list < 5; ++list)
        old << int32_t(0);
    CSheet older;
    ReadSheet(old.Bytes(), older, 5);
    ASSERT_EQ(older.Lines().GetCount(), 2);
    EXPECT_EQ(older.Lines().GetTail()->GetStartPoint(), CPoint(0, 7));
}

// --- text form -------------------------------------------------------------------------------

TEST_F(SheetIoTest, TextFormWritesKindsInOrderAndReadsBackStable)
{
    CSheet sheet;
    sheet.NewPart(CPart(CPoint(1, 2), CPoint(3, 4), CPoint(5, 6), 0, 0, 0, 0));
    sheet.NewArc(CPoint(7, 8), 9, 0, 90, 0, 8);
    sheet.NewText("t", CPoint(1, 1), 70, 0);
    sheet.NewPin(CPoint(0, 0), CPoint(300, 0), 0);
    sheet.NewJunc(CPoint(2, 2));
    sheet.NewLine(CPoint(0, 0), CPoint(1, 0));
    sheet.NewBus(CPoint(0, 0), CPoint(2, 0));
    sheet.NewWire(CPoint(0, 0), CPoint(3, 0));
    EXPECT_EQ(TextOf(sheet), "Line 0 0 3 0 8 0 0 0\n"
                             "Line 0 0 2 0 8 2 0 0\n"
                             "Line 0 0 1 0 8 1 0 0\n"
                             "Junc 2 2\n"
                             "Pin 0 0 300 0 0\n"
                             "Text \"t\" 1 1 70 8\n"
                             "Arc 7 8 9 0 90 8 0 0 0\n"
                             "Part 1 2 3 4 5 6 0 0 0 0\n"
                             "PartEnd\n");

    // A full sheet: text -> sheet -> text gives the same text, and the
    // sample (written by hand) reads back into itself.
    CSheet full;
    FillSheet(full);
    const std::string once = TextOf(full);
    CSheet back;
    ReadText(once, back);
    EXPECT_EQ(back.GetItemCount(), full.GetItemCount());
    // Free texts come back displayed; the pin's hidden bit is its own.
    EXPECT_EQ(TextOf(back), once);

    CSheet sample;
    ReadText(SampleTextForm(), sample);
    const SampleCounts n = SampleTextFormCounts();
    EXPECT_EQ(sample.Wires().GetCount(), n.wires);
    EXPECT_EQ(sample.Buses().GetCount(), n.buses);
    EXPECT_EQ(sample.Lines().GetCount(), n.lines);
    EXPECT_EQ(sample.Juncs().GetCount(), n.juncs);
    EXPECT_EQ(sample.Pins().GetCount(), n.pins);
    EXPECT_EQ(sample.Texts().GetCount(), n.texts);
    EXPECT_EQ(sample.Arcs().GetCount(), n.arcs);
    EXPECT_EQ(sample.Parts().GetCount(), n.parts);
    EXPECT_EQ(TextOf(sample), SampleTextForm());
}

TEST_F(SheetIoTest, TextFormKeepsTheRecordsAfterALineBreakInAName)
{
    // A wire name with a raw line break, as a binary file may hold it, used
    // to end its record: the arc and the part after it came back as free texts.
    CSheet sheet;
    CLine* wire = sheet.NewWire(CPoint(0, 0), CPoint(1000, 0));
    wire->GetNameText().SetName("N\r\n1", CPoint(10, 20), 70, 8);
    sheet.NewArc(CPoint(7, 8), 9, 0, 90, 0, 8);
    CPart part(CPoint(0, 0), CPoint(0, 0), CPoint(0, 0), 0, 0, 0, 0);
    part.SetRefName("R\n1");
    sheet.NewPart(part);

    CSheet back;
    ReadText(TextOf(sheet), back);
    EXPECT_EQ(back.Texts().GetCount(), 0);
    EXPECT_EQ(back.Arcs().GetCount(), 1);
    ASSERT_EQ(back.Parts().GetCount(), 1);
    EXPECT_EQ(back.GetHeadWire()->GetName(), "N\\n1");  // the break as a text shows it
    EXPECT_EQ(back.GetHeadPart()->GetRefName(), "R\\n1");

    // A NUL byte cannot be written at all; the writer refuses.
    CSheet nul;
    nul.NewText(CText(CString("A\0B", 3), CPoint(0, 0), 70, 8));
    CArchive out;
    EXPECT_THROW(nul.SerializeText(out), CArchiveException);
}

TEST_F(SheetIoTest, TextFormRecomputesPartOutlines)
{
    CSheet sheet;
    ReadText("Part 0 0 5 5 6 6 0 0 0 0\n"
             "Line 0 0 400 0 8 1 0 0\n"
             "Pin 0 0 -300 0 16\n"
             "No \"1\" -50 0 70 10\n"
             "PartEnd\n",
             sheet);
    ASSERT_EQ(sheet.Parts().GetCount(), 1);
    CPart part = *sheet.GetHeadPart();
    const CPoint c1 = part.GetCorner1(), c2 = part.GetCorner2();
    part.CalcBoundRect(1);
    EXPECT_EQ(c1, part.GetCorner1());
    EXPECT_EQ(c2, part.GetCorner2());
    // The stroke, the dot (112 wide about the body end) and the number count.
    EXPECT_EQ(c1.x, -306);
    EXPECT_EQ(c2.x, 408);
    EXPECT_EQ(c1.y, -56);
}

TEST_F(SheetIoTest, TextFormKeywordsAndTheCurrentItem)
{
    CSheet sheet;
    ReadText("Name \"nothing to name yet\" 0 0 70 8\n"
             "  line 0 0 100 0 8 0 0 0\n"
             "\tNAME \"N1\" 10 10 70 8\n"
             "netindex \"X1\" 10 30 70 8\n"
             "PIN 0 0 300 0 1\n"
             "name \"A\" 5 5 70 8\n"
             "no \"7\" 6 6 70 8\n"
             "Part 0 0 0 0 0 0 1 1 0 0\n"
             "Name \"74HC04\" 1 1 70 8\n"
             "ref \"U1\" 2 2 70 8\n"
             "VAL \"INV\" 3 3 70 8\n"
             "Pin 0 0 0 300 2\n"
             "Name \"Y\" 4 4 70 8\n"
             "Line 0 0 50 50 8 1 0 0\n"
             "Arc 0 0 10 0 0 8 0 0 0\n"
             "Text \"&PCB&DIP\" 0 0 70 32776\n"
             "Text \"\" 0 0 70 8\n"
             "partend\n"
             "Junc 1 1\n"
             "Text \"hidden\" 9 9 70 32776\n"
             "Arc 0 0 20 0 0 8 0 0 0\n",
             sheet);
    ASSERT_EQ(sheet.Wires().GetCount(), 1);
    const CLine& wire = *sheet.GetHeadWire();
    EXPECT_EQ(wire.GetName(), "N1");
    EXPECT_EQ(wire.GetCrossName(), "X1");
    EXPECT_EQ(wire.GetStartCheck(), 1); // lines read are marked whole
    EXPECT_EQ(wire.GetEndCheck(), 1);
    ASSERT_EQ(sheet.Pins().GetCount(), 1);
    EXPECT_EQ(sheet.GetHeadPin()->GetName(), "A");
    EXPECT_EQ(sheet.GetHeadPin()->GetNo(), "7");
    EXPECT_EQ(sheet.GetHeadPin()->GetNameText().GetPoint(), CPoint(5, 5));

    ASSERT_EQ(sheet.Parts().GetCount(), 1);
    CPart& part = *sheet.GetHeadPart();
    EXPECT_EQ(part.GetPartName(), "74HC04");
    EXPECT_EQ(part.GetRefName(), "U1");
    EXPECT_EQ(part.GetValName(), "INV");
    ASSERT_EQ(part.GetPinCount(), 1);
    EXPECT_EQ(part.Pins().GetHead()->GetName(), "Y");
    EXPECT_EQ(part.Lines().GetCount(), 1);
    EXPECT_EQ(part.Arcs().GetCount(), 1);
    ASSERT_EQ(part.Texts().GetCount(), 1);          // the empty text is dropped
    EXPECT_FALSE(part.Texts().GetHead()->IsDisp()); // part texts keep their display bit

    EXPECT_EQ(sheet.Juncs().GetCount(), 1);
    ASSERT_EQ(sheet.Texts().GetCount(), 1);
    EXPECT_TRUE(sheet.GetHeadText()->IsDisp()); // free texts are shown
    EXPECT_EQ(sheet.Arcs().GetCount(), 1);
    EXPECT_EQ(sheet.GetItemCount(), 6u);
}

TEST_F(SheetIoTest, TextFormTextsWithTheirOwnFont)
{
    CSheet sheet;
    CText text = OwnFontText("Fonted", CPoint(10, 20), 90, 8);
    sheet.NewText(text);
    const std::string out = TextOf(sheet);
    EXPECT_EQ(out, "Text \"Fonted\" 10 20 90 8200\n"
                   "Font \"Courier\" 0 0 0 700 2 128 0 0 0 32\n");
    CSheet back;
    ReadText(out, back);
    ASSERT_EQ(back.Texts().GetCount(), 1);
    EXPECT_EQ(back.GetHeadText()->GetFont(), text.GetFont());
    EXPECT_EQ(*back.GetHeadText(), text);

    // A font line goes to the text read last, and only to one with the bit.
    CSheet more;
    ReadText("Line 0 0 1 0 8 1 0 0\n"
             "Name \"label\" 0 0 50 8192\n"
             "Font \"Arial\" 1 2 3 4 7 5 6 7 8 9\n"
             "Text \"plain\" 0 0 70 8\n"
             "Font \"Arial\" 1 2 3 4 7 5 6 7 8 9\n"
             "Text \"long face\" 0 0 70 8192\n"
             "Font \"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"
             "\x82\xA0"
             "Z\" 0 0 0 0 0 0 0 0 0 0\n",
             more);
    const LOGFONT& label = more.GetHeadLine()->GetNameText().GetFont();
    EXPECT_EQ(label.FaceName(), "Arial");
    EXPECT_EQ(label.lfEscapement, 2);
    EXPECT_EQ(label.lfStrikeOut, 1);
    EXPECT_EQ(label.lfPitchAndFamily, 9);
    EXPECT_EQ(label.lfHeight, -50);
    ASSERT_EQ(more.Texts().GetCount(), 2);
    EXPECT_EQ(more.GetHeadText()->GetFont(), LOGFONT());
    // A face too long for the field is cut before the double-byte character.
    EXPECT_EQ(more.GetLastText()->GetFont().FaceName(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123");
}

TEST_F(SheetIoTest, TextFilesBecomeStackedTexts)
{
    CSheet plain;
    ReadText("\nHello\n\nWorld\nLine 0 0 1 0 8 0 0 0\n", plain);
    EXPECT_EQ(plain.Wires().GetCount(), 0);
    auto texts = Items(plain.Texts());
    ASSERT_EQ(texts.size(), 3u);
    // The leading empty line moves by nothing; then one grid per line.
    EXPECT_EQ(texts[0]->GetName(), "Hello");
    EXPECT_EQ(texts[0]->GetPoint(), CPoint(0, 0));
    EXPECT_EQ(texts[0]->GetSize(), 70);
    EXPECT_EQ(texts[0]->GetAngle(), CText::kDefaultAttr);
    EXPECT_EQ(texts[1]->GetPoint(), CPoint(0, -200));
    EXPECT_EQ(texts[2]->GetName(), "Line 0 0 1 0 8 0 0 0"); // records no longer count
    EXPECT_EQ(texts[2]->GetPoint(), CPoint(0, -300));

    // Records first, then the first other line ends them.
    Profile().WriteInt("Default", "Text Height", 150);
    Profile().WriteInt("Sheet", "MainGrid", 60);
    CSheet mixed;
    ReadText("Junc 5 5\nremark\n  \nJunc 6 6\n", mixed);
    EXPECT_EQ(mixed.Juncs().GetCount(), 1);
    texts = Items(mixed.Texts());
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0]->GetSize(), 150);
    // Three grids of 60 reach the size 150.
    EXPECT_EQ(texts[1]->GetName(), "  ");
    EXPECT_EQ(texts[1]->GetPoint(), CPoint(0, -180));
    EXPECT_EQ(texts[2]->GetPoint(), CPoint(0, -360));

    // A grid setting of zero or less cannot stop the stacking from moving on.
    Profile().WriteInt("Sheet", "MainGrid", -5);
    CSheet odd;
    ReadText("a\nb\n", odd);
    EXPECT_EQ(odd.GetLastText()->GetPoint(), CPoint(0, -150));
}

TEST_F(SheetIoTest, TextFormTakesAnyBytesAndClampsNumbers)
{
    CSheet sheet;
    ReadText("Line 99999999999 -99999999999 0 0 99999999999 7 -99999999999 5\n"
             "Name \"N\" 99999999999 0 99999999999 99999999999\n"
             "Pin 99999999999 0 0 0 0\n"
             "Junc -99999999999 1\n"
             "Arc 0 0 99999999999 -99999999999 99999999999 0 0 0 0\n"
             "Part 99999999999 0 0 0 0 0 99999999999 0 0 0\n"
             "PartEnd\n"
             "Text \"T\" 0 0 -99999999999 -1\n",
             sheet);
    const CLine& line = *sheet.GetHeadWire(); // type 7: kind 3, a wire
    EXPECT_EQ(line.GetStartPoint(), CPoint(kMaxCoord, -kMaxCoord));
    EXPECT_EQ(line.GetLineWidth(), kMaxCoord);
    EXPECT_EQ(line.GetStartArrow(), -kMaxCoord);
    EXPECT_EQ(line.GetNameText().GetPoint(), CPoint(kMaxCoord, 0));
    EXPECT_EQ(line.GetNameText().GetSize(), kMaxCoord);
    EXPECT_EQ(line.GetNameText().GetAngle(), 0x7FFFFFFFu);
    EXPECT_EQ(sheet.GetHeadPin()->GetStartPoint(), CPoint(kMaxCoord, 0));
    EXPECT_EQ(sheet.Juncs().GetHead()->GetPoint(), CPoint(-kMaxCoord, 1));
    EXPECT_EQ(sheet.Arcs().GetHead()->GetRadial(), kMaxCoord);
    EXPECT_EQ(sheet.GetHeadPart()->GetOrg(), CPoint(kMaxCoord, 0));
    EXPECT_EQ(sheet.GetHeadPart()->GetPackageMax(), INT32_MAX);
    EXPECT_EQ(sheet.GetHeadText()->GetSize(), -kMaxCoord);
    EXPECT_EQ(sheet.GetHeadText()->GetAngle(),
              0xFFFFFFFFu & ~CText::kHidden); // free texts are shown

    // A long multi-line text at the largest size stays within the range.
    std::string many = "Text \"";
    for (int i = 0; i < 50; ++i)
        many += "WWWWWWWWWW\\n";
    many += "\" 268435456 -268435456 268435456 459528\n"; // frame 7, 270 degrees
    CSheet big;
    ReadText(many, big);
    const CRect r = big.GetHeadText()->GetBoundingRect();
    EXPECT_GE(r.Width(), 0);
    EXPECT_GE(r.Height(), 0);

    // Bytes of every value, NULs and lone CRs included.
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 131 + 7) % 256);
    CSheet noise;
    ReadText(junk, noise);
    ReadText("Part 1 2\nPin 0 0 1 1 1\nName \"unterminated\nNo \nFont \"\nText \"\"\"\n", noise);
}

TEST_F(SheetIoTest, PinsAtTheEdgeOfTheRangeStoreAndReadBack)
{
    // A pin whose body lies on the edge places its texts beside it; a name
    // line without numbers keeps that place, which must still be storable.
    CSheet sheet;
    ReadText("Pin 268435456 0 0 0 0\nName unquoted\nNo \"1\"\n", sheet);
    ASSERT_EQ(sheet.Pins().GetCount(), 1);
    EXPECT_TRUE(IsCoordInRange(sheet.GetHeadPin()->GetNameText().GetPoint()));
    EXPECT_TRUE(IsCoordInRange(sheet.GetHeadPin()->GetNoText().GetPoint()));
    CArchive out;
    sheet.DataWrite(out);
    CArchive in(out.Bytes());
    CSheet back;
    EXPECT_NO_THROW(back.DataRead(in, 8));
    EXPECT_EQ(back.Pins().GetCount(), 1);
}

// --- line reader -----------------------------------------------------------------------------

TEST(CSheetSerazileSub, LineEndsAndTheEndOfInput)
{
    const std::string input = std::string("ab\ncd\r\nef\rgh\r\n\nij") + '\0' + "never";
    CArchive ar(std::vector<uint8_t>(input.begin(), input.end()));
    std::vector<char> buffer(input.size() + 1);
    bool end = false;
    std::vector<std::pair<int, std::string>> got;
    for (int n; (n = CSheet::SerazileSub(ar, buffer.data(), end)) > 0;)
        got.emplace_back(n, buffer.data());
    const std::vector<std::pair<int, std::string>> expected = {{3, "ab"}, {3, "cd"}, {3, "ef"},
                                                               {3, "gh"}, {1, ""},   {3, "ij"}};
    EXPECT_EQ(got, expected); // a lone CR ends a line without eating the next byte
    EXPECT_TRUE(end);
    EXPECT_EQ(CSheet::SerazileSub(ar, buffer.data(), end), 0);

    // The end of the input after a line feed: no empty last line.
    const std::string tail = "x\n";
    CArchive t(std::vector<uint8_t>(tail.begin(), tail.end()));
    end = false;
    EXPECT_EQ(CSheet::SerazileSub(t, buffer.data(), end), 2);
    EXPECT_FALSE(end);
    EXPECT_EQ(CSheet::SerazileSub(t, buffer.data(), end), 0);
    EXPECT_TRUE(end);

    // A last line without its line feed still counts.
    const std::string last = "y";
    CArchive l(std::vector<uint8_t>(last.begin(), last.end()));
    end = false;
    EXPECT_EQ(CSheet::SerazileSub(l, buffer.data(), end), 2);
    EXPECT_STREQ(buffer.data(), "y");
    EXPECT_TRUE(end);
    EXPECT_EQ(CSheet::SerazileSub(l, buffer.data(), end), 0);
}

// --- undo support ------------------------------------------------------------------------------

TEST_F(SheetIoTest, ItemTailMovesTheNewestItemsLastFirst)
{
    CSheet sheet;
    CText* first = nullptr;
    for (int i = 0; i < 3; ++i) {
        CText* t = sheet.NewText(CString::Formatted("t%d", i).c_str(), CPoint(i, 0), 70, 0);
        if (i == 0)
            first = t;
        sheet.NewWire(CPoint(i, 0), CPoint(i, 10));
        sheet.NewJunc(CPoint(i, i));
    }
    sheet.NewBus(CPoint(0, 0), CPoint(5, 0));
    // A copy of the first text: the newest must go, not the first equal one.
    sheet.NewText(*first);
    CSheet dest;
    const int counts[9] = {5, 2, 1, 0, 0, 0, 0, 5, 1};
    sheet.GetItemTail(counts, dest);

    EXPECT_EQ(sheet.GetItemCount(), 11u - 5u);
    auto texts = Items(sheet.Texts());
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], first);
    EXPECT_EQ(texts[1]->GetName(), "t1");
    EXPECT_EQ(sheet.Juncs().GetCount(), 2);
    EXPECT_EQ(sheet.Buses().GetCount(), 0); // asked for 5, there was 1
    EXPECT_EQ(sheet.Wires().GetCount(), 2);

    auto moved = Items(dest.Texts());
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_EQ(moved[0]->GetName(), "t0"); // the newest first
    EXPECT_EQ(moved[1]->GetName(), "t2");
    EXPECT_EQ(dest.Juncs().GetHead()->GetPoint(), CPoint(2, 2));
    EXPECT_EQ(dest.GetHeadWire()->GetStartPoint(), CPoint(2, 0));
    EXPECT_EQ(dest.Buses().GetCount(), 1);
    EXPECT_EQ(dest.GetItemCount(), 5u);

    // The count never drops below zero.
    const int all[9] = {100, 0, 0, 0, 0, 0, 0, 0, -3};
    sheet.GetItemTail(all, dest);
    EXPECT_EQ(sheet.GetItemCount(), 0u);
    EXPECT_EQ(sheet.Wires().GetCount(), 2);
}

// --- limits the readers rely on ------------------------------------------------------------------

TEST(ReaderLimits, TextRectanglesStayInRangeAtTheLargestValues)
{
    // Widths are bounded however long the string.
    EXPECT_EQ(TextMetrics().TextWidth(CString('W', 100000), kMaxCoord, nullptr), kMaxCoord);
    EXPECT_EQ(TextMetrics().TextWidth(CString('W', 100000), -kMaxCoord, nullptr), -kMaxCoord);
    EXPECT_LE(TextMetrics().Height(INT32_MAX, nullptr), 2 * kMaxCoord);

    std::string lines;
    for (int i = 0; i < 20; ++i)
        lines += "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW\\n";
    const CString text(lines);
    for (uint32_t direction : {0x000u, 0x100u, 0x200u, 0x300u, 0x380u})
        for (uint32_t org : {0u, 2u, 6u, 8u, 10u, 14u, 24u, 26u, 30u})
            for (uint32_t frame : {0u, 1u, 3u, 4u, 5u, 7u, 13u, 14u, 31u})
                for (int size : {kMaxCoord, -kMaxCoord})
                    for (CPoint p :
                         {CPoint(kMaxCoord, kMaxCoord), CPoint(-kMaxCoord, -kMaxCoord)}) {
                        const CText t(text, p, size,
                                      direction | org | (frame << CText::kFrameShift));
                        for (const CRect& r : {t.GetTextBoundingRect(), t.GetFrameBoundingRect()}) {
                            EXPECT_GE(r.left, -kMaxExtent);
                            EXPECT_LE(r.right, kMaxExtent);
                            EXPECT_GE(r.top, -kMaxExtent);
                            EXPECT_LE(r.bottom, kMaxExtent);
                        }
                    }
}
