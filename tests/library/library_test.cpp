// CLibrary on library files built field by field: reading, the writer's
// layout, replacing and deleting packages, safe writes, hostile files.
#include "library/library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/codepage.h"
#include "base/messages.h"
#include "libfixture.h"
#include "library/libraryrecords.h"
#include "sheet/sheet.h"

using namespace libbytes;

namespace {

std::vector<std::string> PartNames(const CSheet& sheet)
{
    std::vector<std::string> names;
    for (POSITION pos = sheet.GetFirstPartPos(); pos;)
        names.push_back(sheet.GetNextPart(pos)->GetPartName().str());
    return names;
}

CSheet& SheetOf(CSheet& sheet, const std::vector<std::string>& names)
{
    for (const std::string& n : names) {
        CPart part(CPoint(10, 20), CPoint(0, 0), CPoint(50, 50), int(names.size()), 1, 0, 0);
        part.SetPartName(CString(n));
        sheet.NewPart(part);
    }
    return sheet;
}

Bytes PartBytes(const CPart& part)
{
    CArchive ar;
    part.DataWrite(ar);
    return ar.Bytes();
}

} // namespace

TEST_F(LibraryTest, ReadsRecordsAsLaidDown)
{
    // A tag 200 record (gates in part format 6), a record of an unknown kind,
    // a multi-gate tag 202 record and a later record whose name differs only
    // in case: the first record of a name wins, names compare without case.
    Put("parts.lib",
        Library({Record(200, "OLD", {Part("OLD")}), RawRecord(300, "JUNK", 3, {1, 2, 3}),
                 Record(202, "Quad", {Part("GA", 4, 1, 0, "U?A"), Part("GB", 4, 2, 2, "U?B")}),
                 Record(202, "QUAD", {Part("SHADOW")})}));
    CLibrary lib;
    lib.SetLibraryName(CString(Path("parts.lib")));
    ASSERT_EQ(lib.ReadFile(), 1);

    const struct {
        const char* package;
        std::vector<std::string> gates;
    } cases[] = {
        {"quad", {"GA", "GB"}}, {"old", {"OLD"}}, {"", {"OLD"}}, {"JUNK", {}}, {"none", {}}};
    for (const auto& c : cases) {
        CSheet sheet;
        lib.SetPackageName(c.package);
        EXPECT_EQ(lib.ReadPart(&sheet, 0), c.gates.empty() ? 0 : 1) << c.package;
        EXPECT_EQ(PartNames(sheet), c.gates) << c.package;
    }
    EXPECT_TRUE(host->messages.empty());

    // GetPart: index 0 and an index past the package give the first gate.
    CPart part;
    for (const auto& [index, name] :
         std::vector<std::pair<int, std::string>>{{2, "GB"}, {0, "GA"}, {9, "GA"}}) {
        ASSERT_EQ(lib.GetPart(part, CString(Path("parts.lib")), "Quad", index), 1);
        EXPECT_EQ(part.GetPartName().str(), name);
    }
    EXPECT_EQ(part.GetRefName().str(), "U?A");

    // GetPart names the index of the library it read, so that a later write
    // removes the right index file.
    CLibrary other;
    other.SetLibraryName("elsewhere.lib");
    ASSERT_EQ(other.GetPart(part, CString(Path("parts.lib")), "OLD", 1), 1);
    EXPECT_EQ(other.GetIndexName().str(), Path("parts.dix"));
}

TEST_F(LibraryTest, EmptyLibrary)
{
    Put("empty.lib", {});
    CLibrary lib;
    lib.SetLibraryName(CString(Path("empty.lib")));
    ASSERT_EQ(lib.ReadFile(), 1);
    CSheet sheet;
    EXPECT_EQ(lib.ReadPart(&sheet, 0), 0);
    EXPECT_TRUE(lib.DelPart(true, true));
    EXPECT_TRUE(host->questions.empty());
    CPart part;
    EXPECT_EQ(lib.GetPart(part, CString(Path("empty.lib")), "X", 1), 0);
    EXPECT_TRUE(Reported("Library data falt. Please mail "));
}

TEST_F(LibraryTest, WriterLayout)
{
    CSheet gates;
    SheetOf(gates, {"A1", "A2"});
    CLibrary lib;
    lib.SetLibraryName(CString(Path("new.lib")));
    lib.SetPackageName("PKG");
    ASSERT_TRUE(lib.WritePart(&gates));

    // tag 202, name, length = gate count field + part records, end marker.
    POSITION pos = gates.GetFirstPartPos();
    const Bytes a = PartBytes(*gates.GetNextPart(pos));
    const Bytes b = PartBytes(*gates.GetNextPart(pos));
    CArchive expected;
    expected << int32_t(202) << CString("PKG") << int32_t(4 + a.size() + b.size()) << int32_t(2);
    Bytes want = expected.Bytes();
    Append(want, a);
    Append(want, b);
    Append(want, End());
    EXPECT_EQ(Get("new.lib"), want);

    // Appending to a non-empty library replaces the end marker: the file
    // grows by exactly the new record.
    const size_t before = Get("new.lib").size();
    CSheet one;
    SheetOf(one, {"B"});
    lib.SetPackageName("SECOND");
    ASSERT_TRUE(lib.WritePart(&one));
    const Bytes after = Get("new.lib");
    const Bytes record =
        PackageRecordBytes("SECOND", {one.GetNextPart(pos = one.GetFirstPartPos())});
    ASSERT_EQ(after.size(), before + record.size());
    EXPECT_TRUE(std::equal(record.begin(), record.end(), after.begin() + long(before - 4)));

    // The image stayed current: both packages are there without ReadFile.
    CSheet back;
    lib.SetPackageName("pkg");
    EXPECT_EQ(lib.ReadPart(&back, 0), 1);
    EXPECT_EQ(PartNames(back), (std::vector<std::string>{"A1", "A2"}));
    // A package without gates is never written.
    CSheet none;
    EXPECT_FALSE(lib.WritePart(&none));
    EXPECT_EQ(Get("new.lib"), after);
}

TEST_F(LibraryTest, ReplaceAndDeleteEveryRecordOfTheName)
{
    Put("p.lib", Library({Record(202, "A", {Part("A-new")}), Record(202, "B", {Part("B")}),
                          Record(202, "a", {Part("A-shadowed")})}));
    CLibrary lib;
    lib.SetLibraryName(CString(Path("p.lib")));
    ASSERT_EQ(lib.ReadFile(), 1);
    lib.SetPackageName("A");
    // The question, answered No, keeps everything.
    host->answers = {CHost::IDNO};
    EXPECT_FALSE(lib.DelPart(true, false));
    ASSERT_EQ(host->questions.size(), 1u);
    EXPECT_EQ(host->questions[0].text, FromUtf8("同名の部品が存在します。\n上書きしますか？"));

    // Replacing: both records of the name go, the new one comes last, in one
    // write that keeps the old file as the backup.
    const Bytes old = Get("p.lib");
    ASSERT_TRUE(lib.DelPart(false, false));
    EXPECT_EQ(Get("p.lib"), old); // memory only
    CSheet gates;
    ASSERT_TRUE(lib.WritePart(&SheetOf(gates, {"A-replaced"})));
    EXPECT_EQ(Get("p.lbk"), old);
    ClearLibraryCache();
    CLibrary reader;
    reader.SetLibraryName(CString(Path("p.lib")));
    ASSERT_EQ(reader.ReadFile(), 1);
    ASSERT_EQ(reader.Image().Packages().size(), 2u);
    EXPECT_EQ(reader.Image().Packages()[0].name.str(), "B");
    EXPECT_EQ(reader.Image().Packages()[1].name.str(), "A");

    // Deleting with write: no stale duplicate comes back.
    reader.SetPackageName("a");
    ASSERT_TRUE(reader.DelPart(false, true));
    CSheet sheet;
    EXPECT_EQ(reader.ReadPart(&sheet, 0), 0);
    EXPECT_EQ(Get("p.lib"), Library({Record(202, "B", {Part("B")})}));
}

TEST_F(LibraryTest, MissingLibraryAsksWithNoAsDefault)
{
    CLibrary lib;
    lib.SetLibraryName(CString(Path("gone.lib  "))); // trailing blanks go
    EXPECT_EQ(lib.GetLibraryName().str(), Path("gone.lib"));
    EXPECT_EQ(lib.GetIndexName().str(), Path("gone.dix"));
    // A final dot names another file here: it is kept, not stripped to reach "gone.lib".
    CLibrary dotted;
    dotted.SetLibraryName(CString(Path("gone.lib.")));
    EXPECT_EQ(dotted.GetLibraryName().str(), Path("gone.lib."));
    EXPECT_NE(dotted.GetBackUpName().str(), Path("gone.lbk"));
    EXPECT_EQ(lib.ReadFile(), 0);
    ASSERT_EQ(host->questions.size(), 1u);
    EXPECT_EQ(host->questions[0].defaultAnswer, CHost::IDNO);
    EXPECT_EQ(host->questions[0].answer, CHost::IDNO);
    EXPECT_FALSE(Exists("gone.lib"));
    host->answers = {CHost::IDYES};
    EXPECT_EQ(lib.ReadFile(), 1);
    EXPECT_TRUE(Exists("gone.lib"));
    EXPECT_EQ(Get("gone.lib").size(), 0u);

    // Any other failure to open is reported, never asked about.
    std::filesystem::create_directory(dir / "folder.lib");
    lib.SetLibraryName(CString(Path("folder.lib")));
    EXPECT_EQ(lib.ReadFile(), 0);
    EXPECT_EQ(host->questions.size(), 2u);
    EXPECT_TRUE(Reported("folder.lib"));
    // A backup is no library.
    lib.SetLibraryName(CString(Path("x.LBK")));
    EXPECT_EQ(lib.ReadFile(), 0);
    EXPECT_TRUE(Reported(FromUtf8("バックアップファイルです。").str()));
    EXPECT_EQ(lib.GetBackUpName().str(), Path("x.LBK.lbk"));
    lib.SetLibraryName(CString(Path("y.Lib")));
    EXPECT_EQ(lib.GetBackUpName().str(), Path("y.lbk"));
}

TEST_F(LibraryTest, HostileFilesAreReportedNotTrusted)
{
    SetMessageLanguage(MessageLanguage::English);
    const Bytes good = Record(202, "GOOD", {Part("GOOD")});
    Bytes hugeCount = RawRecord(202, "HUGE", 4, {0xff, 0xff, 0xff, 0x7f});
    Bytes cutGate = Record(202, "CUT", {Part("CUT")});
    // The length leaves out the last byte of the gate, which the next record
    // could otherwise lend it.
    cutGate[4 + 4] -= 1;
    struct Case {
        const char* what;
        Bytes bytes;
    };
    Bytes noEnd = good;
    Append(noEnd, Record(202, "LAST", {Part("LAST")}));
    Bytes shortTag = good;
    Append(shortTag, {0, 0});
    Bytes cut = good;
    Append(cut, cutGate);
    Append(cut, End());
    const Case cases[] = {
        {"negative length", Library({good, RawRecord(202, "NEG", -8, {})})},
        {"length past the end", Library({good, RawRecord(202, "LONG", 1000, {0, 0, 0, 0})})},
        {"no end marker", noEnd},
        {"bytes too short for a tag", shortTag},
        {"gate count past the record", Library({good, hugeCount})},
        {"gate cut by its record", cut},
    };
    for (const Case& c : cases) {
        host->messages.clear();
        ClearLibraryCache();
        Put("bad.lib", c.bytes);
        CLibrary lib;
        lib.SetLibraryName(CString(Path("bad.lib")));
        ASSERT_EQ(lib.ReadFile(), 1) << c.what;
        // The package before the damage is still there.
        CSheet sheet;
        lib.SetPackageName("GOOD");
        EXPECT_EQ(lib.ReadPart(&sheet, 0), 1) << c.what;
        // The rest is reported with the file name and message 2906.
        for (const char* name : {"NEG", "LONG", "HUGE", "CUT", "MISSING"}) {
            lib.SetPackageName(name);
            EXPECT_EQ(lib.ReadPart(&sheet, 0), 0) << c.what << " " << name;
        }
        EXPECT_TRUE(Reported("Irregular file format")) << c.what;
        EXPECT_TRUE(Reported("bad.lib")) << c.what;
        CSheet outline;
        lib.ReadPartOutline(&outline);
        EXPECT_TRUE(lib.Failed()) << c.what;
        EXPECT_EQ(lib.WriteAsciiFile(CString(Path("bad.txt"))), 0) << c.what;
        EXPECT_FALSE(Exists("bad.txt")) << c.what;

        // Nothing is written into a library whose end is not known.
        const bool cutOnly = std::string(c.what) == "gate cut by its record" ||
                             std::string(c.what) == "gate count past the record";
        CSheet gates;
        lib.SetPackageName("NEW");
        EXPECT_EQ(lib.WritePart(&SheetOf(gates, {"NEW"})), cutOnly) << c.what;
        if (!cutOnly) {
            EXPECT_EQ(Get("bad.lib"), c.bytes) << c.what;
        }
    }
}

TEST_F(LibraryTest, FilesOver2GiBAreRefused)
{
    {
        FILE* f = std::fopen(Path("big.lib").c_str(), "w");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(::ftruncate(fileno(f), off_t(1) << 31), 0); // sparse: no disk space used
        std::fclose(f);
    }
    CLibrary lib;
    lib.SetLibraryName(CString(Path("big.lib")));
    EXPECT_EQ(lib.ReadFile(), 0);
    EXPECT_TRUE(Reported("2 GiB"));
}

TEST_F(LibraryTest, ReadOnlyLibraryIsNeverReplaced)
{
    const Bytes old = Library({Record(202, "A", {Part("A")})});
    Put("ro.lib", old);
    ::chmod(Path("ro.lib").c_str(), 0444);
    CLibrary lib;
    lib.SetLibraryName(CString(Path("ro.lib")));
    ASSERT_EQ(lib.ReadFile(), 1);
    lib.SetPackageName("A");
    EXPECT_FALSE(lib.DelPart(false, true));
    CSheet gates;
    lib.SetPackageName("B");
    EXPECT_FALSE(lib.WritePart(&SheetOf(gates, {"B"})));
    EXPECT_TRUE(Reported("ro.lib"));
    EXPECT_EQ(Get("ro.lib"), old);
    EXPECT_FALSE(Exists("ro.lbk"));
}

TEST_F(LibraryTest, FailedWriteKeepsLibraryBackupAndIndex)
{
    const Bytes old = Library({Record(202, "A", {Part("A")})});
    const Bytes oldBackup = Library({Record(202, "PREVIOUS", {Part("P")})});
    Put("f.lib", old);
    Put("f.lbk", oldBackup);
    Put("f.dix", {1, 2, 3});
    CLibrary lib;
    lib.SetLibraryName(CString(Path("f.lib")));
    ASSERT_EQ(lib.ReadFile(), 1);

    // A disk that fills up while the new library is written: the write
    // fails part-way (file size limit; the signal it raises is ignored so
    // that write() reports the error).
    CSheet gates;
    for (int i = 0; i < 200; ++i)
        SheetOf(gates, {"GATE-" + std::to_string(i)});
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit limit = saved;
    limit.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    lib.SetPackageName("BIG");
    const bool written = lib.WritePart(&gates);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_TRUE(Reported("f.lib"));
    EXPECT_EQ(Get("f.lib"), old);
    EXPECT_EQ(Get("f.lbk"), oldBackup);
    EXPECT_TRUE(Exists("f.dix"));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              3);

    // The same write with room succeeds: backup of the old file, index gone.
    ASSERT_TRUE(lib.WritePart(&gates));
    EXPECT_EQ(Get("f.lbk"), old);
    EXPECT_FALSE(Exists("f.dix"));
}

TEST_F(LibraryTest, UnwritableFolderLeavesEverythingAsItWas)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind root";
    const Bytes old = Library({Record(202, "A", {Part("A")})});
    std::filesystem::create_directory(dir / "ro");
    Put("ro/l.lib", old);
    ::chmod((dir / "ro").c_str(), 0555);
    CLibrary lib;
    lib.SetLibraryName(CString(Path("ro/l.lib")));
    ASSERT_EQ(lib.ReadFile(), 1);
    lib.SetPackageName("A");
    EXPECT_FALSE(lib.DelPart(false, true));
    ::chmod((dir / "ro").c_str(), 0755);
    EXPECT_EQ(Get("ro/l.lib"), old);
    EXPECT_FALSE(Exists("ro/l.lbk"));
}

TEST_F(LibraryTest, BackupSetting)
{
    const Bytes v1 = Library({Record(202, "A", {Part("A")})});
    Put("b.lib", v1);
    CLibrary lib;
    lib.SetLibraryName(CString(Path("b.lib")));
    ASSERT_EQ(lib.ReadFile(), 1);
    profile->WriteInt("FileSave", "LibraryBackUp", 0);
    ASSERT_TRUE(lib.WriteFile());
    EXPECT_FALSE(Exists("b.lbk"));
    // A read-only backup is kept as the user left it.
    profile->WriteInt("FileSave", "LibraryBackUp", 1);
    Put("b.lbk", {9});
    ::chmod(Path("b.lbk").c_str(), 0444);
    lib.SetPackageName("A");
    ASSERT_TRUE(lib.DelPart(false, true));
    EXPECT_EQ(Get("b.lbk"), Bytes{9});
    EXPECT_EQ(Get("b.lib"), End());
}

TEST_F(LibraryTest, ImageCacheFollowsTheFile)
{
    Put("c.lib", Library({Record(202, "A", {Part("A")})}));
    const auto first = CachedLibraryImage(dir / "c.lib");
    EXPECT_EQ(CachedLibraryImage(dir / "c.lib"), first); // not read again
    Put("c.lib", Library({Record(202, "B", {Part("B")}), Record(202, "C", {Part("C")})}));
    const auto second = CachedLibraryImage(dir / "c.lib");
    ASSERT_NE(second, first);
    EXPECT_EQ(second->Packages().size(), 2u);

    // A write through CLibrary is seen by the next reader at once.
    CLibrary writer;
    writer.SetLibraryName(CString(Path("c.lib")));
    ASSERT_EQ(writer.ReadFile(), 1);
    writer.SetPackageName("B");
    ASSERT_TRUE(writer.DelPart(false, true));
    CLibrary reader;
    reader.SetLibraryName(CString(Path("c.lib")));
    ASSERT_EQ(reader.ReadFile(), 1);
    EXPECT_EQ(reader.Image().Packages().size(), 1u);
}

// The name index against a literal walk that compares names one by one.
TEST(LibraryImage, FindAgreesWithALiteralWalk)
{
    std::mt19937 random(7);
    const char* names[] = {"a", "A", "b", "ab", "AB", "Ab", "x", "\x83\x41", "\x83\x61"};
    for (int round = 0; round < 50; ++round) {
        std::vector<Bytes> records;
        const int n = int(random() % 12);
        for (int i = 0; i < n; ++i) {
            const char* name = names[random() % std::size(names)];
            records.push_back(random() % 5 == 0 ? RawRecord(77, name, 0, {})
                                                : Record(202, name, {Part(name)}));
        }
        const CLibraryImage image(Library(records));
        for (const char* wanted : names) {
            // literal: walk from the start, first package record whose name
            // equals ignoring case
            const CLibraryRecord* found = nullptr;
            for (const CLibraryRecord& r : image.Packages())
                if (!found && r.name.CompareNoCase(wanted) == 0)
                    found = &r;
            EXPECT_EQ(image.Find(wanted), found) << wanted;
        }
    }
}
