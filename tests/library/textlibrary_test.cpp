// The text library: its exact layout, the round trip through it, and the
// format errors with their line numbers.
#include "library/textlibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/codepage.h"
#include "base/exception.h"
#include "base/fileio.h"
#include "library/libraryimage.h"
#include "library/library.h"
#include "libfixture.h"
#include "sheet/sheet.h"

using namespace libbytes;

namespace {

Bytes Text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

const std::string kHeader = "# VIREO Text Library File Ver 1.02\n"
                            "# \x8f\xe3\x82\xcc\x8d\x73\x82\xf0\x8d\xed\x8f\x9c\x82\xb5\x82\xc4\x82\xcd\x82\xa2"
                            "\x82\xaf\x82\xdc\x82\xb9\x82\xf1\x81\x42\n"
                            "# \x8d\x73\x82\xcc\x90\xe6\x93\xaa\x82\xaa '#' \x82\xc5\x8e\x6e\x82\xdc\x82\xe9\x8d"
                            "\x73\x82\xcd\x83\x52\x83\x81\x83\x93\x83\x67\x82\xc9\x82\xc8\x82\xe8\x82\xdc\x82\xb7"
                            "\x81\x42\n"
                            "#\n# File created by VIREO\n"
                            "# Date : 2001/09/09 10:46:40\n#\n\n";

// The text form of a gate as the part writes it.
std::string GateText(const std::string& name, int packageMax, int package, const std::string& ref)
{
    std::string s = "Part 100 200 0 0 0 0 " + std::to_string(packageMax) + " " + std::to_string(package) + " 0 0\n";
    s += "Name \"" + name + "\" 100 300 70 8\n";
    if (!ref.empty())
        s += "Ref \"" + ref + "\" 100 300 70 8\n";
    return s + "PartEnd\n";
}

class TextLibraryTest : public LibraryTest {
protected:
    TextLibraryTest() { ::setenv("SOURCE_DATE_EPOCH", "1000000000", 1); }
    ~TextLibraryTest() override { ::unsetenv("SOURCE_DATE_EPOCH"); }
};

}  // namespace

TEST(TextLibraryDate, JapanTimeWhateverTheLocale)
{
    EXPECT_EQ(textlib::FormatDate(0).str(), "1970/01/01 09:00:00");
    EXPECT_EQ(textlib::FormatDate(1000000000).str(), "2001/09/09 10:46:40");
}

TEST_F(TextLibraryTest, LayoutAndRoundTrip)
{
    // A tag 200 record, a multi-gate record and a record of an unknown kind
    // (which the text leaves out).
    Put("l.lib", Library({Record(200, "R", {Part("R")}), RawRecord(300, "JUNK", 0, {}),
                          Record(202, "DUAL", {Part("DUAL", 2, 1, 0, "U?A"), Part("DUAL", 2, 2, 0, "U?B")})}));
    CLibrary lib;
    lib.SetLibraryName(CString(Path("l.lib")));
    ASSERT_EQ(lib.ReadFile(), 1);
    ASSERT_EQ(lib.WriteAsciiFile(CString(Path("l.txt"))), 1);
    const std::string want = kHeader +
                             "Package Name \"R\"\nPackage Total 1\n#\nPackage [1]\n" + GateText("R", 0, 0, "") +
                             "Package End\n#\n#\n#\n"
                             "Package Name \"DUAL\"\nPackage Total 2\n#\nPackage [1]\n" +
                             GateText("DUAL", 2, 1, "U?A") + "#\nPackage [2]\n" + GateText("DUAL", 2, 2, "U?B") +
                             "Package End\n#\n#\n#\n";
    const Bytes text = Get("l.txt");
    EXPECT_EQ(std::string(text.begin(), text.end()), want);

    // Back to a library: every package as a tag 202 record, in order.
    CLibrary back;
    back.SetLibraryName(CString(Path("back.lib")));
    ASSERT_EQ(back.ReadAsciiFile(CString(Path("l.txt"))), 1);
    ASSERT_EQ(back.Image().Packages().size(), 2u);
    EXPECT_EQ(back.Image().Packages()[0].tag, 202);
    // Reading the text works out each part's outline afresh (the hand-built
    // parts carry none); from there, library -> text -> library is byte for
    // byte the same.
    ASSERT_EQ(back.WriteAsciiFile(CString(Path("back.txt"))), 1);
    CLibrary again;
    again.SetLibraryName(CString(Path("again.lib")));
    ASSERT_EQ(again.ReadAsciiFile(CString(Path("back.txt"))), 1);
    EXPECT_EQ(Get("again.lib"), Get("back.lib"));
    ASSERT_EQ(again.WriteAsciiFile(CString(Path("again.txt"))), 1);
    EXPECT_EQ(Get("again.txt"), Get("back.txt"));

    // Rebuilding an existing library keeps the old one as its backup and
    // drops its index.
    Put("again.dix", {1});
    const Bytes before = Get("again.lib");
    ASSERT_EQ(again.ReadAsciiFile(CString(Path("l.txt"))), 1);
    EXPECT_EQ(Get("again.lbk"), before);
    EXPECT_FALSE(Exists("again.dix"));
}

TEST_F(TextLibraryTest, FormatErrorsNameTheirLine)
{
    const std::string gate = GateText("G", 0, 0, "");  // 3 lines
    const struct {
        const char* what;
        std::string body;  // after the header line
        int line;          // 0: reads fine
    } cases[] = {
        {"no quotes", "Package Name R\n", 2},
        {"empty name", "\n\nPackage Name \"\"\n", 4},
        {"no bracket", "Package Name \"R\"\n#\nPackage [1\n" + gate + "Package End\n", 4},
        {"end of file in a block", "Package Name \"R\"\n\n" + gate, 4},
        {"total differs", "Package Name \"R\"\nPackage Total 2\nPackage [1]\n" + gate + "Package End\n", 3},
        {"total not a number", "Package Name \"R\"\nPackage Total x\n", 3},
        {"comments, case of the end line, a gate before any name", "Part 1 2\n# c\nPackage Name \"R\"\n"
            "Package Total 1\n  " + gate + "  package END\n", 0},
    };
    const Bytes untouched = Library({Record(202, "KEEP", {Part("KEEP")})});
    for (const auto& c : cases) {
        host->messages.clear();
        Put("t.txt", Text("# VIREO Text Library File Ver 9.99\n" + c.body));
        Put("t.lib", untouched);
        ClearLibraryCache();
        CLibrary lib;
        lib.SetLibraryName(CString(Path("t.lib")));
        EXPECT_EQ(lib.ReadAsciiFile(CString(Path("t.txt"))), c.line ? 0 : 1) << c.what;
        if (c.line) {
            const CString message = FromUtf8("フォーマットが不正です。") + CString::Formatted("%d", c.line) +
                                    FromUtf8("行目");
            ASSERT_EQ(host->messages.size(), 1u) << c.what;
            EXPECT_EQ(host->messages[0].text, message) << c.what;
            // Nothing was written: the library is as it was.
            EXPECT_EQ(Get("t.lib"), untouched) << c.what;
        } else {
            ASSERT_EQ(lib.Image().Packages().size(), 1u) << c.what;
            EXPECT_EQ(lib.Image().Packages()[0].name.str(), "R");
        }
    }

    // Not a text library; the same file as source and destination.
    Put("t.txt", Text("Package Name \"R\"\n"));
    CLibrary lib;
    lib.SetLibraryName(CString(Path("t.lib")));
    EXPECT_EQ(lib.ReadAsciiFile(CString(Path("t.txt"))), 0);
    EXPECT_TRUE(Reported(FromUtf8("テキスト部品ファイルではありません。").str()));
    lib.SetLibraryName(CString(Path("t.txt")));
    EXPECT_EQ(lib.ReadAsciiFile(CString(Path("t.txt"))), 0);
    EXPECT_EQ(Get("t.txt"), Text("Package Name \"R\"\n"));
    lib.SetLibraryName(CString(Path("t.lib")));
    EXPECT_EQ(lib.ReadAsciiFile(CString(Path("missing.txt"))), 0);
    EXPECT_TRUE(Reported(FromUtf8("ファイルが開けません").str()));
}

TEST_F(TextLibraryTest, PackagesWithoutGatesAreNotWritten)
{
    Put("t.txt", Text("# VIREO Text Library File\nPackage Name \"EMPTY\"\nPart\nPackage End\n"));
    CLibrary lib;
    lib.SetLibraryName(CString(Path("t.lib")));
    ASSERT_EQ(lib.ReadAsciiFile(CString(Path("t.txt"))), 1);
    EXPECT_EQ(Get("t.lib"), Bytes());
}

// What fuzzing found: both directions of the conversion agree on what the
// text form can hold.
TEST(TextLibraryRegressions, WhatOneDirectionAcceptsTheOtherWrites)
{
    auto read = [](const char* name) {
        const std::string path = std::string(VIREO_TEST_DATA) + "/regress/" + name;
        return ReadFileBytes(path);
    };
    // A text ending in half a double-byte character is refused when read,
    // at its package's "Part" line, instead of failing on the way back.
    const textlib::ParseResult text = textlib::Parse(read("fuzz_textlib-crash.txt"));
    if (text.status == textlib::ParseResult::Ok)
        EXPECT_NO_THROW(textlib::Write(CLibraryImage(text.library), "2000/01/01 00:00:00"));
    else
        EXPECT_EQ(text.status, textlib::ParseResult::FormatError);

    // A clean library holding a NUL byte in a text keeps the clear refusal.
    const CLibraryImage image(read("fuzz_library-crash.lib"));
    ASSERT_FALSE(image.IsDamaged());
    try {
        textlib::Write(image, "2000/01/01 00:00:00");
        ADD_FAILURE() << "a NUL byte was written into the text form";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find("NUL byte"), std::string::npos) << e.what();
    }
}
