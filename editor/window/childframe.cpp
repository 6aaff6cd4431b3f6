#include "editor/window/childframe.h"

#include <QCloseEvent>

#include "app/vireodoc.h"
#include "editor/view/qtstring.h"
#include "editor/view/vireoview.h"
#include "editor/window/mainframe.h"

CChildFrame::CChildFrame(CVIREODoc& doc, CViewOptions& options, CMainFrame& frame)
    : m_doc(doc), m_frame(frame), m_view(new CVIREOView(doc, options))
{
    setWidget(m_view);
    setAttribute(Qt::WA_DeleteOnClose, false);
    RefreshTitle();
}

void CChildFrame::RefreshTitle()
{
    const QString title = ToQString(m_doc.TitleText(isMinimized()));
    if (title != windowTitle())
        setWindowTitle(title);
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    // The window goes when its document goes: the main frame asks the save
    // question and closes the document, which removes this window.
    event->ignore();
    m_frame.RequestClose(&m_doc);
}

void CChildFrame::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        RefreshTitle();
}
