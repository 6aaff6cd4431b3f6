// CEditEngine: the editing state of one sheet view, without a window.
//
// The view (or a script) feeds it events in sheet coordinates - presses,
// releases and moves with their button and modifier flags, keys, command ids
// and wheel turns - and it carries out what the current state makes of them:
// the input tools draw wires, buses, lines, curves, pins and texts; clicks,
// Ctrl+clicks, Shift+click chains and the select box build a selection; the
// selection is moved, copied, erased, flipped and turned.  Every change of
// the drawing goes through the document's recorded operations, one undo step
// per edit.  What it shows, asks and repaints goes through CEditHost.
//
// The items that follow the cursor (the legs of a wire being routed, a pin
// or text being placed, a moved selection) live in the document's selection
// sheet, as the selected items do; the view draws that sheet over the
// drawing.
//
// The tool behaviours live in their own classes (linetool, curvetool,
// placetool, selectionedits); the engine holds the shared state and routes
// the events.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/edit/edithost.h"
#include "app/edit/editids.h"
#include "app/edit/viewmapping.h"
#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"

class CVIREODoc;
class CUndoHistory;
class CSheet;
class CLineTool;
class CCurveTool;
class CPlaceTool;
class CSelectionEdits;
class CAttributeMove;
class CNumberingTool;
class CNetHighlight;
class CDocumentCommands;
class CClipboardCommands;

class CEditEngine {
public:
    CEditEngine(CVIREODoc& doc, CEditHost& host);
    ~CEditEngine();
    CEditEngine(const CEditEngine&) = delete;
    CEditEngine& operator=(const CEditEngine&) = delete;

    void SetMapping(const CViewMapping& mapping) { m_mapping = mapping; }
    // Where the Part tool finds a part by name: appends its gates to the
    // sheet, true when found.  By default the libraries of the settings'
    // library list, in order.
    using PartSource = std::function<bool(const CString& name, CSheet& gates)>;
    void SetPartSource(PartSource source) { m_partSource = std::move(source); }
    bool FindPart(const CString& name, CSheet& gates) const { return m_partSource(name, gates); }
    // The part source over a list of library files.
    static PartSource LibraryPartSource(std::vector<CString> libraries);
    // The part source over the library list of the settings.
    static PartSource SettingsPartSource();
    // The Part tool and the Library command work with these library files
    // instead of the settings' library list.
    void SetLibraries(std::vector<CString> libraries);
    const CViewMapping& Mapping() const { return m_mapping; }

    // --- events (sheet coordinates before snapping) --------------------------------------
    void Press(const CPoint& p, int flags);   // the pressed button and modifiers
    void Release(const CPoint& p, int flags); // the released button and modifiers
    void Move(const CPoint& p, int flags);    // the buttons held and modifiers
    void Click(const CPoint& p, int flags) { Press(p, flags), Release(p, flags); }
    void Key(int key, int modifiers);
    void Command(int id, int modifiers = 0);
    // True when the wheel turned the selection; false leaves it to the view
    // (scrolling).
    bool Wheel(int delta, int modifiers);
    // Ends what is in progress and puts the selection back into the drawing
    // (before a save, at the end of a script).
    void Finish();

    // --- state -----------------------------------------------------------------------------
    int State() const { return m_state; }
    int LastTool() const { return m_lastTool; }
    bool InputInProgress() const { return m_inputInProgress; }
    int RoutingMode() const;
    bool PowerFlag() const;
    int CurveStage() const;
    bool HasPivot() const { return m_hasPivot; }
    const CPoint& Pivot() const { return m_pivot; }
    const CPoint& CursorPoint() const { return m_cursor; }
    int GridPitch() const { return m_grid; }
    // A front end that keeps the grid itself sets the pitch before its events.
    void SetGridPitch(int pitch)
    {
        if (pitch > 0)
            m_grid = pitch;
    }
    int GridStyle() const { return m_gridStyle; }
    // The select box while it is dragged (empty otherwise), sheet units.
    const CRect& SelectBox() const { return m_selectBox; }
    // The chain switches of the main window: 0 wires, 1 buses, 2 lines.
    void SetChainSwitch(int list, bool on) { m_chain[list] = on; }
    bool ChainSwitch(int list) const { return m_chain[list]; }
    bool IsCommandEnabled(int id) const;
    bool IsCommandChecked(int id) const;
    // The pane texts of the status bar as they were last sent.
    const std::string& StatusText(int pane) const { return m_status[pane & 1]; }

    // --- for the tools -----------------------------------------------------------------------
    CVIREODoc& Doc() { return m_doc; }
    CSheet& Main();
    CSheet& Selection();
    CEditHost& Host() { return m_host; }
    CPoint Snap(const CPoint& p) const;
    int HitUnits() const { return m_mapping.Units(kHitPixels); }
    bool IsLineTool() const;
    void SetState(int state) { m_state = state; }
    void SetInput(bool on) { m_inputInProgress = on; }
    void ReturnToTool();
    // An input tool becomes the state and the last tool (what the tool
    // commands do, without cancelling anything).
    void SelectToolState(int tool) { m_state = tool, m_lastTool = tool; }
    void ForgetPivot() { m_hasPivot = false; }
    void SetPivot(const CPoint& p) { m_pivot = p, m_hasPivot = true; }
    void Repaint(const CRect& area);
    void OverlayChanged();
    CSize SheetSize() const;
    CSelectionEdits& Edits() { return *m_edits; }
    CAttributeMove& AttributeMove() { return *m_attr; }
    const CNumberingTool& Numbering() const { return *m_numbering; }
    CPlaceTool& Place() { return *m_place; }
    CDocumentCommands& DocCommands() { return *m_docCommands; }
    // A result to show in the status bar's first pane until the next event.
    void Notice(const std::string& text) { m_notice = text; }
    // Find's occurrence counter of this sheet (0: no search in progress).
    int& FindCounter() { return m_findCounter; }

    // The edits a history can undo: a change (old and new records) is one.
    static int UndoSteps(const CUndoHistory& history);

private:
    void LeftClick(const CPoint& p, int flags);
    void RightClick(const CPoint& p, int flags);
    void MiddleClick(const CPoint& p, int flags);
    void ToolClick(const CPoint& p, int flags);
    void SelectTool(int id);
    void Cancel();
    void MoveCursorBy(int dx, int dy);
    // Clears a net highlight here and on the project's other sheets; false
    // when none was shown.
    bool ClearHighlight();
    // The tools follow the cursor point.
    void FollowCursor(int flags);
    void UpdateStatus();
    void SendStatus(int pane, const std::string& text);
    std::string HelpText() const;

    CVIREODoc& m_doc;
    CEditHost& m_host;
    CViewMapping m_mapping;
    std::unique_ptr<CLineTool> m_line;
    std::unique_ptr<CCurveTool> m_curve;
    std::unique_ptr<CPlaceTool> m_place;
    std::unique_ptr<CSelectionEdits> m_edits;
    std::unique_ptr<CAttributeMove> m_attr;
    std::unique_ptr<CNumberingTool> m_numbering;
    std::unique_ptr<CNetHighlight> m_highlight;
    std::unique_ptr<CDocumentCommands> m_docCommands;
    std::string m_notice;
    std::unique_ptr<CClipboardCommands> m_clipboard;
    int m_findCounter = 0;
    bool m_projectHighlight = false; // the other sheets were asked to highlight
    PartSource m_partSource;

    int m_state = editcmd::kWire;
    int m_lastTool = editcmd::kWire;
    int m_savedState = editcmd::kWire;
    bool m_inputInProgress = false;
    bool m_hasPivot = false;
    CPoint m_pivot{-1, -1};
    CPoint m_cursor;
    int m_grid = 100;
    int m_mainGrid = 100, m_subGrid = 50;
    int m_gridStyle = 0;
    bool m_chain[3] = {true, true, true};

    int m_pressFlags = 0; // flags of the last press, 0 when no button is down
    CPoint m_pressPoint;  // unsnapped
    bool m_dragging = false;
    CRect m_selectBox;
    std::string m_status[2];
};
