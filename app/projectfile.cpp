#include "app/projectfile.h"

#include <cstdlib>

#include "app/fileaccess.h"
#include "base/codepage.h"
#include "base/exception.h"
#include "base/fileio.h"
#include "base/filelock.h"

namespace {

constexpr std::string_view kVersionTag = "Project File Ver";

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool BeginsWith(const CString& line, const char* word)
{
    return line.str().starts_with(word);
}

CString TrimmedLeft(const std::string& line)
{
    CString s(line);
    s.TrimLeft();
    return s;
}

bool IsPropertyListStart(const CString& trimmed)
{
    return BeginsWith(trimmed, "Property List") || BeginsWith(trimmed, "Propaty List");
}

bool IsPropertyListEnd(const CString& trimmed)
{
    return BeginsWith(trimmed, "EndPropertyList") || BeginsWith(trimmed, "EndPropatyList");
}

// The version of a header line: the text after the tag with every "." removed,
// read as a decimal number; -1 when the line carries no tag.
int HeaderVersion(const std::string& line)
{
    const size_t at = line.find(kVersionTag);
    if (at == std::string::npos)
        return -1;
    std::string number = line.substr(at + kVersionTag.size());
    std::erase(number, '.');
    const long v = std::strtol(number.c_str(), nullptr, 10);
    return v < 0 || v > 1000000 ? -1 : int(v);
}

bool HasLineBreak(const CString& s)
{
    return s.Find('\n') >= 0 || s.Find('\r') >= 0;
}

// The property lines of a project's text.
std::vector<CString> PropertyLines(std::string_view text)
{
    std::vector<CString> lines;
    bool inList = false, inFreePart = false;
    const std::vector<std::string> all = SplitLines(text);
    for (size_t i = 1; i < all.size(); ++i) {
        const CString line = TrimmedLeft(all[i]);
        // The property list is part of what follows the sheet list.
        if (!inFreePart) {
            inFreePart = BeginsWith(line, "EndFileList");
            continue;
        }
        if (!inList) {
            inList = IsPropertyListStart(line);
            continue;
        }
        if (IsPropertyListEnd(line))
            break;
        if (line.IsEmpty() || line[0] == '#')
            continue;
        CString name, value;
        if (CProjectFile::SplitPropertyLine(line, name, value))
            lines.push_back(line);
    }
    return lines;
}

bool ReadText(const std::filesystem::path& path, std::string& text, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!ReadRegularFile(path, bytes, error))
        return false;
    text.assign(bytes.begin(), bytes.end());
    return true;
}

bool IsDriveLetterPath(std::string_view p)
{
    return p.size() >= 2 && p[1] == ':' &&
           ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
}

} // namespace

std::string CProjectFile::ToSlashes(std::string_view path)
{
    std::string out(path);
    for (size_t i = 0; i < out.size(); ++i) {
        if (IsCp932LeadByte((unsigned char)out[i]) && i + 1 < out.size())
            ++i; // the trail byte may look like "\"
        else if (out[i] == '\\')
            out[i] = '/';
    }
    return out;
}

std::string CProjectFile::FolderOf(const std::string& project)
{
    const size_t slash = project.find_last_of('/');
    return slash == std::string::npos ? std::string() : project.substr(0, slash + 1);
}

std::string CProjectFile::ResolveSheetPath(const std::string& stored,
                                           const std::string& projectFolder)
{
    // Stored text is CP932; paths of this system are UTF-8.
    const std::string path = Cp932ToUtf8(ToSlashes(stored)).text;
    if (path.empty() || path[0] == '/' || IsDriveLetterPath(path))
        return path;
    return projectFolder + path;
}

std::string CProjectFile::StoredSheetPath(const std::string& sheet,
                                          const std::string& projectFolder)
{
    const std::filesystem::path folder = std::filesystem::path(projectFolder).lexically_normal();
    const std::filesystem::path file = std::filesystem::path(sheet).lexically_normal();
    const std::filesystem::path sheetFolder = file.parent_path();
    // Whole components: /p/sub is below /p, /p2 is not.
    auto f = folder.begin();
    auto s = sheetFolder.begin();
    for (; f != folder.end() && !f->empty(); ++f, ++s)
        if (s == sheetFolder.end() || *f != *s)
            return sheet;
    if (projectFolder.empty())
        return sheet;
    return file.lexically_relative(folder).string();
}

bool CProjectFile::Parse(std::string_view text, const std::string& projectFolder,
                         CProjectContents& out)
{
    out = CProjectContents();
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.empty())
        return false;
    out.version = HeaderVersion(lines[0]);
    if (out.version < 1)
        return false;
    size_t i = 1;
    for (; i < lines.size(); ++i) {
        const CString line = TrimmedLeft(lines[i]);
        if (BeginsWith(line, "EndFileList"))
            break;
        // Blank lines name no sheet.
        if (line.IsEmpty() || lines[i][0] == '#')
            continue;
        CProjectSheet sheet;
        std::string stored = lines[i];
        if (out.version >= 3) {
            sheet.checked = stored[0] == '1';
            const size_t colon = stored.find(':');
            stored = colon == std::string::npos ? std::string() : stored.substr(colon + 1);
            stored.erase(0, stored.find_first_not_of(" \t"));
        }
        if (stored.empty())
            continue;
        sheet.path = ResolveSheetPath(stored, projectFolder);
        out.sheets.push_back(std::move(sheet));
    }
    for (++i; i < lines.size(); ++i)
        out.tail.emplace_back(lines[i]);
    return true;
}

bool CProjectFile::Read(const std::filesystem::path& project, CProjectContents& out)
{
    std::string text, error;
    return ReadText(project, text, error) && Parse(text, FolderOf(project.string()), out);
}

int CProjectFile::ReadFileList(const std::filesystem::path& project, bool includeUnchecked,
                               bool withPrefix, std::vector<std::string>& out)
{
    out.clear();
    CProjectContents contents;
    if (!Read(project, contents))
        return -1;
    for (const CProjectSheet& sheet : contents.sheets) {
        if (!includeUnchecked && !sheet.checked)
            continue;
        out.push_back(includeUnchecked && withPrefix ? (sheet.checked ? "1:" : "0:") + sheet.path
                                                     : sheet.path);
    }
    return int(out.size());
}

bool CProjectFile::SplitPropertyLine(const CString& line, CString& name, CString& value)
{
    if (line.GetLength() < 2 || line[0] != '&')
        return false;
    name.Empty();
    for (int i = 1; i < line.GetLength();) {
        const int n = line.CharLengthAt(i);
        if (n == 1 && line[i] == '\\' && line[i + 1] == '&') {
            name += '&';
            i += 2;
        } else if (n == 1 && line[i] == '&') {
            value = line.Mid(i + 1);
            return !name.IsEmpty();
        } else {
            name += line.Mid(i, n);
            i += n;
        }
    }
    return false;
}

CString CProjectFile::PropertyLine(const CString& name, const CString& value)
{
    CString escaped = name;
    escaped.Replace("&", "\\&");
    return "&" + escaped + "&" + value;
}

CString CProjectFile::ReadProperty(const std::filesystem::path& project, const CString& name)
{
    for (const CString& line : ListProperties(project)) {
        CString n, v;
        if (SplitPropertyLine(line, n, v) && n.CompareNoCase(name) == 0)
            return v;
    }
    return CString();
}

std::vector<CString> CProjectFile::PropertyLinesOf(std::string_view text)
{
    return PropertyLines(text);
}

std::vector<CString> CProjectFile::ListProperties(const std::filesystem::path& project)
{
    std::string text, error;
    CProjectContents contents;
    if (!ReadText(project, text, error) || !Parse(text, std::string(), contents))
        return {};
    return PropertyLines(text);
}

std::string CProjectFile::SetPropertyText(std::string_view text, const CString& name,
                                          const CString& value)
{
    std::string out;
    auto put = [&out](const CString& line) {
        out += line.str();
        out += '\n';
    };
    const std::vector<std::string> lines = SplitLines(text);
    // The header and the sheet list stay as they are, byte for byte: only
    // what follows the list is the property part.  A list without its end
    // line runs to the end of the file, so the end line is added before the
    // properties; otherwise they would be read as sheets.
    size_t i = 0;
    bool listEnded = false;
    for (; i < lines.size(); ++i) {
        put(CString(lines[i]));
        if (i > 0 && BeginsWith(TrimmedLeft(lines[i]), "EndFileList")) {
            listEnded = true;
            ++i;
            break;
        }
    }
    if (!listEnded)
        put("EndFileList");
    bool inList = false, sawList = false, sawProperty = false;
    for (; i < lines.size(); ++i) {
        CString line(lines[i]);
        line.Trim();
        if (IsPropertyListEnd(line))
            break;
        if (IsPropertyListStart(line)) {
            inList = sawList = true;
            put("Property List");
            continue;
        }
        CString n, v;
        if (inList && SplitPropertyLine(line, n, v) && n.CompareNoCase(name) == 0) {
            // Only the first one is replaced; later duplicates go.
            if (!sawProperty && !value.IsEmpty())
                put(PropertyLine(name, value));
            sawProperty = true;
            continue;
        }
        put(line);
    }
    if (!sawList)
        put("Property List");
    if (!sawProperty && !value.IsEmpty())
        put(PropertyLine(name, value));
    put("EndPropertyList");
    // Whatever followed the property list stays: dropping it would lose data
    // that a newer program may have put there.
    for (++i; i < lines.size(); ++i)
        put(CString(lines[i]));
    return out;
}

bool CProjectFile::SetProperty(const std::filesystem::path& project, const CString& name,
                               const CString& value, std::string& error)
{
    if (name.IsEmpty() || HasLineBreak(name) || HasLineBreak(value)) {
        error = "a property name must not be empty and no name or value may hold a line break";
        return false;
    }
    // "\&" stands for an ampersand inside a name: a name ending in a
    // backslash would swallow the separator before its value.
    if (name.GetLength() > 0 && name.CharLengthAt(name.GetLength() - 1) == 1 &&
        name.Right(1) == "\\") {
        error = "a property name must not end in a backslash";
        return false;
    }
    return Update(project, error, [&](const std::string* text, std::string& updated) {
        if (!text) {
            error = "no such file";
            return false;
        }
        return SetPropertyChecked(*text, name, value, updated, error);
    });
}

bool CProjectFile::SetPropertyChecked(std::string_view text, const CString& name,
                                      const CString& value, std::string& updated,
                                      std::string& error)
{
    CProjectContents before, after;
    if (!Parse(text, std::string(), before)) {
        error = "not a project file";
        return false;
    }
    updated = SetPropertyText(text, name, value);
    // The file stays a project with the same sheets and the new value, or it
    // is not written at all.
    CString readBack;
    for (const CString& line : PropertyLines(updated)) {
        CString n, v;
        if (SplitPropertyLine(line, n, v) && n.CompareNoCase(name) == 0) {
            readBack = v;
            break;
        }
    }
    if (!Parse(updated, std::string(), after) || after.sheets != before.sheets ||
        !(readBack == value)) {
        error = "the project's layout does not allow the property to be set safely; not changed";
        return false;
    }
    return true;
}

bool CProjectFile::Update(const std::filesystem::path& project, std::string& error,
                          const std::function<bool(const std::string*, std::string&)>& change)
{
    try {
        CFileLock lock;
        lock.Lock(project);
        std::string text;
        const bool exists = lock.Identity().exists;
        if (exists && !ReadText(project, text, error))
            return false;
        std::string updated;
        if (!change(exists ? &text : nullptr, updated))
            return false;
        lock.Replace(std::vector<uint8_t>(updated.begin(), updated.end()));
        return true;
    } catch (const CFileException& e) {
        error = e.what();
        return false;
    }
}

std::string CProjectFile::Render(const std::string& projectFolder,
                                 const std::vector<CProjectSheet>& sheets,
                                 const std::vector<CString>& tail)
{
    std::string out = std::string(kHeader) + "\n";
    for (const CProjectSheet& sheet : sheets) {
        out += sheet.checked ? "1:" : "0:";
        // The reader skips blanks after the colon, so a name in the project's
        // folder that starts with one is kept as the full path.
        std::string stored = StoredSheetPath(sheet.path, projectFolder);
        if (stored.empty() || stored[0] == ' ' || stored[0] == '\t')
            stored = sheet.path;
        out += Utf8ToCp932(stored).text;
        out += '\n';
    }
    out += "EndFileList\n";
    for (const CString& line : tail)
        out += line.str() + "\n";
    return out;
}

bool CProjectFile::Write(const std::filesystem::path& project,
                         const std::vector<CProjectSheet>& sheets, std::string& error)
{
    for (const CProjectSheet& sheet : sheets) {
        if (sheet.path.find_first_of("\r\n") != std::string::npos) {
            error = "a sheet path holds a line break";
            return false;
        }
        std::string stored;
        if (!Utf8ToCp932Exact(sheet.path, stored)) {
            error = "the sheet path " + sheet.path + " cannot be stored in the project's code page";
            return false;
        }
    }
    return Update(project, error, [&](const std::string* text, std::string& updated) {
        // The lines after the file list belong to the project; a file that
        // cannot be read would lose them, so it is not replaced.
        CProjectContents old;
        if (text && !Parse(*text, std::string(), old)) {
            error = "not a project file; not replaced";
            return false;
        }
        updated = Render(FolderOf(project.string()), sheets, old.tail);
        return true;
    });
}
