// The document dialogs' OK and Cancel rules, and the document commands in
// the real window: Descend and Ascend between sheets in a Japanese folder,
// the net index jump to another open sheet, sheet size and properties.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "app/edit/editids.h"
#include "app/vireodoc.h"
#include "base/codepage.h"
#include "editor/dialogs/dlgfilenew.h"
#include "editor/dialogs/dlgfileproperty.h"
#include "editor/dialogs/dlgmakelib.h"
#include "editor/dialogs/dlgmakepart.h"
#include "editor/dialogs/dlgpartinput.h"
#include "editor/dialogs/partpreview.h"
#include "editor/view/editadapter.h"
#include "editorenv.h"

namespace {

QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

// A sheet saved under path, with a wire named net and, when file is given,
// a part standing for that sheet.
void SaveSheet(CMainFrame& frame, const std::filesystem::path& path, const char* net,
               const char* file = nullptr)
{
    CVIREODoc* doc = frame.NewDocument(2);
    ASSERT_NE(doc, nullptr);
    CLine* wire = doc->MainSheet().NewWire(CPoint(1000, 1000), CPoint(3000, 1000));
    wire->SetName(net, CPoint(1500, 1100), CText::kDefaultAttr);
    if (file) {
        CPart part(CPoint(5000, 2000), CPoint(4900, 1900), CPoint(5600, 2400), 0, 0, 0, 0);
        part.SetRefName("S1", CPoint(5000, 2250), CText::kDefaultAttr);
        part.NewLine(CPoint(5000, 2000), CPoint(5500, 2300), 1);
        part.NewText(CText(FromUtf8(std::string("&FILE&") + file), CPoint(5000, 1800), 70, 8));
        part.CalcBoundRect(1);
        doc->MainSheet().NewPart(part);
    }
    ASSERT_TRUE(doc->OnSaveDocument(path));
}

std::vector<CScriptEvent> Events(const std::string& script)
{
    std::vector<CScriptEvent> events;
    int line = 0;
    std::string error;
    EXPECT_TRUE(ParseEditScript(script, events, line, error)) << error;
    return events;
}

} // namespace

TEST(DlgMakePart, OkStaysOpenUntilThePartIsValidAndCancelKeepsThePreset)
{
    CPartDialogInput preset;
    preset.partName = "OPAMP";
    preset.reference = "U?";
    CDlgMakePart dialog(preset);
    dialog.show();
    auto edits = dialog.findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(edits.size(), 3);
    // No value: OK explains and keeps the dialog open.
    Button(dialog, QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Problem().isEmpty());
    edits[2]->setText("LM358");
    dialog.findChildren<QSpinBox*>()[0]->setValue(2);
    dialog.findChildren<QSpinBox*>()[1]->setValue(1);
    Button(dialog, QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << dialog.Problem().toStdString();
    const CPartDialogInput got = dialog.Result();
    EXPECT_EQ(got.value, "LM358");
    EXPECT_EQ(got.packageMax, 2);
    EXPECT_EQ(got.package, 1);

    CDlgMakePart cancelled(preset);
    cancelled.show();
    Button(cancelled, QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

TEST(DlgPartInput, RecentNamesCompletionOverAllNamesAndAPreviewOfTheNamedPart)
{
    CPartChoices choices;
    choices.recent = {"RES", "7400"};
    choices.names = {"CAP", "LM358", "OPAMP", "RES"};
    int lookups = 0;
    choices.lookup = [&](const CString& name, CSheet& gates) {
        ++lookups;
        if (name.CompareNoCase("LM358") != 0)
            return false;
        CPart part(CPoint(0, 0), CPoint(-100, -100), CPoint(400, 300), 0, 0, 0, 0);
        part.NewLine(CPoint(0, 0), CPoint(300, 200), 1);
        part.CalcBoundRect(1);
        gates.NewPart(part);
        return true;
    };
    CPartRequest preset;
    preset.name = "NOPE";
    CDlgPartInput dialog(preset, choices);
    auto* name = dialog.findChild<QComboBox*>();
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->count(), 2); // the recent names
    EXPECT_EQ(name->itemText(0), "RES");
    EXPECT_EQ(name->completer()->model()->rowCount(), 4);
    EXPECT_FALSE(dialog.HasPreview()); // "NOPE" is no part
    name->setEditText("lm358");
    dialog.UpdatePreview();
    EXPECT_TRUE(dialog.HasPreview());
    // The preview draws the part's strokes over its background.
    auto* preview = dialog.findChild<CPartPreview*>();
    ASSERT_NE(preview, nullptr);
    QImage shot(preview->minimumSize(), QImage::Format_RGB32);
    preview->resize(preview->minimumSize());
    preview->render(&shot);
    QSet<QRgb> colours;
    for (int y = 4; y < shot.height() - 4; ++y)
        for (int x = 4; x < shot.width() - 4; ++x)
            colours.insert(shot.pixel(x, y));
    EXPECT_GE(colours.size(), 2);
    CPartRequest out;
    ASSERT_TRUE(dialog.Result(out));
    EXPECT_EQ(out.name, "lm358");
    EXPECT_GE(lookups, 2);

    // Browse is offered only with a picker; what it picks fills the name and the preview.
    const auto browseButton = [](QDialog& d) -> QPushButton* {
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text().contains("Browse"))
                return b;
        return nullptr;
    };
    EXPECT_EQ(browseButton(dialog), nullptr);
    choices.browse = [](QWidget*, CString& picked) {
        picked = "LM358";
        return true;
    };
    CDlgPartInput browsing(preset, choices);
    QPushButton* browse = browseButton(browsing);
    ASSERT_NE(browse, nullptr);
    browse->click();
    ASSERT_TRUE(browsing.Result(out));
    EXPECT_EQ(out.name, "LM358");
    EXPECT_TRUE(browsing.HasPreview());
}

TEST(DlgMakeLib, OkNeedsALibraryAndAPackageAndTickedPropertiesAreDropped)
{
    CDlgMakeLib dialog("", "RES", {"/tmp/設計/a.lib"}, {"Maker", "Footprint"});
    QPushButton* ok = Button(dialog, QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    dialog.findChild<QComboBox*>()->setCurrentText("/tmp/設計/部品.lib");
    EXPECT_TRUE(ok->isEnabled());
    dialog.findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)->setText(" ");
    EXPECT_FALSE(ok->isEnabled());
    dialog.findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)->setText("RES10K");
    dialog.findChild<QListWidget*>()->item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(dialog.Library(), "/tmp/設計/部品.lib");
    EXPECT_EQ(dialog.Package(), "RES10K");
    EXPECT_EQ(dialog.Dropped(), QStringList{"Maker"});
}

TEST(DlgFileProperty, TheSizesDefaultTitleComesBackAsNoExplicitTitle)
{
    CEditorEnv env;
    CDlgFileProperty dialog("Ann", "Rev B", 1, "", 8);
    EXPECT_EQ(dialog.TitleFile(), "");
    auto combos = dialog.findChildren<QComboBox*>();
    ASSERT_EQ(combos.size(), 2);
    combos[0]->setCurrentIndex(4); // A3 portrait: its own default
    EXPECT_EQ(dialog.SizeIndex(), 4);
    EXPECT_EQ(dialog.TitleFile(), "");
    combos[1]->addItem("Mine.A3P");
    combos[1]->setCurrentText("Mine.A3P");
    EXPECT_EQ(dialog.TitleFile(), "Mine.A3P");
    // Change size keeps the document's explicit title block as its choice.
    CDlgFileNew resize(1, "Missing.A3");
    EXPECT_EQ(resize.SizeIndex(), 1);
    EXPECT_EQ(resize.TitleFile(), "Missing.A3");
}

TEST(EditorDocumentCommands, DescendAscendAndTheNetJumpMoveBetweenSheets)
{
    CEditorEnv env;
    const std::filesystem::path dir = env.Dir() / "設計" / "部品";
    std::filesystem::create_directories(dir / "sub");
    SaveSheet(*env.frame, dir / "sub" / "下位.dcd", "clk");
    SaveSheet(*env.frame, dir / "上位.dcd", "CLK", "sub\\下位.dcd");
    CVIREOView* top = env.ActiveView();
    ASSERT_NE(top, nullptr);
    CVIREODoc& topDoc = top->Document();

    // Descend on the part opens (here: brings forward) the sheet it names.
    top->Edit().Replay(Events("click 5100 2050 ctrl\ncommand descend\n"));
    QApplication::processEvents();
    ASSERT_NE(env.frame->ActiveView(), top);
    EXPECT_EQ(env.frame->ActiveView()->Document().GetPathName(), dir / "sub" / "下位.dcd");
    // Ascend goes back to the sheet it came from.
    env.frame->ActiveView()->Edit().Replay(Events("command ascend\n"));
    QApplication::processEvents();
    EXPECT_EQ(&env.frame->ActiveView()->Document(), &topDoc);

    // The right button on the wire's name lists the other sheet, relative
    // to this sheet's folder, and the entry jumps there.
    top->Edit().Replay(Events("key Escape\n"));
    const std::vector<CNetJumpEntry> targets = top->Edit().NetJumpTargets("CLK");
    ASSERT_EQ(targets.size(), 1u);
    EXPECT_EQ(targets[0].label, "sub/下位.dcd");
    const CPoint onName = topDoc.MainSheet()
                              .Wires()
                              .GetHead()
                              ->GetNameText()
                              .GetBoundingRect()
                              .Normalized()
                              .CenterPoint();
    top->Edit().Replay(Events("answer menu 2201\nclick " + std::to_string(onName.x) + " " +
                              std::to_string(onName.y) + " right\n"));
    QApplication::processEvents();
    EXPECT_EQ(env.frame->ActiveView()->Document().GetPathName(), dir / "sub" / "下位.dcd");
}

TEST(EditorDocumentCommands, TheEditMenuOffersTheDocumentCommandsByState)
{
    CEditorEnv env;
    CVIREODoc* doc = env.frame->NewDocument(2);
    ASSERT_NE(doc, nullptr);
    CVIREOView* view = env.ActiveView();
    doc->MainSheet().NewLine(CPoint(1000, 1000), CPoint(1400, 1000));
    doc->MainSheet().NewText("Name", CPoint(1000, 1500), 70, 0);
    QAction* makePart = nullptr;
    QAction* cleanUp = nullptr;
    for (QAction* a : env.frame->findChildren<QAction*>()) {
        if (a->text() == EditCommandText(editcmd::kMakePart))
            makePart = a;
        if (a->text() == EditCommandText(editcmd::kCleanUp))
            cleanUp = a;
    }
    ASSERT_TRUE(makePart && cleanUp);
    view->Edit().Replay(Events("command selectall\n"));
    EXPECT_TRUE(makePart->isEnabled());
    EXPECT_FALSE(cleanUp->isEnabled()); // not with a selection
    view->Edit().Replay(Events("key Escape\n"));
    EXPECT_FALSE(makePart->isEnabled());
    EXPECT_TRUE(cleanUp->isEnabled());
}

TEST(EditorDocumentCommands, WithAProjectTheNetJumpStaysAmongItsSheets)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenProjectFile(env.DemoQ("demo.dpj")));
    std::filesystem::create_directories(env.Dir() / "外");
    std::filesystem::copy_file(env.Demo("leds.dcd"), env.Dir() / "外" / "leds2.dcd");
    ASSERT_TRUE(
        env.frame->OpenFile(QString::fromStdString((env.Dir() / "外" / "leds2.dcd").string())));
    CVIREOView* controller = nullptr;
    CVIREOView* outside = nullptr;
    for (CChildFrame* child : env.frame->Children()) {
        const std::string name = child->View()->Document().GetPathName().filename().string();
        if (name == "controller.dcd")
            controller = child->View();
        if (name == "leds2.dcd")
            outside = child->View();
    }
    ASSERT_TRUE(controller && outside);
    // D0 runs on the LED sheet too, not on the power sheet; the sheet
    // outside the project is no target, and offers none.
    const std::vector<CNetJumpEntry> targets = controller->Edit().NetJumpTargets("d0");
    ASSERT_EQ(targets.size(), 1u);
    EXPECT_EQ(targets[0].label, "leds.dcd");
    EXPECT_TRUE(outside->Edit().NetJumpTargets("D0").empty());
}
