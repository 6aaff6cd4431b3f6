#include "editor/window/mainframe.h"
#include "editor/window/pathtext.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QSignalBlocker>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <filesystem>

#include "app/settings.h"
#include "app/startup.h"
#include "base/host.h"
#include "base/profile.h"
#include "editor/view/qtstring.h"
#include "editor/view/editadapter.h"
#include "editor/view/vireoview.h"
#include "editor/window/childframe.h"
#include "editor/dialogs/dlgfilenew.h"
#include "editor/dialogs/dlgproject.h"
#include "editor/window/qthost.h"
#include "editor/window/translations.h"
#include "editor/window/windowplacement.h"

namespace {

// Recent-list entries are shown at most this long.
constexpr int kDisplayLength = 60;

int Ask(const QString& text, CHost::Buttons buttons, int defaultAnswer = 0)
{
    return Host().Ask(ToCString(text), buttons, defaultAnswer);
}

bool IsProjectPath(const QString& path)
{
    return KindOfArgument(path.toStdString()) == StartArgKind::Project;
}

} // namespace

CMainFrame::CMainFrame(CVIREOApp& app, CViewOptions& options, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_options(options), m_mdi(new QMdiArea(this))
{
    setObjectName("MainFrame");
    setWindowTitle(QApplication::applicationDisplayName());
    setWindowIcon(QIcon(":/vireo/vireo.png"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    setAcceptDrops(true);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    m_helpPane = new QLabel(this);
    m_coordPane = new QLabel(this);
    m_zoomPane = new QLabel(this);
    m_coordPane->setMinimumWidth(fontMetrics().horizontalAdvance("X:0000.00 Y:0000.00") + 16);
    m_zoomPane->setMinimumWidth(fontMetrics().horizontalAdvance("Zoom 00000%") + 16);
    statusBar()->addWidget(m_helpPane, 1);
    statusBar()->addPermanentWidget(m_coordPane);
    statusBar()->addPermanentWidget(m_zoomPane);
    m_helpPane->setText(tr("Ready"));

    CreateMenus();
    m_app.SetObserver(this);

    // Titles follow the documents' modified state; the autosave timer
    // restarts whenever a document counted another edit.
    m_pollTimer.setInterval(500);
    connect(&m_pollTimer, &QTimer::timeout, this, &CMainFrame::PollDocuments);
    m_pollTimer.start();
    m_autosaveTimer.setSingleShot(true);
    connect(&m_autosaveTimer, &QTimer::timeout, this, &CMainFrame::OnAutosaveTimer);

    m_openChooser = [this] {
        QString start = ToQString(SettingString("FileSave", "SaveBase"));
        if (start == "\\")
            start.clear();
        return QFileDialog::getOpenFileNames(this, tr("Open"), start,
                                             tr("Sheet files (*.dcd)") + ";;" +
                                                 tr("Project files (*.dpj)") + ";;" +
                                                 tr("All files (*)"));
    };
    m_saveChooser = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, tr("Save As"), suggested,
                                            tr("Sheet files (*.dcd)"));
    };
    UpdateCommands();
}

CMainFrame::~CMainFrame()
{
    // The windows go before the frame's members: nothing of theirs may call back.
    disconnect(m_mdi, nullptr, this, nullptr);
    m_pollTimer.stop();
    m_autosaveTimer.stop();
    m_app.SetObserver(nullptr);
    for (CChildFrame* child : Children())
        delete child;
}

void CMainFrame::SetFileChoosers(OpenChooser open, SaveChooser save)
{
    m_openChooser = std::move(open);
    m_saveChooser = std::move(save);
}

// --- menus
// -----------------------------------------------------------------------------------------

template <class F> void CMainFrame::WithView(F f)
{
    if (CVIREOView* view = ActiveView())
        f(*view);
}

void CMainFrame::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* a = file->addAction(tr("&New..."), this, &CMainFrame::OnNew);
    a->setShortcut(QKeySequence::New);
    a = file->addAction(tr("&Open..."), this, &CMainFrame::OnOpen);
    a->setShortcut(QKeySequence::Open);
    m_closeAction = file->addAction(tr("&Close"), this, [this] {
        if (CChildFrame* child = ActiveChild())
            CloseDocument(child->Document());
    });
    m_closeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    m_saveAction = file->addAction(tr("&Save"), this, [this] {
        if (CChildFrame* child = ActiveChild())
            SaveDocument(child->Document());
    });
    m_saveAction->setShortcut(QKeySequence::Save);
    m_saveAsAction = file->addAction(tr("Save &As..."), this, [this] {
        if (CChildFrame* child = ActiveChild())
            SaveDocumentAs(child->Document());
    });
    file->addSeparator();
    CreatePrintMenus(file);
    file->addSeparator();
    file->addAction(tr("&Project..."), this, &CMainFrame::OnProjectDialog);
    file->addSeparator();
    m_recentFiles = file->addMenu(tr("Recent &Files"));
    m_recentProjects = file->addMenu(tr("Recent P&rojects"));
    connect(m_recentFiles, &QMenu::aboutToShow, this, &CMainFrame::RebuildRecentMenus);
    connect(m_recentProjects, &QMenu::aboutToShow, this, &CMainFrame::RebuildRecentMenus);
    file->addSeparator();
    a = file->addAction(tr("E&xit"), this, &QWidget::close);
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    CreateEditMenus();
    CreateFindMenus();
    CreateProjectMenus();

    QMenu* view = menuBar()->addMenu(tr("&View"));
    const auto viewAction = [&](QMenu* menu, const QString& text, auto fn, QKeySequence key = {}) {
        QAction* act = menu->addAction(text, this, [this, fn] { WithView(fn); });
        if (!key.isEmpty())
            act->setShortcut(key);
        m_viewActions << act;
        return act;
    };
    viewAction(
        view, tr("Zoom &Up"), [](CVIREOView& v) { v.OnZoomUp(); },
        QKeySequence(Qt::CTRL | Qt::Key_Plus));
    viewAction(
        view, tr("Zoom &Down"), [](CVIREOView& v) { v.OnZoomDown(); },
        QKeySequence(Qt::CTRL | Qt::Key_Minus));
    viewAction(view, tr("Zoom &Center"), [](CVIREOView& v) { v.OnZoomCenter(); });
    viewAction(
        view, tr("Zoom &Last"), [](CVIREOView& v) { v.OnZoomLast(); }, QKeySequence(Qt::Key_End));
    viewAction(
        view, tr("Zoom &All"),
        [](CVIREOView& v) { v.OnZoomAll(QGuiApplication::queryKeyboardModifiers()); },
        QKeySequence(Qt::Key_Home));
    viewAction(view, tr("Zoom &Window"), [](CVIREOView& v) { v.OnZoomWindow(); });
    view->addSeparator();
    QMenu* areas = view->addMenu(tr("Display A&reas"));
    viewAction(areas, tr("Show Area &1"), [](CVIREOView& v) { v.OnDispArea(1); });
    viewAction(areas, tr("Show Area &2"), [](CVIREOView& v) { v.OnDispArea(2); });
    areas->addSeparator();
    viewAction(areas, tr("Define &All Area"), [](CVIREOView& v) { v.OnDefineArea(0); });
    viewAction(areas, tr("Define Area 1"), [](CVIREOView& v) { v.OnDefineArea(1); });
    viewAction(areas, tr("Define Area 2"), [](CVIREOView& v) { v.OnDefineArea(2); });
    viewAction(areas, tr("&Reset Areas"), [](CVIREOView& v) { v.OnResetAreas(); });
    view->addSeparator();
    viewAction(
        view, tr("&Grid Main/Sub"), [](CVIREOView& v) { v.OnGrid(); }, QKeySequence(Qt::Key_G));
    const auto toggle = [&](const QString& text, bool& flag) {
        QAction* act = view->addAction(text);
        act->setCheckable(true);
        act->setChecked(flag);
        connect(act, &QAction::toggled, this, [this, &flag](bool on) {
            flag = on;
            for (CChildFrame* child : Children())
                child->View()->InvalidateAll();
        });
        return act;
    };
    toggle(tr("Show G&rid"), m_options.gridShown);
    QAction* circles = view->addAction(tr("Grid with &Circles"));
    circles->setCheckable(true);
    circles->setChecked(m_options.gridStyle == 1);
    // Space switches the style in the view: the mark follows when the menu opens.
    connect(view, &QMenu::aboutToShow, circles, [this, circles] {
        const QSignalBlocker quiet(circles);
        circles->setChecked(m_options.gridStyle == 1);
    });
    connect(circles, &QAction::toggled, this, [this](bool on) {
        m_options.gridStyle = on ? 1 : 0;
        for (CChildFrame* child : Children())
            child->View()->InvalidateAll();
    });
    QAction* title = toggle(tr("&Title Block"), m_options.titleDisp);
    connect(title, &QAction::toggled, this,
            [](bool on) { Profile().WriteInt("Sheet", "TitleDisp", on ? 1 : 0); });
    CreateChainMenu(view);
    view->addSeparator();
    QAction* bar = view->addAction(tr("&Status Bar"));
    bar->setCheckable(true);
    bar->setChecked(true);
    connect(bar, &QAction::toggled, statusBar(), &QWidget::setVisible);

    CreateOptionsMenus();

    m_windowMenu = menuBar()->addMenu(tr("&Window"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::RebuildWindowMenu);
    RebuildWindowMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About Vireo"), this, [this] {
        QMessageBox::about(this, tr("About Vireo"),
                           tr("Vireo %1\nSchematic capture for printed circuit boards.")
                               .arg(QApplication::applicationVersion()));
    });
}

QString CMainFrame::DisplayName(const QString& path) const
{
    if (path.size() <= kDisplayLength)
        return path;
    // Keep the file name and as much of the start as fits.
    const QString name = QFileInfo(path).fileName();
    const int head = std::max(3, kDisplayLength - int(name.size()) - 4);
    return path.left(head) + ".../" + name;
}

void CMainFrame::RebuildRecentMenus()
{
    m_app.RecentSheets().Load();
    m_app.RecentProjects().Load();
    const auto fill = [this](QMenu* menu, CRecentList& list, bool projects) {
        menu->clear();
        for (int n = 1; n <= list.Size(); ++n) {
            const QString path = PathToQString(list.Entry(n));
            QAction* act = menu->addAction(
                QStringLiteral("&%1 %2").arg(n).arg(DisplayName(path).replace('&', "&&")));
            act->setStatusTip(projects ? tr("Open this project file") : tr("Open this document"));
            connect(act, &QAction::triggered, this,
                    [this, n, projects] { projects ? OnRecentProject(n) : OnRecentFile(n); });
        }
        if (list.Size() == 0)
            menu->addAction(tr("(empty)"))->setEnabled(false);
    };
    fill(m_recentFiles, m_app.RecentSheets(), false);
    fill(m_recentProjects, m_app.RecentProjects(), true);
}

void CMainFrame::RebuildWindowMenu()
{
    m_windowMenu->clear();
    // Qt's own cascade shrinks every window to its smallest size: ours keeps
    // them at three quarters of the work area, each one title bar further.
    QAction* a = m_windowMenu->addAction(tr("&Cascade"), this, [this] {
        const QSize area = m_mdi->viewport()->size();
        const QSize size(std::max(200, area.width() * 3 / 4), std::max(150, area.height() * 3 / 4));
        int n = 0;
        for (QMdiSubWindow* w : m_mdi->subWindowList()) {
            if (!w->isVisible())
                continue;
            w->showNormal();
            const int step = 28 * (n++ % 8);
            w->setGeometry(QRect(QPoint(step, step), size));
            w->raise();
        }
    });
    a->setEnabled(!Children().isEmpty());
    a = m_windowMenu->addAction(tr("&Tile"), m_mdi, &QMdiArea::tileSubWindows);
    a->setEnabled(!Children().isEmpty());
    a = m_windowMenu->addAction(tr("&Next Window"), m_mdi, &QMdiArea::activateNextSubWindow);
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    a->setEnabled(Children().size() > 1);
    const QList<CChildFrame*> children = Children();
    if (!children.isEmpty())
        m_windowMenu->addSeparator();
    int n = 0;
    for (CChildFrame* child : children) {
        ++n;
        QAction* act =
            m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(n).arg(child->windowTitle()));
        act->setCheckable(true);
        act->setChecked(child == ActiveChild());
        connect(act, &QAction::triggered, this,
                [this, child] { m_mdi->setActiveSubWindow(child); });
    }
}

void CMainFrame::UpdateCommands()
{
    const bool any = ActiveChild() != nullptr;
    for (QAction* a : m_viewActions)
        a->setEnabled(any);
    m_closeAction->setEnabled(any);
    m_saveAction->setEnabled(any);
    m_saveAsAction->setEnabled(any);
    UpdateEditCommands();
}

// --- windows
// ---------------------------------------------------------------------------------------

QList<CChildFrame*> CMainFrame::Children() const
{
    QList<CChildFrame*> out;
    for (QMdiSubWindow* w : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (auto* child = qobject_cast<CChildFrame*>(w))
            out << child;
    return out;
}

CChildFrame* CMainFrame::FindChild(const CVIREODoc* doc) const
{
    for (CChildFrame* child : Children())
        if (&child->Document() == doc)
            return child;
    return nullptr;
}

CChildFrame* CMainFrame::ActiveChild() const
{
    if (auto* child = qobject_cast<CChildFrame*>(m_mdi->activeSubWindow()))
        return child;
    // Without a focused window (offscreen, minimised) the last one counts.
    const QList<CChildFrame*> children = Children();
    return children.isEmpty() ? nullptr : qobject_cast<CChildFrame*>(m_mdi->currentSubWindow());
}

CVIREOView* CMainFrame::ActiveView() const
{
    CChildFrame* child = ActiveChild();
    return child ? child->View() : nullptr;
}

QString CMainFrame::StatusPane(int pane) const
{
    switch (pane) {
    case 0:
        return m_helpPane->text();
    case 1:
        return m_coordPane->text();
    default:
        return m_zoomPane->text();
    }
}

void CMainFrame::ConnectView(CVIREOView* view)
{
    if (m_connectedView == view)
        return;
    if (m_connectedView)
        disconnect(m_connectedView, nullptr, this, nullptr);
    m_connectedView = view;
    if (!view) {
        m_coordPane->clear();
        m_zoomPane->clear();
        return;
    }
    const auto refresh = [this, view] {
        m_coordPane->setText(view->CoordinateStatus());
        m_zoomPane->setText(view->ZoomStatus());
    };
    connect(view, &CVIREOView::StatusChanged, this, refresh);
    connect(&view->Edit(), &CEditAdapter::EditStateChanged, this, &CMainFrame::UpdateEditCommands);
    connect(&view->Edit(), &CEditAdapter::ProjectNetsChanged, this,
            [this, view] { ShowNetsOnOtherSheets(view); });
    ConnectEditView(view);
    for (int k = 0; k < 3; ++k)
        view->Edit().Engine().SetChainSwitch(k, m_chain[k]);
    connect(view, &CVIREOView::HelpChanged, this, [this](const QString& text) {
        m_helpPane->setText(text.isEmpty() ? tr("Ready") : text);
    });
    refresh();
    m_helpPane->setText(view->HelpStatus().isEmpty() ? tr("Ready") : view->HelpStatus());
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window)
{
    auto* child = qobject_cast<CChildFrame*>(window);
    ConnectView(child ? child->View() : nullptr);
    UpdateCommands();
}

void CMainFrame::DocumentOpened(CVIREODoc& doc)
{
    OfferRecovery(doc);
    auto* child = new CChildFrame(doc, m_options, *this);
    m_mdi->addSubWindow(child);
    // A new window takes most of the work area; later ones cascade over it.
    const QSize area = m_mdi->viewport()->size();
    if (area.width() > 200 && area.height() > 150) {
        const int n = int(m_mdi->subWindowList().size()) - 1, step = 28;
        const QPoint at((n % 8) * step, (n % 8) * step);
        child->setGeometry(QRect(at, QSize(area.width() * 3 / 4, area.height() * 3 / 4)));
    }
    if (SettingInt("Sheet", "ProjectDispMax") != 0)
        child->showMaximized();
    else
        child->show();
    m_mdi->setActiveSubWindow(child);
    ConnectView(child->View());
    UpdateCommands();
}

void CMainFrame::DocumentClosing(CVIREODoc& doc)
{
    if (CChildFrame* child = FindChild(&doc)) {
        if (m_connectedView == child->View())
            ConnectView(nullptr);
        delete child;
    }
    if (CChildFrame* active = ActiveChild())
        ConnectView(active->View());
    UpdateCommands();
}

void CMainFrame::OfferRecovery(CVIREODoc& doc)
{
    const std::filesystem::path path = doc.GetPathName();
    if (path.empty())
        return;
    const auto side = CVIREODoc::FindNewerAutosave(path);
    if (!side)
        return;
    const QString question = tr("%1\nAn automatically saved copy newer than this file exists (the "
                                "program did not end normally).\n"
                                "Open the automatically saved copy?")
                                 .arg(QString::fromStdString(path.string()));
    if (Ask(question, CHost::YesNo, CHost::IDYES) != CHost::IDYES)
        return;
    if (doc.OnOpenDocument(*side)) {
        // The recovered drawing belongs to the original file and is not saved there yet.
        doc.SetPathName(path);
        doc.SetModifiedFlag(true);
    } else {
        doc.OnOpenDocument(path);
    }
}

// --- files
// ---------------------------------------------------------------------------------------------

bool CMainFrame::OpenFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    if (IsProjectPath(path))
        return OpenProjectFile(path);
    const std::string absolute =
        std::filesystem::absolute(path.toStdString()).lexically_normal().string();
    CVIREODoc* doc = m_app.OpenDocumentFile(absolute);
    if (!doc)
        return false;
    if (CChildFrame* child = FindChild(doc))
        m_mdi->setActiveSubWindow(child);
    RefreshTitles();
    return true;
}

bool CMainFrame::OpenProjectFile(const QString& path)
{
    if (!CanCloseAll())
        return false;
    const std::string absolute =
        std::filesystem::absolute(path.toStdString()).lexically_normal().string();
    const bool opened = m_app.SwitchProject(absolute);
    if (opened)
        Profile().WriteInt("Sheet", "NoProj", 0);
    else
        Host().Message(ToCString(tr("No sheet of the project %1 could be opened.").arg(path)),
                       CHost::Warning);
    RefreshTitles();
    return opened;
}

bool CMainFrame::RunStartup(const QString& argument)
{
    CStartupInputs in;
    if (!argument.isEmpty())
        in.argument = std::filesystem::absolute(argument.toStdString()).lexically_normal().string();
    in.noProj = SettingInt("Sheet", "NoProj");
    in.projectAutoLoad = SettingInt("Sheet", "ProjectAutoLoad");
    in.projectAllFile = SettingInt("Sheet", "ProjectAllFile");
    m_app.RecentProjects().Load();
    for (const CString& p : m_app.RecentProjects().Entries())
        in.recentProjects.push_back(p.str());
    const bool ok = m_app.RunStartup(PlanStartup(in));
    RefreshTitles();
    return ok;
}

CVIREODoc* CMainFrame::NewDocument(int sizeIndex, const QString& titleFile)
{
    CVIREODoc* doc = m_app.NewDocument(sizeIndex, ToCString(titleFile));
    RefreshTitles();
    return doc;
}

bool CMainFrame::SaveDocument(CVIREODoc& doc)
{
    // What is being drawn or moved is no part of the drawing yet.
    if (CChildFrame* child = FindChild(&doc))
        child->View()->Edit().Engine().Finish();
    if (doc.GetPathName().empty() || doc.NeedsSaveAs())
        return SaveDocumentAs(doc);
    const bool ok = doc.Save();
    // The file changed on disk and the user chose another name for this version.
    if (!ok && doc.TakeSaveAsRequest())
        return SaveDocumentAs(doc);
    RefreshTitles();
    return ok;
}

bool CMainFrame::SaveDocumentAs(CVIREODoc& doc)
{
    QString suggested = QString::fromStdString(doc.GetPathName().string());
    if (doc.NeedsSaveAs())
        suggested =
            QFileInfo(suggested).path() + "/" + QFileInfo(suggested).completeBaseName() + ".dcd";
    QString path = m_saveChooser ? m_saveChooser(suggested) : QString();
    if (path.isEmpty())
        return false;
    if (!path.endsWith(".dcd", Qt::CaseInsensitive))
        path += ".dcd";
    const bool ok = doc.OnSaveDocument(path.toStdString());
    if (ok) {
        m_app.RecentSheets().Add(CString(doc.GetPathName().string()));
        m_app.RecentSheets().Store();
    }
    RefreshTitles();
    return ok;
}

bool CMainFrame::CanCloseDocument(CVIREODoc& doc)
{
    if (!doc.IsModified())
        return true;
    if (CChildFrame* child = FindChild(&doc))
        m_mdi->setActiveSubWindow(child);
    const QString name = doc.GetPathName().empty()
                             ? ToQString(doc.TitleText(false))
                             : QString::fromStdString(doc.GetPathName().string());
    switch (Ask(tr("Save changes to %1?").arg(name), CHost::YesNoCancel)) {
    case CHost::IDYES:
        return SaveDocument(doc);
    case CHost::IDNO:
        // The changes are given up: their autosave copy must not be offered later.
        doc.DiscardAutosave();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::CanCloseAll()
{
    for (const auto& doc : m_app.Documents())
        if (!CanCloseDocument(*doc))
            return false;
    return true;
}

bool CMainFrame::CloseDocument(CVIREODoc& doc)
{
    if (!CanCloseDocument(doc))
        return false;
    m_app.CloseDocument(&doc);
    RefreshTitles();
    return true;
}

void CMainFrame::RequestClose(CVIREODoc* doc)
{
    QTimer::singleShot(0, this, [this, doc] {
        for (const auto& d : m_app.Documents())
            if (d.get() == doc) {
                CloseDocument(*doc);
                return;
            }
    });
}

void CMainFrame::OnOpen()
{
    OpenFiles(m_openChooser ? m_openChooser() : QStringList());
}

void CMainFrame::OpenFiles(const QStringList& paths)
{
    for (const QString& p : paths)
        if (IsProjectPath(p)) {
            OpenProjectFile(p);
            break;
        }
    for (const QString& p : paths)
        if (!IsProjectPath(p))
            OpenFile(p);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    event->acceptProposedAction();
    // Opening may ask questions: not while the drag source waits.
    QTimer::singleShot(0, this, [this, paths] { OpenFiles(paths); });
}

void CMainFrame::OnNew()
{
    CDlgFileNew dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        NewDocument(dialog.SizeIndex(), dialog.TitleFile());
}

void CMainFrame::OnProjectDialog()
{
    CDlgProject dialog(m_app, this);
    connect(&dialog, &CDlgProject::OpenSheets, this, [this](const QStringList& sheets) {
        for (const QString& s : sheets)
            OpenFile(s);
    });
    dialog.exec();
    RefreshTitles();
}

void CMainFrame::OnRecentFile(int n)
{
    const QString path = PathToQString(m_app.RecentSheets().Entry(n));
    if (path.isEmpty())
        return;
    if (!OpenFile(path) && !QFileInfo::exists(path)) {
        m_app.RecentSheets().Remove(PathFromQString(path));
        m_app.RecentSheets().Store();
    }
}

void CMainFrame::OnRecentProject(int n)
{
    const QString path = PathToQString(m_app.RecentProjects().Entry(n));
    if (path.isEmpty() || !CanCloseAll())
        return;
    m_autosaveNotice = true;
    Profile().WriteInt("Sheet", "NoProj", 0);
    m_app.SetProjectPath(path.toStdString());
    m_app.OpenProject(SettingInt("Sheet", "ProjectAllFile") == 1);
    RefreshTitles();
}

void CMainFrame::HandleInstanceMessage(int code, const QByteArray& data)
{
    // Bring the window forward first, as the user expects to see the file.
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    if (data.startsWith("vireo:")) {
        OpenVireoLink(QString::fromUtf8(data.constData())); // up to the terminating zero
        return;
    }
    const CInstanceRequest request =
        ParseInstanceMessage(code, std::string_view(data.constData(), data.size()));
    if (request.action == CInstanceRequest::OpenSheet)
        OpenFile(QString::fromStdString(request.file));
    else if (request.action == CInstanceRequest::OpenProject)
        OpenProjectFile(QString::fromStdString(request.file));
}

// --- titles, autosave
// ---------------------------------------------------------------------------------

void CMainFrame::RefreshTitles()
{
    for (CChildFrame* child : Children())
        child->RefreshTitle();
    const QString project = QString::fromStdString(m_app.ProjectPath());
    // The desktop adds " — Vireo" to the project's name itself.
    const QString title = project.isEmpty() ? QApplication::applicationDisplayName() : project;
    if (title != windowTitle())
        setWindowTitle(title);
}

void CMainFrame::PollDocuments()
{
    RefreshTitles();
    int sum = 0;
    for (const auto& doc : m_app.Documents())
        sum += doc->GetEditCount();
    if (sum > m_lastEditSum)
        m_autosaveTimer.start(SettingInt("FileSave", "DelayTime") * 1000);
    m_lastEditSum = sum;
}

void CMainFrame::OnAutosaveTimer()
{
    if (auto* host = dynamic_cast<CQtHost*>(&Host()); host && host->InProgress()) {
        m_autosaveTimer.start(1000);
        return;
    }
    const QString previous = m_helpPane->text();
    m_helpPane->setText(tr("Autosaving"));
    m_helpPane->repaint();
    for (const auto& doc : m_app.Documents())
        doc->Autosave();
    m_helpPane->setText(previous);
    m_lastEditSum = 0;
    for (const auto& doc : m_app.Documents())
        m_lastEditSum += doc->GetEditCount();
    RefreshTitles();
}

// --- placement and exit
// -------------------------------------------------------------------------------

void CMainFrame::StorePlacement()
{
    CWindowPlacement w;
    w.show = isMaximized()   ? CWindowPlacement::Maximized
             : isMinimized() ? CWindowPlacement::Minimized
                             : CWindowPlacement::Normal;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    w.left = normal.left();
    w.top = normal.top();
    w.right = normal.right() + 1;
    w.bottom = normal.bottom() + 1;
    Profile().WriteString("Settings", "WindowPos", CString(w.Format()));
}

void CMainFrame::RestorePlacement()
{
    const auto w = CWindowPlacement::Parse(SettingString("Settings", "WindowPos").str());
    if (!w) {
        resize(1200, 800);
        return;
    }
    QRect r(QPoint(w->left, w->top), QPoint(w->right - 1, w->bottom - 1));
    // A frame from another screen layout must still be reachable.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableVirtualGeometry();
        if (!avail.intersects(r))
            r.moveTopLeft(avail.topLeft());
        r.setSize(r.size().boundedTo(avail.size()));
    }
    setGeometry(r);
    if (w->show == CWindowPlacement::Maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!CanCloseAll()) {
        event->ignore();
        return;
    }
    StorePlacement();
    m_app.CloseAllDocuments();
    event->accept();
}
