// DXF output: the header file that configures it, the entity writer the
// items use, and the document writer.
//
// The header file (DXF_HDR.DAT in the data folder) holds keyword lines up to
// "[HEADER]": the layer of each item group, the title-block layer, whether
// connection points get markers and whether the comment line is written;
// every line after "[HEADER]" is copied into the output after the header
// section (the tables and blocks the entities use).  All coordinates are
// written in inches with four decimals.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/point.h"
#include "base/string.h"

class CSheet;
class CDrawContext;
struct CTextRun;

// Layer numbers by item group.
struct CDxfLayers {
    int title = 15;  // everything of a title-block sheet
    int wire = 1, bus = 2, line = 3, junc = 4, text = 5, pin = 6, arc = 7, part = 8;
};

struct CDxfHeader {
    CString version;
    CDxfLayers layers;
    bool marker = false;   // [APOINT]
    bool comment = true;   // [CMD999]
    std::vector<CString> lines;  // after [HEADER], copied to the output

    // Reads the header file's text; any text is accepted (unknown lines are
    // ignored, numbers are clamped).
    static CDxfHeader Parse(const std::string& text);
    // False when the file cannot be read.
    static bool Load(const std::filesystem::path& path, CDxfHeader& header);
};

// The entity writer.
class CDxfWriter {
public:
    void Put(const std::string& s) { m_out += s; }
    void Line(int layer, const CPoint& a, const CPoint& b, bool marker = false);
    // A connection-point marker: an insert of block "32767" on layer 0.
    void Marker(const CPoint& p, double scale);
    void Circle(int layer, const CPoint& centre, int radius);
    void Arc(int layer, const CPoint& centre, int radius, int startAngle, int endAngle);
    void Text(int layer, const CTextRun& run);
    int EntityCount() const { return m_entities; }
    const std::string& Output() const { return m_out; }

    // Sheet units as inches, "%.4f".
    static std::string Inches(double units);
    // Control bytes become blanks, so that a string cannot start a new group.
    static std::string Clean(const CString& s);

private:
    std::string m_out;
    int m_entities = 0;
};

// The whole file for a sheet of the given size; title (may be null) is
// written after the main sheet.
std::vector<uint8_t> WriteDxf(const CDxfHeader& header, const CSheet& main, const CSheet* title, int width,
                              int height, const CDrawContext& ctx);

// The message shown when the header file is missing.
CString DxfHeaderMissingMessage();
