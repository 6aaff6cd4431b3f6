// The browser's package operations and its tree model.
#include "library/librarybrowser.h"

#include "base/codepage.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "library/library.h"
#include "library/libraryconvert.h"
#include "library/librarylisteditor.h"
#include "library/librarytree.h"
#include "libfixture.h"
#include "sheet/sheet.h"

using namespace libbytes;
using libbrowser::Result;

namespace {

using Names = std::vector<std::string>;

}  // namespace

TEST_F(LibraryTest, BrowserOperations)
{
    Put("a.lib", Library({Record(202, "QUAD", {Part("G1"), Part("G2"), Part("G3")}), Record(202, "R", {Part("R")})}));
    Put("b.lib", Library({Record(202, "R", {Part("R-OLD")})}));
    Put("a.tbl", Bytes{'R', ',', 'A', 'L', 'I', 'A', 'S', '\n'});
    const std::string a = Path("a.lib"), b = Path("b.lib");

    // Delete asks first (OK/Cancel); Cancel keeps the package.
    host->answers = {CHost::IDCANCEL};
    EXPECT_EQ(libbrowser::DeleteGate(a, "QUAD", 2), Result::Cancelled);
    EXPECT_EQ(libbrowser::DeleteGate(a, "QUAD", 2), Result::Done);
    EXPECT_EQ(Contents(a), (Names{"R: R", "QUAD: G1 G3"}));
    EXPECT_EQ(libbrowser::DeleteGate(a, "QUAD", 3), Result::NotFound);

    // Copy onto a library that has the package: asked, then replaced.
    host->answers = {CHost::IDNO};
    EXPECT_EQ(libbrowser::CopyPackage(a, b, "R", false), Result::Cancelled);
    EXPECT_EQ(Contents(b), (Names{"R: R-OLD"}));
    EXPECT_EQ(libbrowser::CopyPackage(a, b, "r", false), Result::Done);
    EXPECT_EQ(Contents(b), (Names{"R: R"}));
    // The package as named: an alias is no package of the browser.
    EXPECT_EQ(libbrowser::CopyPackage(a, b, "ALIAS", false), Result::NotFound);
    EXPECT_EQ(libbrowser::CopyPackage(a, a, "R", false), Result::SameLibrary);

    // A move writes the destination before it deletes from the source: with
    // a read-only destination nothing is lost.
    Put("ro.lib", {});
    ::chmod(Path("ro.lib").c_str(), 0444);
    EXPECT_EQ(libbrowser::CopyPackage(a, Path("ro.lib"), "QUAD", true), Result::Failed);
    EXPECT_EQ(Contents(a), (Names{"R: R", "QUAD: G1 G3"}));
    EXPECT_EQ(libbrowser::CopyPackage(a, b, "QUAD", true), Result::Done);
    EXPECT_EQ(Contents(a), (Names{"R: R"}));
    EXPECT_EQ(Contents(b), (Names{"R: R", "QUAD: G1 G3"}));

    // Rename: refused onto another package, a change of case is allowed.
    EXPECT_EQ(libbrowser::RenamePackage(b, "QUAD", "r"), Result::Exists);
    EXPECT_EQ(libbrowser::RenamePackage(b, "QUAD", "Quad"), Result::Done);
    EXPECT_EQ(libbrowser::RenamePackage(b, "NONE", "X"), Result::NotFound);
    EXPECT_EQ(Contents(b), (Names{"R: R", "Quad: G1 G3"}));

    // An edited gate goes back in its place.
    CPart edited;
    edited.SetPartName(CString("G3-EDITED"));
    EXPECT_EQ(libbrowser::WriteBackGate(b, "quad", 2, edited), Result::Done);
    EXPECT_EQ(Contents(b), (Names{"R: R", "Quad: G1 G3-EDITED"}));

    // Deleting the last gates deletes the package.
    host->answers = {};
    EXPECT_EQ(libbrowser::DeletePackage(b, "R"), Result::Done);
    EXPECT_EQ(libbrowser::DeleteGate(b, "Quad", 1), Result::Done);
    EXPECT_EQ(libbrowser::DeleteGate(b, "Quad", 1), Result::Done);
    EXPECT_EQ(Contents(b), Names{});
    // A library that is not there is reported, not created.
    EXPECT_EQ(libbrowser::DeletePackage(Path("none.lib"), "R"), Result::Failed);
    EXPECT_FALSE(Exists("none.lib"));
}

TEST(LibraryTree, NodesFromTheListing)
{
    CLibTreeNode lib = libtree::LibraryNode("/x/parts.lib");
    EXPECT_EQ(lib.text.str(), "parts.lib </x/parts.lib>");
    EXPECT_TRUE(libtree::IsUnread(lib));
    libtree::Fill(lib, {{"R", 1, "", 0, ""},
                        {"OP", 3, "U?A", 2, ""},
                        {"OP", 3, "U?B", 0, ""},
                        {"OP", 3, "", 0, "OP-C"},
                        {"CONN", 2, "", 0, "CONN"},
                        {"CONN", 2, "", 0, "CONN-B"}});
    EXPECT_FALSE(libtree::IsUnread(lib));
    ASSERT_EQ(lib.children.size(), 3u);
    const CLibTreeNode& r = lib.children[0];
    EXPECT_EQ(r.children.size(), 0u);
    EXPECT_EQ(r.image, 4);
    CLibTreeNode& op = lib.children[1];
    EXPECT_EQ(op.image, 4);
    ASSERT_EQ(op.children.size(), 3u);
    EXPECT_EQ(op.children[0].data, 1 * 16 + 2);
    EXPECT_EQ(op.children[0].image, 3);
    EXPECT_EQ(op.children[1].image, 2);
    EXPECT_EQ(op.children[2].text.str(), "OP-C");
    EXPECT_EQ(op.children[2].data, 3 * 16 + 1);
    EXPECT_EQ(lib.children[2].image, 5);  // first gate is a named gate

    libtree::RemoveGate(op, 1);
    ASSERT_EQ(op.children.size(), 2u);
    EXPECT_EQ(op.children[0].data, 1 * 16 + 2);
    EXPECT_EQ(op.children[1].data, 2 * 16 + 1);
    libtree::RemoveGate(op, 2);
    EXPECT_TRUE(op.children.empty());  // one gate left: a plain package
    EXPECT_EQ(libtree::FindPackage(lib, "conn"), &lib.children[2]);
}

TEST_F(LibraryTest, ConversionJobAndLibraryList)
{
    Put("a.lib", Library({Record(202, "R", {Part("R")})}));
    CLibConvertJob job;
    job.source = CString(Path("a.lib"));
    EXPECT_FALSE(job.Run());  // a name is missing
    job.destination = CString(Path("a.lib"));
    EXPECT_FALSE(job.Run());  // onto its own source
    job.destination = CString(Path("a.txt"));
    ASSERT_TRUE(job.Run());
    Put("a.txt", Get("a.txt"));
    host->answers = {CHost::IDNO};
    EXPECT_FALSE(job.Run());  // the destination exists: asked
    CLibConvertJob stored;
    stored.LoadSettings();
    EXPECT_EQ(stored.destination.str(), Path("a.txt"));
    stored.type = 1;
    stored.source = stored.destination;
    stored.destination = CString(Path("b.lib"));
    ASSERT_TRUE(stored.Run());
    EXPECT_EQ(Contents(Path("b.lib")), (Names{"R: R"}));

    CLibraryListEditor editor({});
    EXPECT_EQ(editor.Add(CString(Path("new"))), CLibraryListEditor::AddResult::Added);
    EXPECT_EQ(editor.Add(CString(Path("new.lib"))), CLibraryListEditor::AddResult::Duplicate);
    EXPECT_EQ(editor.Add(CString(Path("x.LBK"))), CLibraryListEditor::AddResult::Backup);
    EXPECT_EQ(editor.Add(CString(Path("a.lib"))), CLibraryListEditor::AddResult::Added);
    EXPECT_TRUE(editor.MoveUp(1));
    ASSERT_TRUE(editor.Apply());
    EXPECT_TRUE(Exists("new.lib"));  // created empty
    CLibrary lib;
    EXPECT_EQ(lib.ReadLibraryList(), (std::vector<CString>{CString(Path("a.lib")), CString(Path("new.lib"))}));
    CLibraryListEditor empty({});
    empty.Apply();
    EXPECT_TRUE(Reported(FromUtf8("部品ファイルを登録していないと部品入力はできません").str()));
}
