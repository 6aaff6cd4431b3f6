// The Project menu of the main window: the project-wide commands (Net
// List, Part List, Part No, Net Index, Check Sheet, PDF, DXF and Tango
// export), the external programs of the Tool menu, and the jumps from the
// reports back into the sheets.
//
// Each command shows its dialog, prepares the documents (CProjectRun), runs
// the same job vireo-cli runs under a progress window with Cancel, and
// shows what it wrote.
#include "editor/window/mainframe.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <list>

#include "app/checkjob.h"
#include "app/datafolder.h"
#include "app/edit/nethighlight.h"
#include "app/extprog.h"
#include "app/joboutput.h"
#include "app/netindexjob.h"
#include "app/netlistjob.h"
#include "app/partlistjob.h"
#include "app/partnumberjob.h"
#include "app/pdfjob.h"
#include "app/projectfile.h"
#include "app/settings.h"
#include "base/archive.h"
#include "base/codepage.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/profile.h"
#include "editor/project/dialogexec.h"
#include "editor/project/dlgchecksheet.h"
#include "editor/project/dlgmakenet.h"
#include "editor/project/dlgmakepartlist.h"
#include "editor/project/dlgmakepartno.h"
#include "editor/project/dlgmakewirenet.h"
#include "editor/project/dlgpdf.h"
#include "editor/project/jobprogress.h"
#include "editor/project/jumpmarker.h"
#include "editor/project/outputviewer.h"
#include "editor/project/projectrun.h"
#include "editor/project/reportlinks.h"
#include "editor/project/reportwindow.h"
#include "editor/view/qtstring.h"
#include "editor/view/vireoview.h"
#include "editor/window/childframe.h"

namespace {

QString PathQ(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

bool IsReportFile(const QString& path)
{
    const QString lower = path.toLower();
    for (const char* ext : {".nrp", ".nrp.html", ".net.csv", ".net.html", ".log", ".log.html"})
        if (lower.endsWith(ext))
            return true;
    return false;
}

void Inform(const QString& text)
{
    Host().Message(ToCString(text), CHost::Information);
}

} // namespace

void CMainFrame::CreateProjectMenus()
{
    QMenu* project = menuBar()->addMenu(tr("&Project"));
    project->setObjectName("ProjectMenu");
    const auto add = [&](const char* name, const QString& text, void (CMainFrame::*fn)(),
                         QKeySequence key = {}) {
        QAction* a = project->addAction(text, this, fn);
        a->setObjectName(name);
        a->setShortcut(key);
        m_projectActions << a;
        return a;
    };
    add("ProjectNetList", tr("&Net List..."), &CMainFrame::OnMakeNetList);
    add("ProjectPartList", tr("&Part List..."), &CMainFrame::OnMakePartList);
    add("ProjectPartNo", tr("Part N&o..."), &CMainFrame::OnMakePartNo);
    add("ProjectNetIndex", tr("Net &Index..."), &CMainFrame::OnMakeNetIndex);
    add("ProjectCheck", tr("&Check Sheets..."), &CMainFrame::OnCheckSheets);
    project->addSeparator();
    add("ProjectPdf", tr("P&DF..."), &CMainFrame::OnPdf);
    add("ProjectDxf", tr("Export D&XF..."), &CMainFrame::OnExportDxf);
    add("ProjectTango", tr("Export &Tango..."), &CMainFrame::OnExportTango);
    add("ProjectOtherFormat", tr("Save Other &Format..."), &CMainFrame::OnSaveOtherFormat);
    project->addSeparator();
    QAction* report = project->addAction(tr("&Report Window"), this, [this] {
        ReportWindow()->show();
        ReportWindow()->raise();
    });
    report->setObjectName("ProjectReportWindow");
    connect(project, &QMenu::aboutToShow, this, [this] {
        for (QAction* a : m_projectActions)
            a->setEnabled(!m_app.Documents().empty());
    });

    // The external programs: Ctrl+F1 .. Ctrl+F12 always; the Tool menu lists
    // the entries that are not marked hidden.
    for (int k = 1; k <= kExternalPrograms; ++k) {
        auto* a = new QAction(this);
        a->setObjectName(QString("ExtProg%1").arg(k));
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_F1 + k - 1)));
        connect(a, &QAction::triggered, this, [this, k] { RunExternalProgram(k); });
        addAction(a);
    }
    QMenu* tool = nullptr;
    for (QAction* a : menuBar()->actions())
        if (a->menu() && a->menu()->title() == tr("&Tool"))
            tool = a->menu();
    if (!tool)
        tool = menuBar()->addMenu(tr("&Tool"));
    m_extProgSeparator = tool->addSeparator();
    connect(tool, &QMenu::aboutToShow, this, [this, tool] { RebuildExternalPrograms(tool); });
}

void CMainFrame::RebuildExternalPrograms(QMenu* tool)
{
    for (QAction* a : m_extProgItems)
        tool->removeAction(a), delete a;
    m_extProgItems.clear();
    // Settings/Shell tells other tools whether a "Shell.txt" lies in the data folder.
    std::error_code ec;
    Profile().WriteInt("Settings", "Shell",
                       std::filesystem::exists(DataFolder() / "Shell.txt", ec) ? 0 : 1);
    std::array<CString, kExternalPrograms> entries;
    for (int k = 1; k <= kExternalPrograms; ++k)
        entries[size_t(k - 1)] = SettingString("Tool", ("ExtProg" + std::to_string(k)).c_str());
    for (const CExtProgMenuItem& item : ExternalProgramMenu(entries)) {
        const QStringList parts = ToQString(item.text).split('\t');
        auto* a = new QAction(parts.value(0), tool);
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_F1 + item.index - 1)));
        a->setShortcutContext(Qt::WidgetShortcut); // the frame's own actions take the keys
        const int k = item.index;
        connect(a, &QAction::triggered, this, [this, k] { RunExternalProgram(k); });
        tool->addAction(a);
        m_extProgItems << a;
    }
    m_extProgSeparator->setVisible(!m_extProgItems.isEmpty());
}

void CMainFrame::RunExternalProgram(int k)
{
    CChildFrame* child = ActiveChild();
    if (!child)
        return;
    for (const auto& doc : m_app.Documents())
        if (!CNetHighlight::Clear(*doc).IsRectEmpty())
            if (CChildFrame* c = FindChild(doc.get()))
                c->View()->InvalidateAll();
    CVIREODoc& doc = child->Document();
    CExtProgContext context;
    context.dataFolder = DataFolder().string();
    if (!context.dataFolder.empty() && context.dataFolder.back() != '/')
        context.dataFolder += '/';
    context.projectPath = m_app.ProjectPath();
    context.documentPath = doc.GetPathName().string();
    context.documentNumber = m_app.DocumentNumberOf(context.documentPath);
    const CString entry = SettingString("Tool", ("ExtProg" + std::to_string(k)).c_str());
    const CExtProgCommand command = ExpandExternalProgram(k, entry, context);
    switch (command.action) {
    case CExtProgCommand::CloseWindow:
        CloseDocument(doc);
        return;
    case CExtProgCommand::NextWindow:
        m_mdi->activateNextSubWindow();
        return;
    case CExtProgCommand::Nothing:
        return;
    case CExtProgCommand::Run:
        break;
    }
    if (command.copySheetText) {
        CSheet& source =
            doc.SelectionSheet().GetItemCount() ? doc.SelectionSheet() : doc.MainSheet();
        CArchive ar;
        source.SerializeText(ar);
        const auto& bytes = ar.Bytes();
        QApplication::clipboard()->setText(
            ToQString(CString(std::string(bytes.begin(), bytes.end()))));
    }
    if (!StartExternalProgram(command)) {
        QApplication::beep();
        Host().Message(CannotRunMessage(command.program), CHost::Error);
    }
}

// --- the project commands
// ----------------------------------------------------------------------------------------------

void CMainFrame::ShowOutputs(const std::vector<std::filesystem::path>& files)
{
    for (const auto& file : files) {
        const QString path = PathQ(file);
        if (IsReportFile(path))
            ShowReport(path);
        else
            COutputViewer::View(path);
    }
}

void CMainFrame::ShowReport(const QString& path)
{
    CReportWindow* report = ReportWindow();
    report->Load(path);
    report->show();
    report->raise();
    report->activateWindow();
}

CReportWindow* CMainFrame::ReportWindow()
{
    if (!m_report) {
        m_report = new CReportWindow(this);
        connect(m_report, &CReportWindow::JumpRequested, this,
                [this](const QString& path, int x, int y) { JumpTo(path, CPoint(x, y)); });
    }
    return m_report;
}

void CMainFrame::OnMakeNetList()
{
    CDlgMakeNet dialog(this);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    const CNetlistOptions options = dialog.Options();
    CProjectRun run(*this);
    if (!run.ConfirmWithoutProject() || !run.Prepare())
        return;
    CNetlistResult result;
    {
        CJobProgress progress(tr("Make Net List"), this);
        result = RunNetlistJob(options, run.Job());
    }
    run.Release();
    if (result.status == CNetlistResult::Cancelled)
        Inform(tr("Cancelled; no file was changed."));
    if (result.status != CNetlistResult::Done)
        return;
    if (options.view)
        ShowOutputs(result.written);
    else
        Host().Message(CString::Formatted(FromUtf8("総ネット数 %4d / %5d").c_str(),
                                          result.counts.nets, result.counts.connections),
                       CHost::Information);
}

void CMainFrame::OnMakePartList()
{
    CDlgMakePartList dialog(m_app.ProjectPath(), this);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    const CPartListOptions options = dialog.Options();
    CProjectRun run(*this);
    if (!run.ConfirmWithoutProject() || !run.Prepare())
        return;
    CPartListResult result;
    {
        CJobProgress progress(tr("Make Part List"), this);
        result = RunPartListJob(options, run.Job());
    }
    run.Release();
    if (result.status == CPartListResult::Cancelled)
        Inform(tr("Cancelled; no file was changed."));
    if (result.status != CPartListResult::Done)
        return;
    Inform(tr("Parts: %1, lines: %2\n%3")
               .arg(result.usedParts)
               .arg(result.records)
               .arg(PathQ(result.written)));
}

void CMainFrame::OnMakePartNo()
{
    const std::filesystem::path base =
        CProjectRun::OutputBaseOf(CProjectJob{{}, m_app.ProjectPath(), {}, {}, {}, {}});
    QString suggested;
    if (!m_app.ProjectPath().empty())
        suggested = PathQ(OutputName(base, ".dws"));
    else if (CChildFrame* child = ActiveChild())
        suggested = PathQ(child->Document().GetPathName()).section('.', 0, -2) + ".dws";
    CDlgMakePartNo dialog(suggested, this);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    const CPartNoOptions options = dialog.Options();
    CProjectRun run(*this);
    if (!run.ConfirmWithoutProject() || !run.Prepare())
        return;
    CPartNoJob job;
    static_cast<CProjectJob&>(job) = run.Job();
    if (CPartNoOptions::FieldsOf(options.mode).simpleWasIs)
        job.wasIsFile = dialog.WasIsFile().toStdString();
    std::list<CJobDocument> extra; // stable addresses for the job
    job.openDocument = [this, &extra](const std::filesystem::path& path) -> const CJobDocument* {
        CVIREODoc* doc = m_app.OpenDocumentFile(path);
        if (!doc)
            return nullptr;
        extra.push_back(JobDocumentOf(*doc));
        return &extra.back();
    };
    CPartNoResult result;
    {
        CJobProgress progress(tr("Part Numbering"), this);
        result = RunPartNoJob(options, job);
    }
    run.RedrawAll();
    run.Release();
    if (result.status == CPartNoResult::Cancelled)
        Inform(tr("Cancelled."));
    if (result.status != CPartNoResult::Done)
        return;
    if (options.mode == CPartNoOptions::kWriteTemplate)
        COutputViewer::View(PathQ(result.written));
    else
        Host().Message(result.Summary(), CHost::Information);
}

void CMainFrame::OnMakeNetIndex()
{
    CDlgMakeWireNet dialog(this);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    const CNetIndexOptions options = dialog.Options();
    CProjectRun run(*this);
    if (!run.ConfirmWithoutProject() || !run.Prepare())
        return;
    CNetIndexResult result;
    {
        CJobProgress progress(tr("Make Net Index"), this);
        result = RunNetIndexJob(options, run.Job());
    }
    run.Release();
    if (result.status == CNetIndexResult::Cancelled)
        Inform(tr("Cancelled; no file was changed."));
    if (result.status != CNetIndexResult::Done)
        return;
    if (options.view)
        ShowOutputs({result.written});
    else
        Inform(tr("Names: %1\n%2").arg(result.names).arg(PathQ(result.written)));
}

void CMainFrame::OnCheckSheets()
{
    CDlgCheckSheet dialog(this);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    const CCheckOptions options = dialog.Options();
    CProjectRun run(*this);
    if (!run.ConfirmWithoutProject() || !run.Prepare())
        return;
    CCheckResult result;
    {
        CJobProgress progress(tr("Check Sheets"), this);
        result = RunCheckJob(options, run.Job());
    }
    // The tidy-up stays (one undo step per sheet) even when the log does not.
    run.RedrawAll();
    run.Release();
    if (result.status == CCheckResult::Cancelled)
        Inform(tr("Cancelled; no log was written."));
    if (result.status != CCheckResult::Done)
        return;
    if (options.view) {
        ShowOutputs({result.written});
        return;
    }
    QStringList lines;
    for (const auto& [what, count] : CheckSummary(result.report))
        lines << QString("%1: %2").arg(what).arg(count);
    lines << PathQ(result.written);
    Inform(lines.join('\n'));
}

void CMainFrame::OnPdf()
{
    CChildFrame* active = ActiveChild();
    const std::filesystem::path project = m_app.ProjectPath();
    std::filesystem::path base;
    if (!project.empty())
        base = project;
    else if (active)
        base = active->Document().GetPathName();
    const QString suggested =
        base.empty() ? QString() : PathQ(std::filesystem::path(base).replace_extension(".pdf"));
    const QString title =
        project.empty() ? QString() : ToQString(CProjectFile::ReadProperty(project, "PDFTITLE"));
    const QString subtitle =
        project.empty() ? QString() : ToQString(CProjectFile::ReadProperty(project, "PDFSUBTITLE"));
    CDlgPDF dialog(suggested, title, subtitle, !project.empty(), this);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    const CPdfJobOptions options = dialog.Options();
    const std::filesystem::path output = dialog.OutputFile().toStdString();

    CProjectRun run(*this);
    run.ClearHighlights();
    std::vector<const CVIREODoc*> documents;
    if (dialog.ActiveSheetOnly()) {
        if (!active)
            return;
        documents.push_back(&active->Document());
    } else {
        if (!run.ConfirmWithoutProject())
            return;
        for (CVIREODoc* doc : run.PdfDocuments(options.allSheets))
            documents.push_back(doc);
    }
    if (documents.empty())
        return;
    std::vector<std::filesystem::path> inputs;
    if (!project.empty())
        inputs.push_back(project);
    for (const CVIREODoc* doc : documents)
        inputs.push_back(doc->GetPathName());
    CPdfOptions page = options.page;
    page.title = options.title.value_or(CString());
    page.subject = options.subtitle.value_or(CString());
    page.author = options.author;
    CPdfJobResult result;
    std::optional<std::vector<uint8_t>> bytes;
    {
        CJobProgress progress(tr("PDF Conversion"), this);
        bytes = RenderPdf(documents, page, result);
    }
    run.Release();
    if (!bytes) {
        Inform(tr("Cancelled; no file was changed."));
        return;
    }
    if (!CommitJobOutputs({{output, *bytes}}, inputs))
        return;
    if (!project.empty() && !dialog.ActiveSheetOnly()) {
        std::string error;
        for (const auto& [key, value] :
             {std::pair{"PDFTITLE", page.title}, std::pair{"PDFSUBTITLE", page.subject}})
            if (CProjectFile::ReadProperty(project, key) != value &&
                !CProjectFile::SetProperty(project, key, value, error))
                Host().Message(FromUtf8(error), CHost::Warning);
    }
    if (dialog.ViewFile())
        COutputViewer::View(PathQ(output));
}

void CMainFrame::OnExportDxf()
{
    ExportActive(int(CVIREODoc::OtherFormat::Dxf));
}

void CMainFrame::OnExportTango()
{
    ExportActive(int(CVIREODoc::OtherFormat::Tango));
}

void CMainFrame::OnSaveOtherFormat()
{
    ExportActive(SettingInt("Settings", "FilterIndex") == int(CVIREODoc::OtherFormat::Dxf)
                     ? int(CVIREODoc::OtherFormat::Dxf)
                     : int(CVIREODoc::OtherFormat::Tango));
}

void CMainFrame::ExportActive(int format)
{
    CChildFrame* child = ActiveChild();
    if (!child)
        return;
    CVIREODoc& doc = child->Document();
    const bool dxf = format == int(CVIREODoc::OtherFormat::Dxf);
    std::filesystem::path suggested = doc.GetPathName();
    suggested.replace_extension(dxf ? ".dxf" : ".tng");
    QString chosen;
    int chosenFormat = format;
    if (m_exportChooser) {
        chosen = m_exportChooser(PathQ(suggested), chosenFormat);
    } else {
        const QString tango = tr("Tango schematic (*)");
        const QString dxfFilter = tr("DXF (*.dxf)");
        QString selected = dxf ? dxfFilter : tango;
        chosen = QFileDialog::getSaveFileName(this, tr("Save Other Format"), PathQ(suggested),
                                              tango + ";;" + dxfFilter, &selected);
        chosenFormat = selected == dxfFilter ? int(CVIREODoc::OtherFormat::Dxf)
                                             : int(CVIREODoc::OtherFormat::Tango);
    }
    if (chosen.isEmpty())
        return;
    Profile().WriteInt("Settings", "FilterIndex", chosenFormat);
    const auto kind = CVIREODoc::OtherFormat(chosenFormat);
    const std::filesystem::path path = CVIREODoc::OtherFormatPath(chosen.toStdString(), kind);
    if (path == doc.GetPathName()) {
        Host().Message(FormatMessage(2902, FromUtf8(path.string())), CHost::Error);
        return;
    }
    if (kind == CVIREODoc::OtherFormat::Dxf)
        doc.SaveDxf(path);
    else
        doc.SaveTango(path);
}

// --- jumps from the reports
// ------------------------------------------------------------------------------------------------

bool CMainFrame::JumpTo(const QString& path, const CPoint& at)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable() ||
        info.suffix().compare("dcd", Qt::CaseInsensitive) != 0) {
        Host().Message(
            ToCString(tr("%1 is no readable sheet file; the link is refused.").arg(path)),
            CHost::Warning);
        return false;
    }
    CVIREODoc* doc = m_app.OpenDocumentFile(path.toStdString());
    if (!doc)
        return false;
    CChildFrame* child = FindChild(doc);
    if (!child)
        return false;
    m_mdi->setActiveSubWindow(child);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    CVIREOView* view = child->View();
    if (!view->IsInitialised())
        view->OnInitialUpdate();
    CNetHighlight::Clear(*doc);
    std::vector<CString> names;
    doc->MainSheet().SetHighlight(at, names, 0);
    view->CenterOn(at);
    // A view that shows the whole sheet cannot scroll: zoom in until the
    // point can sit in the middle.
    for (int i = 0; i < 4; ++i) {
        const QPointF p = view->SheetToClient(at);
        const QSize client = view->viewport()->size();
        if (std::abs(p.x() - client.width() / 2.0) <= 2 &&
            std::abs(p.y() - client.height() / 2.0) <= 2)
            break;
        view->ZoomTo(at, 2.0, false);
    }
    view->InvalidateAll();
    CJumpMarker::Show(*view, at);
    return true;
}

bool CMainFrame::OpenVireoLink(const QString& link)
{
    const std::optional<CReportJump> jump = ParseVireoLink(link);
    if (!jump) {
        Host().Message(ToCString(tr("%1 is no Vireo link.").arg(link)), CHost::Warning);
        return false;
    }
    return JumpTo(jump->path, jump->at);
}

void CMainFrame::SetExportChooser(ExportChooser chooser)
{
    m_exportChooser = std::move(chooser);
}
