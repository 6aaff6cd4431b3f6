// The index file, the outline scan behind it, alias tables and the library
// list in the settings.
#include <gtest/gtest.h>

#include <fcntl.h>

#include <sys/stat.h>

#include "library/aliastable.h"
#include "library/library.h"
#include "library/libraryindex.h"
#include "libfixture.h"
#include "sheet/sheet.h"

using namespace libbytes;

namespace {

// One package of one gate, a two-gate package with references, one whose
// second gate carries its own name, and a gate with neither.
Bytes ListingLibrary()
{
    return Library({Record(202, "R", {Part("R")}),
                    Record(202, "OPAMP", {Part("OPAMP", 2, 1, 2, "U?A"), Part("OPAMP", 2, 2, 0, "U?B")}),
                    Record(200, "CONN", {Part("CONN"), Part("CONN-B")})});
}

std::vector<CLibIndexEntry> ExpectedEntries()
{
    return {{"R", 1, "", 0, ""},          {"OPAMP", 2, "U?A", 2, ""}, {"OPAMP", 2, "U?B", 0, ""},
            {"CONN", 2, "", 0, "CONN"}, {"CONN", 2, "", 0, "CONN-B"}};
}

}  // namespace

TEST_F(LibraryTest, IndexBytesAndListing)
{
    Put("l.lib", ListingLibrary());
    CLibrary lib;
    lib.SetLibraryName(CString(Path("l.lib")));
    std::vector<CLibIndexEntry> entries;
    ASSERT_TRUE(lib.ReadListing(entries));
    EXPECT_EQ(entries, ExpectedEntries());

    // The index as laid down, field by field.
    CArchive want;
    want << CString("VIREO LIBRARY INDEX Ver 0.01") << int32_t(5);
    want << CString("R") << int32_t(1);
    want << CString("OPAMP") << int32_t(2) << CString("U?A") << int32_t(2);
    want << CString("OPAMP") << int32_t(2) << CString("U?B") << int32_t(0);
    want << CString("CONN") << int32_t(2) << CString("") << CString("CONN");
    want << CString("CONN") << int32_t(2) << CString("") << CString("CONN-B");
    EXPECT_EQ(Get("l.dix"), want.Bytes());

    // The next listing comes from the index: a changed index shows.
    CArchive other;
    other << CString("VIREO LIBRARY INDEX Ver 0.01") << int32_t(1) << CString("FROM-INDEX") << int32_t(1);
    Put("l.dix", other.Bytes());
    ASSERT_TRUE(lib.ReadListing(entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].package.str(), "FROM-INDEX");

    // A truncated index, a wrong header and an index older than its library
    // are not used; the library is scanned and the index written again.
    const Bytes truncated(want.Bytes().begin(), want.Bytes().end() - 3);
    Bytes wrongHeader = want.Bytes();
    wrongHeader[25] = '2';  // "Ver 0.02"
    for (const Bytes& index : {truncated, wrongHeader}) {
        Put("l.dix", index);
        ASSERT_TRUE(lib.ReadListing(entries));
        EXPECT_EQ(entries, ExpectedEntries());
        EXPECT_EQ(Get("l.dix"), want.Bytes());
    }
    Put("l.dix", other.Bytes());
    struct timespec old[2] = {{1000, 0}, {1000, 0}};
    ::utimensat(AT_FDCWD, Path("l.dix").c_str(), old, 0);
    ASSERT_TRUE(lib.ReadListing(entries));
    EXPECT_EQ(entries, ExpectedEntries());

    // The setting "Index" keeps index files from being written.
    std::filesystem::remove(dir / "l.dix");
    profile->WriteInt("Library File List", "Index", 1);
    ASSERT_TRUE(lib.ReadListing(entries));
    EXPECT_FALSE(Exists("l.dix"));

    EXPECT_TRUE(CLibrary::CheckIndexVer("VIREO LIBRARY INDEX Ver 0.01"));
    EXPECT_FALSE(CLibrary::CheckIndexVer("vireo LIBRARY INDEX Ver 0.01"));
}

TEST_F(LibraryTest, OutlineCarriesGateCountAndGateName)
{
    Put("l.lib", ListingLibrary());
    CLibrary lib;
    lib.SetLibraryName(CString(Path("l.lib")));
    ASSERT_EQ(lib.ReadFile(), 1);
    CSheet outline;
    EXPECT_EQ(lib.ReadPartOutline(&outline), 0);
    ASSERT_EQ(outline.GetCount(kind::kPart), 5);
    POSITION pos = outline.GetFirstPartPos();
    for (int skip = 0; skip < 4; ++skip)
        outline.GetNextPart(pos);
    const CPart& last = *outline.GetNextPart(pos);
    EXPECT_EQ(last.GetOrg(), CPoint(2, 0));
    EXPECT_EQ(last.GetPartName().str(), "CONN");
    ASSERT_NE(last.Texts().GetHead(), nullptr);
    EXPECT_EQ(last.Texts().GetHead()->GetName().str(), "CONN-B");
}

TEST(LibraryIndex, ParseSurvivesDamage)
{
    CArchive ar;
    ar << CString("VIREO LIBRARY INDEX Ver 0.01") << int32_t(0x7fffffff) << CString("A") << int32_t(1);
    std::vector<CLibIndexEntry> entries;
    EXPECT_FALSE(libindex::Parse(ar.Bytes().data(), ar.Bytes().size(), entries));
    EXPECT_FALSE(libindex::Parse(nullptr, 0, entries));
    CArchive negative;
    negative << CString("VIREO LIBRARY INDEX Ver 0.01") << int32_t(-5);
    EXPECT_TRUE(libindex::Parse(negative.Bytes().data(), negative.Bytes().size(), entries));
    EXPECT_TRUE(entries.empty());
}

TEST_F(LibraryTest, AliasTable)
{
    Put("a.lib", Library({Record(202, "74HC00", {Part("74HC00")}), Record(202, "ALONE", {Part("ALONE")}),
                          Record(202, "SN7400", {Part("SN7400-OWN")})}));
    // Table in upper case beside a lower-case library name: found ignoring case.
    const std::string table = "# comment, 74HC00\n"
                               " ,74HC00,hc00, SN7400,\r\n"
                               "\tALONE,alias-a,74hc00\n"
                               "SN7400,sn74-alias\n"
                               "X,a,b\n";
    Put("A.TBL", Bytes(table.begin(), table.end()));
    EXPECT_EQ(FindAliasTable(dir / "a.lib"), dir / "A.TBL");
    Put("a.tbl", Bytes(table.begin(), table.end()));
    EXPECT_EQ(FindAliasTable(dir / "a.lib"), dir / "a.tbl");  // the extension's own case first
    EXPECT_EQ(FindAliasTable(dir / "a.abc"), std::filesystem::path());

    CLibrary lib;
    lib.SetLibraryName(CString(Path("a.lib")));
    ASSERT_EQ(lib.ReadFile(), 1);
    const struct {
        const char* asked;
        const char* partName;  // "" when not found
        const char* packageAfter;
    } cases[] = {
        {"hc00", "HC00", "74HC00"},        // alias: gates carry the alias in upper case
        {"74hc00", "74HC00", "74hc00"},    // a first name is never an alias, not even on line 3
        {"SN7400", "SN7400-OWN", "SN7400"},  // " SN7400" on line 2 is another name (inner blanks count)
        {"sn74-alias", "SN74-ALIAS", "SN7400"},
        {"alias-a", "ALIAS-A", "ALONE"},
        {"a", "", "A"},  // resolves to X, which is no package; then "A" itself is tried
        {"nothing", "", "nothing"},
    };
    for (const auto& c : cases) {
        CSheet sheet;
        lib.SetPackageName(c.asked);
        EXPECT_EQ(lib.ReadPart(&sheet, 1), *c.partName ? 1 : 0) << c.asked;
        if (*c.partName) {
            ASSERT_EQ(sheet.GetCount(kind::kPart), 1) << c.asked;
            EXPECT_EQ(sheet.GetHeadPart()->GetPartName().str(), c.partName) << c.asked;
        }
        EXPECT_EQ(lib.GetPackageName().str(), c.packageAfter) << c.asked;
    }

    // The part dialog's list: the first line (as read) holding the name.
    profile->WriteString("Library File List", "File1", CString(Path("a.lib")));
    CString line;
    lib.SetPackageName(" sn7400");
    EXPECT_EQ(lib.SetPartNameList(line), 1);
    EXPECT_EQ(line.str(), " ,74HC00,hc00, SN7400,");
    lib.SetPackageName("b");
    EXPECT_EQ(lib.SetPartNameList(line), 1);
    EXPECT_EQ(line.str(), "X,a,b");
    lib.SetPackageName("comment");
    EXPECT_EQ(lib.SetPartNameList(line), 0);
}

TEST_F(LibraryTest, LibraryListKeepsOtherKeys)
{
    profile->WriteString("Library File List", "File1", "old1.lib");
    profile->WriteString("Library File List", "File2", "old2.lib");
    profile->WriteString("Library File List", "File4", "after-a-gap.lib");
    profile->WriteInt("Library File List", "Index", 1);
    CLibrary lib;
    ASSERT_EQ(lib.ReadLibraryList().size(), 2u);
    lib.SetLibraryList({"new1.lib", "new2.lib", "new3.lib"});
    lib.WriteLibraryList();
    EXPECT_EQ(profile->GetInt("Library File List", "Index", 0), 1);
    EXPECT_EQ(lib.ReadLibraryList(), (std::vector<CString>{"new1.lib", "new2.lib", "new3.lib"}));
    EXPECT_EQ(profile->GetString("Library File List", "File4").str(), "");
}
