#include "app/edit/partnames.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/codepage.h"
#include "library/aliastable.h"
#include "library/library.h"
#include "library/libraryimage.h"

namespace {

// The names of an alias table: every comma-, blank- or tab-separated word of
// its lines, comment lines skipped.
void AliasNames(const std::filesystem::path& table, std::vector<CString>& out)
{
    std::ifstream in(table, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("#"))
            continue;
        size_t i = 0;
        while (i < line.size()) {
            const size_t end = line.find_first_of(", \t\r", i);
            const std::string word = line.substr(i, end == std::string::npos ? end : end - i);
            if (!word.empty())
                out.push_back(CString(word));
            if (end == std::string::npos)
                break;
            i = end + 1;
        }
    }
}

} // namespace

std::vector<CString> LibraryPartNames(const std::vector<CString>& libraries)
{
    std::vector<CString> names;
    for (const CString& file : libraries) {
        const std::filesystem::path path(ToUtf8(file));
        std::error_code ec;
        // A missing library is not created (nor asked about) just to list it.
        if (!std::filesystem::is_regular_file(path, ec))
            continue;
        CLibrary library;
        library.SetLibraryName(file);
        if (library.ReadFile() == 1)
            for (const CLibraryRecord& record : library.Image().Packages())
                if (record.IsPackage() && !record.name.IsEmpty())
                    names.push_back(record.name);
        const std::filesystem::path table = FindAliasTable(path);
        if (!table.empty())
            AliasNames(table, names);
    }
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) {
        const int c = a.CompareNoCase(b);
        return c != 0 ? c < 0 : a.str() < b.str();
    });
    names.erase(
        std::unique(names.begin(), names.end(),
                    [](const CString& a, const CString& b) { return a.CompareNoCase(b) == 0; }),
        names.end());
    return names;
}
