#include "base/iniprofile.h"

#include "base/filelock.h"

#include <cstdlib>
#include <system_error>

#include "base/archive.h"
#include "base/codepage.h"
#include "base/exception.h"
#include "base/fileio.h"

namespace {

const char kHex[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, unsigned char c)
{
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 15];
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Quoted form of a CP932 string.  Text that survives the trip to UTF-8 and
// back byte for byte is written readable; anything else as escaped bytes.
std::string QuoteString(const std::string& cp932)
{
    std::string body = cp932;
    bool readable = true;
    for (unsigned char c : cp932)
        if (c >= 0x80) {
            const CodepageResult utf8 = Cp932ToUtf8(cp932);
            readable = utf8.Ok() && Utf8ToCp932(utf8.text).text == cp932;
            if (readable)
                body = utf8.text;
            break;
        }
    std::string out = "\"";
    for (unsigned char c : body) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F || (c >= 0x80 && !readable))
                AppendHexByte(out, c);
            else
                out += char(c);
        }
    }
    out += '"';
    return out;
}

// Reverses QuoteString: s holds the text between the quotes.  UTF-8 runs are
// turned back into CP932; \xHH escapes are bytes as they are.
std::string UnquoteString(const std::string& s)
{
    std::string out;
    std::string utf8Run;
    auto flush = [&] {
        if (!utf8Run.empty()) {
            out += Utf8ToCp932(utf8Run).text;
            utf8Run.clear();
        }
    };
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c != '\\' || i + 1 >= s.size()) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                utf8Run += c;
            } else {
                flush();
                out += c;
            }
            continue;
        }
        flush();
        const char e = s[++i];
        switch (e) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'x':
            if (i + 2 < s.size() && HexDigit(s[i + 1]) >= 0 && HexDigit(s[i + 2]) >= 0) {
                out += char(HexDigit(s[i + 1]) * 16 + HexDigit(s[i + 2]));
                i += 2;
            } else {
                out += 'x';
            }
            break;
        default:
            out += e;
        }
    }
    flush();
    return out;
}

std::string Trimmed(const std::string& s)
{
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return std::string();
    const size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

} // namespace

IniProfile::IniProfile(std::filesystem::path path) : m_path(std::move(path))
{
    std::error_code ec;
    if (!std::filesystem::exists(m_path, ec))
        return;
    try {
        const std::vector<uint8_t> bytes = ReadFileBytes(m_path);
        Parse(std::string(bytes.begin(), bytes.end()));
    } catch (const CFileException& e) {
        // Rewriting the file now would replace the user's settings with only
        // the values changed in this session: keep changes in memory instead.
        m_lastError = m_path.string() + ": " + e.what();
        m_unreadable = true;
    }
}

std::string IniProfile::Render() const
{
    std::string out;
    for (const auto& [section, keys] : m_store) {
        if (keys.empty())
            continue;
        out += "[" + section + "]\n";
        for (const auto& [key, value] : keys) {
            out += key + "=";
            switch (value.kind) {
            case Value::Int:
                out += std::to_string(value.number);
                break;
            case Value::String:
                out += QuoteString(value.bytes);
                break;
            case Value::Binary:
                out += "hex:";
                for (unsigned char c : value.bytes) {
                    out += kHex[c >> 4];
                    out += kHex[c & 15];
                }
                break;
            }
            out += '\n';
        }
        out += '\n';
    }
    return out;
}

void IniProfile::Parse(const std::string& text)
{
    m_store.clear();
    std::string section;
    bool inSection = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            inSection = true;
            continue;
        }
        const size_t eq = line.find('=');
        if (!inSection || eq == std::string::npos || eq == 0)
            continue;
        const std::string key = Trimmed(line.substr(0, eq));
        const std::string raw = Trimmed(line.substr(eq + 1));
        Value v;
        if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
            v.kind = Value::String;
            v.bytes = UnquoteString(raw.substr(1, raw.size() - 2));
        } else if (raw.rfind("hex:", 0) == 0) {
            v.kind = Value::Binary;
            for (size_t i = 4; i + 1 < raw.size(); i += 2) {
                const int hi = HexDigit(raw[i]), lo = HexDigit(raw[i + 1]);
                if (hi < 0 || lo < 0)
                    break;
                v.bytes += char(hi * 16 + lo);
            }
        } else {
            char* endp = nullptr;
            const long n = std::strtol(raw.c_str(), &endp, 10);
            if (!raw.empty() && endp && *endp == '\0') {
                v.kind = Value::Int;
                v.number = int(n);
            } else {
                // A bare word written by hand: keep it as a string.
                v.kind = Value::String;
                v.bytes = raw;
            }
        }
        m_store[section][key] = std::move(v);
    }
}

bool IniProfile::Update(const std::function<void()>& change, std::string& error)
{
    if (m_path.empty() || m_unreadable || m_updating) {
        change();
        return true;
    }
    try {
        std::error_code ec;
        if (m_path.has_parent_path())
            std::filesystem::create_directories(m_path.parent_path(), ec);
        CFileLock lock;
        lock.Lock(m_path);
        if (lock.Identity().exists) {
            const std::vector<uint8_t> bytes = ReadFileBytes(m_path);
            Parse(std::string(bytes.begin(), bytes.end()));
        }
        m_updating = true;
        try {
            change();
        } catch (...) {
            m_updating = false;
            throw;
        }
        m_updating = false;
        const std::string text = Render();
        lock.Replace(std::vector<uint8_t>(text.begin(), text.end()));
        m_lastError.clear();
        return true;
    } catch (const CFileException& e) {
        m_updating = false;
        m_lastError = m_path.string() + ": " + e.what();
        error = m_lastError;
        return false;
    }
}

void IniProfile::Changed()
{
    if (m_path.empty() || m_unreadable || m_updating)
        return;
    try {
        std::error_code ec;
        if (m_path.has_parent_path())
            std::filesystem::create_directories(m_path.parent_path(), ec);
        const std::string text = Render();
        WriteFileAtomically(m_path, std::vector<uint8_t>(text.begin(), text.end()));
        m_lastError.clear();
    } catch (const CFileException& e) {
        m_lastError = m_path.string() + ": " + e.what();
    }
}

std::filesystem::path DefaultProfilePath()
{
    if (const char* env = std::getenv("VIREO_CONFIG"); env && *env)
        return env;
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".config";
    else
        base = ".";
    return base / "TARN" / "Vireo.ini";
}
