// The main window's upkeep: autosave after edits, the stored window
// placement, and the project dialog's rules around its window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <fstream>
#include <sstream>

#include "app/projectfile.h"
#include "app/vireodoc.h"
#include "base/profile.h"
#include "editorenv.h"
#include "editor/dialogs/dlgproject.h"

TEST(EditorFrame, AutosaveWritesTheSideFileOfAnEditedSheet)
{
    CEditorEnv env;
    Profile().WriteInt("FileSave", "AutoSave", 1);
    Profile().WriteInt("FileSave", "UndoCount", 1);
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("power.dcd")));
    CVIREODoc& doc = env.frame->ActiveChild()->Document();
    CSheet added(CSheet::kScratch);
    added.NewWire(CPoint(100, 100), CPoint(900, 100));
    doc.AddItems(added);
    ASSERT_EQ(doc.GetEditCount(), 1);
    env.frame->OnAutosaveTimer();
    const auto side = CVIREODoc::FindNewerAutosave(env.Demo("power.dcd"));
    ASSERT_TRUE(side);
    EXPECT_EQ(doc.GetEditCount(), 0);
    // The sheet itself is untouched and still counts as modified.
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(env.frame->StatusPane(0), "Ready");
}

TEST(EditorFrame, WindowPlacementComesBack)
{
    CEditorEnv env;
    env.frame->setGeometry(40, 50, 700, 500); // within the offscreen screen
    env.frame->StorePlacement();
    const std::string stored = Profile().GetString("Settings", "WindowPos").str();
    EXPECT_EQ(stored, "0,1,-1,-1,-1,-1,40,50,740,550");
    CMainFrame other(*env.app, env.options);
    other.RestorePlacement();
    EXPECT_EQ(other.geometry(), QRect(40, 50, 700, 500));
    // A damaged setting gives the default size instead of a window nowhere.
    Profile().WriteString("Settings", "WindowPos", "0,1,garbage");
    CMainFrame third(*env.app, env.options);
    third.RestorePlacement();
    EXPECT_EQ(third.size(), QSize(1200, 800));
    env.app->SetObserver(env.frame.get());
}

TEST(EditorFrame, ProjectDialogWritesTheListAndItsChecks)
{
    CEditorEnv env;
    const std::string project = env.Demo("demo.dpj").string();
    env.app->RecentProjects().Add(CString(project));
    env.app->RecentProjects().Store();
    CDlgProject dialog(*env.app, env.frame.get());
    ASSERT_EQ(dialog.SheetList()->count(), 3);
    EXPECT_EQ(dialog.ProjectCombo()->currentText().toStdString(), project);
    // Uncheck the first sheet, move the last one to the top, close.
    dialog.SheetList()->item(0)->setCheckState(Qt::Unchecked);
    dialog.SheetList()->insertItem(0, dialog.SheetList()->takeItem(2));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(env.app->ProjectPath(), project);
    std::ifstream in(project);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(),
              "Project File Ver 0.03\n1:leds.dcd\n0:power.dcd\n1:controller.dcd\nEndFileList\n"
              "Property List\n&PCB&demo board\nEndPropertyList\n");

    // No sheets: the dialog asks; No keeps it open on the previous name.
    CDlgProject second(*env.app, env.frame.get());
    second.SheetList()->clear();
    env.Host()->answers = {CHost::IDNO};
    second.accept();
    EXPECT_NE(second.result(), QDialog::Accepted);
    ASSERT_EQ(env.Host()->questions.size(), 1u);
    // Yes works without a project from now on.
    env.Host()->answers = {CHost::IDYES};
    second.accept();
    EXPECT_EQ(second.result(), QDialog::Accepted);
    EXPECT_TRUE(env.app->ProjectPath().empty());
    EXPECT_EQ(Profile().GetInt("Sheet", "NoProj", 0), 1);
}

TEST(EditorFrame, DroppedFilesOpenWithTheProjectFirst)
{
    CEditorEnv env;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral(VIREO_EXAMPLES "/sample.dcd")),
                  QUrl::fromLocalFile(env.DemoQ("demo.dpj"))});
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window's handler: the application would first want a
    // drag that entered it.
    static_cast<QObject*>(env.frame.get())->event(&drop);
    EXPECT_TRUE(drop.isAccepted());
    QTest::qWait(50);
    // The project's three sheets, then the dropped sheet on top of them.
    ASSERT_EQ(env.frame->Children().size(), 4);
    EXPECT_EQ(env.app->ProjectPath(), env.Demo("demo.dpj").string());
    EXPECT_EQ(env.frame->ActiveChild()->Document().GetPathName().filename(), "sample.dcd");
}

TEST(EditorFrame, JapaneseFolderAndFileNames)
{
    // File names are UTF-8 on the file system: a sheet and a project in a
    // Japanese folder open, show their names, enter the recent lists as the
    // same paths, and the project dialog writes the project itself.
    CEditorEnv env;
    const std::filesystem::path folder = env.Dir() / "回路";
    std::filesystem::create_directories(folder);
    std::filesystem::copy(env.Demo("power.dcd"), folder / "電源.dcd");
    const QString sheet = QString::fromStdString((folder / "電源.dcd").string());
    ASSERT_TRUE(env.frame->OpenFile(sheet));
    EXPECT_TRUE(env.frame->ActiveChild()->windowTitle().contains(QStringLiteral("電源.dcd")))
        << env.frame->ActiveChild()->windowTitle().toStdString();
    env.app->RecentSheets().Load();
    EXPECT_EQ(env.app->RecentSheets().Newest().str(), sheet.toStdString());

    const std::string project = (folder / "設計.dpj").string();
    std::string error;
    ASSERT_TRUE(CProjectFile::Write(project, {{(folder / "電源.dcd").string(), true}}, error)) << error;
    env.app->RecentProjects().Add(CString(project));
    env.app->RecentProjects().Store();
    CDlgProject dialog(*env.app, env.frame.get());
    EXPECT_EQ(dialog.ProjectCombo()->currentText(), QString::fromStdString(project));
    ASSERT_EQ(dialog.SheetList()->count(), 1);
    dialog.SheetList()->item(0)->setCheckState(Qt::Unchecked);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(env.app->ProjectPath(), project);
    std::vector<std::string> sheets;
    ASSERT_EQ(CProjectFile::ReadFileList(project, true, true, sheets), 1);
    EXPECT_EQ(sheets[0], "0:" + (folder / "電源.dcd").string());
    // Nothing else was written beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++files;
    EXPECT_EQ(files, 2);
}
