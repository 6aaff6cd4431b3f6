// The File menu's print entries (Print, Print Preview, Print Setup, Print
// Project) and the Edit menu's Find, Next Find and picture entries of the
// main window.  Printing lays sheets out by CSheetPrinter; Find runs over
// the open sheets in window order, the active one first.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QImage>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

#include "app/edit/clipboardpicture.h"
#include "app/edit/findcommand.h"
#include "app/projectfile.h"
#include "app/settings.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/profile.h"
#include "editor/dialogs/dlgfind.h"
#include "editor/print/sheetprinter.h"
#include "editor/view/editadapter.h"
#include "editor/view/qtstring.h"
#include "editor/view/vireoview.h"
#include "editor/window/childframe.h"
#include "editor/window/mainframe.h"
#include "editor/window/pathtext.h"

namespace {

// A project's checked sheets that are not open are read for the job only.
struct ProjectSheets {
    std::vector<std::unique_ptr<CVIREODoc>> loaded;
    std::vector<CPrintSheet> sheets;
};

} // namespace

QPrinter& CMainFrame::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void CMainFrame::CreatePrintMenus(QMenu* file)
{
    QAction* a = file->addAction(tr("&Print..."), this, [this] { OnPrint(false, false); });
    a->setShortcut(QKeySequence::Print);
    m_viewActions << a;
    m_viewActions << file->addAction(tr("Print Pre&view"), this, [this] { OnPrint(false, true); });
    file->addAction(tr("Print Pro&ject..."), this, [this] { OnPrint(true, false); });
    file->addAction(tr("P&rint Setup..."), this, [this] {
        QPageSetupDialog dialog(&Printer(), this);
        dialog.exec();
    });
}

void CMainFrame::CreateFindMenus()
{
    QMenu* edit = nullptr;
    for (QAction* a : menuBar()->actions())
        if (a->menu() && a->menu()->title() == tr("&Edit"))
            edit = a->menu();
    if (!edit)
        edit = menuBar()->addMenu(tr("&Edit"));
    edit->addSeparator();
    QAction* find = edit->addAction(tr("&Find..."), this, [this] { OnFind(false); });
    find->setShortcut(QKeySequence::Find);
    find->setStatusTip(tr("Find the specified text"));
    m_viewActions << find;
    m_findNextAction = edit->addAction(tr("Find &Next"), this, [this] { OnFind(true); });
    m_findNextAction->setShortcut(QKeySequence::FindNext);
    m_findNextAction->setStatusTip(tr("Repeat the last find action"));
    edit->addSeparator();
    QMenu* pictures = edit->addMenu(tr("Copy as &Picture"));
    m_viewActions << pictures->menuAction();
    pictures->addAction(tr("&Color Bitmap"), this, [this] { CopyBitmap(true); });
    pictures->addAction(tr("&Mono Bitmap"), this, [this] { CopyBitmap(false); });
    pictures->addAction(tr("Color &Vector Picture (SVG)"), this, [this] { CopyMetafile(true); });
    pictures->addAction(tr("Mono V&ector Picture (SVG)"), this, [this] { CopyMetafile(false); });
    pictures->addSeparator();
    pictures->addAction(tr("&Save Vector Picture..."), this, [this] { SaveMetafile(); });
    // Paste follows what other programs put on the clipboard.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMainFrame::UpdateEditCommands);
    connect(edit, &QMenu::aboutToShow, this, [this] {
        m_findNextAction->setEnabled(ActiveChild() &&
                                     !CFindOptions::Load().SearchString().IsEmpty());
    });
}

// --- Find ---------------------------------------------------------------------------------------

void CMainFrame::OnFind(bool next)
{
    CChildFrame* active = ActiveChild();
    if (!active)
        return;
    CFindOptions options = CFindOptions::Load();
    if (!next) {
        CDlgFind dialog(options, this);
        if (m_findDialogHook)
            m_findDialogHook(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return;
        options = dialog.Options();
        options.Save();
    }
    // The open sheets in window order, from the active one on.
    QList<CChildFrame*> order = Children();
    const int at = std::max<qsizetype>(0, order.indexOf(active));
    order = order.mid(at) + order.mid(0, at);
    std::vector<CFindSheet> sheets;
    for (CChildFrame* child : order) {
        CVIREOView* view = child->View();
        sheets.push_back(CFindSheet{&view->Edit().Engine(),
                                    [this, child] {
                                        if (child->isMinimized())
                                            child->showNormal();
                                        m_mdi->setActiveSubWindow(child);
                                    },
                                    [child, view](const CPoint& p) {
                                        if (child->isMinimized())
                                            child->showNormal();
                                        ShowFoundPoint(*view, p);
                                    }});
    }
    next ? RunFindNext(options, sheets) : RunFind(options, sheets);
    UpdateEditCommands();
}

void CMainFrame::ShowFoundPoint(CVIREOView& view, const CPoint& p)
{
    // The mouse goes onto a visible occurrence; else the view centres it.
    if (!view.Edit().MoveMouseOnto(p))
        view.ZoomTo(p, 1.0, true);
}

// --- pictures -----------------------------------------------------------------------------------

QImage CMainFrame::ViewBitmap(CVIREOView& view, bool color)
{
    const QSize size = view.viewport()->size();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const CViewOptions& options = view.Options();
    image.fill(color ? CQtDC::ToQColor(options.background) : QColor(Qt::white));
    QPainter painter(&image);
    CDrawContext ctx = view.DrawContext();
    if (color) {
        ctx.output = CDrawContext::Output::Screen;
    } else {
        ctx.output = CDrawContext::Output::Print;
        ctx.printInColor = false;
        ctx.printTitleColor = RGB(0, 0, 0);
    }
    CQtDC dc(painter, view.DeviceMapping(), QRectF(image.rect()));
    CVIREODoc& doc = view.Document();
    CSheet main(CSheet::kDrawing);
    main += doc.MainSheet();
    main += doc.SelectionSheet();
    main.DrawSheet(dc, ctx, true);
    if (options.titleDisp) {
        CSheet title(CSheet::kTitle);
        title += doc.TitleSheet();
        title.DrawSheet(dc, ctx, true);
    }
    return image;
}

void CMainFrame::CopyBitmap(bool color)
{
    CVIREOView* view = ActiveView();
    if (!view)
        return;
    const QImage image = ViewBitmap(*view, color);
    if (image.isNull()) {
        Host().Message(CString("Cannot make bitmap"), CHost::Error);
        return;
    }
    QApplication::clipboard()->setImage(image);
}

std::string CMainFrame::Metafile(CVIREOView& view, bool color) const
{
    CPictureRequest request;
    request.color = color;
    request.shift = QApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
    request.titleDisp = view.Options().titleDisp;
    request.backDraw = SettingInt("FileSave", "EMFBackDraw") != 0;
    request.background = view.Options().background;
    return PictureSvg(view.Document(), view.DrawContext(), request);
}

void CMainFrame::CopyMetafile(bool color)
{
    CVIREOView* view = ActiveView();
    if (!view)
        return;
    auto* data = new QMimeData;
    data->setData("image/svg+xml", QByteArray::fromStdString(Metafile(*view, color)));
    QApplication::clipboard()->setMimeData(data);
    // As the clipboard commands: the selection goes back into the drawing.
    if (view->Document().SelectionSheet().GetItemCount() != 0)
        view->Edit().Command(editcmd::kCancel);
}

void CMainFrame::SaveMetafile()
{
    CVIREOView* view = ActiveView();
    if (!view)
        return;
    std::filesystem::path svgPath = view->Document().GetPathName();
    const QString suggested = QString::fromStdString(
        svgPath.empty() ? std::string("sheet.svg") : svgPath.replace_extension(".svg").string());
    const QString path = m_saveChooser
                             ? m_saveChooser(suggested)
                             : QFileDialog::getSaveFileName(this, tr("Save Vector Picture"),
                                                            suggested, tr("SVG pictures (*.svg)"));
    if (path.isEmpty())
        return;
    const std::string svg = Metafile(*view, SettingInt("Printer", "Color") != 0);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(svg.data(), qint64(svg.size())) != qint64(svg.size()) || !out.commit())
        Host().Message(FormatMessage(2902, ToCString(path)), CHost::Error);
}

// --- printing -----------------------------------------------------------------------------------

std::vector<CPrintSheet> CMainFrame::PrintSheets(bool project,
                                                 std::vector<std::unique_ptr<CVIREODoc>>& loaded)
{
    std::vector<CPrintSheet> sheets;
    if (!project) {
        if (CChildFrame* child = ActiveChild())
            sheets.push_back(CPrintSheet::Of(child->Document()));
        return sheets;
    }
    if (m_app.ProjectPath().empty()) {
        Host().Message(FromUtf8("プロジェクトが開かれていません"));
        return sheets;
    }
    std::vector<std::string> files;
    CProjectFile::ReadFileList(m_app.ProjectPath(), false, false, files);
    for (const std::string& file : files) {
        if (CVIREODoc* open = m_app.FindDocument(file)) {
            sheets.push_back(CPrintSheet::Of(*open));
            continue;
        }
        auto doc = std::make_unique<CVIREODoc>();
        if (!doc->OnOpenDocument(file)) {
            Host().Message(FormatMessage(2903, FromUtf8(file)), CHost::Error);
            continue;
        }
        sheets.push_back(CPrintSheet::Of(*doc));
        loaded.push_back(std::move(doc));
    }
    return sheets;
}

bool CMainFrame::PrintTo(QPrinter& printer, bool project)
{
    std::vector<std::unique_ptr<CVIREODoc>> loaded;
    const std::vector<CPrintSheet> sheets = PrintSheets(project, loaded);
    if (sheets.empty())
        return false;
    CDrawContext ctx;
    if (CVIREOView* view = ActiveView())
        ctx = view->DrawContext();
    ctx.LoadSettings(Profile());
    CSheetPrinter printerJob(ctx, CPrintOptions::Load());
    return printerJob.Print(printer, sheets);
}

void CMainFrame::OnPrint(bool project, bool preview)
{
    QPrinter& printer = Printer();
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                [this, project](QPrinter* p) { PrintTo(*p, project); });
        if (m_previewHook)
            m_previewHook(dialog);
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintTo(printer, project))
        Host().Message(FromUtf8("印刷できませんでした"), CHost::Error);
}
