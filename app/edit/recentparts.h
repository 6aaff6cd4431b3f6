// The part names last placed with the Part tool, newest first, kept in the
// settings (section "Recent Part List", keys Part1 .. Part16) so that the
// part dialog offers them again in the next session.
#pragma once

#include <vector>

#include "base/string.h"

class CRecentParts {
public:
    static constexpr int kMax = 16;
    // The names as stored, without blanks and duplicates.
    static std::vector<CString> Load();
    // A part was found: its name goes to the front (names compared without case).
    static void Touch(const CString& name);
    // A name no library holds leaves the list.
    static void Remove(const CString& name);

private:
    static void Store(const std::vector<CString>& names);
};
