// The Edit and Tool menus and the editing tool bar of the main window.  Every
// entry sends its command id to the active view's editing engine, the same id
// that its key, its pop-up menu entry and a replayed script send.
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>
#include <algorithm>
#include <filesystem>

#include "app/edit/editids.h"
#include "app/edit/nethighlight.h"
#include "app/vireodoc.h"
#include "editor/dialogs/dlgfilenew.h"
#include "editor/dialogs/dlgfileproperty.h"
#include "editor/view/editadapter.h"
#include "editor/view/qtstring.h"
#include "editor/view/vireoview.h"
#include "editor/window/childframe.h"
#include "editor/window/mainframe.h"
#include "editor/window/pathtext.h"
#include "sheet/schematicfile.h"

void CMainFrame::CreateEditMenus()
{
    using namespace editcmd;
    const auto add = [this](QMenu* menu, int id, QKeySequence key = {}) {
        QAction* act = menu->addAction(EditCommandText(id), this, [this, id] {
            if (CVIREOView* view = ActiveView())
                view->Edit().Command(id);
        });
        if (!key.isEmpty())
            act->setShortcut(key);
        m_editActions.insert(id, act);
        return act;
    };
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    add(edit, kUndo, QKeySequence::Undo);
    add(edit, kRedo, QKeySequence(Qt::CTRL | Qt::Key_Y));
    edit->addSeparator();
    // The clipboard carries items as sheet text between sheets and programs.
    add(edit, kCut, QKeySequence::Cut);
    add(edit, kCopyClipboard, QKeySequence::Copy);
    add(edit, kPaste, QKeySequence::Paste);
    add(edit, kErase);
    edit->addSeparator();
    add(edit, kSelectAll, QKeySequence::SelectAll);
    add(edit, kReselect);
    edit->addSeparator();
    add(edit, kMove);
    add(edit, kCopy);
    add(edit, kMoveAttribute);
    add(edit, kModify);
    add(edit, kFlipHorizontal);
    add(edit, kFlipVertical);
    add(edit, kRotation);
    edit->addSeparator();
    add(edit, kNextGate);
    add(edit, kBeforeGate);
    add(edit, kInvert);
    edit->addSeparator();
    for (int id : {kMakePart, kDecompose, kResetReference, kLibrary, kDescend, kAscend})
        add(edit, id);
    edit->addSeparator();
    // Document commands: they need an open sheet, not an engine state.
    m_viewActions << edit->addAction(tr("Sheet Si&ze..."), this, &CMainFrame::OnChangeSize);
    m_viewActions << edit->addAction(tr("Document &Properties..."), this,
                                     &CMainFrame::OnDocumentProperty);
    edit->addSeparator();
    add(edit, kCancel);
    QMenu* tool = menuBar()->addMenu(tr("&Tool"));
    auto* tools = new QActionGroup(this);
    QToolBar* bar = addToolBar(tr("Edit"));
    bar->setObjectName("EditToolBar");
    for (int id : {kWire, kBus, kLine, kPart, kText, kPin, kCurve}) {
        QAction* act = add(tool, id);
        act->setCheckable(true);
        tools->addAction(act);
        bar->addAction(act);
    }
    tool->addSeparator();
    add(tool, kNumbering)->setCheckable(true);
    add(tool, kCleanUp);
    QMenu* pin = tool->addMenu(tr("Pin &Side"));
    for (int id :
         {kLeftSidePin, kUnderSidePin, kRightSidePin, kUpperSidePin, kClockStyle, kDotStyle})
        add(pin, id)->setCheckable(true);
    bar->addSeparator();
    for (int id : {kUndo, kRedo, kErase, kRotation, kFlipHorizontal, kFlipVertical})
        bar->addAction(m_editActions.value(id));
}

void CMainFrame::CreateChainMenu(QMenu* view)
{
    // Which kinds of line Shift+click takes in chains.
    QMenu* chains = view->addMenu(tr("C&hain Selection"));
    const QString names[3] = {tr("&Wires"), tr("&Buses"), tr("&Lines")};
    for (int k = 0; k < 3; ++k) {
        QAction* act = chains->addAction(names[k]);
        act->setCheckable(true);
        act->setChecked(m_chain[k]);
        connect(act, &QAction::toggled, this, [this, k](bool on) {
            m_chain[k] = on;
            for (CChildFrame* child : Children())
                child->View()->Edit().Engine().SetChainSwitch(k, on);
        });
    }
}

void CMainFrame::UpdateEditCommands()
{
    CVIREOView* view = ActiveView();
    for (auto it = m_editActions.begin(); it != m_editActions.end(); ++it) {
        const int id = it.key();
        QAction* act = it.value();
        if (!view) {
            act->setEnabled(false);
            continue;
        }
        const CEditEngine& engine = view->Edit().Engine();
        act->setEnabled(engine.IsCommandEnabled(id));
        if (act->isCheckable())
            act->setChecked(engine.IsCommandChecked(id));
    }
}

void CMainFrame::ShowNetsOnOtherSheets(CVIREOView* view)
{
    // The window keeps no project of its own: every other open sheet stands
    // for the project's sheets.
    for (CChildFrame* child : Children()) {
        CVIREOView* other = child->View();
        if (!other || other == view)
            continue;
        std::vector<CString> names = view->Edit().ProjectNets();
        CNetHighlight::ByNames(other->Document(), names);
        other->InvalidateAll();
    }
}

void CMainFrame::ConnectEditView(CVIREOView* view)
{
    CEditAdapter& edit = view->Edit();
    connect(&edit, &CEditAdapter::OpenSheetRequested, this, &CMainFrame::OnOpenSheet,
            Qt::UniqueConnection);
    connect(&edit, &CEditAdapter::AscendRequested, this, &CMainFrame::OnAscend,
            Qt::UniqueConnection);
    connect(&edit, &CEditAdapter::NetJumpRequested, this, &CMainFrame::OnNetJump,
            Qt::UniqueConnection);
    edit.SetLibraryPicker(
        [this](QWidget* parent, CPart& part) { return PickLibraryPart(parent, part); });
    // The net index jump: the other open sheets whose drawing carries a
    // wire of that name, named relative to this sheet's folder.  With a
    // project of two or more sheets, only its sheets and only from one of
    // them; without a project every open sheet stands for one.
    edit.SetNetTargetSource([this, view](const CString& name) {
        std::vector<CNetJumpEntry> targets;
        const auto normal = [](const std::filesystem::path& p) {
            std::error_code ec;
            const std::filesystem::path a = std::filesystem::absolute(p, ec);
            return (ec ? p : a).lexically_normal();
        };
        std::vector<std::filesystem::path> project;
        if (!m_app.ProjectPath().empty() && m_app.ProjectSheets().size() >= 2)
            for (const std::string& sheet : m_app.ProjectSheets())
                project.push_back(normal(sheet));
        const auto inProject = [&](const CVIREODoc& doc) {
            return project.empty() || std::find(project.begin(), project.end(),
                                                normal(doc.GetPathName())) != project.end();
        };
        if (!inProject(view->Document()))
            return targets;
        const QDir here = QFileInfo(PathToQString(view->Document().GetPathName().string())).dir();
        const QList<CChildFrame*> children = Children();
        for (int i = 0; i < children.size(); ++i) {
            CVIREOView* other = children[i]->View();
            if (!other || other == view || !inProject(other->Document()))
                continue;
            for (const CLine& wire : other->Document().MainSheet().Wires()) {
                if (wire.GetName().CompareNoCase(name) != 0)
                    continue;
                const QString path = PathToQString(other->Document().GetPathName().string());
                const QString label =
                    path.isEmpty() ? children[i]->windowTitle() : here.relativeFilePath(path);
                targets.push_back({label.toStdString(), i});
                break;
            }
        }
        return targets;
    });
}

namespace {

// The sheet's title-block file when it is not the one its size gives by
// default (the dialogs show an empty field for that one).
QString OwnTitleFile(const CVIREODoc& doc)
{
    const QString title = ToQString(doc.GetTitleFile());
    return title == ToQString(CSchematicFile::TitleFileName(doc.GetSizeIndex())) ? QString()
                                                                                 : title;
}

} // namespace

void CMainFrame::OnChangeSize()
{
    CVIREOView* view = ActiveView();
    if (!view)
        return;
    CVIREODoc& doc = view->Document();
    const QString title = OwnTitleFile(doc);
    CDlgFileNew dialog(doc.GetSizeIndex(), title, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    doc.ChangeSize(dialog.SizeIndex(), ToCString(dialog.TitleFile()));
    view->SetZoomSizes(CSize(doc.Header().width, doc.Header().height));
    view->ZoomFull();
    view->InvalidateAll();
    RefreshTitles();
}

void CMainFrame::OnDocumentProperty()
{
    CVIREOView* view = ActiveView();
    if (!view)
        return;
    CVIREODoc& doc = view->Document();
    const QString title = OwnTitleFile(doc);
    CDlgFileProperty dialog(ToQString(doc.GetProperty("&Author&")),
                            ToQString(doc.GetProperty("&Comment&")), doc.GetSizeIndex(), title,
                            doc.GetFileVersion(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (const QString& s : {dialog.Author(), dialog.Comment(), dialog.TitleFile()}) {
        if (!Utf8ToCp932(s.toStdString()).Ok()) {
            QMessageBox::warning(this, dialog.windowTitle(),
                                 tr("The text holds characters that a sheet cannot store."));
            return;
        }
    }
    const int oldSize = doc.GetSizeIndex();
    doc.SetProperties(ToCString(dialog.Author()), ToCString(dialog.Comment()), dialog.SizeIndex(),
                      ToCString(dialog.TitleFile()));
    if (doc.GetSizeIndex() != oldSize) {
        view->SetZoomSizes(CSize(doc.Header().width, doc.Header().height));
        view->ZoomFull();
    }
    view->InvalidateAll();
    RefreshTitles();
}

void CMainFrame::OnOpenSheet(const QString& path)
{
    CVIREOView* from = ActiveView();
    if (!QFileInfo::exists(path)) {
        QMessageBox::warning(this, tr("Descend"), tr("The sheet %1 does not exist.").arg(path));
        return;
    }
    const QString parent =
        from ? PathToQString(from->Document().GetPathName().string()) : QString();
    if (!OpenFile(path))
        return;
    if (CVIREOView* opened = ActiveView(); opened && opened != from && !parent.isEmpty())
        m_parentSheet[PathToQString(opened->Document().GetPathName().string())] = parent;
}

void CMainFrame::OnAscend()
{
    CVIREOView* view = ActiveView();
    if (!view)
        return;
    const QString here = PathToQString(view->Document().GetPathName().string());
    const QString parent = m_parentSheet.value(here);
    if (!parent.isEmpty() && OpenFile(parent))
        return;
    // Not opened by Descend: an open sheet whose part stands for this one.
    const std::filesystem::path self = view->Document().GetPathName();
    for (CChildFrame* child : Children()) {
        CVIREOView* other = child->View();
        if (!other || other == view || self.empty())
            continue;
        const std::filesystem::path folder = other->Document().GetPathName().parent_path();
        for (const CPart& part : other->Document().MainSheet().Parts()) {
            std::string file = ToUtf8(part.GetProperty("FILE"));
            std::replace(file.begin(), file.end(), '\\', '/');
            if (file.empty())
                continue;
            std::filesystem::path target(file);
            if (target.is_relative())
                target = folder / target;
            if (target.lexically_normal() == self.lexically_normal()) {
                MdiArea()->setActiveSubWindow(child);
                return;
            }
        }
    }
    m_helpPane->setText(tr("No open sheet stands above this one."));
}

void CMainFrame::OnNetJump(int index, const QString& name)
{
    const QList<CChildFrame*> children = Children();
    if (index < 0 || index >= children.size() || !children[index]->View())
        return;
    CChildFrame* child = children[index];
    MdiArea()->setActiveSubWindow(child);
    CVIREODoc& doc = child->View()->Document();
    const CString wanted = ToCString(name);
    for (const CSheet* sheet : {&doc.MainSheet(), &doc.SelectionSheet()}) {
        for (const CLine& wire : sheet->Wires()) {
            if (wire.GetName().CompareNoCase(wanted) == 0) {
                child->View()->CenterOn(wire.GetNameText().GetPoint());
                return;
            }
        }
    }
}
