// CChildFrame: the window of one document inside the main window.
#pragma once

#include <QMdiSubWindow>

class CMainFrame;
class CVIREODoc;
class CVIREOView;
struct CViewOptions;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    CChildFrame(CVIREODoc& doc, CViewOptions& options, CMainFrame& frame);

    CVIREODoc& Document() const { return m_doc; }
    CVIREOView* View() const { return m_view; }
    // The caption: the document's title with the modified mark.
    void RefreshTitle();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    CVIREODoc& m_doc;
    CMainFrame& m_frame;
    CVIREOView* m_view;
};
