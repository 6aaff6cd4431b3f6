// CArchive: the byte layout of stored files, and what a damaged input does.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "base/archive.h"
#include "base/codepage.h"
#include "base/fileio.h"
#include "support/printers.h"
#include "support/tempdir.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Stored(const CString& s)
{
    CArchive ar;
    ar << s;
    return ar.Bytes();
}

CArchiveException::Cause CauseOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const CArchiveException& e) {
        return CArchiveException::Cause(e.m_cause);
    }
    return CArchiveException::none;
}

} // namespace

TEST(CArchive, IntegersPointsAndRectsAreLittleEndian)
{
    CArchive out;
    out << int32_t(-2) << uint32_t(0x12345678) << uint16_t(0xABCD) << uint8_t(7) << CPoint(1, -1)
        << CRect(1, 2, 0x01020304, -3);
    const Bytes expected = {0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12, 0xCD, 0xAB,
                            0x07, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, // point
                            0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,       // rect
                            0x04, 0x03, 0x02, 0x01, 0xFD, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(out.Bytes(), expected);

    CArchive in(out.Bytes());
    EXPECT_EQ(in.ReadInt(), -2);
    uint32_t u;
    in >> u;
    EXPECT_EQ(u, 0x12345678u);
    EXPECT_EQ(in.ReadWord(), 0xABCD);
    uint8_t b;
    in >> b;
    EXPECT_EQ(b, 7);
    EXPECT_EQ(in.ReadPoint(), CPoint(1, -1));
    EXPECT_EQ(in.ReadRect(), CRect(1, 2, 0x01020304, -3));
    EXPECT_TRUE(in.AtEnd());
}

TEST(CArchive, StringLengthPrefixesAtTheirBoundaries)
{
    struct Case {
        int length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {256, {0xFF, 0x00, 0x01}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        // 0xFFFE would read as the UTF-16 announcement, 0xFFFF as the escape
        // to 32 bits: both take the 32-bit form.
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {100000, {0xFF, 0xFF, 0xFF, 0xA0, 0x86, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        CString s;
        for (int i = 0; i < c.length; ++i)
            s += char('a' + i % 26);
        const Bytes bytes = Stored(s);
        ASSERT_EQ(bytes.size(), c.prefix.size() + size_t(c.length));
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + long(c.prefix.size())), c.prefix);

        // Followed by more data, to see that the reader stops at the end.
        CArchive out;
        out << s << int32_t(77);
        CArchive in(out.Bytes());
        EXPECT_EQ(in.ReadCString(), s);
        EXPECT_EQ(in.ReadInt(), 77);
    }

    // Japanese text is stored as its CP932 bytes, counted in bytes.
    const CString japanese("\x83\x5C\x95\x5C");
    EXPECT_EQ(Stored(japanese), (Bytes{0x04, 0x83, 0x5C, 0x95, 0x5C}));
}

TEST(CArchive, Utf16AnnouncementIsConvertedToCp932)
{
    // 0xFF 0xFFFE, then the length in 16-bit units, then UTF-16LE text:
    // "テスト" and "A".
    Bytes bytes = {0xFF, 0xFE, 0xFF, 0x04, 0xC6, 0x30, 0xB9, 0x30,
                   0xC8, 0x30, 0x41, 0x00, 0x2A, 0,    0,    0};
    CArchive in(bytes);
    EXPECT_EQ(in.ReadCString(), FromUtf8("テストA"));
    EXPECT_EQ(in.ReadInt(), 42);

    // A long UTF-16 string uses the word form of the length: 300 units.
    Bytes wide = {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; ++i) {
        wide.push_back(0x68); // U+3068, hiragana TO
        wide.push_back(0x30);
    }
    CArchive longIn(wide);
    const CString text = longIn.ReadCString();
    EXPECT_EQ(text.GetLength(), 600);
    EXPECT_EQ(text.Left(2), FromUtf8("と"));
    EXPECT_TRUE(longIn.AtEnd());
}

TEST(CArchive, ShortReadsRaiseEndOfFile)
{
    const auto eof = CArchiveException::endOfFile;
    EXPECT_EQ(CauseOf([] { CArchive(Bytes{1, 2, 3}).ReadInt(); }), eof);
    EXPECT_EQ(CauseOf([] { CArchive(Bytes{1}).ReadWord(); }), eof);
    EXPECT_EQ(CauseOf([] { CArchive(Bytes(15, 0)).ReadRect(); }), eof);
    EXPECT_EQ(CauseOf([] { CArchive(Bytes(7, 0)).ReadPoint(); }), eof);
    EXPECT_EQ(CauseOf([] { CArchive(Bytes{}).ReadCString(); }), eof);
    EXPECT_EQ(CauseOf([] { CArchive(Bytes{5, 'a', 'b', 'c'}).ReadCString(); }), eof);
    EXPECT_EQ(CauseOf([] { CArchive(Bytes{0xFF, 0x00}).ReadCString(); }), eof);
    EXPECT_EQ(CauseOf([] { CArchive(Bytes{0xFF, 0xFE, 0xFF, 2, 0x41, 0}).ReadCString(); }), eof);
    EXPECT_EQ(CauseOf([] {
                  LOGFONT f;
                  CArchive(Bytes(59, 0)) >> f;
              }),
              eof);

    // Raw reads: Read stops quietly, ReadExact raises.
    CArchive in(Bytes{1, 2, 3});
    uint8_t buffer[8];
    EXPECT_EQ(in.Read(buffer, 2), 2u);
    EXPECT_EQ(in.Read(buffer, 8), 1u);
    EXPECT_EQ(in.Read(buffer, 8), 0u);
    EXPECT_EQ(in.ReadByte(), -1);
    EXPECT_EQ(CauseOf([&] { in.ReadExact(buffer, 1); }), eof);
}

TEST(CArchive, HugeStringLengthIsRefusedBeforeAllocating)
{
    // A damaged length claiming 4 GB (or 8 GB of UTF-16) with a few bytes
    // behind it must fail at once, not try to allocate or read it.
    const Bytes narrow = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'};
    const Bytes wide = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0};
    const Bytes nested = {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 'a', 0};
    const auto start = std::chrono::steady_clock::now();
    for (const Bytes* b : {&narrow, &wide, &nested}) {
        CArchive in(*b);
        EXPECT_EQ(CauseOf([&] { in.ReadCString(); }), CArchiveException::endOfFile);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(CArchive, WrongDirectionIsRefused)
{
    CArchive storing;
    EXPECT_TRUE(storing.IsStoring());
    EXPECT_EQ(CauseOf([&] { storing.ReadInt(); }), CArchiveException::writeOnly);
    CString line;
    EXPECT_EQ(CauseOf([&] { storing.ReadString(line); }), CArchiveException::writeOnly);
    EXPECT_EQ(CauseOf([&] { storing.ReadByte(); }), CArchiveException::writeOnly);

    CArchive loading(Bytes{1, 0, 0, 0});
    EXPECT_TRUE(loading.IsLoading());
    EXPECT_EQ(CauseOf([&] { loading << int32_t(1); }), CArchiveException::readOnly);
    EXPECT_EQ(CauseOf([&] { loading << CString("x"); }), CArchiveException::readOnly);
    EXPECT_EQ(CauseOf([&] { loading.WriteString("x\n"); }), CArchiveException::readOnly);
    EXPECT_EQ(loading.ReadInt(), 1); // the failed writes changed nothing
}

TEST(CArchive, HeaderLinesAndFollowingBinaryData)
{
    CArchive out;
    out.WriteString("VIREO DATA FILE Ver 0.08\n");
    out << int32_t(900);
    CArchive in(out.Bytes());
    CString line;
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line, "VIREO DATA FILE Ver 0.08");
    EXPECT_EQ(in.ReadInt(), 900);

    const std::string text = "first\r\n\r\nmid\rdle\n\nlast";
    CArchive lines(Bytes(text.begin(), text.end()));
    std::vector<std::string> got;
    while (lines.ReadString(line))
        got.push_back(line.str());
    EXPECT_EQ(got, (std::vector<std::string>{"first", "", "mid\rdle", "", "last"}));
    EXPECT_FALSE(lines.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());
}

TEST(CArchive, LogFontIsSixtyBytes)
{
    LOGFONT f;
    f.lfHeight = -70;
    f.lfWidth = 1;
    f.lfEscapement = 900;
    f.lfOrientation = 2;
    f.lfWeight = FW_NORMAL;
    f.lfItalic = 1;
    f.lfUnderline = 0;
    f.lfStrikeOut = 1;
    f.lfCharSet = SHIFTJIS_CHARSET;
    f.lfOutPrecision = 3;
    f.lfClipPrecision = CLIP_LH_ANGLES;
    f.lfQuality = 5;
    f.lfPitchAndFamily = FF_SWISS;
    f.SetFaceName("Arial");

    CArchive out;
    out << f;
    const Bytes& b = out.Bytes();
    ASSERT_EQ(b.size(), 60u);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 4), (Bytes{0xBA, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(b.begin() + 8, b.begin() + 12), (Bytes{0x84, 0x03, 0, 0}));
    EXPECT_EQ(Bytes(b.begin() + 16, b.begin() + 20), (Bytes{0x90, 0x01, 0, 0}));
    EXPECT_EQ(Bytes(b.begin() + 20, b.begin() + 28), (Bytes{1, 0, 1, 128, 3, 16, 5, 32}));
    EXPECT_EQ(std::string(b.begin() + 28, b.begin() + 33), "Arial");
    EXPECT_EQ(Bytes(b.begin() + 33, b.end()), Bytes(27, 0));

    CArchive in(b);
    LOGFONT g;
    in >> g;
    EXPECT_TRUE(g == f);
    EXPECT_EQ(g.FaceName(), "Arial");
    EXPECT_EQ(g.lfEscapement, 900);
    EXPECT_EQ(g.lfCharSet, SHIFTJIS_CHARSET);
}

TEST(CArchive, FaceNameKeepsThirtyOneBytesAndWholeCharacters)
{
    LOGFONT f;
    f.SetFaceName(CString(std::string(40, 'x')));
    EXPECT_EQ(f.FaceName(), CString(std::string(31, 'x')));
    EXPECT_EQ(f.lfFaceName[31], '\0');

    // "AB" and sixteen two-byte characters: the 31-byte cut falls inside
    // the fifteenth one, which must go whole.
    CString japanese("AB");
    for (int i = 0; i < 16; ++i)
        japanese += "\x83\x53"; // katakana GO
    f.SetFaceName(japanese);
    EXPECT_EQ(f.FaceName(), japanese.Left(30));

    f.SetFaceName(FromUtf8("ＭＳ ゴシック"));
    EXPECT_EQ(f.FaceName(), FromUtf8("ＭＳ ゴシック"));
}

TEST(FileIO, AtomicWriteAndWholeRead)
{
    CTempDir dir;
    const fs::path file = dir.path() / "sheet.dcd";
    const Bytes first = {'V', 0, 0xFF, '\n', 0x83, 0x5C};
    WriteFileAtomically(file, first);
    EXPECT_EQ(ReadFileBytes(file), first);

    const Bytes second(200000, 0xA5);
    WriteFileAtomically(file, second);
    EXPECT_EQ(ReadFileBytes(file), second);
    EXPECT_EQ(CArchive::FromFile(file).Remaining(), second.size());
    // No temporary files are left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    WriteFileAtomically(file, {});
    EXPECT_TRUE(ReadFileBytes(file).empty());

    // A file name as long as the file system allows can still be written.
    const fs::path longName = dir.path() / std::string(255, 'n');
    WriteFileAtomically(longName, first);
    EXPECT_EQ(ReadFileBytes(longName), first);

    EXPECT_THROW(ReadFileBytes(dir.path() / "missing"), CFileException);
    EXPECT_THROW(ReadFileBytes(dir.path()), CFileException);
    EXPECT_THROW(CArchive::FromFile(dir.path() / "missing"), CFileException);
    EXPECT_THROW(WriteFileAtomically(dir.path() / "no-folder" / "x", first), CFileException);
}

TEST(FileIO, ReplacingKeepsPermissionsAndLinks)
{
    CTempDir dir;
    const fs::path file = dir.path() / "shared.dcd";
    WriteFileAtomically(file, {'a'});
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteFileAtomically(file, {'b'});
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // Saving through a link updates the file it points to and keeps the link.
    const fs::path link = dir.path() / "link.dcd";
    fs::create_symlink(file, link);
    WriteFileAtomically(link, {'c'});
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(file), Bytes{'c'});
}

TEST(FileIO, FailedWriteLeavesTheOldFileIntact)
{
    CTempDir dir;
    const fs::path file = dir.path() / "settings.ini";
    const Bytes old = {'o', 'l', 'd'};
    WriteFileAtomically(file, old);

    // Make the write itself fail half way, as a full disk would: a file size
    // limit below the new content.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    try {
        WriteFileAtomically(file, Bytes(4096, 'n'));
    } catch (const CFileException&) {
        threw = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(ReadFileBytes(file), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    // Replacing a folder fails too and leaves it in place.
    const fs::path folder = dir.path() / "folder";
    fs::create_directory(folder);
    WriteFileAtomically(folder / "inside", old);
    EXPECT_THROW(WriteFileAtomically(folder, old), CFileException);
    EXPECT_EQ(ReadFileBytes(folder / "inside"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}
