#include "app/wasisfile.h"

#include <climits>

#include "base/codepage.h"
#include "base/messages.h"
#include "items/part.h"

namespace {

// The lines of a text, without their CR LF or LF ends.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimRight(std::string_view s)
{
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string_view TrimLeft(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

bool StartsWith(std::string_view s, std::string_view head)
{
    return s.substr(0, head.size()) == head;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return CString(a).CompareNoCase(CString(b)) == 0;
}

// Reads a value in double quotes at s[pos]; doubled quotes are one quote.
// A double quote is never the trail byte of a double-byte character, so the
// bytes are looked at one by one.
bool ReadQuoted(std::string_view s, size_t& pos, CString& out)
{
    if (pos >= s.size() || s[pos] != '"')
        return false;
    std::string value;
    for (++pos; pos < s.size(); ++pos) {
        if (s[pos] != '"') {
            value += s[pos];
            continue;
        }
        if (pos + 1 < s.size() && s[pos + 1] == '"') {
            value += '"';
            ++pos;
            continue;
        }
        ++pos;
        out = CString(std::move(value));
        return true;
    }
    return false;
}

bool ReadInt(std::string_view s, size_t& pos, int& out)
{
    bool negative = false;
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+'))
        negative = s[pos++] == '-';
    long long value = 0;
    const size_t first = pos;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
        value = value * 10 + (s[pos++] - '0');
        if (value > (long long)INT_MAX + 1)
            return false;
    }
    if (pos == first)
        return false;
    value = negative ? -value : value;
    if (value > INT_MAX || value < INT_MIN)
        return false;
    out = int(value);
    return true;
}

// The fields after "Old:" or "New:": Name=, Ref= and Value= in double
// quotes, and, taken only as whole tokens, x= and y= with a number.
bool ReadFields(std::string_view s, CWasIsPart& part, bool& hasX, bool& hasY, CPoint& at,
                CString& problem)
{
    bool seen[3] = {};
    size_t pos = 0;
    for (;;) {
        while (pos < s.size() && IsBlank(s[pos]))
            ++pos;
        if (pos >= s.size())
            return true;
        const size_t eq = s.find('=', pos);
        if (eq == std::string_view::npos) {
            problem = "a field without \"=\"";
            return false;
        }
        const std::string_view key = s.substr(pos, eq - pos);
        pos = eq + 1;
        const char* const names[] = {"Name", "Ref", "Value"};
        CString* const values[] = {&part.name, &part.ref, &part.value};
        bool quoted = false;
        for (int i = 0; i < 3; ++i) {
            if (!EqualNoCase(key, names[i]))
                continue;
            if (seen[i] || !ReadQuoted(s, pos, *values[i])) {
                problem = CString(names[i]) + "= is repeated or its value is not in double quotes";
                return false;
            }
            seen[i] = quoted = true;
        }
        if (quoted)
            continue;
        const bool isX = key == "x" || key == "X";
        const bool isY = key == "y" || key == "Y";
        if (!isX && !isY) {
            problem = "an unknown field " + CString(key);
            return false;
        }
        bool& has = isX ? hasX : hasY;
        if (has || !ReadInt(s, pos, isX ? at.x : at.y)) {
            problem = CString(isX ? "x" : "y") + "= is repeated or not a number";
            return false;
        }
        has = true;
    }
}

// The file of a "File:" line without the document number " [n]" the tag adds.
CString WithoutDocumentNumber(const CString& file)
{
    const int close = file.GetLength() - 1;
    const int open = file.ReverseFind('[');
    if (close < 0 || file[close] != ']' || open < 0 || open + 1 >= close)
        return file;
    for (int i = open + 1; i < close; ++i)
        if (file[i] < '0' || file[i] > '9')
            return file;
    CString path = file.Left(open);
    return path.TrimRight();
}

} // namespace

CString CWasIsFault::Message() const
{
    if (kind == WrongVersion)
        return FromUtf8("バージョンが違います");
    CString text = LoadMessage(2906);
    text += CString::Formatted(" (line %d", line);
    if (!detail.IsEmpty())
        text += ": " + detail;
    return text + ")";
}

CString CWasIsFile::Quote(const CString& value)
{
    std::string quoted = "\"";
    for (char c : value.str()) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return CString(quoted + "\"");
}

CString CWasIsFile::PartText(const CString& name, const CString& ref, const CString& value)
{
    CString text = ":Name=" + Quote(name);
    if (!ref.IsEmpty())
        text += " Ref=" + Quote(ref);
    if (!value.IsEmpty())
        text += " Value=" + Quote(value);
    return text;
}

CString CWasIsFile::PartText(const CPart& part)
{
    return PartText(part.GetPartName(), part.GetRefName(), part.GetValName());
}

CString CWasIsFile::FullHead(const CString& project)
{
    return CString(kHeader) + "\n#\n# Project File Name:\n#  " + project + "\n#\n";
}

CString CWasIsFile::SheetComment(const CString& docText)
{
    return "#\n#---- " + Quote(docText) + " ----\n#\n";
}

CString CWasIsFile::Record(const CString& docText, const CPart& part)
{
    const CPoint c = part.GetCenter();
    const CString text = PartText(part);
    return "File:" + Quote(docText) + "\nOld" + text + CString::Formatted(" x=%d y=%d\n", c.x, c.y) +
           "New" + text + "\n\n";
}

bool CWasIsFile::ParseFull(std::string_view text, std::vector<CWasIsRecord>& records,
                           CWasIsFault& fault)
{
    records.clear();
    enum Expect { Header, File, Old, New } expect = Header;
    CWasIsRecord record;
    const std::vector<std::string_view> lines = SplitLines(text);
    const auto irregular = [&fault](int line, const CString& detail) {
        fault = {CWasIsFault::Irregular, line, detail};
        return false;
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = int(i) + 1;
        const std::string_view line = TrimRight(lines[i]);
        if (TrimLeft(line).empty() || line.front() == '#')
            continue;
        if (expect == Header) {
            if (line != kHeader) {
                fault = {CWasIsFault::WrongVersion, lineNo, CString()};
                return false;
            }
            expect = File;
            continue;
        }
        if (StartsWith(line, "File:")) {
            if (expect != File)
                return irregular(lineNo, "\"File:\" out of order");
            size_t pos = 5;
            CString file;
            if (!ReadQuoted(line, pos, file) || !TrimLeft(line.substr(pos)).empty())
                return irregular(lineNo, "the sheet is not in double quotes");
            record = CWasIsRecord();
            record.file = WithoutDocumentNumber(file);
            expect = Old;
        } else if (StartsWith(line, "Old:") || StartsWith(line, "New:")) {
            const bool old = line[0] == 'O';
            if (expect != (old ? Old : New))
                return irregular(lineNo, CString(old ? "\"Old:\"" : "\"New:\"") + " out of order");
            bool hasX = false, hasY = false;
            CPoint at;
            CString problem;
            if (!ReadFields(line.substr(4), old ? record.before : record.after, hasX, hasY, at,
                            problem))
                return irregular(lineNo, problem);
            if (old) {
                if (!hasX || !hasY)
                    return irregular(lineNo, "the position x= y= is missing");
                record.at = at;
                record.line = lineNo;
                expect = New;
            } else {
                records.push_back(record);
                expect = File;
            }
        } else {
            return irregular(lineNo, "not a File:, Old: or New: line");
        }
    }
    if (expect == Header) {
        fault = {CWasIsFault::WrongVersion, 1, CString()};
        return false;
    }
    if (expect != File)
        return irregular(int(lines.size()), "the last record is incomplete");
    return true;
}

bool CWasIsFile::ParseSimple(std::string_view text, std::vector<CWasIsPair>& pairs,
                             CWasIsFault& fault)
{
    pairs.clear();
    const std::vector<std::string_view> lines = SplitLines(text);
    const auto isSeparator = [](char c) { return c == ' ' || c == ',' || c == '\t'; };
    for (size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = int(i) + 1;
        const std::string_view line = TrimLeft(TrimRight(lines[i]));
        if (line == kHeader) {
            fault = {CWasIsFault::WrongVersion, lineNo, CString()};
            return false;
        }
        if (line.empty() || line.front() == '#' || line.front() == ';' || line.front() == '/')
            continue;
        // These separators are all below 0x40: never a trail byte.
        size_t pos = 0;
        while (pos < line.size() && !isSeparator(line[pos]))
            ++pos;
        const std::string_view before = line.substr(0, pos);
        while (pos < line.size() && isSeparator(line[pos]))
            ++pos;
        const size_t start = pos;
        while (pos < line.size() && !isSeparator(line[pos]) && line[pos] != '#' &&
               line[pos] != ';' && line[pos] != '/')
            ++pos;
        const std::string_view after = line.substr(start, pos - start);
        if (after.empty()) {
            fault = {CWasIsFault::Irregular, lineNo, "no new reference after " + CString(before)};
            return false;
        }
        pairs.push_back({CString(before), CString(after), lineNo});
    }
    return true;
}
