#include "editor/options/optionssheet.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/settings.h"
#include "app/settingsfile.h"
#include "base/profile.h"
#include "editor/options/dlgfilehistory.h"
#include "editor/options/optcolor.h"
#include "editor/options/optlibrary.h"
#include "editor/options/optsheetpage.h"
#include "editor/window/translations.h"

namespace {

COptionsSheet::Chooser& ChooserSlot()
{
    static COptionsSheet::Chooser chooser;
    return chooser;
}

QString T(const char* text)
{
    return COptionsSheet::tr(text);
}

using F = COptionField;

COptionPage* SavePage()
{
    const char* s = "FileSave";
    return new COptFieldPage(
        optpage::kSave, T("Save"),
        {
            {s, "BackUp", T("Keep a backup (.bak) of the sheet when saving")},
            {s, "TitleInclude", T("Save the title block in the sheet file")},
            {s, "FileUpdate", T("Save a copy in the save folder as well")},
            {s, "SaveFolder", T("Save folder:"), F::Text},
            {s, "SaveBase", T("Start folder of the open dialog:"), F::Text},
            {s, "Floppy", T("Ask before writing to removable media")},
            {s, "PROJECT", T("Add saved sheets to the current project")},
            {s, "LibraryBackUp", T("Keep a backup (.lbk) of a library when it changes")},
            {nullptr, nullptr, T("Automatic save"), F::Heading},
            {s, "AutoSave", T("Save modified sheets automatically")},
            {s, "UndoCount", T("Autosave after this many edits:"), F::Number},
            {s, "DelayTime", T("Autosave delay (seconds):"), F::Number},
            {nullptr, nullptr, T("Pictures"), F::Heading},
            {s, "EMFBackDraw", T("Draw the background in pictures")},
            {s, "EMFTextBUG", T("Draw picture texts as single characters")},
        });
}

COptionPage* ToolPage()
{
    const char* s = "Tool";
    std::vector<COptionField> f = {
        {s, "Editor", T("Text editor (%f is the file):"), F::Text},
        {s,
         "AutoSave",
         T("Before project commands:"),
         F::Choice,
         {T("Ask about modified sheets"), T("Save modified project sheets"),
          T("Save opened documents without asking"), T("Both")}},
    };
    for (int k = 1; k <= 12; ++k) {
        static const char* const keys[] = {"ExtProg1", "ExtProg2",  "ExtProg3",  "ExtProg4",
                                           "ExtProg5", "ExtProg6",  "ExtProg7",  "ExtProg8",
                                           "ExtProg9", "ExtProg10", "ExtProg11", "ExtProg12"};
        f.push_back({s, keys[k - 1], T("External program %1 (Ctrl+F%1):").arg(k), F::Text});
    }
    const std::vector<COptionField> rest = {
        {nullptr, nullptr, T("Net list"), F::Heading},
        {s, "NetType", T("Net list format number:"), F::Number},
        {s, "Index", T("Write the net report")},
        {s, "Html", T("Net report as HTML")},
        {s, "NetUnix", T("Unix line ends")},
        {s, "View", T("Show the written files")},
        {s, "Power", T("Include power pins")},
        {s, "Compo", T("Write the part section")},
        {s, "NetNodeUpper", T("Node names in capitals")},
        {s, "NetSigUpper", T("Signal names in capitals")},
        {s, "PCB", T("Board layout file:"), F::Text},
        {nullptr, nullptr, T("Part list and numbering"), F::Heading},
        {s, "Ext", T("Part list extension:"), F::Text},
        {s, "ListProperty", T("Part list properties:"), F::Text},
        {s, "PartCount", T("Count equal parts")},
        {s, "StartNo", T("First reference number:"), F::Number},
        {s, "PartNoMakeType", T("Numbering order:"), F::Number},
        {s, "PartNoStep", T("Numbering step:"), F::Number},
        {s, "PartTopRefNo", T("Number from the first sheet on")},
        {s, "RefPageOffset", T("Page offset of references:"), F::Number},
        {s, "EachSheet", T("Number each sheet on its own")},
        {s, "SimpleWasis", T("Simple Was-Is file")},
        {nullptr, nullptr, T("Net index"), F::Heading},
        {s, "IndexSingle", T("List single signals")},
        {s, "IndexXY", T("With coordinates")},
        {s, "IndexHtml", T("Net index as HTML")},
        {s, "IndexView", T("Show the net index")},
    };
    f.insert(f.end(), rest.begin(), rest.end());
    return new COptFieldPage(optpage::kTool, T("Tool"), f);
}

COptionPage* DefaultPage()
{
    const char* s = "Default";
    const QStringList directions = {T("0°"), T("90°"), T("180°"), T("270°")};
    return new COptFieldPage(optpage::kDefault, T("Initial Settings"),
                             {
                                 {nullptr, nullptr, T("Texts"), F::Heading},
                                 {s, "Text Height", T("Text height:"), F::Number},
                                 {s,
                                  "Text H Base",
                                  T("Horizontal anchor:"),
                                  F::Choice,
                                  {T("Left"), T("Centre"), T("Right")}},
                                 {s,
                                  "Text V Base",
                                  T("Vertical anchor:"),
                                  F::Choice,
                                  {T("Top"), T("Middle"), T("Bottom")}},
                                 {s, "Text Direction", T("Text direction:"), F::Choice, directions},
                                 {s, "Text FEP Control", T("Switch the input method on for texts")},
                                 {s, "FontE", T("Latin font:"), F::Text},
                                 {s, "FontJ", T("Japanese font:"), F::Text},
                                 {s, "PropFrame", T("Frame shown properties")},
                                 {nullptr, nullptr, T("Pins"), F::Heading},
                                 {s, "Pin Length", T("Pin length:"), F::Number},
                                 {s, "Pin Electric Type", T("Pin type number:"), F::Number},
                                 {s, "Pin NCX", T("Mark not-connected pins")},
                                 {s, "Pin OpenX", T("Mark open pins")},
                                 {nullptr, nullptr, T("Lines"), F::Heading},
                                 {s, "LineType", T("Line type number:"), F::Number},
                                 {s, "StartArrow", T("Arrow at the start:"), F::Number},
                                 {s, "EndArrow", T("Arrow at the end:"), F::Number},
                                 {s, "WireWidth", T("Wire width:"), F::Number},
                                 {s, "PowerWidth", T("Power wire width:"), F::Number},
                                 {s, "BusWidth", T("Bus width:"), F::Number},
                                 {s, "LineWidth", T("Line width:"), F::Number},
                                 {nullptr, nullptr, T("Attribute heights"), F::Heading},
                                 {s, "WireAttrHeight", T("Wire names:"), F::Number},
                                 {s, "BusAttrHeight", T("Bus names:"), F::Number},
                                 {s, "LineAttrHeight", T("Line names:"), F::Number},
                                 {s, "PinNameAttrHeight", T("Pin names:"), F::Number},
                                 {s, "PinNoAttrHeight", T("Pin numbers:"), F::Number},
                                 {s, "PartNameAttrHeight", T("Part names:"), F::Number},
                                 {s, "PartRefAttrHeight", T("Part references:"), F::Number},
                                 {s, "PartValueAttrHeight", T("Part values:"), F::Number},
                                 {nullptr, nullptr, T("Power parts"), F::Heading},
                                 {s, "Part VCC", T("Supply part:"), F::Text},
                                 {s, "Part GND", T("Ground part:"), F::Text},
                             });
}

COptionPage* CopyPage()
{
    const char* s = "CopyIncrement";
    std::vector<COptionField> f = {{nullptr, nullptr, T("Steps when copying"), F::Heading}};
    const struct {
        const char* step;
        const char* enable;
        const char* label;
    } steps[] = {
        {"PartRef", "PartRefEnable", QT_TRANSLATE_NOOP("COptionsSheet", "Part references")},
        {"PinNo", "PinNoEnable", QT_TRANSLATE_NOOP("COptionsSheet", "Pin numbers")},
        {"PinName", "PinNameEnable", QT_TRANSLATE_NOOP("COptionsSheet", "Pin names")},
        {"WireName", "WireNameEnable", QT_TRANSLATE_NOOP("COptionsSheet", "Wire names")},
        {"BusName", "BusNameEnable", QT_TRANSLATE_NOOP("COptionsSheet", "Bus names")},
        {"LineName", "LineNameEnable", QT_TRANSLATE_NOOP("COptionsSheet", "Line names")},
        {"Text", "TextEnable", QT_TRANSLATE_NOOP("COptionsSheet", "Texts")},
    };
    for (const auto& st : steps) {
        f.push_back({s, st.enable, T("Number %1 on copy").arg(T(st.label))});
        f.push_back({s, st.step, T("%1 step:").arg(T(st.label)), F::Number});
    }
    const std::vector<COptionField> rest = {
        {nullptr, nullptr, T("Editing"), F::Heading},
        {s, "LineRing", T("Repeat line input")},
        {s, "PinRing", T("Repeat pin input")},
        {s, "TextRing", T("Repeat text input")},
        {s, "LineReEdit", T("Edit a line again after input")},
        {s, "PinReEdit", T("Edit a pin again after input")},
        {s, "LineAP", T("Lines follow moved parts")},
        {s, "IndexJump", T("Jump to the next reference")},
        {s, "OrderRef", T("Order by reference")},
        {s, "OrderOff", T("Keep the drawing order")},
    };
    f.insert(f.end(), rest.begin(), rest.end());
    return new COptFieldPage(optpage::kCopy, T("Copy && Edit"), f);
}

COptionPage* LinePage()
{
    const char* s = "Line";
    const QStringList modes = {T("Free"), T("Horizontal and vertical"), T("45 degrees")};
    return new COptFieldPage(optpage::kLine, T("Line Input"),
                             {
                                 {s, "WireAutoLock", T("Wires: lock the direction automatically")},
                                 {s, "WireLockMode", T("Wires:"), F::Choice, modes},
                                 {s, "BusAutoLock", T("Buses: lock the direction automatically")},
                                 {s, "BusLockMode", T("Buses:"), F::Choice, modes},
                                 {s, "LineAutoLock", T("Lines: lock the direction automatically")},
                                 {s, "LineLockMode", T("Lines:"), F::Choice, modes},
                                 {s, "ArcAutoLock", T("Arcs: lock the direction automatically")},
                                 {s, "ArcLockMode", T("Arcs:"), F::Choice, modes},
                                 {s, "MidLineLock", T("Lock in the middle of a line")},
                                 {s, "PathLine", T("Draw lines as paths")},
                                 {s, "PinEnd", T("End wires on pins")},
                             });
}

COptionPage* PrintPage()
{
    const char* s = "Printer";
    return new COptFieldPage(
        optpage::kPrint, T("Print"),
        {
            {s,
             "AutoScale",
             T("Scale:"),
             F::Choice,
             {T("Actual size"), T("Fit to the paper"), T("Fit to the printable area")}},
            {s, "Color", T("Print in colour")},
            {s, "Grid", T("Print the grid")},
            {s, "Hide", T("Print hidden texts")},
            {s, "PinX", T("Print the marks of open pins")},
            {s, "WhiteGray", T("Print light colours grey")},
            {s,
             "Dir",
             T("Paper direction:"),
             F::Choice,
             {T("As the sheet"), T("Portrait"), T("Landscape")}},
        });
}

} // namespace

COptSheetPage::COptSheetPage(CVIREOApp* app, QWidget* parent)
    : COptFieldPage(optpage::kSheet, T("Sheet"),
                    {
                        {"Sheet",
                         "Work",
                         T("New sheet size:"),
                         F::Choice,
                         {T("A2 landscape"), T("A3 landscape"), T("A4 landscape"), T("A2 portrait"),
                          T("A3 portrait"), T("A4 portrait")}},
                        {"Sheet", "Work Width", T("Sheet widths (A2 A3 A4):"), F::Text},
                        {"Sheet", "Work Height", T("Sheet heights (A2 A3 A4):"), F::Text},
                        {"Sheet", "FullPath", T("Show full paths in window titles")},
                        {nullptr, nullptr, T("Projects"), F::Heading},
                        {"Sheet", "NoProj", T("Start without a project")},
                        {"Sheet", "ProjectAutoLoad", T("Open the last project at start")},
                        {"Sheet", "ProjectAllFile", T("Open every sheet of a project")},
                        {"Sheet", "RevOpen", T("Open project sheets in reverse order")},
                        {"Sheet", "ProjectDispMax", T("Maximise sheets opened from a project")},
                        {nullptr, nullptr, T("View"), F::Heading},
                        {"Sheet", "ZoomAspect", T("Zoom step (%):"), F::Number},
                        {"Sheet", "GridSize", T("Fewest pixels between grid points:"), F::Number},
                        {"Sheet", "MainGrid", T("Main grid:"), F::Number},
                        {"Sheet", "SubGrid", T("Sub grid:"), F::Number},
                        {"Sheet", "TitleDisp", T("Show the title block")},
                        {"Sheet",
                         "Cursor",
                         T("Cursor:"),
                         F::Choice,
                         {T("Small cross"), T("Arrow"), T("Full-window cross")}},
                        {"Sheet",
                         "AttrMove",
                         T("Attribute texts move by:"),
                         F::Choice,
                         {T("The grid"), T("The sub grid"), T("Free")}},
                        {"Sheet", "AutoPan", T("Scroll at the window edge while drawing")},
                        {"Sheet", "Scroll", T("Redraw everything when scrolling")},
                        {"Sheet", "WheelScroll", T("The wheel scrolls (Ctrl+wheel zooms)")},
                        {"Sheet", "BarGrid", T("Grid as lines")},
                        {"Sheet", "FlatButton", T("Flat tool bar buttons")},
                        {"Sheet", "MenuStyle", T("Menu style:"), F::Number},
                        {"Sheet", "TipHelp", T("Show tips")},
                        {"Sheet", "TipWireIndex", T("Tips show the net index of wires")},
                        {nullptr, nullptr, T("Program"), F::Heading},
                        {"Settings",
                         "Language",
                         T("Language:"),
                         F::NamedChoice,
                         {T("System"), QStringLiteral("English"), QStringLiteral("日本語")},
                         {"", "en", "ja"}},
                    },
                    nullptr),
      m_app(app)
{
    setParent(parent);
    m_sheets = m_shownSheets = SettingInt("Sheet", "FMRU");
    m_projects = m_shownProjects = SettingInt("Sheet", "PMRU");
    auto* history = new QPushButton(tr("File &History..."), this);
    history->setObjectName("FileHistory");
    connect(history, &QPushButton::clicked, this, &COptSheetPage::EditHistory);
    Form()->addRow(history);
}

void COptSheetPage::SetPendingHistory(int sheets, int projects)
{
    m_sheets = std::clamp(sheets, 1, kMaxRecentEntries);
    m_projects = std::clamp(projects, 1, kMaxRecentEntries);
}

void COptSheetPage::EditHistory()
{
    CDlgFileHistory dialog(m_app, m_sheets, m_projects, this);
    if (dialog.exec() == QDialog::Accepted)
        SetPendingHistory(dialog.Sheets(), dialog.Projects());
}

void COptSheetPage::Apply()
{
    COptFieldPage::Apply();
    if (m_sheets != m_shownSheets)
        Profile().WriteInt("Sheet", "FMRU", m_sheets);
    if (m_projects != m_shownProjects)
        Profile().WriteInt("Sheet", "PMRU", m_projects);
}

// --- the sheet ---------------------------------------------------------------------------

void COptionsSheet::SetChooser(Chooser chooser)
{
    ChooserSlot() = std::move(chooser);
}

COptionsSheet::COptionsSheet(CVIREOApp* app, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this))
{
    setWindowTitle(tr("Options"));
    setObjectName("OptionsSheet");
    m_pages = {
        SavePage(),  new COptSheetPage(app), ToolPage(),     DefaultPage(), CopyPage(), LinePage(),
        PrintPage(), new COptColor,          new COptLibrary};
    for (COptionPage* page : m_pages)
        m_tabs->addTab(page, page->Title());
    ShowPage(SettingInt("Settings", "EnvPage"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* exportButton = buttons->addButton(tr("&Export..."), QDialogButtonBox::ActionRole);
    QPushButton* importButton = buttons->addButton(tr("&Import..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName("ExportSettings");
    importButton->setObjectName("ImportSettings");
    connect(exportButton, &QPushButton::clicked, this, &COptionsSheet::Export);
    connect(importButton, &QPushButton::clicked, this, &COptionsSheet::Import);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionsSheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
    resize(640, 560);
}

COptionPage* COptionsSheet::Page(int id) const
{
    for (COptionPage* page : m_pages)
        if (page->Id() == id)
            return page;
    return nullptr;
}

COptionPage* COptionsSheet::CurrentPage() const
{
    return static_cast<COptionPage*>(m_tabs->currentWidget());
}

void COptionsSheet::ShowPage(int id)
{
    if (COptionPage* page = Page(id))
        m_tabs->setCurrentWidget(page);
}

bool COptionsSheet::Export()
{
    const QString path =
        ChooserSlot() ? ChooserSlot()(true)
                      : QFileDialog::getSaveFileName(this, tr("Export Settings"),
                                                     "vireo-settings.ini", tr("Settings (*.ini)"));
    if (path.isEmpty())
        return false;
    const CSettingsFileResult r = ExportSettings(path.toStdString());
    if (!r.ok) {
        QMessageBox::warning(
            this, tr("Export Settings"),
            tr("%1 cannot be written:\n%2").arg(path, QString::fromStdString(r.error)));
        return false;
    }
    return true;
}

bool COptionsSheet::Import()
{
    const QString path =
        ChooserSlot()
            ? ChooserSlot()(false)
            : QFileDialog::getOpenFileName(this, tr("Import Settings"), QString(),
                                           tr("Settings (*.ini)") + ";;" + tr("All files (*)"));
    if (path.isEmpty())
        return false;
    const CSettingsFileResult r = ImportSettings(path.toStdString());
    if (!r.ok) {
        const QString why = QString::fromStdString(r.error);
        QMessageBox::warning(
            this, tr("Import Settings"),
            r.line > 0 ? tr("%1, line %2: %3\nNothing was changed.").arg(path).arg(r.line).arg(why)
                       : tr("%1 cannot be read:\n%2\nNothing was changed.").arg(path, why));
        return false;
    }
    // The pages show the values from before: the imported ones are in effect
    // and the sheet closes over them.
    m_imported = true;
    QDialog::accept();
    return true;
}

void COptionsSheet::accept()
{
    for (COptionPage* page : m_pages) {
        if (!page->CanApply()) {
            m_tabs->setCurrentWidget(page);
            return;
        }
    }
    const QString language = ConfiguredLanguage();
    std::string error;
    const bool written = Profile().Update(
        [this] {
            for (COptionPage* page : m_pages)
                page->Apply();
            if (CurrentPage()->Id() != SettingInt("Settings", "EnvPage"))
                Profile().WriteInt("Settings", "EnvPage", CurrentPage()->Id());
        },
        error);
    if (!written) {
        QMessageBox::warning(
            this, windowTitle(),
            tr("The settings cannot be stored:\n%1").arg(QString::fromStdString(error)));
        return;
    }
    m_languageChanged = ConfiguredLanguage() != language;
    QDialog::accept();
}
