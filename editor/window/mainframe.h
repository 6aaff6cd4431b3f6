// CMainFrame: the main window - one child window per document, the File,
// View and Window menus, the status bar, the recent lists, projects, the
// autosave timer and the requests of second starts.
//
// Questions go through the core's host (CHost), so that tests can answer
// them; only the file dialogs are the frame's own, and tests replace them
// through SetFileChooser.
#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/vireoapp.h"
#include "editor/view/viewoptions.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class CChildFrame;
class CReportWindow;
class CVIREOView;
class CPart;
struct CPoint;
class CDlgFind;
class QImage;
class QPrinter;
class QPrintPreviewDialog;
struct CPrintSheet;

class CMainFrame : public QMainWindow, public CDocumentObserver {
    Q_OBJECT

public:
    CMainFrame(CVIREOApp& app, CViewOptions& options, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CVIREOApp& App() { return m_app; }

    // --- files and projects ----------------------------------------------------------------------
    // Opens a sheet file or, for ".dpj", makes it the current project and
    // opens its sheets.  False when nothing opened.
    bool OpenFile(const QString& path);
    // The project becomes current and its sheets open (the previous project
    // returns when none opens).  Modified documents are offered for saving
    // first; false when the user cancelled or nothing opened.
    bool OpenProjectFile(const QString& path);
    // Several files chosen at once (the open dialog, files dropped on the
    // window): a project among them becomes current first, then every sheet opens.
    void OpenFiles(const QStringList& paths);
    // Carries out the start-up decision for the command-line argument.
    bool RunStartup(const QString& argument);
    CVIREODoc* NewDocument(int sizeIndex, const QString& titleFile = QString());
    bool SaveDocument(CVIREODoc& doc);
    bool SaveDocumentAs(CVIREODoc& doc);
    // Asks the save question of a modified document; true when it may close.
    bool CanCloseDocument(CVIREODoc& doc);
    bool CanCloseAll();
    // Closes a document after the save question; true when it closed.
    bool CloseDocument(CVIREODoc& doc);
    // A child window asked to close (deferred until its event is over).
    void RequestClose(CVIREODoc* doc);

    // A request of a second start (code 12 and a file name).
    void HandleInstanceMessage(int code, const QByteArray& data);

    // The file dialogs: open (several files) and save-as (one); tests
    // answer them.  The argument is the dialog's caption.
    using OpenChooser = std::function<QStringList()>;
    using SaveChooser = std::function<QString(const QString& suggested)>;
    void SetFileChoosers(OpenChooser open, SaveChooser save);

    // --- windows
    // -------------------------------------------------------------------------------------
    QList<CChildFrame*> Children() const;
    CChildFrame* FindChild(const CVIREODoc* doc) const;
    CChildFrame* ActiveChild() const;
    CVIREOView* ActiveView() const;
    QMdiArea* MdiArea() const { return m_mdi; }

    // The status bar panes: 0 help, 1 coordinates, 2 zoom.
    QString StatusPane(int pane) const;

    // The window placement in the settings.
    void StorePlacement();
    void RestorePlacement();

    // Runs the due autosaves now (the timer calls it).
    void OnAutosaveTimer();

    // --- options and libraries (mainframeoptions.cpp) ---------------------------------------
    // The options sheet, on a page (0: the one shown last); true on OK, after
    // the new values took effect.
    bool ShowOptions(int page = 0);
    // Puts the stored settings into effect: views, recent lists.
    void ApplyOptions();
    // The library browser to pick a part to place (the Part tool's Browse);
    // false when nothing was picked.
    bool PickLibraryPart(QWidget* parent, CPart& part);
    // --- printing, pictures and Find (mainframeprint.cpp) ---------------------------------------
    // Prints the active sheet, or the project's checked sheets, on printer
    // (a PDF file too) without a dialog; false when nothing was printed.
    bool PrintTo(QPrinter& printer, bool project);
    // The window as a bitmap, drawn in colour or in black on white.
    static QImage ViewBitmap(CVIREOView& view, bool color);
    void OnFind(bool next);
    // Print (the print dialog) or Print Preview of the active sheet or the project.
    void OnPrint(bool project, bool preview);
    void CopyBitmap(bool color);
    void CopyMetafile(bool color);
    // Tests look at the dialogs before they run.
    void SetFindDialogHook(std::function<void(CDlgFind&)> hook)
    {
        m_findDialogHook = std::move(hook);
    }
    void SetPreviewHook(std::function<void(QPrintPreviewDialog&)> hook)
    {
        m_previewHook = std::move(hook);
    }

    // CDocumentObserver
    void DocumentOpened(CVIREODoc& doc) override;
    void DocumentClosing(CVIREODoc& doc) override;

    // --- project commands, external programs, report jumps (mainframeproject.cpp) ----------
    void OnMakeNetList();
    void OnMakePartList();
    void OnMakePartNo();
    void OnMakeNetIndex();
    void OnCheckSheets();
    void OnPdf();
    void OnExportDxf();
    void OnExportTango();
    void OnSaveOtherFormat();
    void RunExternalProgram(int k);
    // Brings the sheet forward (opening it), centres the point and highlights
    // the net there; false (told) when path names no readable sheet.
    bool JumpTo(const QString& path, const CPoint& at);
    // "vireo:PATH?x=X&y=Y", from a report page or a second start.
    bool OpenVireoLink(const QString& link);
    CReportWindow* ReportWindow();
    // The export's file dialog (tests answer it): the suggested file in, the
    // chosen file out (empty: cancelled), format as CVIREODoc::OtherFormat.
    using ExportChooser = std::function<QString(const QString& suggested, int& format)>;
    void SetExportChooser(ExportChooser chooser);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Printing, pictures and Find (mainframeprint.cpp).
    void CreatePrintMenus(QMenu* file);
    // Find and the pictures go into the Edit menu that CreateEditMenus made.
    void CreateFindMenus();
    QPrinter& Printer();
    std::vector<CPrintSheet> PrintSheets(bool project,
                                         std::vector<std::unique_ptr<CVIREODoc>>& loaded);
    static void ShowFoundPoint(CVIREOView& view, const CPoint& p);
    std::string Metafile(CVIREOView& view, bool color) const;
    void SaveMetafile();
    std::unique_ptr<QPrinter> m_printer;
    QAction* m_findNextAction = nullptr;
    std::function<void(CDlgFind&)> m_findDialogHook;
    std::function<void(QPrintPreviewDialog&)> m_previewHook;

    void CreateMenus();
    void CreateProjectMenus();
    void RebuildExternalPrograms(QMenu* tool);
    void ShowOutputs(const std::vector<std::filesystem::path>& files);
    void ShowReport(const QString& path);
    void ExportActive(int format);
    // The Edit and Tool menus and the tool bar (mainframeedit.cpp).
    void CreateEditMenus();
    void CreateChainMenu(QMenu* view);
    // The Options menu: options sheet, library browser, library conversion.
    void CreateOptionsMenus();
    void UpdateEditCommands();
    // Shift+F9 in view: the same nets highlighted (or cleared) on every other
    // open sheet.
    void ShowNetsOnOtherSheets(CVIREOView* view);
    void RebuildRecentMenus();
    void RebuildWindowMenu();
    void UpdateCommands();
    void RefreshTitles();
    void PollDocuments();
    void ConnectView(CVIREOView* view);
    void OnSubWindowActivated(QMdiSubWindow* window);
    void OnOpen();
    void OnNew();
    void OnProjectDialog();
    void OnRecentFile(int n);
    void OnRecentProject(int n);
    void OfferRecovery(CVIREODoc& doc);
    QString DisplayName(const QString& path) const;
    template <class F> void WithView(F f);

    // The document commands of the Edit menu, Descend/Ascend and the net
    // index jump (mainframeedit.cpp).
    void ConnectEditView(CVIREOView* view);
    void OnChangeSize();
    void OnDocumentProperty();
    void OnOpenSheet(const QString& path);
    void OnAscend();
    void OnNetJump(int index, const QString& name);
    QMap<QString, QString> m_parentSheet; // a sheet opened by Descend -> the sheet it came from

    CVIREOApp& m_app;
    CViewOptions& m_options;
    QMdiArea* m_mdi;
    QLabel* m_helpPane;
    QLabel* m_coordPane;
    QLabel* m_zoomPane;
    QMenu* m_recentFiles = nullptr;
    QMenu* m_recentProjects = nullptr;
    QMenu* m_windowMenu = nullptr;
    QList<QAction*> m_viewActions; // need an open document
    QMap<int, QAction*> m_editActions; // by command id
    bool m_chain[3] = {true, true, true}; // Shift+click chains of wires, buses, lines
    QAction* m_closeAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QPointer<CVIREOView> m_connectedView;
    QTimer m_pollTimer;
    QTimer m_autosaveTimer;
    int m_lastEditSum = 0;
    bool m_autosaveNotice = true;
    OpenChooser m_openChooser;
    SaveChooser m_saveChooser;

    // project commands (mainframeproject.cpp)
    QList<QAction*> m_projectActions; // need an open document
    QAction* m_extProgSeparator = nullptr;
    QList<QAction*> m_extProgItems;
    QPointer<CReportWindow> m_report;
    ExportChooser m_exportChooser;
};
