// Item drawing through the recording device: what each item puts on a CDC,
// with expectations worked out by hand from the item geometry (text metrics:
// ascent 0.905 em, descent 0.212 em, so at size 70 ascent 63, descent 15).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/recordingdc.h"
#include "export/drawcontext.h"
#include "export/itemgeometry.h"
#include "items/arc.h"
#include "items/junc.h"
#include "items/line.h"
#include "items/part.h"
#include "items/pin.h"
#include "items/text.h"
#include "sheet/sheet.h"

namespace {

using Records = std::vector<std::string>;

Records Draw(const CText& t, CDrawContext ctx = {}, bool printing = false)
{
    CRecordingDC dc;
    dc.SetPrinting(printing);
    ctx.output = printing ? CDrawContext::Output::Print : CDrawContext::Output::Screen;
    t.DrawTextA(dc, ctx);
    return dc.Records();
}

std::string Kinds(const Records& records)
{
    std::string out;
    for (const std::string& r : records)
        out += r.substr(0, r.find(' ')) + ";";
    return out;
}

} // namespace

TEST(Render, LinesTakeTheCallersPenUnlessTheyNeedTheirOwn)
{
    CDrawContext ctx;
    CRecordingDC dc;
    dc.SelectPen(CPen{PS_SOLID, 8, RGB(1, 2, 3)});

    CLine wire(CPoint(0, 0), CPoint(1000, 0), CLine::kWire);
    wire.DrawLine(dc, ctx);
    CLine power(CPoint(0, 0), CPoint(1000, 0), CLine::kWire | CLine::kPower);
    power.SetLineWidth(16);
    power.DrawLine(dc, ctx);
    CLine dashed(CPoint(0, 0), CPoint(0, 500), CLine::kPlain | (2u << CLine::kStyleShift));
    dashed.DrawLine(dc, ctx);
    CLine lit(CPoint(0, 0), CPoint(100, 0), CLine::kBus | CLine::kHighlight);
    lit.SetLineWidth(24);
    lit.DrawLine(dc, ctx);

    const COLORREF wireColor = ctx.Color(colorindex::kWire);
    char own[64];
    std::snprintf(own, sizeof own, "pen=0/16/#%02X%02X%02X", GetRValue(wireColor),
                  GetGValue(wireColor), GetBValue(wireColor));
    const Records expected = {
        "MoveTo 0 0",
        "LineTo 1000 0 pen=0/8/#010203",
        "MoveTo 0 0",
        std::string("LineTo 1000 0 ") + own,
        // Dash code 2 (dashed) is pen style 1, always one device pixel wide.
        "MoveTo 0 0",
        "LineTo 0 500 pen=1/0/#010203",
        "MoveTo 0 0",
        "LineTo 100 0 pen=0/24/#FF00FF",
    };
    EXPECT_EQ(dc.Records(), expected);
    EXPECT_EQ(dc.GetCurrentPen(), (CPen{PS_SOLID, 8, RGB(1, 2, 3)})); // put back
}

TEST(Render, ArrowHeadsAreStrokesAtFifteenDegrees)
{
    CLine line(CPoint(0, 0), CPoint(1000, 0), CLine::kPlain);
    line.SetArrow(0, 100);
    // From the end into the line (180 degrees) +-15: 100 cos 195 = -96.59,
    // 100 sin 195 = -25.88, truncated.
    const std::vector<CSegment> expected = {{CPoint(1000, 0), CPoint(904, -25)},
                                            {CPoint(1000, 0), CPoint(904, 25)}};
    EXPECT_EQ(LineArrowStrokes(line), expected);
    const std::vector<CPoint> filled = {CPoint(930, 0), CPoint(904, -25), CPoint(1000, 0),
                                        CPoint(904, 25)};
    EXPECT_EQ(ArrowPolygon(CPoint(1000, 0), CPoint(0, 0), 100), filled);

    CRecordingDC dc;
    line.DrawLine(dc, CDrawContext());
    EXPECT_EQ(Kinds(dc.Records()), "MoveTo;LineTo;MoveTo;LineTo;MoveTo;LineTo;");
    EXPECT_EQ(dc.Records()[3], "LineTo 904 -25 pen=0/0/#000000");
}

TEST(Render, ArcsJunctionsAndPinMarks)
{
    CDrawContext ctx;
    CRecordingDC dc;
    CArc arc(CPoint(0, 0), 100, 0, 90);
    arc.DrawArc(dc, ctx);
    CArc pie(CPoint(0, 0), 100, 90, 180, CArc::kFilled);
    pie.DrawArc(dc, ctx);
    CJunc(CPoint(50, 50)).DrawJunc(dc);
    EXPECT_EQ(dc.Records(),
              (Records{"Arc -100 100 100 -100 100 0 0 100 pen=0/0/#000000 ccw",
                       "Pie -100 100 100 -100 0 100 -100 0 pen=0/0/#000000 brush=#000000",
                       "Ellipse 30 30 70 70 pen=0/0/#000000 brush=#000000"}));

    // Clock wedge with its apex 35 inside the symbol, dot of diameter 50
    // touching the body end, stroke from the dot's far side.
    CPin pin(CPoint(0, 0), CPoint(300, 0), CPin::kClock | CPin::kDot | CPin::kOpenMark);
    dc.Clear();
    pin.DrawPin(dc, ctx);
    pin.DrawPinX(dc);
    EXPECT_EQ(
        dc.Records(),
        (Records{"MoveTo 0 -35", "LineTo -35 0 pen=0/0/#000000", "LineTo 0 35 pen=0/0/#000000",
                 "Ellipse 0 25 50 -25 pen=0/0/#000000 brush=#000000", "FocusRect 0 25 50 -25",
                 "MoveTo 50 0", "LineTo 300 0 pen=0/0/#000000", "MoveTo 275 -25",
                 "LineTo 325 25 pen=0/0/#000000", "MoveTo 275 25",
                 "LineTo 325 -25 pen=0/0/#000000"}));
    const CPinGeometry down = PinGeometry(CPin(CPoint(0, 0), CPoint(0, -300), CPin::kClock));
    EXPECT_EQ(down.wedge[1], CPoint(0, 35)); // the symbol lies above a pin pointing down

    // A hidden pin draws nothing at all, not even its number or its cross.
    CPin hidden(CPoint(0, 0), CPoint(300, 0), CPin::kHidden | CPin::kOpenMark);
    hidden.SetNo("1");
    dc.Clear();
    hidden.DrawPin(dc, ctx);
    hidden.DrawPinNo(dc, ctx);
    hidden.DrawPinX(dc);
    EXPECT_TRUE(dc.Records().empty());
}

TEST(Render, TextLinesAnchorsOverbarsAndFonts)
{
    // Bottom-left anchor: baseline one descent above the anchor; "~RST~"
    // draws RST with a bar along the ascent line over its 140 units.
    EXPECT_EQ(Draw(CText("~RST~", CPoint(0, 0), 70, 8)),
              (Records{"TextOut 0 15 \"RST\" align=24 color=#000000 esc=0 height=-70",
                       "MoveTo 0 78", "LineTo 140 78 pen=0/4/#000000"}));
    // "A~B": the bar over B only (A is 47 wide, AB 93).
    EXPECT_EQ(Draw(CText("A~B", CPoint(0, 0), 70, 8))[2], "LineTo 93 78 pen=0/4/#000000");
    EXPECT_EQ(Draw(CText("A~B", CPoint(0, 0), 70, 8))[1], "MoveTo 47 78");

    // Two lines at 90 degrees, centre anchor: the second line one size
    // further in +x; the baseline offset (-39 + 15) turned.
    EXPECT_EQ(Draw(CText("A\\nB", CPoint(100, 200), 70, 0x100 | 30)),
              (Records{"TextOut 124 200 \"A\" align=30 color=#000000 esc=2700 height=-70",
                       "TextOut 194 200 \"B\" align=30 color=#000000 esc=2700 height=-70"}));
    // Top-right anchor at 180 degrees: baseline one ascent below in the
    // text's frame, that is above on the sheet.
    EXPECT_EQ(Draw(CText("X", CPoint(0, 0), 70, 0x200 | 2))[0],
              "TextOut 0 63 \"X\" align=26 color=#000000 esc=1800 height=-70");

    // "\\" is one backslash; trail bytes that look like '~' are no markers.
    EXPECT_EQ(Draw(CText("a\\\\b\x83\x7E", CPoint(0, 0), 70, 8)).size(), 1u);

    // Japanese text switches to the Japanese face and character set.
    const CText kanji("\x8A\xBF", CPoint(0, 0), 70, 8);
    const LOGFONT jf = kanji.CreateFontA(CDrawContext(), false, 0);
    EXPECT_EQ(jf.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(jf.FaceName(), DefaultJapaneseFace());
    EXPECT_EQ(jf.lfClipPrecision, CLIP_LH_ANGLES);
    const LOGFONT af = CText("A", CPoint(0, 0), 50, 8).CreateFontA(CDrawContext(), false, 0);
    EXPECT_EQ(af.FaceName(), CString("Arial"));
    EXPECT_EQ(af.lfHeight, -50);

    // Not printed: struck out on the screen, left out on paper unless the
    // printer setting asks for it; hidden and empty texts draw nothing.
    CText noPrint("N", CPoint(0, 0), 70, 8);
    noPrint.Print(false);
    EXPECT_NE(Draw(noPrint)[0].find(" strike"), std::string::npos);
    EXPECT_TRUE(Draw(noPrint, {}, true).empty());
    CDrawContext hide;
    hide.printHidden = true;
    EXPECT_EQ(Draw(noPrint, hide, true).size(), 1u);
    CText hidden("H", CPoint(0, 0), 70, 8);
    hidden.Disp(false);
    EXPECT_TRUE(Draw(hidden).empty());
    EXPECT_TRUE(Draw(CText("", CPoint(0, 0), 70, 8)).empty());

    // A framed text stands 4 units clearer of its frame: up for a bottom
    // anchor, down for a top one (turned with the text).
    EXPECT_EQ(Draw(CText("F", CPoint(0, 0), 70, 8 | (11u << CText::kFrameShift)))[0],
              "TextOut 0 19 \"F\" align=24 color=#000000 esc=0 height=-70");
    EXPECT_EQ(Draw(CText("F", CPoint(0, 0), 70, 0x100 | (1u << CText::kFrameShift)))[0],
              "TextOut 67 0 \"F\" align=24 color=#000000 esc=2700 height=-70");
    // An own single-byte face gives way to the Japanese one for Japanese
    // characters, keeping its weight.
    CText ownFace("\x8A\xBF", CPoint(0, 0), 70, 8 | 0x2000);
    LOGFONT arialBold;
    arialBold.lfWeight = 700;
    arialBold.SetFaceName("Arial");
    ownFace.SetFont(arialBold);
    const LOGFONT of = ownFace.CreateFontA(CDrawContext(), false, 0);
    EXPECT_EQ(of.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(of.FaceName(), DefaultJapaneseFace());
    EXPECT_EQ(of.lfWeight, 700);

    // Metafile players with the quarter-turn fault get the other escapement.
    CDrawContext bug;
    bug.emfTextBug = true;
    EXPECT_NE(Draw(CText("V", CPoint(0, 0), 70, 0x108), bug)[0].find("esc=900"), std::string::npos);
}

TEST(Render, FrameShapes)
{
    const CRect r(0, 0, 400, 100);
    EXPECT_EQ(FrameOutline(r, 1, 0),
              (std::vector<CPolyline>{
                  {CPoint(0, 0), CPoint(400, 0), CPoint(400, 100), CPoint(0, 100), CPoint(0, 0)}}));
    // Kind 2: two more lines 8 inside the ends across the text.
    EXPECT_EQ(FrameOutline(r, 2, 0)[1], (CPolyline{CPoint(8, 0), CPoint(8, 100)}));
    EXPECT_EQ(FrameOutline(r, 2, 0x100)[1], (CPolyline{CPoint(400, 8), CPoint(0, 8)}));
    // Kind 3: the long sides shortened by 64, joined at the middles.
    EXPECT_EQ(FrameOutline(r, 3, 0)[0][0], CPoint(64, 0));
    EXPECT_EQ(FrameOutline(r, 3, 0)[0][2], CPoint(400, 50));
    // Kind 11: the side under the text for each direction; 12 adds one 8 inside.
    EXPECT_EQ(FrameOutline(r, 11, 0)[0], (CPolyline{CPoint(0, 0), CPoint(400, 0)}));
    EXPECT_EQ(FrameOutline(r, 11, 0x100)[0], (CPolyline{CPoint(400, 0), CPoint(400, 100)}));
    EXPECT_EQ(FrameOutline(r, 11, 0x200)[0], (CPolyline{CPoint(400, 100), CPoint(0, 100)}));
    EXPECT_EQ(FrameOutline(r, 11, 0x300)[0], (CPolyline{CPoint(0, 100), CPoint(0, 0)}));
    EXPECT_EQ(FrameOutline(r, 12, 0)[1], (CPolyline{CPoint(0, 8), CPoint(400, 8)}));
    EXPECT_TRUE(FrameOutline(r, 0, 0).empty());
    for (int kind = 1; kind <= 14; ++kind)
        for (const CPolyline& line : FrameOutline(r, kind, 0))
            for (const CPoint& p : line)
                EXPECT_TRUE(p.x >= 0 && p.x <= 400 && p.y >= 0 && p.y <= 100) << "kind " << kind;

    // A framed text draws the frame with a pen of width 4 in the text colour.
    CText framed("F", CPoint(0, 0), 70, 8 | (1u << CText::kFrameShift));
    const Records records = Draw(framed);
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[2], "LineTo " + std::to_string(framed.GetFrameBoundingRect().right) + " " +
                              std::to_string(framed.GetFrameBoundingRect().top) +
                              " pen=0/4/#000000");
}

TEST(Render, ColourModes)
{
    CDrawContext ctx;
    ctx.screenColors[1] = RGB(200, 100, 50);
    ctx.screenColors[19] = RGB(255, 0, 0);
    ctx.printColors[1] = RGB(0, 0, 200);
    ctx.SelectSheet(0, false);
    EXPECT_EQ(ctx.Color(1), RGB(200, 100, 50));
    ctx.SelectSheet(0, true); // net highlight: all but the highlight colour dimmed
    EXPECT_EQ(ctx.Color(1), RGB(100, 50, 25));
    EXPECT_EQ(ctx.Color(19), RGB(255, 0, 0));
    ctx.SelectSheet(1, false);
    EXPECT_EQ(ctx.Color(1), ctx.titleColor);
    ctx.background = RGB(0, 0, 0);
    ctx.SelectSheet(2, false);
    EXPECT_EQ(ctx.Color(5), RGB(255, 255, 255));

    ctx.output = CDrawContext::Output::Print;
    ctx.SelectSheet(0, true); // no dimming on paper
    EXPECT_EQ(ctx.Color(1), RGB(0, 0, 0));
    ctx.printInColor = true;
    EXPECT_EQ(ctx.Color(1), RGB(0, 0, 200));
    ctx.SelectSheet(1, false);
    EXPECT_EQ(ctx.Color(1), ctx.printTitleColor);
}

TEST(Render, PartsDrawNamesPinsOutlineAndFrames)
{
    CPart part(CPoint(0, 0), CPoint(0, 0), CPoint(0, 0), 1, 1, 0, 0);
    part.SetRefName("U1", CPoint(0, 300), 8);
    part.NewLine(CPoint(0, 0), CPoint(200, 0), CLine::kPlain);
    part.NewPin(CPoint(200, 100), CPoint(500, 100), 0)->SetNo("1");
    CText frame("&FRAME1&x", CPoint(0, 0), 70, 8);
    frame.Disp(false);
    part.NewText(frame);
    part.CalcBoundRect(1);

    CDrawContext ctx;
    CRecordingDC dc;
    part.DrawPart(dc, ctx);
    // Reference, pin stroke, pin number, outline line, FRAME rectangle.
    EXPECT_EQ(Kinds(dc.Records()),
              "TextOut;MoveTo;LineTo;TextOut;MoveTo;LineTo;MoveTo;LineTo;LineTo;LineTo;LineTo;");

    part.ModifyAttr(0, CPart::kPinsHidden);
    dc.Clear();
    part.DrawPart(dc, ctx);
    EXPECT_EQ(Kinds(dc.Records()), "TextOut;MoveTo;LineTo;MoveTo;LineTo;LineTo;LineTo;LineTo;");
}

TEST(Render, SheetDrawsGroupsInOrderWithTheirColours)
{
    CSheet sheet(CSheet::kDrawing);
    sheet.NewJunc(CPoint(0, 0));
    sheet.NewText("T", CPoint(0, 500), 70, 0);
    sheet.NewLine(CPoint(0, 0), CPoint(0, 100));
    sheet.NewBus(CPoint(0, 0), CPoint(100, 0));
    sheet.NewWire(CPoint(0, 0), CPoint(100, 0));

    CDrawContext ctx;
    CRecordingDC dc;
    sheet.DrawSheet(dc, ctx, true);
    EXPECT_EQ(Kinds(dc.Records()), "MoveTo;LineTo;MoveTo;LineTo;MoveTo;LineTo;TextOut;Ellipse;");
    EXPECT_NE(dc.Records()[1].find("pen=0/8/#008000"), std::string::npos);
    EXPECT_NE(dc.Records()[3].find("pen=0/24/#0000FF"), std::string::npos);

    // Switched-off groups are left out, but a title block shows everything.
    ctx.show.wires = ctx.show.junctions = false;
    dc.Clear();
    sheet.DrawSheet(dc, ctx, true);
    EXPECT_EQ(Kinds(dc.Records()), "MoveTo;LineTo;MoveTo;LineTo;TextOut;");
    sheet.SetSheetType(CSheet::kTitle);
    dc.Clear();
    sheet.DrawSheet(dc, ctx, true);
    EXPECT_EQ(Kinds(dc.Records()), "MoveTo;LineTo;MoveTo;LineTo;MoveTo;LineTo;TextOut;Ellipse;");

    // Printing draws texts in their print form; an empty one draws nothing.
    sheet.SetSheetType(CSheet::kDrawing);
    ctx.output = CDrawContext::Output::Print;
    ctx.printForm = [](const CString& s) { return s == "T" ? CString() : s; };
    dc.Clear();
    sheet.DrawSheet(dc, ctx, true);
    EXPECT_EQ(Kinds(dc.Records()), "MoveTo;LineTo;MoveTo;LineTo;");

    CSheet scratch; // never drawn
    scratch.NewWire(CPoint(0, 0), CPoint(1, 0));
    dc.Clear();
    scratch.DrawSheet(dc, ctx, true);
    EXPECT_TRUE(dc.Records().empty());
}

TEST(Render, UnreadablySmallTextsAreBarsOnTheScreenOnly)
{
    CDrawContext ctx;
    ctx.greekBelow = 71;
    const CText text("ABC", CPoint(1000, 2000), 70, 8);
    const CRect r = text.GetTextBoundingRect().Normalized();
    const int y = r.CenterPoint().y;
    const std::string from = std::to_string(r.left) + " " + std::to_string(y);
    const std::string to = std::to_string(r.right) + " " + std::to_string(y);
    EXPECT_EQ(Draw(text, ctx), (Records{"MoveTo " + from, "LineTo " + to + " pen=0/0/#000000"}));
    // A turned text gets a bar along its length.
    const CText turned("ABC", CPoint(1000, 2000), 70, 0x100 | 8);
    const CRect t = turned.GetTextBoundingRect().Normalized();
    EXPECT_EQ(Draw(turned, ctx)[1], "LineTo " + std::to_string(t.CenterPoint().x) + " " +
                                        std::to_string(t.bottom) + " pen=0/0/#000000");
    // At the threshold, and on paper, the letters are drawn.
    ctx.greekBelow = 70;
    EXPECT_EQ(Kinds(Draw(text, ctx)), "TextOut;");
    ctx.greekBelow = 1000;
    EXPECT_EQ(Kinds(Draw(text, ctx, true)), "TextOut;");
}
