// The library browser and the conversion dialog on libraries built in the
// test: the tree the user sees after each operation, and what is on disk.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <sys/stat.h>

#include "base/codepage.h"
#include "editor/library/dlglibconvert.h"
#include "editor/library/dlgliblist.h"
#include "library/libfixture.h"
#include "library/library.h"
#include "sheet/sheet.h"

using namespace libbytes;

namespace {

// The visible texts under a tree item, "package[gate,gate]" each.
std::string Shown(const QTreeWidgetItem* library)
{
    std::string out;
    for (int i = 0; i < library->childCount(); ++i) {
        const QTreeWidgetItem* p = library->child(i);
        if (p->isHidden())
            continue;
        out += (out.empty() ? "" : " ") + p->text(0).toStdString();
        if (p->childCount() > 0) {
            out += "[";
            for (int g = 0; g < p->childCount(); ++g)
                out += (g ? "," : "") + p->child(g)->text(0).toStdString();
            out += "]";
        }
    }
    return out;
}

using Names = std::vector<std::string>;

class LibBrowserDialog : public LibraryTest {
protected:
    LibBrowserDialog()
    {
        // Names outside ASCII: the folder a Japanese user keeps parts in.
        std::filesystem::create_directories(dir.path() / "設計" / "部品庫");
        a = Path("設計/部品庫/a.lib");
        b = Path("設計/部品庫/b.lib");
        Put("設計/部品庫/a.lib",
            Library({Record(202, "QUAD", {Part("G1"), Part("G2")}), Record(202, "R", {Part("R")}),
                     Record(202, "OP", {Part("OP", 2, 1, 0, "U?A"), Part("OP", 2, 2, 2, "U?B")})}));
        Put("設計/部品庫/b.lib", Library({Record(202, "R", {Part("R-OLD")})}));
        Profile().WriteString("Library File List", "File1", FromUtf8(a));
        Profile().WriteString("Library File List", "File2", FromUtf8(b));
    }
    std::string a, b;
};

} // namespace

TEST_F(LibBrowserDialog, ExpandingReadsOnceAndRebuildsTheIndex)
{
    CDlgLibList dialog(CDlgLibList::EditLibrary);
    ASSERT_EQ(dialog.Tree()->topLevelItemCount(), 2);
    QTreeWidgetItem* lib = dialog.LibraryItem(FromUtf8(a));
    ASSERT_TRUE(lib);
    EXPECT_EQ(lib->text(0).toStdString(), "a.lib <" + a + ">");
    EXPECT_EQ(dialog.ReadCount(), 0); // nothing is read before a library opens
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "設計/部品庫/a.dix"));
    lib->setExpanded(true);
    EXPECT_EQ(dialog.ReadCount(), 1);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "設計/部品庫/a.dix"));
    EXPECT_EQ(Shown(lib), "QUAD[G1,G2] R OP[U?A,U?B]");
    lib->setExpanded(false);
    lib->setExpanded(true);
    EXPECT_EQ(dialog.ReadCount(), 1);

    // The preview part starts at 0, 0 and carries the package's name.
    ASSERT_TRUE(dialog.Select(lib->child(2)->child(1)));
    CPart picked;
    ASSERT_TRUE(dialog.GetPart(picked));
    EXPECT_EQ(picked.GetPartName().str(), "OP");
    EXPECT_EQ(picked.GetRefName().str(), "U?B");
    const CRect r = picked.GetBoundingRect();
    EXPECT_EQ(std::min(r.left, r.right), 0);
    EXPECT_EQ(std::min(r.top, r.bottom), 0);
}

TEST_F(LibBrowserDialog, DeletingTheLastButOneGateLeavesAPlainPackage)
{
    CDlgLibList dialog(CDlgLibList::EditLibrary);
    QTreeWidgetItem* quad = dialog.PackageItem(FromUtf8(a), "QUAD");
    ASSERT_TRUE(quad);
    // Reference gates cannot be deleted on their own, named gates can.
    ASSERT_TRUE(dialog.Select(dialog.PackageItem(FromUtf8(a), "OP")->child(0)));
    EXPECT_FALSE(dialog.findChild<QWidget*>("Delete")->isEnabled());
    ASSERT_TRUE(dialog.Select(quad->child(1)));
    EXPECT_TRUE(dialog.findChild<QWidget*>("Delete")->isEnabled());

    host->answers = {CHost::IDCANCEL, CHost::IDOK};
    dialog.DeleteSelected();
    EXPECT_EQ(Contents(a), (Names{"QUAD: G1 G2", "R: R", "OP: OP OP"}));
    ASSERT_EQ(host->questions.size(), 1u);
    EXPECT_EQ(ToUtf8(host->questions[0].text), "G2を削除します[復活不可]");
    dialog.DeleteSelected();
    EXPECT_EQ(Contents(a), (Names{"R: R", "OP: OP OP", "QUAD: G1"}));
    QTreeWidgetItem* lib = dialog.LibraryItem(FromUtf8(a));
    EXPECT_EQ(Shown(lib), "R OP[U?A,U?B] QUAD");
    quad = dialog.PackageItem(FromUtf8(a), "QUAD");
    ASSERT_TRUE(quad);
    EXPECT_EQ(quad->childCount(), 0);
    EXPECT_EQ(dialog.Tree()->currentItem(), quad);

    // A whole package.
    host->answers = {CHost::IDOK};
    dialog.Select(dialog.PackageItem(FromUtf8(a), "R"));
    dialog.DeleteSelected();
    EXPECT_EQ(Shown(lib), "OP[U?A,U?B] QUAD");
}

TEST_F(LibBrowserDialog, CopyOntoAPackageOfTheSameNameAsksFirst)
{
    CDlgLibList dialog(CDlgLibList::EditLibrary);
    dialog.Select(dialog.PackageItem(FromUtf8(a), "R"));
    dialog.SetDestination(FromUtf8(b));
    host->answers = {CHost::IDNO};
    dialog.CopySelected(false);
    ASSERT_EQ(host->questions.size(), 1u);
    EXPECT_EQ(ToUtf8(host->questions[0].text), "Rは既に存在します。上書きしますか？");
    EXPECT_EQ(Contents(b), (Names{"R: R-OLD"}));

    host->answers = {CHost::IDYES};
    dialog.CopySelected(false);
    EXPECT_EQ(Contents(b), (Names{"R: R"}));
    EXPECT_EQ(Contents(a), (Names{"QUAD: G1 G2", "R: R", "OP: OP OP"}));
    EXPECT_EQ(Shown(dialog.LibraryItem(FromUtf8(b))), "R");

    // Onto its own library: refused with a word, nothing asked.
    dialog.Select(dialog.PackageItem(FromUtf8(a), "R"));
    dialog.SetDestination(FromUtf8(a));
    host->questions.clear();
    dialog.CopySelected(false);
    EXPECT_TRUE(host->questions.empty());
    EXPECT_EQ(Contents(a), (Names{"QUAD: G1 G2", "R: R", "OP: OP OP"}));
}

TEST_F(LibBrowserDialog, MoveKeepsThePackageWhenTheDestinationCannotBeWritten)
{
    Put("設計/部品庫/ro.lib", Library({}));
    const std::string ro = Path("設計/部品庫/ro.lib");
    ::chmod(ro.c_str(), 0444);
    Profile().WriteString("Library File List", "File3", FromUtf8(ro));
    CDlgLibList dialog(CDlgLibList::EditLibrary);
    dialog.Select(dialog.PackageItem(FromUtf8(a), "QUAD"));
    dialog.SetDestination(FromUtf8(ro));
    dialog.CopySelected(true);
    EXPECT_EQ(Contents(a), (Names{"QUAD: G1 G2", "R: R", "OP: OP OP"}));
    EXPECT_EQ(Shown(dialog.LibraryItem(FromUtf8(a))), "QUAD[G1,G2] R OP[U?A,U?B]");
    EXPECT_FALSE(host->messages.empty());

    // To a library that can be written, the package goes.
    dialog.Select(dialog.PackageItem(FromUtf8(a), "QUAD"));
    dialog.SetDestination(FromUtf8(b));
    dialog.CopySelected(true);
    EXPECT_EQ(Contents(a), (Names{"R: R", "OP: OP OP"}));
    EXPECT_EQ(Contents(b), (Names{"R: R-OLD", "QUAD: G1 G2"}));
    EXPECT_EQ(Shown(dialog.LibraryItem(FromUtf8(a))), "R OP[U?A,U?B]");
    EXPECT_EQ(Shown(dialog.LibraryItem(FromUtf8(b))), "R QUAD[G1,G2]");
}

TEST_F(LibBrowserDialog, RenameOntoAnExistingNameIsRefused)
{
    CDlgLibList dialog(CDlgLibList::EditLibrary);
    QTreeWidgetItem* quad = dialog.PackageItem(FromUtf8(a), "QUAD");
    ASSERT_TRUE(quad->flags() & Qt::ItemIsEditable);
    // What the tree's editor does when the user types a name and presses Enter.
    quad->setText(0, "r");
    EXPECT_EQ(quad->text(0).toStdString(), "QUAD");
    EXPECT_EQ(Contents(a), (Names{"QUAD: G1 G2", "R: R", "OP: OP OP"}));
    EXPECT_FALSE(host->messages.empty());
    EXPECT_FALSE(dialog.RenamePackage(quad, ""));
    EXPECT_EQ(quad->text(0).toStdString(), "QUAD");

    quad->setText(0, "QUAD2");
    QApplication::processEvents();
    EXPECT_EQ(Contents(a), (Names{"R: R", "OP: OP OP", "QUAD2: G1 G2"}));
    EXPECT_EQ(Shown(dialog.LibraryItem(FromUtf8(a))), "R OP[U?A,U?B] QUAD2[G1,G2]");
}

TEST_F(LibBrowserDialog, RenameThroughTheTreeEditor)
{
    CDlgLibList dialog(CDlgLibList::EditLibrary);
    dialog.show();
    ASSERT_TRUE(dialog.Select(dialog.PackageItem(FromUtf8(a), "QUAD")));
    const auto type = [&](const char* name) {
        dialog.Tree()->setFocus();
        QTest::keyClick(dialog.Tree(), Qt::Key_F2);
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : dialog.Tree()->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible())
                editor = e;
        ASSERT_TRUE(editor);
        editor->selectAll();
        QTest::keyClicks(editor, name);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
    };
    type("R");
    EXPECT_EQ(Contents(a), (Names{"QUAD: G1 G2", "R: R", "OP: OP OP"}));
    EXPECT_EQ(Shown(dialog.LibraryItem(FromUtf8(a))), "QUAD[G1,G2] R OP[U?A,U?B]");
    type("QUAD3");
    EXPECT_EQ(Contents(a), (Names{"R: R", "OP: OP OP", "QUAD3: G1 G2"}));
    EXPECT_EQ(dialog.Tree()->currentItem()->text(0).toStdString(), "QUAD3");
    // Gates and libraries keep their labels.
    EXPECT_FALSE(dialog.LibraryItem(FromUtf8(a))->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(dialog.PackageItem(FromUtf8(a), "OP")->child(0)->flags() & Qt::ItemIsEditable);
}

TEST_F(LibBrowserDialog, PartEditWritesTheGateBack)
{
    CDlgLibList dialog(CDlgLibList::Pick);
    dialog.Select(dialog.PackageItem(FromUtf8(a), "OP")->child(1));
    int edits = 0;
    dialog.SetPartEditor([&](CPart& gate) {
        ++edits;
        EXPECT_EQ(gate.GetRefName().str(), "U?B");
        gate.SetValue(CString("LM358"));
        return true;
    });
    dialog.EditSelected();
    EXPECT_EQ(edits, 1);
    CLibrary lib;
    CPart first, second;
    ASSERT_TRUE(lib.GetPart(first, FromUtf8(a), "OP", 1));
    ASSERT_TRUE(lib.GetPart(second, FromUtf8(a), "OP", 2));
    EXPECT_EQ(first.GetValName().str(), "");
    EXPECT_EQ(second.GetValName().str(), "LM358");
    // The browser stays on the edited gate, with the new value in the preview.
    CPart picked;
    ASSERT_TRUE(dialog.GetPart(picked));
    EXPECT_EQ(picked.GetValName().str(), "LM358");
    EXPECT_EQ(picked.GetRefName().str(), "U?B");
}

TEST_F(LibBrowserDialog, OptionsRebuildTheTreeWhenTheListChanged)
{
    CDlgLibList dialog(CDlgLibList::EditLibrary);
    dialog.LibraryItem(FromUtf8(a))->setExpanded(true);
    int runs = 0;
    dialog.SetOptionsRunner([&] { return ++runs > 0; }); // OK, list unchanged
    dialog.RunOptions();
    EXPECT_EQ(dialog.ReadCount(), 1);
    EXPECT_TRUE(dialog.LibraryItem(FromUtf8(a))->isExpanded());
    dialog.SetOptionsRunner([&] {
        Profile().DeleteKey("Library File List", "File1");
        Profile().WriteString("Library File List", "File1", FromUtf8(b));
        Profile().DeleteKey("Library File List", "File2");
        return true;
    });
    dialog.RunOptions();
    ASSERT_EQ(dialog.Tree()->topLevelItemCount(), 1);
    EXPECT_TRUE(dialog.LibraryItem(FromUtf8(b)));
    EXPECT_EQ(dialog.findChild<QComboBox*>("Destination")->count(), 1);
}

TEST_F(LibBrowserDialog, FilterSearchesEveryLibrary)
{
    CDlgLibList dialog(CDlgLibList::Pick);
    dialog.findChild<QLineEdit*>("Filter")->setText("r");
    QTreeWidgetItem* libA = dialog.LibraryItem(FromUtf8(a));
    QTreeWidgetItem* libB = dialog.LibraryItem(FromUtf8(b));
    EXPECT_EQ(dialog.ReadCount(), 2);
    EXPECT_EQ(Shown(libA), "R");
    EXPECT_EQ(Shown(libB), "R");
    ASSERT_TRUE(dialog.Select(libA->child(1)));
    CPart part;
    EXPECT_TRUE(dialog.GetPart(part));
    dialog.SetFilter("g2");             // a gate's name finds its package
    EXPECT_FALSE(dialog.GetPart(part)); // R is hidden: nothing is picked
    EXPECT_EQ(Shown(libA), "QUAD[G1,G2]");
    EXPECT_TRUE(libB->isHidden());
    dialog.SetFilter("");
    EXPECT_FALSE(libB->isHidden());
    EXPECT_EQ(Shown(libA), "QUAD[G1,G2] R OP[U?A,U?B]");
    EXPECT_EQ(dialog.ReadCount(), 2);
}

TEST_F(LibBrowserDialog, ConversionBothWaysAndItsRefusals)
{
    const std::string text = Path("設計/部品庫/a.txt");
    const std::string back = Path("設計/部品庫/back.lib");
    CDlgLibConvert dialog;
    // Both names are needed.
    dialog.Source()->setText(QString::fromStdString(a));
    dialog.accept();
    ASSERT_EQ(host->messages.size(), 1u);
    EXPECT_EQ(ToUtf8(host->messages[0].text), "ファイル名を入力して下さい。");
    // The destination's file dialog sets the type from its filter.
    CDlgLibConvert::SetChooser([&](bool destination, int& filter) {
        EXPECT_TRUE(destination);
        EXPECT_EQ(filter, dialog.Type() + 1); // type 0 writes text: the text filter first
        filter = 1;
        return QString::fromStdString(text);
    });
    host->answers = {CHost::IDNO, CHost::IDYES}; // the new file: first refused, then made
    dialog.SetType(1);
    dialog.BrowseDestination(); // (the chooser sees filter 2 here)
    EXPECT_TRUE(dialog.Destination()->text().isEmpty());
    EXPECT_EQ(dialog.Type(), 1);
    dialog.SetType(0);
    dialog.BrowseDestination();
    CDlgLibConvert::SetChooser({});
    EXPECT_EQ(dialog.Destination()->text().toStdString(), text);
    EXPECT_EQ(dialog.Type(), 0);
    host->questions.clear();
    dialog.accept();
    EXPECT_EQ(ToUtf8(host->messages.back().text), "変換終了");
    ASSERT_TRUE(std::filesystem::exists(text));
    EXPECT_EQ(Profile().GetString("Library Convert", "DestFileName").str(), FromUtf8(text).str());

    // An existing destination is asked about; No converts nothing.
    host->answers = {CHost::IDNO};
    const size_t messages = host->messages.size();
    dialog.accept();
    EXPECT_EQ(host->messages.size(), messages);
    ASSERT_EQ(host->questions.size(), 1u);
    EXPECT_EQ(ToUtf8(host->questions[0].text),
              "ファイル " + text + " は既にあります。上書きしますか。");

    // And back: the text library becomes a part library with the same packages.
    CDlgLibConvert reverse;
    EXPECT_EQ(reverse.Source()->text().toStdString(), a); // the last conversion's names
    reverse.SetType(1);
    reverse.Source()->setText(QString::fromStdString(text));
    reverse.Destination()->setText(QString::fromStdString(back));
    reverse.accept();
    EXPECT_EQ(Contents(back), Contents(a));
    EXPECT_EQ(Profile().GetInt("Library Convert", "Type", 0), 1);

    // Onto its own source: refused.
    reverse.Destination()->setText(QString::fromStdString(text));
    host->answers = {CHost::IDYES};
    reverse.accept();
    EXPECT_EQ(ToUtf8(host->messages.back().text), "変換元と変換先が同じファイルです。");
}
