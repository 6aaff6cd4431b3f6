#include "netlist/htmltemplate.h"

#include <cstdint>
#include <filesystem>

#include "base/codepage.h"

namespace {

const char kCommon[] = "$COMMON$";
const char kBlockIn[] = "$BLOCKIN$";
const char kBlockFor[] = "$BLOCKFOR$";
const char kBlockNext[] = "$BLOCKNEXT$";

} // namespace

bool CHtmlTemplate::Parse(std::string bytes, CString& error)
{
    m_bytes = std::move(bytes);
    const CString text(m_bytes);
    const int common = text.Find(kCommon);
    const int headStart = common + 9;
    const int blockIn = common < 0 ? -1 : text.Find(kBlockIn, common + 8);
    const int tailStart = blockIn + 10;
    const int end = blockIn < 0 ? -1 : text.Find(kCommon, blockIn + 9);
    if (common < 0 || blockIn < headStart || end < tailStart) {
        error = "the page markers $COMMON$ ... $BLOCKIN$ ... $COMMON$ are missing or out of order";
        return false;
    }
    m_head = text.Mid(headStart, blockIn - headStart);
    m_tail = text.Mid(tailStart, end - tailStart);
    return true;
}

CString CHtmlTemplate::Block(const char* marker) const
{
    const CString text(m_bytes);
    const CString m(marker);
    const int first = text.Find(m);
    if (first < 0)
        return CString();
    const int start = first + m.GetLength();
    const int second = text.Find(m, start);
    return second < 0 ? CString() : text.Mid(start, second - start);
}

bool CHtmlTemplate::List(const char* marker, ListBlock& out, CString& error) const
{
    const CString block = Block(marker);
    const int blockFor = block.Find(kBlockFor);
    const int entryStart = blockFor + 10;
    const int blockNext = blockFor < 0 ? -1 : block.Find(kBlockNext, entryStart);
    if (blockFor < 0 || blockNext < entryStart) {
        error = CString("the block ") + marker + " is missing or lacks $BLOCKFOR$ ... $BLOCKNEXT$";
        return false;
    }
    out.title = block.Left(blockFor);
    out.entry = block.Mid(entryStart, blockNext - entryStart);
    out.end = block.Mid(blockNext + 11);
    return true;
}

CString CHtmlTemplate::Expand(const CString& text, const std::map<std::string, CString>& values)
{
    CString out;
    const std::string& s = text.str();
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] == '$') {
            bool replaced = false;
            for (const auto& [key, value] : values) {
                if (s.compare(i, key.size(), key) == 0) {
                    out += value;
                    i += key.size();
                    replaced = true;
                    break;
                }
            }
            if (replaced)
                continue;
        }
        const int length = text.CharLengthAt(int(i));
        out += CString(s.substr(i, size_t(length)));
        i += size_t(length);
    }
    return out;
}

CString CHtmlTemplate::Escape(const CString& s)
{
    CString out;
    for (int i = 0; i < s.GetLength();) {
        const int length = s.CharLengthAt(i);
        const char c = s[i];
        if (length == 1 && c == '&')
            out += "&amp;";
        else if (length == 1 && c == '<')
            out += "&lt;";
        else if (length == 1 && c == '>')
            out += "&gt;";
        else if (length == 1 && c == '"')
            out += "&quot;";
        else if (length == 1 && c == '\'')
            out += "&#39;";
        else
            out += s.Mid(i, length);
        i += length;
    }
    return out;
}

CString CHtmlTemplate::FileList(const std::vector<CString>& paths)
{
    CString list;
    for (size_t k = 0; k < paths.size(); ++k) {
        CString quoted;
        const CString& p = paths[k];
        for (int i = 0; i < p.GetLength();) {
            const int length = p.CharLengthAt(i);
            const char c = p[i];
            if (length == 1 && (c == '\\' || c == '"'))
                quoted += CString("\\") + c;
            else if (length == 1 && c == '<')
                quoted += "\\x3c";
            else if (length == 1 && (unsigned char)c < 0x20)
                quoted += CString::Formatted("\\x%02x", (unsigned char)c);
            else
                quoted += p.Mid(i, length);
            i += length;
        }
        list += "\"" + quoted + "\"" + (k + 1 < paths.size() ? ",\r\n" : "\r\n");
    }
    return list.IsEmpty() ? list : "\"\",\r\n" + list;
}

CString CHtmlTemplate::TagJump(const CPoint& p)
{
    // y in the high half and x in the low half, as a signed 32-bit number
    // (worked out wide, then wrapped): one form in every report, the one the
    // net report has always carried.
    const int64_t wide = int64_t(p.y) * 65536 + int64_t(p.x) % 65536;
    return CString::Formatted("&[VIREO]AUTOTAGJUMP&%ld", long(int32_t(uint32_t(uint64_t(wide)))));
}

CString CHtmlTemplate::VireoLink(const CString& path, const CPoint& p)
{
    if (path.IsEmpty())
        return CString();
    std::string utf8 = ToUtf8(path);
    for (char& c : utf8)
        if (c == '\\')
            c = '/';
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(utf8, ec);
    if (!ec)
        utf8 = absolute.lexically_normal().string();
    static const char kHex[] = "0123456789ABCDEF";
    std::string link = "vireo:";
    for (unsigned char c : utf8) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '/' || c == '-' || c == '.' || c == '_' ||
                           c == '~';
        if (plain) {
            link += char(c);
        } else {
            link += '%';
            link += kHex[c >> 4];
            link += kHex[c & 15];
        }
    }
    return CString(link + "?x=" + std::to_string(p.x) + "&y=" + std::to_string(p.y));
}

CString CHtmlTemplate::FileName(const CString& path)
{
    int cut = -1;
    for (int i = 0; i < path.GetLength(); i += path.CharLengthAt(i))
        if (path.CharLengthAt(i) == 1 && (path[i] == '\\' || path[i] == '/'))
            cut = i;
    return path.Mid(cut + 1);
}
