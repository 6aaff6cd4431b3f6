// The findings of the Check Sheet command, and the checks that make them.
//
// Per sheet (the drawing of each document):
//   - connection points: a pin tip or wire end where more than two
//     connections meet without a junction dot;
//   - overlapping pins: two visible pins lying on each other, within a part
//     or between parts whose outlines meet.
// On the combined part sheet (every part tagged with its document):
//   - suffix errors (a gate suffix that does not fit the package count),
//     undetermined references ("R?"), references without a number,
//     duplicates, pin numbers used twice within a part;
//   - the highest number of every prefix (per sheet on request), and the
//     numbers missing below it.
//
// Points are compared whole (x and y in full), never packed into 16 bits.
// Every check runs through hash indexes: a sheet of 10 000 parts takes
// milliseconds, with the findings in the order a plain scan gives them.
#pragma once

#include <vector>

#include "base/point.h"
#include "base/string.h"

class CSheet;

// One line of the log.
struct CCheckEntry {
    enum Kind { Part, Pin, Wire };
    Kind kind = Part;
    CString ref;      // part: reference; pin: the part's reference (its part
                      // name when the reference is empty, the pin's own name
                      // for a loose pin); wire: empty
    CString partName; // part lines
    CString pinNo;    // pin lines
    CString sheet;    // the sheet column: "path [n]"
    CPoint at;        // part centre, pin tip or wire end
};

struct CCheckReport {
    int parts = 0; // parts of the combined sheet
    std::vector<CCheckEntry> duplicates, undetermined, referenceErrors, suffixErrors;
    std::vector<CCheckEntry> pinClashes; // two or more entries per clash
    std::vector<CCheckEntry> overlaps, connections, loosePins;
    std::vector<CCheckEntry> lastNumbers; // in listing order
    bool bySheet = false;                 // last numbers per sheet
    bool missingListed = false;           // missing numbers were asked for
    std::vector<CString> missing;         // "R4" ...
    long long missingNotListed = 0;       // beyond the listing cap
    int totalPins = 0;                    // pins in parts plus loose pins

    // Findings a check may fail on (everything but the counts and the last
    // numbers).
    long long Findings() const;
};

// At most this many missing numbers are listed; the log notes the rest.
constexpr int kMissingListCap = 10000;

// The connection points and overlapping pins of one drawing; sheetText is
// the document's "path [n]".
void CheckConnectionPoints(const CSheet& sheet, const CString& sheetText, CCheckReport& report);
void CheckOverlappingPins(const CSheet& sheet, const CString& sheetText, CCheckReport& report);

// The part checks on the combined part sheet, with progress per part; true
// when the user cancelled.  With missing (and not bySheet) the missing
// numbers are listed too.
bool CheckParts(const CSheet& parts, bool bySheet, bool missing, CCheckReport& report);
