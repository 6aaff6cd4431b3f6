// Settings stores: the in-memory one and the INI file, and the process-wide
// accessor that tests replace.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/fileio.h"
#include "base/iniprofile.h"
#include "base/memoryprofile.h"
#include "support/printers.h"
#include "support/tempdir.h"

namespace {

std::string FileText(const std::filesystem::path& path)
{
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

struct NamedString {
    const char* key;
    CString value;
};

// Values that break a naive "key=value" file.
std::vector<NamedString> HostileStrings()
{
    std::string controls;
    for (int c = 0; c < 0x20; ++c)
        controls += char(c);
    controls += '\x7F';
    std::string unmappable;   // CP932 bytes with no Unicode round trip
    unmappable += "\xEE\xEF"; // a duplicate code that comes back as 0xFA 0x40
    unmappable += "\x85\x40"; // an unassigned code
    unmappable += "\x80\xA0\xFD\xFE\xFF";
    unmappable += "\x83\x5C"; // a real character in between
    unmappable += "\x83";     // a lead byte cut off at the end
    return {
        {"Equals", "a=b=c"},
        {"Semicolon", "; not a comment"},
        {"Hash", "# not a comment"},
        {"Blanks", "  padded \t "},
        {"Quotes", "\"quoted\" and \""},
        {"Backslashes", "C:\\dir\\file\\"},
        {"EscapesLookalike", "\\n \\x41 \\\""},
        {"LineBreaks", "one\r\ntwo\nthree\rfour\tfive"},
        {"Controls", CString(controls)},
        {"Bracket", "[Other]"},
        {"LooksLikeNumber", "123"},
        {"LooksLikeBinary", "hex:00FF"},
        {"Empty", ""},
        {"Japanese", FromUtf8("回路図ソ表ー ｱｲｳ")},
        {"Unmappable", CString(unmappable)},
        {"Mixed", FromUtf8("表") + CString("\xEE\xEF") + "x"},
    };
}

std::vector<uint8_t> AllBytes()
{
    std::vector<uint8_t> bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(uint8_t(b));
    return bytes;
}

} // namespace

TEST(MemoryProfile, ValuesKeysAndSections)
{
    MemoryProfile p;
    EXPECT_EQ(p.GetInt("Sheet", "MainGrid", 100), 100);
    EXPECT_EQ(p.GetString("Default", "FontE", "Arial"), "Arial");
    std::vector<uint8_t> out = {9};
    EXPECT_FALSE(p.GetBinary("Text", "Font", out));
    EXPECT_EQ(out, std::vector<uint8_t>{9}); // untouched

    p.WriteInt("Sheet", "MainGrid", 50);
    p.WriteString("Default", "FontE", "Helvetica");
    p.WriteBinary("Text", "Font", {1, 2, 3});
    // Sections and keys ignore case, as the settings store does.
    EXPECT_EQ(p.GetInt("SHEET", "maingrid", 100), 50);
    EXPECT_EQ(p.GetString("default", "FONTE"), "Helvetica");
    EXPECT_TRUE(p.GetBinary("text", "font", out));
    EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3}));
    p.WriteInt("sheet", "MAINGRID", 25);
    EXPECT_EQ(p.GetInt("Sheet", "MainGrid", 100), 25);
    EXPECT_EQ(p.Contents().at("Sheet").size(), 1u);

    // Kinds convert where a hand-edited file would need it, else default.
    p.WriteString("Sheet", "Work", "12");
    EXPECT_EQ(p.GetInt("Sheet", "Work", 1), 12);
    p.WriteString("Sheet", "Work", "12 mil");
    EXPECT_EQ(p.GetInt("Sheet", "Work", 1), 1);
    EXPECT_EQ(p.GetString("Sheet", "MainGrid"), "25");
    EXPECT_EQ(p.GetString("Text", "Font", "none"), "none");
    EXPECT_FALSE(p.GetBinary("Sheet", "MainGrid", out));

    p.DeleteKey("SHEET", "work");
    EXPECT_EQ(p.GetInt("Sheet", "Work", 7), 7);
    EXPECT_EQ(p.GetInt("Sheet", "MainGrid", 100), 25);
    p.DeleteSection("sheet");
    EXPECT_EQ(p.GetInt("Sheet", "MainGrid", 100), 100);
    p.DeleteKey("Nowhere", "Nothing");
    p.DeleteSection("Nowhere");
    EXPECT_EQ(p.GetString("Default", "FontE"), "Helvetica");
}

TEST(IniProfile, HostileValuesSurviveTheFile)
{
    CTempDir dir;
    const auto path = dir / "TARN" / "Vireo.ini"; // the folder does not exist yet
    const std::vector<NamedString> strings = HostileStrings();
    {
        IniProfile ini(path);
        for (const NamedString& s : strings)
            ini.WriteString("Strings", s.key, s.value);
        ini.WriteBinary("Binary", "All", AllBytes());
        ini.WriteBinary("Binary", "None", {});
        ini.WriteInt("Ints", "Zero", 0);
        ini.WriteInt("Ints", "Min", INT_MIN);
        ini.WriteInt("Ints", "Max", INT_MAX);
        ini.WriteInt("Ints", "Minus", -1);
        EXPECT_EQ(ini.LastError(), "");
    }

    IniProfile back(path);
    for (const NamedString& s : strings) {
        SCOPED_TRACE(s.key);
        EXPECT_EQ(back.GetString("STRINGS", s.key, "<missing>"), s.value);
    }
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(back.GetBinary("Binary", "All", bytes));
    EXPECT_EQ(bytes, AllBytes());
    bytes = {1};
    ASSERT_TRUE(back.GetBinary("Binary", "None", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(back.GetInt("Ints", "Zero", 5), 0);
    EXPECT_EQ(back.GetInt("Ints", "Min", 5), INT_MIN);
    EXPECT_EQ(back.GetInt("Ints", "Max", 5), INT_MAX);
    EXPECT_EQ(back.GetInt("Ints", "Minus", 5), -1);
    // What was written as a string stays a string, and vice versa.
    EXPECT_EQ(back.GetString("Strings", "LooksLikeNumber"), "123");
    EXPECT_FALSE(back.GetBinary("Strings", "LooksLikeBinary", bytes));

    // Japanese text is readable in the file; one value per line.
    const std::string text = FileText(path);
    EXPECT_NE(text.find("回路図ソ表ー ｱｲｳ"), std::string::npos);
    size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    EXPECT_LT(lines, strings.size() + 20);
}

TEST(IniProfile, DeletionsAndCaseReachTheFile)
{
    CTempDir dir;
    const auto path = dir / "Vireo.ini";
    {
        IniProfile ini(path);
        ini.WriteInt("Sheet", "MainGrid", 50);
        ini.WriteInt("Sheet", "Scroll", 1);
        ini.WriteString("Recent", "File1", "a.dcd");
        ini.WriteString("recent", "FILE2", "b.dcd");
        ini.DeleteKey("sheet", "scroll");
        ini.DeleteSection("RECENT");
    }
    IniProfile back(path);
    EXPECT_EQ(back.GetInt("sheet", "maingrid", 100), 50);
    EXPECT_EQ(back.GetInt("Sheet", "Scroll", 0), 0);
    EXPECT_EQ(back.GetString("Recent", "File1", "gone"), "gone");
    EXPECT_EQ(back.GetString("Recent", "File2", "gone"), "gone");
    EXPECT_EQ(FileText(path).find("Recent"), std::string::npos);
}

TEST(IniProfile, ReadsHandWrittenFiles)
{
    IniProfile ini("");
    ini.Parse("; settings\r\n"
              "ignored=before any section\r\n"
              "[Sheet]\r\n"
              "  MainGrid = 50  \r\n"
              "Scroll=yes\r\n"
              "=no key\r\n"
              "no equals sign\r\n"
              "\r\n"
              "[Default]\n"
              "FontE=\"Arial\"\n"
              "Font=hex:0a0B\n"
              "FontJ=\"unterminated\n");
    EXPECT_EQ(ini.GetInt("Sheet", "MainGrid", 100), 50);
    EXPECT_EQ(ini.GetString("Sheet", "Scroll"), "yes");
    EXPECT_EQ(ini.GetString("Default", "FontE"), "Arial");
    std::vector<uint8_t> font;
    ASSERT_TRUE(ini.GetBinary("Default", "Font", font));
    EXPECT_EQ(font, (std::vector<uint8_t>{0x0A, 0x0B}));
    EXPECT_EQ(ini.GetString("Default", "FontJ"), "\"unterminated");
    EXPECT_EQ(ini.Contents().size(), 2u);
    EXPECT_EQ(ini.Contents().at("Sheet").size(), 2u);
}

TEST(IniProfile, UnwritableFileKeepsValuesAndReportsIt)
{
    CTempDir dir;
    // A regular file where the folder should be.
    WriteFileAtomically(dir / "TARN", {'x'});
    IniProfile ini(dir / "TARN" / "Vireo.ini");
    ini.WriteInt("Sheet", "MainGrid", 50);
    EXPECT_NE(ini.LastError(), "");
    EXPECT_EQ(ini.GetInt("Sheet", "MainGrid", 100), 50);
}

TEST(IniProfile, UnreadableFileIsNeverOverwritten)
{
    CTempDir dir;
    // Something that exists but cannot be read as a file.
    const std::filesystem::path path = dir / "Vireo.ini";
    std::filesystem::create_directory(path);
    std::filesystem::create_directory(path / "keep");
    IniProfile ini(path);
    EXPECT_NE(ini.LastError(), "");
    ini.WriteInt("Sheet", "MainGrid", 50);
    EXPECT_EQ(ini.GetInt("Sheet", "MainGrid", 100), 50);
    EXPECT_TRUE(std::filesystem::is_directory(path / "keep"));
}

TEST(Profile, ConfigPathFromTheEnvironment)
{
    {
        ScopedEnv config("VIREO_CONFIG", "/tmp/elsewhere/test.ini");
        EXPECT_EQ(DefaultProfilePath(), std::filesystem::path("/tmp/elsewhere/test.ini"));
    }
    {
        ScopedEnv config("VIREO_CONFIG", "");
        ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(DefaultProfilePath(), std::filesystem::path("/tmp/xdg/TARN/Vireo.ini"));
    }
    {
        ScopedEnv config("VIREO_CONFIG", nullptr);
        ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        ScopedEnv home("HOME", "/home/someone");
        EXPECT_EQ(DefaultProfilePath(),
                  std::filesystem::path("/home/someone/.config/TARN/Vireo.ini"));
    }
}

TEST(Profile, ScopedProfileRestoresThePreviousStore)
{
    CScopedProfile outer(std::make_unique<MemoryProfile>());
    Profile().WriteInt("Sheet", "MainGrid", 50);
    CProfile* outerStore = &Profile();
    {
        CScopedProfile inner(std::make_unique<MemoryProfile>());
        EXPECT_NE(&Profile(), outerStore);
        EXPECT_EQ(Profile().GetInt("Sheet", "MainGrid", 100), 100);
        inner->WriteInt("Sheet", "MainGrid", 25);
        EXPECT_EQ((*inner).GetInt("Sheet", "MainGrid", 100), 25);
    }
    EXPECT_EQ(&Profile(), outerStore);
    EXPECT_EQ(Profile().GetInt("Sheet", "MainGrid", 100), 50);
}
