// The netlist formats: one table row per format, with the writers that give
// the format its shape.
//
// A netlist is five producers run in a fixed order (see netlistbuild.h): the
// header (CNet::MakeHead), the part section (CSheet::NetWrite), one record per
// real net (CNet::MakeString, built from the node texts of
// CNetName::MakeString) and the tail (CNet::MakeTail).  Each producer looks
// its format up here and calls the row's writer; none of them branches on
// format codes.  A new format is one more row and, where no existing writer
// fits, one more function.
//
// All texts are CP932 with "\n" line ends; the file writer decides what a
// line end becomes on disk.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "base/string.h"

class CNet;
class CNetContext;
class CNetName;
class CPart;

// The part text the symbol-block format marks each part with (its symbol
// number follows), and the texts of the net index (pin "&&" net follow).
inline constexpr char kSymbolNumberTag[] = "{VIREO:SYMNO}";
inline constexpr char kNetIndexTag[] = "{VIREO NETINDEX}";

// How a writer is to spell things, from the Net List options.
struct CNetWriteStyle {
    bool nodeUpper = false; // part references and pin numbers in upper case
    bool netUpper = false;  // net names in upper case
    CString pcbProperty;    // the part property that names the part for the board tool
    // Sheet numbers for the report lines (0 without).
    const CNetContext* context = nullptr;
    // Symbol numbers of the references (lower-cased) for the node texts of
    // the symbol-block format; filled from the part section it wrote.
    const std::unordered_map<std::string, int>* symbolNumbers = nullptr;
};

// The parts of one node as a node text shows them.
struct CNodeText {
    CString ref; // the node's reference (upper-cased with nodeUpper)
    CString pin; // its pin number (likewise)
    CString pinName;
    int type = 0; // electrical type
};

// What one net record is made of.
struct CNetRecord {
    CString name;               // the written name: the net's (styled) name or the generated one
    bool named = false;         // the name is the net's own
    unsigned number = 0;        // the net number this record used
    std::vector<CString> nodes; // node texts in node order
    CString firstRef, firstPin; // the first node's reference and pin (styled)
};

// What the part section writers see of one part.
struct CPartEntry {
    CPart* part = nullptr;
    CString ref;       // part-section reference (package reference for gates), styled
    CString value;     // the value, or the part name when the value is empty
    CString valueText; // the value text as it is
    CString partName;
    CString board;          // the board name: the PCB property's value, else the setting's text
    bool nodeUpper = false; // pin labels are written upper-cased, as the references
};

struct CNetFormat {
    // Which net number a record uses up.
    enum NetNumber { UnnamedOnly, EveryNet, NoNumber };
    // Flags.
    static constexpr unsigned kPartSheet = 0x1;     // needs the parts of all sheets
    static constexpr unsigned kSortParts = 0x2;     // part section in reference order
    static constexpr unsigned kComponentFile = 0x4; // part section may go to a file of its own
    static constexpr unsigned kPcbProperty = 0x8;   // the PCB property names parts
    static constexpr unsigned kNetIndex = 0x10;     // nets are written part by part
    static constexpr unsigned kPartsFirst = 0x20;   // part section before the header
    static constexpr unsigned kIgnoreNames = 0x40;  // every net takes a generated name
    // Which standard lines the header template takes.
    enum HeadLines { NoLines, TwoLines, ThreeLines, DateLine };

    using NodeTextFn = CString (*)(const CNodeText&);
    using RecordFn = void (*)(CString& out, const CNetRecord&);
    using PartLineFn = CString (*)(const CPartEntry&);
    // A part section that is more than one line per part; it may mark the
    // parts (the symbol numbers of the symbol-block format).
    using PartsFn = void (*)(CString& out, std::vector<CPartEntry>& parts);

    int code;
    const char* name;      // as the Net List dialog lists it
    const char* extension; // of the netlist file
    unsigned flags;
    const char* head; // header template; its standard lines go into the %s
    HeadLines headLines;
    const char* tail;
    NodeTextFn nodeText;
    const char* unnamed; // printf pattern of a generated net name (one number)
    NetNumber netNumber;
    RecordFn record;
    // Part section: opening, a line per part (or the body), closing.  A row
    // with neither has no part section.
    const char* partsOpen;
    PartLineFn partLine;
    PartsFn partsBody;
    const char* partsClose;
    bool skipRepeatedRef; // a part whose reference equals the previous one's is skipped

    bool Has(unsigned flag) const { return (flags & flag) != 0; }
};

// The formats in the dialog's order.
const std::vector<CNetFormat>& NetFormats();
// The row of a code (1..29), or null.
const CNetFormat* FindNetFormat(int code);
// The row of a dialog name (CP932), compared without case ("pads-pcb"), or of a
// decimal code; null when neither.
const CNetFormat* FindNetFormat(const std::string& nameOrCode);

// The three standard lines the header templates use.
extern const char kHeadTitleLine[]; // " Vireo Net List File"
extern const char kHeadFileLine[];  // "   File : %s"
extern const char kHeadDateLine[];  // "   Date : %s"

// Fills a header template: "%s" takes the next argument, "%%" becomes "%".
// Arguments are inserted as they are (a path is never read as a format).
CString FillHeader(const CString& head, const std::vector<CString>& args);

// s upper-cased (ASCII letters only) when upper is set.
inline CString StyledText(const CString& s, bool upper)
{
    return upper ? Cp932Upper(s) : s;
}

// Cuts s to at most width bytes without splitting a double-byte character;
// with pad, blanks fill it to exactly width.
CString CutToWidth(const CString& s, int width, bool pad);
