// The Tango schematic text form: a line-oriented exchange format that PCB
// tools read.  Coordinates are sheet units written as decimal integers.
//
// The writer writes the file header and the main sheet's items (arcs only
// inside parts, as the format keeps them).  The reader takes any text:
// records are dispatched on their exact first word, numbers are clamped,
// records that need a part or pin that is not there are skipped, and a part
// that is never closed is kept.
#pragma once

#include <cstdint>
#include <vector>

#include "base/rect.h"
#include "base/string.h"

class CSheet;

// What the Tango header says about the sheet.
struct CTangoSheet {
    int width = 0;
    int height = 0;
    int sizeIndex = 2;
    CRect visibleArea;
    bool hasSize = false;      // a SHEET record was read
    bool hasSizeIndex = false; // ... with a size code the writer writes
};

// The whole file for a sheet.
std::vector<uint8_t> WriteTango(const CSheet& sheet, const CTangoSheet& header);
// Reads records into sheet (adding to what it holds).
void ReadTango(const std::vector<uint8_t>& bytes, CSheet& sheet, CTangoSheet& header);

// A string as it may stand between the quotes of a record: control bytes
// and double quotes become blanks and single quotes.
CString TangoClean(const CString& text);
