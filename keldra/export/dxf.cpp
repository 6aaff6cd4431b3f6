#include "export/dxf.h"

#include <fstream>
#include <sstream>

#include "export/drawcontext.h"
#include "export/itemgeometry.h"
#include "export/numberformat.h"
#include "items/geometry.h"
#include "sheet/sheet.h"

namespace {

// Leading integers of s (after blanks), clamped into the int range; missing
// values leave out untouched.
int ReadInts(const std::string& s, int* out, int count)
{
    size_t p = 0;
    int n = 0;
    while (n < count) {
        while (p < s.size() && (s[p] == ' ' || s[p] == '\t' || s[p] == ','))
            ++p;
        bool negative = false;
        if (p < s.size() && (s[p] == '-' || s[p] == '+'))
            negative = s[p++] == '-';
        if (p >= s.size() || s[p] < '0' || s[p] > '9')
            break;
        long long v = 0;
        while (p < s.size() && s[p] >= '0' && s[p] <= '9') {
            v = std::min<long long>(v * 10 + (s[p] - '0'), 1LL << 40);
            ++p;
        }
        out[n++] = ClampInt32(negative ? -v : v);
    }
    return n;
}

}  // namespace

CDxfHeader CDxfHeader::Parse(const std::string& text)
{
    CDxfHeader h;
    std::istringstream in(text);
    std::string raw;
    bool inHeader = false;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (inHeader) {
            h.lines.emplace_back(raw);
            continue;
        }
        const size_t first = raw.find_first_not_of(" \t");
        if (first == std::string::npos || raw[first] == '#')
            continue;
        const std::string line = raw.substr(first);
        const std::string upper = Cp932Upper(CString(line)).str();
        const auto valueOf = [&](const char* keyword) -> std::string {
            const size_t at = upper.find(keyword);
            return at == std::string::npos ? std::string("\x01") : line.substr(at + std::string(keyword).size());
        };
        if (upper.find("[HEADER]") != std::string::npos) {
            inHeader = true;
        } else if (std::string v = valueOf("[VERSION]"); v != "\x01") {
            h.version = CString(v).Trim();
        } else if (std::string v = valueOf("[LAYER]"); v != "\x01") {
            int l[8] = {h.layers.wire, h.layers.bus, h.layers.line, h.layers.junc,
                        h.layers.text, h.layers.pin, h.layers.arc, h.layers.part};
            ReadInts(v, l, 8);
            h.layers.wire = l[0], h.layers.bus = l[1], h.layers.line = l[2], h.layers.junc = l[3];
            h.layers.text = l[4], h.layers.pin = l[5], h.layers.arc = l[6], h.layers.part = l[7];
        } else if (std::string v = valueOf("[TITLE]"); v != "\x01") {
            ReadInts(v, &h.layers.title, 1);
        } else if (std::string v = valueOf("[APOINT]"); v != "\x01") {
            int on = 0;
            ReadInts(v, &on, 1);
            h.marker = on != 0;
        } else if (std::string v = valueOf("[CMD999]"); v != "\x01") {
            int on = 1;
            ReadInts(v, &on, 1);
            h.comment = on != 0;
        }
    }
    return h;
}

bool CDxfHeader::Load(const std::filesystem::path& path, CDxfHeader& header)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::stringstream s;
    s << in.rdbuf();
    header = Parse(s.str());
    return true;
}

std::string CDxfWriter::Inches(double units)
{
    return FormatFixed(units / 1000.0, 4);
}

std::string CDxfWriter::Clean(const CString& s)
{
    std::string out = s.str();
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return out;
}

void CDxfWriter::Marker(const CPoint& p, double scale)
{
    Put("0\nINSERT\n  8\n0\n  2\n32767\n 10\n" + Inches(p.x) + "\n 20\n" + Inches(p.y) + "\n 41\n" +
        FormatFixed(scale, 4) + "\n 42\n" + FormatFixed(scale, 4) + "\n");
    ++m_entities;
}

void CDxfWriter::Line(int layer, const CPoint& a, const CPoint& b, bool marker)
{
    if (marker)
        Marker(a, 0.001);
    Put("  0\nLINE\n  8\n" + std::to_string(layer) + "\n 10\n" + Inches(a.x) + "\n 20\n" + Inches(a.y) + "\n 11\n" +
        Inches(b.x) + "\n 21\n" + Inches(b.y) + "\n");
    ++m_entities;
    if (marker)
        Marker(a, 0.001);
}

void CDxfWriter::Circle(int layer, const CPoint& centre, int radius)
{
    Put("  0\nCIRCLE\n  8\n" + std::to_string(layer) + "\n 10\n" + Inches(centre.x) + "\n 20\n" + Inches(centre.y) +
        "\n 40\n" + Inches(radius) + "\n");
    ++m_entities;
}

void CDxfWriter::Arc(int layer, const CPoint& centre, int radius, int startAngle, int endAngle)
{
    const auto wrap = [](int a) { return int(((int64_t(a) % 360) + 360) % 360); };
    Put("  0\nARC\n  8\n" + std::to_string(layer) + "\n 10\n" + Inches(centre.x) + "\n 20\n" + Inches(centre.y) +
        "\n 40\n" + Inches(radius) + "\n 50\n" + FormatFixed(wrap(startAngle), 4) + "\n 51\n" +
        FormatFixed(wrap(endAngle), 4) + "\n");
    ++m_entities;
}

void CDxfWriter::Text(int layer, const CTextRun& run)
{
    static const char* const kRotation[4] = {"0.0000", "90.0000", "180.0000", "270.0000"};
    std::string align;
    switch (run.horz | run.vert) {
    case 0: align = " 72\n0\n 73\n3\n"; break;
    case 6: align = " 72\n1\n 73\n3\n"; break;
    case 2: align = " 72\n2\n 73\n3\n"; break;
    case 24: align = " 72\n0\n 73\n0\n"; break;
    case 30: align = " 72\n1\n 73\n0\n"; break;
    case 26: align = " 72\n2\n 73\n0\n"; break;
    case 14: align = " 72\n1\n 73\n1\n"; break;
    case 10: align = " 72\n2\n 73\n1\n"; break;
    default: align = " 72\n0\n 73\n1\n"; break;
    }
    // Middle anchors align on the baseline, the others on the anchor.
    const CPoint at = run.vert == 24 ? run.baseline : run.anchor;
    Put("  0\nTEXT\n  8\n" + std::to_string(layer) + "\n 10\n" + Inches(run.origin.x) + "\n 20\n" + Inches(run.origin.y) +
        "\n 40\n" + Inches(run.size) + "\n  1\n" + Clean(run.text) + "\n 50\n" + kRotation[(run.direction >> 8) & 3] +
        "\n 71\n0\n" + align + " 11\n" + Inches(at.x) + "\n 21\n" + Inches(at.y) + "\n");
    ++m_entities;
}

std::vector<uint8_t> WriteDxf(const CDxfHeader& header, const CSheet& main, const CSheet* title, int width,
                              int height, const CDrawContext& ctx)
{
    CDxfWriter w;
    if (header.comment)
        w.Put("999\nDXF created from VIREO Ver1.02\n");
    w.Put("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1006\n  9\n$TEXTSTYLE\n  7\nSTANDARD\n"
          "  9\n$CECOLOR\n 62\n256\n  9\n$AUNITS\n 70\n0\n  9\n$LUNITS\n 70\n3\n");
    w.Put("  9\n$EXTMIN\n 10\n" + FormatFixed(0, 4) + "\n 20\n" + FormatFixed(0, 4) + "\n");
    w.Put("  9\n$EXTMAX\n 10\n" + CDxfWriter::Inches(width) + "\n 20\n" + CDxfWriter::Inches(height) + "\n");
    w.Put("  9\n$FILLMODE\n 70\n1\n  0\nENDSEC\n");
    for (const CString& line : header.lines)
        w.Put(line.str() + "\n");
    w.Put("  0\nSECTION\n  2\nENTITIES\n");
    main.SerializeDXF(w, header.layers, header.marker, ctx);
    if (title)
        title->SerializeDXF(w, header.layers, header.marker, ctx);
    w.Put("  0\nENDSEC\n  0\nEOF\n");
    const std::string& out = w.Output();
    return std::vector<uint8_t>(out.begin(), out.end());
}

CString DxfHeaderMissingMessage()
{
    // "ＤＸＦヘッダファイルが見つかりません。\n"
    return CString("\x82\x63\x82\x77\x82\x65\x83\x77\x83\x62\x83\x5F\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA"
                   "\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42\n");
}
