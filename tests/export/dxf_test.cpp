// DXF: the header file, entity text checked by hand, and ezdxf reading what
// we write.
#include <gtest/gtest.h>

#include <string>

#include "export/drawcontext.h"
#include "export/dxf.h"
#include "export/exportsheet.h"
#include "export/itemgeometry.h"
#include "sheet/sheet.h"
#include "support/toolrun.h"

namespace {

std::string Entities(const CSheet& sheet, const CDxfHeader& header = CDxfHeader())
{
    CDxfWriter w;
    sheet.SerializeDXF(w, header.layers, header.marker, CDrawContext());
    return w.Output();
}

} // namespace

TEST(DxfHeader, KeywordsDefaultsAndCopiedLines)
{
    const CDxfHeader defaults = CDxfHeader::Parse("");
    EXPECT_EQ(defaults.layers.title, 15);
    EXPECT_EQ(defaults.layers.wire, 1);
    EXPECT_EQ(defaults.layers.part, 8);
    EXPECT_FALSE(defaults.marker);
    EXPECT_TRUE(defaults.comment);

    const CDxfHeader h = CDxfHeader::Parse(
        "# comment [APOINT] 1\n  [layer] 11 12 13 -14 15 16 17 99999999999\r\n"
        "x[Title]9\n[APOINT] 1\n[cmd999] 0\n[LAYER] junk\n[HEADER]\n  0\n# kept\n");
    EXPECT_EQ(h.layers.wire, 11);
    EXPECT_EQ(h.layers.junc, -14);
    EXPECT_EQ(h.layers.part, INT32_MAX); // clamped, never overflowing
    EXPECT_EQ(h.layers.title, 9);
    EXPECT_TRUE(h.marker);
    EXPECT_FALSE(h.comment);
    EXPECT_EQ(h.lines, (std::vector<CString>{"  0", "# kept"}));

    CDxfHeader shipped;
    ASSERT_TRUE(CDxfHeader::Load(VIREO_DATA_DIR "/DXF_HDR.DAT", shipped));
    EXPECT_EQ(shipped.layers.bus, 2);
    EXPECT_FALSE(shipped.lines.empty());
    EXPECT_FALSE(CDxfHeader::Load("/nonexistent/DXF_HDR.DAT", shipped));
}

TEST(Dxf, EntitiesAsWritten)
{
    CSheet sheet(CSheet::kDrawing);
    sheet.NewWire(CPoint(0, 0), CPoint(1000, 0));
    EXPECT_EQ(Entities(sheet),
              "  0\nLINE\n  8\n1\n 10\n0.0000\n 20\n0.0000\n 11\n1.0000\n 21\n0.0000\n");

    CSheet circle(CSheet::kDrawing);
    circle.NewArc(CPoint(1000, -500), 250, 90, 90, 0, 8);
    EXPECT_EQ(Entities(circle), "  0\nCIRCLE\n  8\n7\n 10\n1.0000\n 20\n-0.5000\n 40\n0.2500\n");

    // Markers before and after each line; junctions get one of scale 0.04.
    CDxfHeader marked = CDxfHeader::Parse("[APOINT] 1\n");
    CSheet junc(CSheet::kDrawing);
    junc.NewJunc(CPoint(100, 200));
    junc.NewWire(CPoint(0, 0), CPoint(1000, 0));
    const std::string out = Entities(junc, marked);
    const std::string insert0 =
        "0\nINSERT\n  8\n0\n  2\n32767\n 10\n0.0000\n 20\n0.0000\n 41\n0.0010\n 42\n0.0010\n";
    EXPECT_EQ(out,
              "0\nINSERT\n  8\n0\n  2\n32767\n 10\n0.1000\n 20\n0.2000\n 41\n0.0400\n 42\n0.0400\n"
              "  0\nCIRCLE\n  8\n4\n 10\n0.1000\n 20\n0.2000\n 40\n0.0200\n" +
                  insert0 +
                  "  0\nLINE\n  8\n1\n 10\n0.0000\n 20\n0.0000\n 11\n1.0000\n 21\n0.0000\n" +
                  insert0);

    // A text: insertion at the baseline's left end, alignment by anchor; a
    // raw line break in the string cannot start a new group.
    CSheet text(CSheet::kTitle);
    text.NewText("A\nB", CPoint(1000, 2000), 100, 10);
    EXPECT_EQ(Entities(text),
              "  0\nTEXT\n  8\n15\n 10\n0.8670\n 20\n2.0210\n 40\n0.1000\n  1\nA B\n 50\n0.0000\n"
              " 71\n0\n 72\n2\n 73\n1\n 11\n1.0000\n 21\n2.0000\n");

    // Overbars are lines on the text's layer along the ascent line: "~RST~"
    // at (0, 0), size 100: the bar from x 0 to the width of RST (722+667+611).
    CSheet bar(CSheet::kDrawing);
    bar.NewText("~RST~", CPoint(0, 0), 100, 8);
    EXPECT_EQ(Entities(bar),
              "  0\nTEXT\n  8\n5\n 10\n0.0000\n 20\n0.0210\n 40\n0.1000\n  1\nRST\n 50\n0.0000\n"
              " 71\n0\n 72\n0\n 73\n1\n 11\n0.0000\n 21\n0.0000\n"
              "  0\nLINE\n  8\n5\n 10\n0.0000\n 20\n0.1120\n 11\n0.2000\n 21\n0.1120\n");
}

TEST(Dxf, ReadsBackInEzdxf)
{
    if (!HaveTool("/usr/bin/python3") || RunTool("/usr/bin/python3 -c 'import ezdxf'").status != 0)
        GTEST_SKIP() << "python3-ezdxf missing (scripts/install-deps.sh installs it)";
    CSheet sheet(CSheet::kDrawing);
    ExportTestSheet(sheet);
    CDxfHeader header;
    ASSERT_TRUE(CDxfHeader::Load(VIREO_DATA_DIR "/DXF_HDR.DAT", header));
    header.marker = true;
    CTempDir dir;
    const std::string path = (dir / "small.dxf").string();
    WriteBytes(path, WriteDxf(header, sheet, nullptr, 11000, 8000, CDrawContext()));

    const char* script =
        "import collections, ezdxf, sys\n"
        "doc = ezdxf.readfile(sys.argv[1], encoding='cp932')\n"
        "audit = doc.audit()\n"
        "print('errors', len(audit.errors))\n"
        "count = collections.Counter(e.dxftype() for e in doc.modelspace())\n"
        "print(' '.join('%s=%d' % kv for kv in sorted(count.items())))\n"
        "print('|'.join(sorted(e.dxf.text for e in doc.modelspace().query('TEXT'))))\n";
    CTempDir scriptDir;
    const std::string scriptPath = (scriptDir / "check.py").string();
    WriteBytes(scriptPath, std::vector<uint8_t>(script, script + std::strlen(script)));
    const CToolResult r = RunTool("/usr/bin/python3 '" + scriptPath + "' '" + path + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    // Lines: wire, bus, plain line and its two arrow strokes, the text frame
    // (4), the part outline and the pin stroke.  Circles: junction, circle,
    // pin dot.  Texts: the wire name, the two free texts, U1, pin number 3.
    // Markers before and after the wire, bus and plain line, and on the
    // junction.
    EXPECT_EQ(r.out, "errors 0\nARC=1 CIRCLE=3 INSERT=7 LINE=11 TEXT=5\n"
                     "3|Hello \\(world)|NET(1)|U1|\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E "
                     "\xEF\xBD\xB1\xEF\xBD\xB2\n")
        << r.err;
}
