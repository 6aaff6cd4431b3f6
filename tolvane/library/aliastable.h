// CAliasTable: the alias table file beside a library.
//
// Each line lists comma-separated names: the true package name first, then
// its aliases.  Lines beginning with '#' are comments; blanks, tabs and commas
// at both ends of a line are ignored.  A table is parsed once into maps (per
// file size and modification time), so resolving the names of many parts does
// not read the file again for each one.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/string.h"

class CAliasTable {
public:
    explicit CAliasTable(const std::vector<uint8_t>& text);

    // When name stands as an alias (not first) on a line, the first such
    // line's true name (trimmed) and the alias in upper case.  A name that
    // stands first on any line is a true name and never resolved.
    bool Resolve(const CString& name, CString& trueName, CString& alias) const;
    // The first non-comment line, as read, that holds name anywhere (the
    // part dialog's list of names).
    bool FindLine(const CString& name, CString& line) const;

private:
    struct Line {
        CString raw;      // as read, without its line end
        CString trimmed;  // blanks, tabs and commas removed at both ends
    };
    bool ResolveByScan(const CString& name, CString& trueName, CString& alias) const;
    bool FindLineByScan(const CString& name, CString& line) const;

    std::vector<Line> m_lines;
    std::unordered_map<std::string, size_t> m_aliasLine;  // upper alias -> first line resolving it
    std::unordered_map<std::string, size_t> m_nameLine;   // upper name -> first raw line holding it
    std::unordered_set<std::string> m_trueNames;          // upper names that stand first on a line
};

// The alias table file of a library: for a library named *.lib (any case) the
// name with "tbl" for "lib", first in the extension's own case, then any file
// of that name ignoring case in the same folder.  Empty when there is none.
std::filesystem::path FindAliasTable(const std::filesystem::path& library);
// The parsed table of a file (read again only when the file changed); null
// when it cannot be read.
std::shared_ptr<const CAliasTable> CachedAliasTable(const std::filesystem::path& table);
