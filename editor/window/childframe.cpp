#include "editor/window/childframe.h"

#include <QCloseEvent>

#include "app/vireoapp.h"
#include "app/vireodoc.h"
#include "editor/view/qtstring.h"
#include "editor/view/vireoview.h"
#include "editor/window/mainframe.h"

CChildFrame::CChildFrame(CVIREODoc& doc, CViewOptions& options, CMainFrame& frame)
    : m_doc(doc), m_frame(frame), m_view(new CVIREOView(doc, options))
{
    setWidget(m_view);
    // The tip of a named wire lists where the name stands on the open sheets.
    m_view->SetWireIndexSource([&frame](const CString& name) {
        QStringList lines;
        int number = 0;
        for (const auto& other : frame.App().Documents()) {
            ++number;
            for (const CLine& wire : other->MainSheet().Wires())
                if (wire.GetName().CompareNoCase(name) == 0) {
                    const CPoint at = wire.GetNameText().GetPoint();
                    lines << QString("%1: %2 [%3,%4]")
                                 .arg(number)
                                 .arg(QString::fromStdString(other->GetPathName().filename().string()))
                                 .arg(at.x / 100)
                                 .arg(at.y / 100);
                    break;
                }
        }
        return lines;
    });
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
