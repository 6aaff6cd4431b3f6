// The gate editor of the library browser: the checks it makes on OK and the
// gate it hands back; and the browser's own rules in its two modes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "base/codepage.h"
#include "base/messages.h"
#include "editor/library/dlggateedit.h"
#include "editor/library/dlgliblist.h"
#include "items/pin.h"
#include "library/libfixture.h"

namespace {

// A gate with pins 3, 1, 2 from the top: names and numbers as given.
CPart Gate()
{
    CPart part;
    part.SetPartName(CString("NAND"));
    part.SetRefName(CString("U?A"));
    for (const auto& [y, no, name] :
         {std::tuple{300, "3", "Y"}, std::tuple{200, "1", "A"}, std::tuple{100, "2", "B"}}) {
        CPin* pin = part.NewPin(CPoint(0, y), CPoint(-200, y), CPin::Input);
        pin->SetNo(CString(no));
        pin->SetName(CString(name));
    }
    part.CalcBoundRect();
    return part;
}

std::vector<std::string> PinNumbers(const CPart& part)
{
    std::vector<std::string> out;
    for (const CPin& pin : part.Pins())
        out.push_back(pin.GetNo().str());
    return out;
}

} // namespace

TEST(GateEdit, ChecksOnOkAndTheGateItHandsBack)
{
    CScopedFakeHost host;
    CDlgGateEdit dialog(Gate());
    auto* pins = dialog.findChild<QTableWidget*>("Pins");
    ASSERT_EQ(pins->rowCount(), 3);
    EXPECT_EQ(pins->item(0, 0)->text(), "3");

    // No part name: the part dialog's first check, and the dialog stays.
    dialog.findChild<QLineEdit*>("PartName")->setText("  ");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(host->messages.size(), 1u);
    EXPECT_EQ(host->messages[0].text, LoadMessage(2001));
    dialog.findChild<QLineEdit*>("PartName")->setText("NAND2");

    // A pin number used twice is asked about; No keeps the dialog open.
    pins->item(2, 0)->setText("1");
    host->answers = {CHost::IDNO};
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(host->questions.size(), 1u);
    EXPECT_EQ(host->questions[0].text, FormatMessage(2101, CString("1")));
    pins->item(2, 0)->setText("4");
    pins->item(1, 1)->setText("IN1");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const CPart& edited = dialog.Part();
    EXPECT_EQ(edited.GetPartName().str(), "NAND2");
    EXPECT_EQ(edited.GetRefName().str(), "U?A");
    // The pins come back sorted by place (from the bottom), with the new texts.
    EXPECT_EQ(PinNumbers(edited), (std::vector<std::string>{"4", "1", "3"}));
    POSITION pos = edited.GetFirstPinPos();
    edited.GetNextPin(pos);
    EXPECT_EQ(edited.GetNextPin(pos)->GetName().str(), "IN1");
}

TEST(GateEdit, TextsALibraryCannotStoreAreRefused)
{
    CScopedFakeHost host;
    CDlgGateEdit dialog(Gate());
    dialog.findChild<QLineEdit*>("Value")->setText(QString::fromUtf8("10\xF0\x9F\x98\x80"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(host->messages.size(), 1u);
}

TEST_F(LibraryTest, BrowserModes)
{
    using namespace libbytes;
    Put("p.lib", Library({Record(202, "R", {Part("R")}), Record(202, "C", {Part("C")})}));
    Profile().WriteString("Library File List", "File1", CString(Path("p.lib")));
    {
        // Picking: OK waits for a part, a double click takes it.
        CDlgLibList dialog(CDlgLibList::Pick);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        EXPECT_FALSE(buttons->button(QDialogButtonBox::Ok)->isEnabled());
        EXPECT_FALSE(dialog.findChild<QPushButton*>("Delete")->isVisibleTo(&dialog));
        EXPECT_FALSE(dialog.findChild<QPushButton*>("Options")->isEnabled());
        QTreeWidgetItem* c = dialog.PackageItem(CString(Path("p.lib")), "C");
        ASSERT_TRUE(dialog.Select(c));
        EXPECT_TRUE(buttons->button(QDialogButtonBox::Ok)->isEnabled());
        emit dialog.Tree()->itemDoubleClicked(c, 0);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        CPart part;
        ASSERT_TRUE(dialog.GetPart(part));
        EXPECT_EQ(part.GetPartName().str(), "C");
    }
    // Editing: no Cancel, OK closes, and the Delete key deletes.
    CDlgLibList dialog(CDlgLibList::EditLibrary);
    dialog.show();
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    EXPECT_FALSE(buttons->button(QDialogButtonBox::Cancel)->isVisible());
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text().toStdString(), "Close");
    ASSERT_TRUE(dialog.Select(dialog.PackageItem(CString(Path("p.lib")), "R")));
    dialog.Tree()->setFocus();
    host->answers = {CHost::IDOK};
    QTest::keyClick(dialog.Tree(), Qt::Key_Delete);
    EXPECT_EQ(host->questions.size(), 1u);
    EXPECT_FALSE(dialog.PackageItem(CString(Path("p.lib")), "R"));
    EXPECT_TRUE(dialog.PackageItem(CString(Path("p.lib")), "C"));
}
