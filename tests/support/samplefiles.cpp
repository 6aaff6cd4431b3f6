#include "support/samplefiles.h"

#include <cstdio>

namespace rec {

namespace {

void PutString(CArchive& ar, const std::string& s)
{
    // The length prefix of the format: a byte below 255, else 0xFF and a word
    // below 0xFFFE, else 0xFF 0xFFFF and a 32-bit length.
    const uint32_t n = uint32_t(s.size());
    if (n < 0xFF) {
        ar << uint8_t(n);
    } else if (n < 0xFFFE) {
        ar << uint8_t(0xFF) << uint16_t(n);
    } else {
        ar << uint8_t(0xFF) << uint16_t(0xFFFF) << n;
    }
    ar.Write(s.data(), s.size());
}

void PutPoint(CArchive& ar, CPoint p)
{
    ar << int32_t(p.x) << int32_t(p.y);
}

void PutFont(CArchive& ar, const LOGFONT& f)
{
    ar << int32_t(f.lfHeight) << int32_t(f.lfWidth) << int32_t(f.lfEscapement)
       << int32_t(f.lfOrientation) << int32_t(f.lfWeight);
    for (uint8_t b : {f.lfItalic, f.lfUnderline, f.lfStrikeOut, f.lfCharSet, f.lfOutPrecision,
                      f.lfClipPrecision, f.lfQuality, f.lfPitchAndFamily})
        ar << b;
    ar.Write(f.lfFaceName, sizeof f.lfFaceName);
}

} // namespace

void PutHeaderLine(CArchive& ar, int version)
{
    char line[64];
    std::snprintf(line, sizeof line, "VIREO DATA FILE Ver 0.%02d\n", version);
    ar.Write(line, std::char_traits<char>::length(line));
}

void PutDocHeader(CArchive& ar, int version, const std::vector<std::string>& properties, int width,
                  int height, int sizeCode, const CRect& visible)
{
    if (version >= 7) {
        ar << int32_t(900) << int32_t(properties.size());
        for (const std::string& p : properties)
            PutString(ar, p);
    }
    ar << int32_t(1) << int32_t(width) << int32_t(height) << int32_t(sizeCode);
    if (version >= 4)
        ar << int32_t(2) << int32_t(visible.left) << int32_t(visible.top) << int32_t(visible.right)
           << int32_t(visible.bottom);
}

void PutText(CArchive& ar, int version, const Text& t)
{
    PutString(ar, t.s);
    PutPoint(ar, t.p);
    ar << int32_t(t.size) << t.attr;
    // A rectangle the reader must not believe: it recomputes its own.
    ar << int32_t(-7) << int32_t(-7) << int32_t(7) << int32_t(7);
    if ((t.attr & 0x2000) && version >= 6)
        PutFont(ar, t.font);
}

void PutLine(CArchive& ar, int version, uint32_t type, CPoint a, CPoint b, const Text* name,
             int startArrowTens, int endArrowTens)
{
    ar << type;
    PutPoint(ar, a);
    PutPoint(ar, b);
    const bool plain = (type & 3) == 1;
    if (!plain || version >= 6) {
        ar << int32_t(name ? 1 : 0);
        if (name)
            PutText(ar, version, *name);
    }
    if (plain && version >= 7)
        ar << uint16_t((startArrowTens << 8) | endArrowTens);
}

void PutJunc(CArchive& ar, CPoint p)
{
    PutPoint(ar, p);
}

void PutPin(CArchive& ar, int version, CPoint body, CPoint tip, uint32_t angle, uint32_t elect,
            const Text* name, const Text* no)
{
    PutPoint(ar, body);
    PutPoint(ar, tip);
    ar << angle << elect << int32_t((name ? 1 : 0) | (no ? 2 : 0));
    if (name)
        PutText(ar, version, *name);
    if (no)
        PutText(ar, version, *no);
}

void PutArc(CArchive& ar, int version, CPoint centre, int radius, int start, int end, int type,
            int startArrowTens, int endArrowTens)
{
    PutPoint(ar, centre);
    ar << int32_t(radius) << int32_t(start) << int32_t(end) << int32_t(type);
    if (version >= 8)
        ar << uint16_t((startArrowTens << 8) | endArrowTens);
}

void PutPartHead(CArchive& ar, int version, CPoint org, CPoint c1, CPoint c2, int packageMax,
                 int package, int angle, int attr, const Text* name, const Text* ref,
                 const Text* value)
{
    PutPoint(ar, org);
    PutPoint(ar, c1);
    PutPoint(ar, c2);
    ar << int32_t(packageMax) << int32_t(package) << int32_t(angle) << int32_t(attr);
    ar << int32_t((name ? 1 : 0) | (ref ? 2 : 0) | (value ? 4 : 0));
    for (const Text* t : {name, ref, value})
        if (t)
            PutText(ar, version, *t);
}

} // namespace rec

namespace {

rec::Text T(const char* s, int x, int y, uint32_t attr = 8, int size = 70)
{
    rec::Text t;
    t.s = s;
    t.p = CPoint(x, y);
    t.attr = attr;
    t.size = size;
    return t;
}

LOGFONT ArialFont()
{
    LOGFONT f;
    f.lfHeight = -70;
    f.lfWeight = 700;
    f.lfItalic = 1;
    f.lfPitchAndFamily = 34;
    f.SetFaceName("Arial");
    return f;
}

} // namespace

std::vector<uint8_t> SampleSchematic(int version)
{
    using namespace rec;
    CArchive ar;
    PutHeaderLine(ar, version);
    PutDocHeader(ar, version, {"&Author&Sample Author", "&Comment&Hand-built sample"}, 16535, 11693,
                 1, CRect(100, 200, 8000, 6000));

    ar << int32_t(0) << int32_t(99); // sheet type, item count (not believed)

    const Text clk = T("CLK", 1100, 1020);
    ar << int32_t(3);
    PutLine(ar, version, 0, CPoint(1000, 1000), CPoint(2000, 1000), &clk);
    PutLine(ar, version, 4, CPoint(2000, 1000), CPoint(2000, 2000)); // power wire
    PutLine(ar, version, 0, CPoint(2000, 2000), CPoint(3000, 2000));

    const Text bus = T("D[0..7]", 1100, 3030);
    ar << int32_t(1);
    PutLine(ar, version, 2, CPoint(1000, 3000), CPoint(4000, 3000), &bus);

    const Text label = T("FRAME", 600, 4020);
    ar << int32_t(2);
    PutLine(ar, version, 1 | (2u << 9), CPoint(500, 500), CPoint(500, 4000), nullptr, 0,
            10); // dashed, end arrow
    PutLine(ar, version, 1, CPoint(500, 4000), CPoint(4000, 4000), version >= 6 ? &label : nullptr);

    ar << int32_t(2);
    PutJunc(ar, CPoint(2000, 1000));
    PutJunc(ar, CPoint(2000, 2000));

    const Text in = T("IN", 5982, 1000, 26);
    ar << int32_t(1);
    PutPin(ar, version, CPoint(6000, 1000), CPoint(6300, 1000), 0, 1, &in);

    Text fonted = T("Line one\\nLine two", 1000, 5500, 8 | 0x2000);
    fonted.font = ArialFont();
    ar << int32_t(3);
    PutText(ar, version, T("Sample sheet", 1000, 5000, 8, 100));
    PutText(ar, version, fonted);
    PutText(ar, version, T("", 0, 0)); // dropped on reading

    ar << int32_t(1);
    PutArc(ar, version, CPoint(7000, 3000), 500, 0, 90, 0, 10, 0);

    ar << int32_t(1);
    const Text name = T("RES", 3000, 300, 8 | 0x8000);
    const Text ref = T("R1", 3000, 700);
    const Text value = T("10k", 3200, 700);
    // Outline corners the reader must recompute.
    PutPartHead(ar, version, CPoint(3000, 500), CPoint(0, 0), CPoint(1, 1), 0, 0, 0, 0, &name, &ref,
                &value);
    const Text no1 = T("1", 2850, 650);
    const Text no2 = T("2", 3350, 650);
    ar << int32_t(2);
    PutPin(ar, version, CPoint(2900, 600), CPoint(2700, 600), 0x200, 0, nullptr, &no1);
    PutPin(ar, version, CPoint(3300, 600), CPoint(3500, 600), 0, 0, nullptr, &no2);
    const int partLines = version < 8 ? 0 : version;
    ar << int32_t(4);
    PutLine(ar, partLines, 1, CPoint(2900, 550), CPoint(3300, 550));
    PutLine(ar, partLines, 1, CPoint(3300, 550), CPoint(3300, 650));
    PutLine(ar, partLines, 1, CPoint(3300, 650), CPoint(2900, 650));
    PutLine(ar, partLines, 1, CPoint(2900, 650), CPoint(2900, 550));
    ar << int32_t(0); // arcs
    ar << int32_t(3);
    PutText(ar, version, T("&Footprint&R0805", 3000, 400, 8 | 0x8000));
    PutText(ar, version, T("{VIREO}", 3000, 400)); // a tag, dropped on reading
    PutText(ar, version, T("", 3000, 400));        // dropped on reading

    if (version > 7)
        ar << int32_t(0);
    ar << int32_t(0); // no title block
    return ar.Bytes();
}

SampleCounts SampleSchematicCounts(int /*version*/)
{
    return SampleCounts{3, 1, 2, 2, 1, 2, 1, 1};
}

std::string SampleTextForm()
{
    return "Line 1000 1000 2000 1000 8 0 0 0\n"
           "Name \"CLK\" 1100 1020 70 8\n"
           "Line 2000 1000 2000 2000 16 4 0 0\n"
           "Line 2000 2000 3000 2000 8 0 0 0\n"
           "Line 1000 3000 4000 3000 24 2 0 0\n"
           "Name \"D[0..7]\" 1100 3030 70 8\n"
           "Line 500 500 500 4000 8 1025 0 100\n"
           "Line 500 4000 4000 4000 8 1 0 0\n"
           "Name \"FRAME\" 600 4020 70 8\n"
           "Junc 2000 1000\n"
           "Junc 2000 2000\n"
           "Pin 6000 1000 6300 1000 1\n"
           "Name \"IN\" 5982 1000 70 26\n"
           "Text \"Sample sheet\" 1000 5000 100 8\n"
           "Text \"Line one\\nLine two\" 1000 5500 70 8200\n"
           "Font \"Arial\" 0 0 0 700 4 0 0 0 0 34\n"
           "Arc 7000 3000 500 0 90 8 0 100 0\n"
           "Part 3000 500 2694 542 3506 778 0 0 0 0\n"
           "Name \"RES\" 3000 300 70 32776\n"
           "Ref \"R1\" 3000 700 70 8\n"
           "Val \"10k\" 3200 700 70 8\n"
           "Pin 2900 600 2700 600 0\n"
           "No \"1\" 2850 650 70 8\n"
           "Pin 3300 600 3500 600 0\n"
           "No \"2\" 3350 650 70 8\n"
           "Line 2900 550 3300 550 8 1 0 0\n"
           "Line 3300 550 3300 650 8 1 0 0\n"
           "Line 3300 650 2900 650 8 1 0 0\n"
           "Line 2900 650 2900 550 8 1 0 0\n"
           "Text \"&Footprint&R0805\" 3000 400 70 32776\n"
           "PartEnd\n";
}

SampleCounts SampleTextFormCounts()
{
    return SampleCounts{3, 1, 2, 2, 1, 2, 1, 1};
}
