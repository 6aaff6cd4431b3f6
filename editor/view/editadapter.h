// CEditAdapter: the sheet view's link to the editing engine.
//
// It turns the view's mouse, key and wheel events into engine events in
// sheet coordinates, hands the engine the view's current mapping (for its
// pixel thresholds), and carries out what the engine asks: repaint a part of
// the sheet, draw again what follows the cursor (the selection sheet and the
// select box, drawn over the cached sheet image so that the sheet itself is
// not drawn again), show a pop-up menu, open the text dialog, show the
// status texts.  A replayed script's queued answers take the place of the
// menus and dialogs.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/edit/editengine.h"
#include "app/edit/editscript.h"

class CPart;
class CVIREOView;
class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWheelEvent;

class CEditAdapter : public QObject, public CEditHost {
    Q_OBJECT

public:
    explicit CEditAdapter(CVIREOView& view);
    ~CEditAdapter() override;

    CEditEngine& Engine() { return *m_engine; }

    // The view's events; true when the engine took them.
    bool MousePress(QMouseEvent* event);
    bool MouseRelease(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    bool Key(QKeyEvent* event);
    bool Wheel(QWheelEvent* event);
    // The view moved the cursor point (arrow keys of the view).
    void CursorMoved(const CPoint& sheetPoint);
    // A menu or tool-bar command.
    void Command(int id);

    // Draws the selection sheet and the select box over the sheet image.
    void DrawOverlay(QPainter& painter);

    // Replays a script on this view; its answers stand in for the dialogs.
    void Replay(const std::vector<CScriptEvent>& events);

    // CEditHost
    void Repaint(const CRect& area) override;
    void OverlayChanged() override;
    void Status(int pane, const std::string& text) override;
    int PopupMenu(const std::string& name, const std::vector<CMenuEntry>& entries) override;
    bool InputText(CText& text) override;
    bool InputPart(CPartRequest& request) override;
    bool ModifyLine(CLineEditForm& form) override;
    bool ModifyPart(CPartEditForm& form) override;
    bool ModifyPin(CPinEditForm& form) override;
    bool ModifyText(CTextEditForm& form) override;
    void GridChanged() override;
    void HighlightProjectNets(const std::vector<CString>& names) override;
    bool MakePart(CMakePartInput& input) override;
    bool RegisterLibrary(CLibraryRegisterInput& input) override;
    void OpenSheet(const std::filesystem::path& path) override;
    void Ascend() override;
    std::vector<CNetJumpEntry> NetJumpTargets(const CString& name) override;
    void JumpToNet(const CNetJumpEntry& target, const CString& name) override;
    // Where the net index jump finds the other sheets (the main window).
    using NetTargetSource = std::function<std::vector<CNetJumpEntry>(const CString& name)>;
    void SetNetTargetSource(NetTargetSource source) { m_netTargets = std::move(source); }
    // The library browser the part dialog's Browse opens (the main window).
    using LibraryPicker = std::function<bool(QWidget* parent, CPart& part)>;
    void SetLibraryPicker(LibraryPicker picker) { m_libraryPicker = std::move(picker); }
    bool FindDialog(CFindOptions& options) override;
    void ShowFound(const CPoint& sheetPoint) override;
    // The mouse goes onto a sheet point when it lies in the window and the
    // point is in view (a paste's pivot, a found text); false when it stays.
    bool MoveMouseOnto(const CPoint& sheetPoint);
    void MoveCursor(const CPoint& sheetPoint) override { MoveMouseOnto(sheetPoint); }
    // The system clipboard, its text in UTF-8 there and CP932 here.
    bool ClipboardHasText() override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& cp932) override;
    // The net names Shift+F9 last asked the other sheets to show (empty:
    // clear their highlight).
    const std::vector<CString>& ProjectNets() const { return m_projectNets; }

signals:
    // The state, the selection or the history changed: menus update.
    void EditStateChanged();
    // Shift+F9 or the click that clears it: the other open sheets follow
    // (ProjectNets).
    void ProjectNetsChanged();
    // Descend chose a sheet; Ascend asks for the sheet above; the net index
    // menu chose the target of that index (NetTargetSource's numbering).
    void OpenSheetRequested(const QString& path);
    void AscendRequested();
    void NetJumpRequested(int index, const QString& name);

private:
    int Flags(Qt::MouseButton button, Qt::KeyboardModifiers mods) const;
    CPoint SheetPoint(const QPointF& pos) const;
    QRect OverlayPixels() const;
    void SyncMapping();

    CVIREOView& m_view;
    std::unique_ptr<CEditEngine> m_engine;
    CScriptAnswers m_answers;
    std::vector<CString> m_projectNets;
    NetTargetSource m_netTargets;
    LibraryPicker m_libraryPicker;
    QStringList m_jumpLabels; // the entries of the net index menu being shown
    bool m_replaying = false;
    QRect m_overlay; // the pixels the overlay covered when last drawn
};

// The menu text of a command id (translated).
QString EditCommandText(int id);
