#include "editor/project/reportwindow.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "base/codepage.h"
#include "base/host.h"
#include "editor/project/reportlinks.h"
#include "editor/view/qtstring.h"

CReportWindow::CReportWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName("ReportWindow");
    setWindowTitle(tr("Report"));
    m_browser->setOpenLinks(false);
    m_browser->setLineWrapMode(QTextEdit::NoWrap);
    setCentralWidget(m_browser);
    resize(900, 560);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &CReportWindow::Follow);
}

bool CReportWindow::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Host().Message(ToCString(tr("Cannot open file %1").arg(path)), CHost::Error);
        return false;
    }
    const QByteArray bytes = file.readAll();
    // Reports are written in the Japanese code page.
    const QString text = ToQString(CString(std::string(bytes.constData(), size_t(bytes.size()))));
    m_path = path;
    const QString folder = QFileInfo(path).absolutePath();
    if (path.endsWith(".html", Qt::CaseInsensitive))
        m_browser->setHtml(LinkHtmlReport(text, folder));
    else
        m_browser->setHtml(LinkTextReport(text, folder));
    setWindowTitle(tr("Report - %1").arg(QFileInfo(path).fileName()));
    return true;
}

void CReportWindow::Follow(const QUrl& url)
{
    const QString link = url.toString(QUrl::FullyEncoded);
    if (const std::optional<CReportJump> jump = ParseVireoLink(link)) {
        emit JumpRequested(jump->path, jump->at.x, jump->at.y);
        return;
    }
    // Anything else (a web link in a template) goes to the desktop.
    if (url.scheme() == "http" || url.scheme() == "https")
        QDesktopServices::openUrl(url);
}
