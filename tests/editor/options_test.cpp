// The options sheet: every page shows the table's defaults, writes what was
// changed and only that, clamps what is out of range, and Cancel writes
// nothing; OK takes effect in the open windows at once.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <fstream>
#include <set>

#include "app/settings.h"
#include "base/codepage.h"
#include "editor/options/dlgfilehistory.h"
#include "editor/options/optcolor.h"
#include "editor/options/optfieldpage.h"
#include "editor/options/optionssheet.h"
#include "editor/options/optlibrary.h"
#include "editor/options/optsheetpage.h"
#include "editorenv.h"

namespace {

const MemoryProfile::Store& Store()
{
    return dynamic_cast<MemoryProfile&>(Profile()).Contents();
}

// "Section/Key" of every value in the store.
std::set<std::string> StoredKeys()
{
    std::set<std::string> keys;
    for (const auto& [section, values] : Store())
        for (const auto& [key, value] : values)
            keys.insert(section + "/" + key);
    return keys;
}

// The fields of a page: the widgets named after their key.
QList<QWidget*> Fields(QWidget* page)
{
    QList<QWidget*> fields;
    for (QWidget* w : page->findChildren<QWidget*>())
        if (w->objectName().count('/') == 1 && !w->objectName().startsWith("Color/"))
            fields << w;
    return fields;
}

const CSettingKey& Entry(const QWidget* field)
{
    const QStringList parts = field->objectName().split('/');
    const CSettingKey* entry =
        FindSetting(parts[0].toStdString().c_str(), parts[1].toStdString().c_str());
    EXPECT_TRUE(entry) << field->objectName().toStdString();
    return *entry;
}

// Changes a field to another value the user could choose.
void Change(QWidget* field)
{
    if (auto* box = qobject_cast<QCheckBox*>(field))
        box->setChecked(!box->isChecked());
    else if (auto* spin = qobject_cast<QSpinBox*>(field))
        spin->setValue(spin->value() < spin->maximum() ? spin->value() + 1 : spin->value() - 1);
    else if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(edit->text() + "x");
    else if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
}

} // namespace

TEST(OptionsSheet, EveryFieldShowsItsDefaultAndWritesOnlyItsKey)
{
    CEditorEnv env;
    int fields = 0;
    const int pages = COptionsSheet(env.app.get()).Pages().size();
    ASSERT_EQ(pages, 9);
    for (int p = 0; p < pages; ++p) {
        const int count = Fields(COptionsSheet(env.app.get()).Pages()[p]).size();
        for (int f = 0; f < count; ++f) {
            CScopedProfile empty(std::make_unique<MemoryProfile>());
            COptionsSheet sheet(env.app.get());
            COptionPage* page = sheet.Pages()[p];
            sheet.ShowPage(page->Id());
            QWidget* field = Fields(page)[f];
            const std::string name = field->objectName().toStdString();
            const CSettingKey& e = Entry(field);
            // The default, as the table states it.
            int shownValue = 0, expectedValue = e.intDefault;
            if (auto* box = qobject_cast<QCheckBox*>(field)) {
                shownValue = box->isChecked();
                expectedValue = e.intDefault != 0;
            } else if (auto* spin = qobject_cast<QSpinBox*>(field)) {
                shownValue = spin->value();
            } else if (auto* edit = qobject_cast<QLineEdit*>(field)) {
                EXPECT_EQ(edit->text().toStdString(), e.textDefault) << name;
            } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
                shownValue = combo->currentIndex();
                expectedValue = e.type == CSettingKey::Int ? e.intDefault : 0;
            }
            if (e.type == CSettingKey::Int || qobject_cast<QComboBox*>(field)) {
                EXPECT_EQ(shownValue, expectedValue) << name;
            }
            Change(field);
            sheet.accept();
            // The page shown at OK is remembered too.
            EXPECT_EQ(StoredKeys(), (std::set<std::string>{name, "Settings/EnvPage"})) << name;
            ++fields;
        }
    }
    EXPECT_GT(fields, 0);
    // Every key of the sections the pages own has its field; the lengths of
    // the recent lists have the file history dialog.
    std::set<std::string> shown;
    const COptionsSheet all(env.app.get());
    for (COptionPage* page : all.Pages())
        for (QWidget* field : Fields(page))
            shown.insert(field->objectName().toStdString());
    for (const CSettingKey& k : SettingsTable()) {
        const std::string section = k.section, key = section + "/" + k.key;
        if (k.type == CSettingKey::Binary || key == "Sheet/FMRU" || key == "Sheet/PMRU")
            continue;
        for (const char* owned :
             {"FileSave", "Sheet", "Tool", "Default", "CopyIncrement", "Line", "Printer"})
            if (section == owned) {
                EXPECT_TRUE(shown.count(key)) << key;
            }
    }
}

TEST(OptionsSheet, OutOfRangeValuesAreClampedAndCancelWritesNothing)
{
    CEditorEnv env;
    Profile().WriteInt("Sheet", "ZoomAspect", 5);
    Profile().WriteInt("Sheet", "FMRU", 40);
    {
        COptionsSheet sheet(env.app.get());
        auto* zoom = sheet.findChild<QSpinBox*>("Sheet/ZoomAspect");
        ASSERT_TRUE(zoom);
        EXPECT_EQ(zoom->value(), 20); // the stored 5 reads as the lowest step
        zoom->setValue(100);          // typed past the top
        EXPECT_EQ(zoom->value(), 60);
        auto* sheetPage = static_cast<COptSheetPage*>(sheet.Page(optpage::kSheet));
        EXPECT_EQ(sheetPage->PendingSheets(), 16);
        sheetPage->SetPendingHistory(0, 99);
        sheet.accept();
    }
    EXPECT_EQ(Profile().GetInt("Sheet", "ZoomAspect", 0), 60);
    EXPECT_EQ(Profile().GetInt("Sheet", "FMRU", 0), 1);
    EXPECT_EQ(Profile().GetInt("Sheet", "PMRU", -1), -1); // 99 is 16, as it was

    // Cancel: every page changed, nothing stored.
    const std::set<std::string> before = StoredKeys();
    const auto values = Store();
    {
        COptionsSheet sheet(env.app.get());
        for (COptionPage* page : sheet.Pages())
            for (QWidget* field : Fields(page))
                Change(field);
        COptColor::SetPicker([](const QColor&, const QString&) { return QColor(1, 2, 3); });
        sheet.findChild<QPushButton*>("Color/Wire")->click();
        COptColor::SetPicker({});
        static_cast<COptLibrary*>(sheet.Page(optpage::kLibrary))->Add({"/tmp/x.lib"});
        sheet.ShowPage(optpage::kPrint);
        sheet.reject();
    }
    EXPECT_EQ(StoredKeys(), before);
    EXPECT_EQ(Profile().GetInt("Sheet", "ZoomAspect", 0), 60);
    EXPECT_EQ(Profile().GetInt("Settings", "EnvPage", 0), optpage::kSave);
}

TEST(OptionsSheet, OkTakesEffectInTheOpenWindows)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("power.dcd")));
    CVIREOView* view = env.ActiveView();
    ASSERT_TRUE(view);
    for (int n = 1; n <= 5; ++n)
        env.app->RecentSheets().Add(CString("/tmp/s" + std::to_string(n) + ".dcd"));
    env.app->RecentSheets().Store();
    // The sheet opens on the colour page remembered last time.
    Profile().WriteInt("Settings", "EnvPage", optpage::kColor);
    COptColor::SetPicker([](const QColor&, const QString&) { return QColor(10, 20, 30); });
    bool sawColourPage = false;
    QTimer::singleShot(0, [&] {
        auto* sheet = qobject_cast<COptionsSheet*>(QApplication::activeModalWidget());
        ASSERT_TRUE(sheet);
        sawColourPage = sheet->CurrentPage()->Id() == optpage::kColor;
        sheet->findChild<QPushButton*>("Color/Background")->click();
        sheet->findChild<QSpinBox*>("Sheet/ZoomAspect")->setValue(50);
        static_cast<COptSheetPage*>(sheet->Page(optpage::kSheet))->SetPendingHistory(3, 16);
        sheet->accept();
    });
    EXPECT_TRUE(env.frame->ShowOptions());
    COptColor::SetPicker({});
    EXPECT_TRUE(sawColourPage);
    EXPECT_EQ(Profile().GetInt("Color", "Background", 0), 10 | (20 << 8) | (30 << 16));
    EXPECT_EQ(env.options.background, RGB(10, 20, 30));
    EXPECT_EQ(env.options.zoomAspect, 50);
    EXPECT_EQ(env.app->RecentSheets().Capacity(), 3);
    EXPECT_EQ(env.app->RecentSheets().Size(), 3);
    EXPECT_EQ(Profile().GetString("Recent File List", "File4").str(), "");
    // The view draws with the new background.
    const QImage shot = view->viewport()->grab().toImage();
    int background = 0;
    for (int x = 0; x < shot.width(); x += 4)
        for (int y = 0; y < shot.height(); y += 4)
            background += shot.pixelColor(x, y) == QColor(10, 20, 30);
    EXPECT_GT(background, shot.width() * shot.height() / 16 / 4);

    // Reset brings the defaults back.
    {
        COptionsSheet sheet(env.app.get());
        auto* colors = static_cast<COptColor*>(sheet.Page(optpage::kColor));
        colors->ResetToDefaults();
        EXPECT_EQ(colors->ColorOf("Background"), QColor(255, 255, 255));
        EXPECT_EQ(colors->ColorOf("Wire"), QColor(0, 128, 0));
        sheet.accept();
    }
    EXPECT_EQ(Profile().GetInt("Color", "Background", 0), 0xFFFFFF);
}

TEST(OptionsSheet, ColourDefaultsAreTheDrawingDefaults)
{
    // The settings table and the drawing code each hold the colours a new
    // installation starts with: they must agree.
    const CDrawContext drawing;
    const CViewOptions view;
    for (const CDisplayColorKey& c : DisplayColorKeys()) {
        const CSettingKey* entry = FindSetting("Color", c.key);
        ASSERT_TRUE(entry) << c.key;
        const COLORREF expected = c.target == CDisplayColorKey::Item
                                      ? drawing.screenColors[size_t(c.index)]
                                  : c.target == CDisplayColorKey::Background ? view.background
                                  : c.target == CDisplayColorKey::Grid       ? view.gridColor
                                  : c.target == CDisplayColorKey::SubGrid    ? view.subGridColor
                                                                             : view.cursorColor;
        EXPECT_EQ(COLORREF(entry->intDefault), expected) << c.key;
    }
}

TEST(OptionsSheet, FileHistoryClearsAfterItsQuestion)
{
    CEditorEnv env;
    env.app->RecentProjects().Add(CString("/tmp/a.dpj"));
    env.app->RecentProjects().Store();
    CDlgFileHistory dialog(env.app.get(), 16, 16);
    env.Host()->answers = {CHost::IDCANCEL, CHost::IDOK};
    EXPECT_FALSE(dialog.ClearProjects());
    EXPECT_EQ(Profile().GetString("Project File List", "File1").str(), "/tmp/a.dpj");
    EXPECT_TRUE(dialog.ClearProjects());
    ASSERT_EQ(env.Host()->questions.size(), 2u);
    EXPECT_EQ(ToUtf8(env.Host()->questions[1].text), "履歴を削除します");
    EXPECT_EQ(env.Host()->questions[1].buttons, CHost::OKCancel);
    EXPECT_EQ(env.app->RecentProjects().Size(), 0);
    EXPECT_EQ(Profile().GetString("Project File List", "File1").str(), "");
    EXPECT_EQ(dialog.findChild<QSpinBox*>("Sheet/FMRU")->maximum(), 16);
    EXPECT_EQ(dialog.findChild<QSpinBox*>("Sheet/FMRU")->minimum(), 1);
}

TEST(OptionsSheet, LibraryPageAddsRemovesAndCreates)
{
    CEditorEnv env;
    const std::filesystem::path folder = env.Dir() / "設計" / "部品庫";
    std::filesystem::create_directories(folder);
    const QString base = QString::fromStdString(folder.string());
    COptLibrary::SetChooser([&] {
        return QStringList{base + "/main", base + "/main.lib", base + "/old.lbk", base + "/ic.lib"};
    });
    {
        COptionsSheet sheet(env.app.get());
        sheet.ShowPage(optpage::kLibrary);
        sheet.findChild<QPushButton*>("AddLibrary")->click();
        auto* page = static_cast<COptLibrary*>(sheet.Page(optpage::kLibrary));
        ASSERT_EQ(page->List().size(), 2u);
        ASSERT_EQ(env.Host()->messages.size(), 1u); // the backup file was named
        EXPECT_NE(ToUtf8(env.Host()->messages[0].text).find("old.lbk"), std::string::npos);
        // The last one added is current: up puts it first.
        sheet.findChild<QPushButton*>("LibraryUp")->click();
        EXPECT_EQ(ToUtf8(page->List()[0]), (folder / "ic.lib").string());
        sheet.accept();
    }
    COptLibrary::SetChooser({});
    EXPECT_TRUE(std::filesystem::exists(folder / "main.lib"));
    EXPECT_TRUE(std::filesystem::exists(folder / "ic.lib"));
    EXPECT_EQ(ToUtf8(Profile().GetString("Library File List", "File1")),
              (folder / "ic.lib").string());
    EXPECT_EQ(ToUtf8(Profile().GetString("Library File List", "File2")),
              (folder / "main.lib").string());

    // A library that went missing is made again on OK, also when the list
    // did not change.
    std::filesystem::remove(folder / "main.lib");
    {
        COptionsSheet sheet(env.app.get());
        sheet.accept();
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "main.lib"));

    // Removing every library warns that no part can be placed.
    COptionsSheet sheet(env.app.get());
    sheet.findChild<QListWidget*>("LibraryList")->setCurrentRow(0);
    sheet.findChild<QPushButton*>("RemoveLibrary")->click();
    sheet.findChild<QPushButton*>("RemoveLibrary")->click();
    sheet.accept();
    EXPECT_EQ(Profile().GetString("Library File List", "File1").str(), "");
    ASSERT_FALSE(env.Host()->messages.empty());
    EXPECT_EQ(ToUtf8(env.Host()->messages.back().text),
              "部品ファイルを登録していないと部品入力はできません");
}

TEST(OptionsSheet, ImportOfADamagedFileKeepsTheSheetOpen)
{
    CEditorEnv env;
    const auto path = env.Dir() / "bad.ini";
    std::ofstream(path) << "[Sheet]\nZoomAspect=40\nFMRU=x\n";
    Profile().WriteInt("Sheet", "ZoomAspect", 30);
    COptionsSheet::SetChooser([&](bool) { return QString::fromStdString(path.string()); });
    COptionsSheet sheet(env.app.get());
    // The warning box is answered as soon as it shows.
    QString warning;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            warning = box->findChild<QLabel*>("qt_msgbox_label")->text();
            box->close();
        }
    });
    EXPECT_FALSE(sheet.Import());
    EXPECT_TRUE(warning.contains("line 3")) << warning.toStdString();
    EXPECT_FALSE(sheet.Imported());
    EXPECT_EQ(Profile().GetInt("Sheet", "ZoomAspect", 0), 30);

    std::ofstream(path) << "[Sheet]\nZoomAspect=40\n";
    EXPECT_TRUE(sheet.Import());
    EXPECT_TRUE(sheet.Imported());
    EXPECT_EQ(Profile().GetInt("Sheet", "ZoomAspect", 0), 40);
    COptionsSheet::SetChooser({});
}
