// CVIREOView: the sheet window of one document.
//
// It draws the grid, the title block, the drawing and the selection through
// the same item drawing code as the exports, keeps a full-window crosshair,
// turns mouse positions into sheet points snapped to the grid for the status
// bar, and carries out the zoom commands, the mouse wheel, the zoom keys and
// the two-button zoom gestures.  After every zoom or scroll the visible area
// is written into the document, and a new view starts on the area the
// document stored.
//
// The rendered sheet is kept in an image of the window's size: moving the
// crosshair or the status bar repaints nothing of the sheet, and a change to
// part of the sheet redraws only the items that meet that part.
#pragma once

#include <QImage>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "editor/view/gesture.h"
#include "editor/view/hovertip.h"
#include "editor/view/viewoptions.h"
#include "editor/view/zoomview.h"
#include "export/drawcontext.h"

class CVIREODoc;
class CEditAdapter;

class CVIREOView : public CZoomView {
    Q_OBJECT

public:
    // Internal view states (the tools of the editing commands come later).
    enum State { kIdle = 0, kZoomCenter = 3, kZoomWindow = 7, kCenterMove = 14 };

    CVIREOView(CVIREODoc& doc, CViewOptions& options, QWidget* parent = nullptr);
    ~CVIREOView() override;

    CVIREODoc& Document() const { return m_doc; }
    CViewOptions& Options() const { return m_options; }
    CDrawContext& DrawContext() { return m_ctx; }

    // Sets the zoom sizes from the document and zooms to its stored visible
    // area.  Runs by itself once the window first has a size.
    void OnInitialUpdate();
    bool IsInitialised() const { return m_initialised; }

    // --- zoom commands ------------------------------------------------------------------------
    void OnZoomUp();
    void OnZoomDown();
    void OnZoomCenter(); // the next left click centres the point
    void OnZoomLast();
    // Zoom All: modifiers as held when the command was given.
    void OnZoomAll(Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void OnZoomWindow();    // the next left drag gives the rectangle
    void OnDispArea(int n); // display area 1 or 2
    void OnResetAreas();
    void OnDefineArea(int n); // 0 the all area, 1 and 2
    void OnGrid();            // between main and sub grid
    const CRect& DisplayArea(int n) const { return m_areas[n]; }

    // The view state (0 idle, 3 Zoom Center, 7 zoom rectangle, 14 centre move,
    // the gesture states while a gesture runs).
    int ViewState() const { return m_state; }
    bool IsZoomWindowPending() const { return m_zoomWindowPending; }
    bool IsAutoScrolling() const { return m_autoScrollTimer.isActive(); }

    // --- drawing -------------------------------------------------------------------------------
    // Draws the sheet as the window shows it into any painter (the window's
    // image, screenshots): background, grid, title block, drawing and
    // selection, for the pixels in clip.
    void RenderSheet(QPainter& painter, const QRect& clip, bool withSelection = true);
    // The items in this sheet rectangle changed: redraw that part.
    void InvalidateSheetRect(const CRect& r);
    // Everything changed (settings, display switches, the whole document).
    void InvalidateAll();

    // --- editing ---------------------------------------------------------------------------------
    // The editing engine's adapter: tools, selection and edits.
    CEditAdapter& Edit() { return *m_edit; }
    // A status text of the editing engine (pane 0 key help, pane 1 coordinates).
    void ShowEditStatus(int pane, const QString& text);

    // --- hover tips ----------------------------------------------------------------------------
    // Where the hover tip of a named wire finds the name's other places.
    void SetWireIndexSource(CHoverTip::WireIndex source) { m_wireIndex = std::move(source); }
    // The tip the resting mouse at a client pixel shows (empty: none).
    QString HoverTipText(const QPoint& pixel) const;

    // --- status ----------------------------------------------------------------------------------
    // The last sheet point shown in the status bar (snapped to the grid).
    const CPoint& CurrentPoint() const { return m_current; }
    // Shows the point under a client pixel, snapped to the current grid.
    void UpdateStatus(const CPoint& sheetPoint);
    QString CoordinateStatus() const { return m_coordText; }
    QString ZoomStatus() const;
    // Pane 0: the key help of the state, or the gesture's name.
    QString HelpStatus() const { return m_helpText; }

signals:
    // The coordinate or zoom text changed.
    void StatusChanged();
    // The help text of pane 0 changed.
    void HelpChanged(const QString& text);

protected:
    void ViewChanged(bool scrolled) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void StoreVisibleArea();
    void EnterZoomState(int state);
    void ReturnFromZoomState();
    void SetHelp(const QString& text);
    QString StateHelp() const;
    void FinishGesture(const QPoint& release);
    void MoveCrosshair(const QPoint& pos, bool shown);
    QRect CrosshairArea(const QPoint& pos) const;
    void DrawOverlay(QPainter& painter);
    void DrawGrid(QPainter& painter, const QRect& clip);
    void MoveCursorPoint(int dx, int dy);
    void RefreshCursorShape();
    // While a rectangle is dragged with Scroll Lock on, a mouse near the
    // window's edge scrolls that way, again every 300 ms while it stays there.
    void AutoScroll(const QPoint& pos);

    CVIREODoc& m_doc;
    CViewOptions& m_options;
    CDrawContext m_ctx;
    int m_ctxGeneration = -1; // the options' load the drawing settings were read at
    bool m_initialised = false;

    int m_state = kIdle;
    int m_savedState = kIdle;
    bool m_zoomWindowPending = false;
    bool m_gestureActive = false;
    bool m_rectDragging = false;
    QPoint m_anchor;    // client pixel of the last press
    QPoint m_dragPoint; // client pixel of the rubber band's other corner
    CPoint m_current;
    CRect m_areas[3]; // the all area, area 1, area 2

    bool m_crossShown = false;
    QPoint m_crossPos;
    bool m_ignorePress = false;
    QTimer m_focusTimer;
    bool m_scrollLock = false; // toggled by Scroll Lock (and F14)
    QTimer m_autoScrollTimer;
    QPoint m_lastMouse;
    std::optional<QPoint> m_warpedTo; // where the arrow keys last put the mouse cursor
    QTimer m_tipTimer;                // the mouse has rested when it runs out
    QPoint m_tipPos;
    CHoverTip::WireIndex m_wireIndex;
    void ShowHoverTip();
    void CloseHoverTip();

    std::unique_ptr<CEditAdapter> m_edit;
    QImage m_image;  // the rendered sheet, without the selection (drawn over it)
    QRegion m_dirty; // parts of m_image to draw again
    QString m_coordText;
    QString m_helpText;
};
