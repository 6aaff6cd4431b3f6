// Reading the numbers of the plain text form's record lines.
//
// A record is a keyword followed by decimal numbers ("Line 0 0 100 0 8 0 0 0").
// The text form is read from any file a user points at, so numbers are taken
// as "%d %d ..." would take them, but a value that does not fit saturates
// instead of being undefined, and a missing or malformed number simply ends
// the list: the fields not read keep the values they had.
#pragma once

#include <cstdint>

#include "base/string.h"

// The rest of a record line after its leading blanks and its keyword.
const char* SkipRecordKeyword(const CString& line);

// Reads up to count numbers from text; returns how many were read.
int ScanRecordNumbers(const char* text, int64_t* out, int count);
