// Settings carried as a file: what is exported comes back identically
// (unknown keys too), and a damaged file changes nothing and names its line.
#include <gtest/gtest.h>

#include "app/settingsfile.h"
#include "apptestenv.h"
#include "base/codepage.h"
#include "base/iniprofile.h"
#include "base/profile.h"

namespace {

const MemoryProfile::Store& Store()
{
    return dynamic_cast<MemoryProfile&>(Profile()).Contents();
}

bool SameStore(const MemoryProfile::Store& x, const MemoryProfile::Store& y)
{
    if (x.size() != y.size())
        return false;
    for (auto i = x.begin(), j = y.begin(); i != x.end(); ++i, ++j) {
        if (i->first != j->first || i->second.size() != j->second.size())
            return false;
        for (auto k = i->second.begin(), l = j->second.begin(); k != i->second.end(); ++k, ++l)
            if (k->first != l->first || k->second.kind != l->second.kind ||
                k->second.number != l->second.number || k->second.bytes != l->second.bytes)
                return false;
    }
    return true;
}

} // namespace

TEST(SettingsFile, ExportedSettingsComeBackWithUnknownKeys)
{
    CAppTestEnv env;
    Profile().WriteInt("Sheet", "ZoomAspect", 35);
    Profile().WriteString("Default", "FontJ", FromUtf8("ＭＳ 明朝"));
    Profile().WriteString("Tool", "Editor", "vi \"%f\" ; x=1 \\ \"quoted\"");
    Profile().WriteString("Recent File List", "File1", FromUtf8("/tmp/設計/回路.dcd"));
    // Bytes that are no text in either code page survive as escapes.
    Profile().WriteString("Find", "Last", CString(std::string("\x81\xFF\x01", 3)));
    Profile().WriteBinary("Printer", "UpOffset", {0, 1, 0xFE});
    Profile().WriteInt("FutureSection", "NewKey", -7);
    const MemoryProfile::Store before = Store();
    const auto path = env / "carried.ini";
    ASSERT_TRUE(ExportSettings(path).ok);

    // Another machine: a fresh store takes the file.
    CScopedProfile other(std::make_unique<MemoryProfile>());
    const CSettingsFileResult r = ImportSettings(path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.keys, 7);
    EXPECT_TRUE(SameStore(Store(), before));
    EXPECT_EQ(SettingsText(), CAppTestEnv::ReadFile(path));
}

TEST(SettingsFile, ADamagedFileChangesNothingAndNamesItsLine)
{
    CAppTestEnv env;
    Profile().WriteInt("Sheet", "ZoomAspect", 35);
    Profile().WriteString("Tool", "Editor", "ed");
    const MemoryProfile::Store before = Store();
    const struct {
        const char* text;
        int line;
        const char* says;
    } cases[] = {
        {"[Sheet]\nZoomAspect=40\nGridSize=seven\n", 3, "GridSize"},
        {"[Sheet]\nZoomAspect=99\n", 2, "between 20 and 60"},
        {"; comment\n\n[Sheet]\nFMRU=0\n", 4, "FMRU"},
        {"ZoomAspect=30\n[Sheet]\n", 1, "before the first section"},
        {"[Tool]\nEditor=\"vi\n", 2, "Editor"},
        {"[Tool]\nEditor=\"vi\\\"\n", 2, "Editor"},
        {"[Tool]\nEditor=12\n", 2, "quoted"},
        {"[Printer]\nUpOffset=hex:0A1\n", 2, "UpOffset"},
        {"[Sheet]\njust words\n", 2, "key=value"},
        {"[Sheet\nWork=1\n", 1, "section"},
        {"[Other]\nKey=99999999999\n", 2, "Key"},
        {"[Sheet]\r\nWork=1\r\nWork Width=A3\r\n", 3, "Work Width"},
    };
    for (const auto& c : cases) {
        const CSettingsFileResult r = ImportSettingsText(c.text);
        EXPECT_FALSE(r.ok) << c.text;
        EXPECT_EQ(r.line, c.line) << c.text;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << c.text << ": " << r.error;
        EXPECT_TRUE(SameStore(Store(), before)) << c.text;
    }
    // A sound file: its keys change, the others stay.
    const CSettingsFileResult r =
        ImportSettingsText("[Sheet]\r\nZoomAspect=60\n[Unknown]\nWord=\"x\"\n");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(Profile().GetInt("Sheet", "ZoomAspect", 0), 60);
    EXPECT_EQ(Profile().GetString("Unknown", "Word").str(), "x");
    EXPECT_EQ(Profile().GetString("Tool", "Editor").str(), "ed");
    // A file that is not there.
    EXPECT_FALSE(ImportSettings(env / "missing.ini").ok);
}

TEST(SettingsFile, ImportIntoTheSettingsFileIsOneWrite)
{
    CAppTestEnv env;
    const auto ini = env / "Vireo.ini";
    CScopedProfile file(std::make_unique<IniProfile>(ini));
    Profile().WriteInt("Sheet", "Work", 1);
    ASSERT_TRUE(ImportSettingsText("[Sheet]\nWork=3\nFMRU=4\n").ok);
    // Read back from disk by a second store, as the next start reads it.
    IniProfile reread(ini);
    EXPECT_EQ(reread.GetInt("Sheet", "Work", 0), 3);
    EXPECT_EQ(reread.GetInt("Sheet", "FMRU", 0), 4);
}
