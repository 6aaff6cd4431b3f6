#include "editor/window/qthost.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include "editor/view/qtstring.h"

void CQtHost::Message(const CString& text, Severity severity)
{
    const QMessageBox::Icon icon = severity == Information ? QMessageBox::Information
                                   : severity == Warning   ? QMessageBox::Warning
                                                           : QMessageBox::Critical;
    QMessageBox box(icon, QApplication::applicationDisplayName(), ToQString(text), QMessageBox::Ok,
                    m_parent);
    box.exec();
}

int CQtHost::Ask(const CString& text, Buttons buttons, int defaultAnswer)
{
    QMessageBox::StandardButtons set;
    switch (buttons) {
    case OK:
        set = QMessageBox::Ok;
        break;
    case OKCancel:
        set = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case YesNo:
        set = QMessageBox::Yes | QMessageBox::No;
        break;
    case YesNoCancel:
        set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    }
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), ToQString(text),
                    set, m_parent);
    const int first = defaultAnswer ? defaultAnswer : FirstAnswer(buttons);
    box.setDefaultButton(first == IDYES      ? QMessageBox::Yes
                         : first == IDNO     ? QMessageBox::No
                         : first == IDCANCEL ? QMessageBox::Cancel
                                             : QMessageBox::Ok);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Ok:
        return IDOK;
    default:
        return IDCANCEL;
    }
}

bool CQtHost::IsShiftDown()
{
    return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
}

void CQtHost::ProgressBegin(const CString& title, int steps)
{
    if (!m_progress) {
        m_progress = new QProgressDialog(m_parent);
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setMinimumDuration(500);
        m_progress->setAutoReset(false);
        m_progress->setAutoClose(false);
    }
    m_progress->setLabelText(ToQString(title));
    m_progress->setRange(0, std::max(steps, 0));
    m_progress->setValue(0);
}

void CQtHost::ProgressStep(int step)
{
    if (m_progress) {
        m_progress->setValue(std::min(step, m_progress->maximum()));
        QApplication::processEvents();
    }
}

bool CQtHost::IsCancelled()
{
    return m_progress && m_progress->wasCanceled();
}

void CQtHost::ProgressEnd()
{
    delete m_progress;
}
