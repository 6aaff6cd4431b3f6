#include "app/settingsfile.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "app/settings.h"
#include "base/exception.h"
#include "base/fileio.h"
#include "base/iniprofile.h"
#include "base/profile.h"

namespace {

std::string Trimmed(const std::string& s)
{
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return std::string();
    const size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

bool IsHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

enum class ValueForm { Bad, Int, String, Binary };

// The form of a raw value as the INI store writes it.  A bare word (which
// the store reads as text) is refused here: a file meant to be imported is
// one the program wrote, and a bare word in it is most likely a damaged number.
ValueForm FormOf(const std::string& raw, long& number)
{
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
        // The closing quote must not be escaped.
        size_t backslashes = 0;
        for (size_t i = raw.size() - 2; i > 0 && raw[i] == '\\'; --i)
            ++backslashes;
        return backslashes % 2 == 0 ? ValueForm::String : ValueForm::Bad;
    }
    if (raw.rfind("hex:", 0) == 0) {
        if ((raw.size() - 4) % 2 != 0)
            return ValueForm::Bad;
        for (size_t i = 4; i < raw.size(); ++i)
            if (!IsHex(raw[i]))
                return ValueForm::Bad;
        return ValueForm::Binary;
    }
    if (raw.empty())
        return ValueForm::Bad;
    errno = 0;
    char* end = nullptr;
    number = std::strtol(raw.c_str(), &end, 10);
    if (errno != 0 || !end || *end != '\0' || number < INT_MIN || number > INT_MAX)
        return ValueForm::Bad;
    return ValueForm::Int;
}

// Why a line is wrong, or empty when it is sound.
std::string CheckLine(const std::string& line, bool inSection, const std::string& section)
{
    if (line.front() == '[')
        return line.back() == ']' && line.size() > 2 ? std::string()
                                                     : "a section name in [ ] expected";
    if (!inSection)
        return "a value before the first section";
    const size_t eq = line.find('=');
    if (eq == std::string::npos || Trimmed(line.substr(0, eq)).empty())
        return "key=value expected";
    const std::string key = Trimmed(line.substr(0, eq));
    long number = 0;
    const ValueForm form = FormOf(Trimmed(line.substr(eq + 1)), number);
    if (form == ValueForm::Bad)
        return "the value of " + key + " cannot be read";
    const CSettingKey* entry = FindSetting(section.c_str(), key.c_str());
    if (!entry)
        return std::string();
    switch (entry->type) {
    case CSettingKey::Int:
        if (form != ValueForm::Int)
            return section + "/" + key + " must be a number";
        if (number < entry->minValue || number > entry->maxValue)
            return section + "/" + key + " must lie between " + std::to_string(entry->minValue) +
                   " and " + std::to_string(entry->maxValue);
        return std::string();
    case CSettingKey::String:
        return form == ValueForm::String ? std::string()
                                         : section + "/" + key + " must be a quoted text";
    case CSettingKey::Binary:
        return form == ValueForm::Binary ? std::string()
                                         : section + "/" + key + " must be hex: bytes";
    }
    return std::string();
}

// A store that is never written to a file: the INI text of given contents.
class DetachedIni : public IniProfile {
public:
    DetachedIni() : IniProfile(std::filesystem::path()) {}
    void Assign(const MemoryProfile::Store& store) { m_store = store; }
};

} // namespace

std::string SettingsText()
{
    DetachedIni ini;
    if (auto* memory = dynamic_cast<MemoryProfile*>(&Profile()))
        ini.Assign(memory->Contents());
    return ini.Render();
}

CSettingsFileResult ImportSettingsText(const std::string& text)
{
    CSettingsFileResult result;
    bool inSection = false;
    std::string section;
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (std::string why = CheckLine(line, inSection, section); !why.empty()) {
            result.line = number;
            result.error = std::move(why);
            return result;
        }
        if (line.front() == '[') {
            section = line.substr(1, line.size() - 2);
            inSection = true;
        }
    }
    // Every line is sound: the store's own reader decodes the values.
    DetachedIni parsed;
    parsed.Parse(text);
    std::string error;
    const bool written = Profile().Update(
        [&] {
            for (const auto& [name, keys] : parsed.Contents()) {
                for (const auto& [key, value] : keys) {
                    switch (value.kind) {
                    case MemoryProfile::Value::Int:
                        Profile().WriteInt(name.c_str(), key.c_str(), value.number);
                        break;
                    case MemoryProfile::Value::String:
                        Profile().WriteString(name.c_str(), key.c_str(), CString(value.bytes));
                        break;
                    case MemoryProfile::Value::Binary:
                        Profile().WriteBinary(
                            name.c_str(), key.c_str(),
                            std::vector<uint8_t>(value.bytes.begin(), value.bytes.end()));
                        break;
                    }
                    ++result.keys;
                }
            }
        },
        error);
    if (!written) {
        result.error = error;
        result.keys = 0;
        return result;
    }
    result.ok = true;
    return result;
}

CSettingsFileResult ExportSettings(const std::filesystem::path& path)
{
    CSettingsFileResult result;
    try {
        const std::string text = SettingsText();
        WriteFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()));
        result.ok = true;
    } catch (const CFileException& e) {
        result.error = e.what();
    }
    return result;
}

CSettingsFileResult ImportSettings(const std::filesystem::path& path)
{
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const CFileException& e) {
        CSettingsFileResult result;
        result.error = e.what();
        return result;
    }
    return ImportSettingsText(std::string(bytes.begin(), bytes.end()));
}
