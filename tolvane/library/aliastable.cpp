#include "library/aliastable.h"

#include <list>

#include <sys/stat.h>

#include "base/exception.h"
#include "base/fileio.h"
#include "library/textlines.h"

namespace {

CString TrimEnds(CString s)
{
    // Blanks, tabs and commas, repeatedly, at both ends.
    for (;;) {
        const int before = s.GetLength();
        s.TrimLeft(' ').TrimLeft('\t').TrimLeft(',');
        s.TrimRight(' ').TrimRight('\t').TrimRight(',');
        if (s.GetLength() == before)
            return s;
    }
}

std::vector<CString> Fields(const CString& line)
{
    std::vector<CString> fields;
    int start = 0;
    for (;;) {
        const int comma = line.Find(',', start);
        if (comma < 0) {
            fields.push_back(line.Mid(start));
            return fields;
        }
        fields.push_back(line.Mid(start, comma - start));
        start = comma + 1;
    }
}

CString Key(const CString& name)
{
    return Cp932Upper("," + name + ",");
}

}  // namespace

CAliasTable::CAliasTable(const std::vector<uint8_t>& text)
{
    for (const CString& raw : SplitTextLines(text))
        m_lines.push_back({raw, TrimEnds(raw)});
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.raw.GetAt(0) != '#')
            for (const CString& field : Fields(line.raw))
                m_nameLine.try_emplace(Cp932Upper(field).str(), i);
        if (line.trimmed.IsEmpty() || line.trimmed.GetAt(0) == '#')
            continue;
        const std::vector<CString> fields = Fields(line.trimmed);
        const CString first = Cp932Upper(fields[0]);
        m_trueNames.insert(first.str());
        for (size_t f = 1; f < fields.size(); ++f)
            m_aliasLine.try_emplace(Cp932Upper(fields[f]).str(), i);
    }
    // A name that stands first on a line is a true name and never an alias
    // of another, wherever else it is listed.
    for (const std::string& name : m_trueNames)
        m_aliasLine.erase(name);
}

bool CAliasTable::Resolve(const CString& name, CString& trueName, CString& alias) const
{
    // A name with a comma in it can match across fields; only a scan of the
    // lines finds those matches.
    if (name.Find(',') >= 0)
        return ResolveByScan(name, trueName, alias);
    const auto it = m_aliasLine.find(Cp932Upper(name).str());
    if (it == m_aliasLine.end())
        return false;
    trueName = Fields(m_lines[it->second].trimmed)[0];
    trueName.Trim();
    alias = Cp932Upper(name);
    return true;
}

bool CAliasTable::ResolveByScan(const CString& name, CString& trueName, CString& alias) const
{
    const CString key = Key(name);
    for (const Line& line : m_lines) {
        if (line.trimmed.IsEmpty() || line.trimmed.GetAt(0) == '#')
            continue;
        const CString s = Key(line.trimmed);
        const int pos = s.Find(key);
        if (pos > 0 && !m_trueNames.count(Cp932Upper(name).str())) {
            alias = s.Mid(pos + 1, name.GetLength());
            trueName = Fields(line.trimmed)[0];
            trueName.Trim();
            return true;
        }
    }
    return false;
}

bool CAliasTable::FindLine(const CString& name, CString& line) const
{
    if (name.Find(',') >= 0)
        return FindLineByScan(name, line);
    const auto it = m_nameLine.find(Cp932Upper(name).str());
    if (it == m_nameLine.end())
        return false;
    line = m_lines[it->second].raw;
    return true;
}

bool CAliasTable::FindLineByScan(const CString& name, CString& out) const
{
    const CString key = Key(name);
    for (const Line& line : m_lines) {
        if (line.raw.GetAt(0) == '#')
            continue;
        if (Key(line.raw).Find(key) >= 0) {
            out = line.raw;
            return true;
        }
    }
    return false;
}

std::filesystem::path FindAliasTable(const std::filesystem::path& library)
{
    const std::string name = library.filename().string();
    if (name.size() < 4 || Cp932Upper(CString(name.substr(name.size() - 4))) != CString(".LIB"))
        return {};
    // "lib" -> "tbl", letter by letter in the case the library's name uses.
    std::string table = name;
    const char lower[] = "tbl";
    for (size_t i = 0; i < 3; ++i) {
        const char c = name[name.size() - 3 + i];
        table[name.size() - 3 + i] = (c >= 'A' && c <= 'Z') ? char(lower[i] - 'a' + 'A') : lower[i];
    }
    const std::filesystem::path candidate = library.parent_path() / table;
    std::error_code ec;
    if (std::filesystem::is_regular_file(candidate, ec))
        return candidate;
    const std::filesystem::path folder = library.has_parent_path() ? library.parent_path() : ".";
    const CString wanted = Cp932Upper(CString(table));
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (Cp932Upper(CString(it->path().filename().string())) == wanted && it->is_regular_file(ec))
            return it->path();
    }
    return {};
}

std::shared_ptr<const CAliasTable> CachedAliasTable(const std::filesystem::path& table)
{
    struct Entry {
        std::string path;
        off_t size;
        struct timespec mtime;
        std::shared_ptr<const CAliasTable> parsed;
    };
    static std::list<Entry> entries;
    struct stat st;
    if (table.empty() || ::stat(table.c_str(), &st) != 0)
        return nullptr;
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->path == table.string() && it->size == st.st_size && it->mtime.tv_sec == st.st_mtim.tv_sec &&
            it->mtime.tv_nsec == st.st_mtim.tv_nsec)
            return it->parsed;
    }
    std::shared_ptr<const CAliasTable> parsed;
    try {
        parsed = std::make_shared<const CAliasTable>(ReadFileBytes(table));
    } catch (const CFileException&) {
        return nullptr;
    }
    entries.remove_if([&](const Entry& e) { return e.path == table.string(); });
    entries.push_front({table.string(), st.st_size, st.st_mtim, parsed});
    if (entries.size() > 16)
        entries.pop_back();
    return parsed;
}
