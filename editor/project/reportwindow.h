// CReportWindow: the net information report, the net index and the check
// log inside Vireo, every row that names a sheet and a point a link; a click
// asks the main window to bring that sheet forward at that point.
#pragma once

#include <QMainWindow>

class QTextBrowser;
class QUrl;

class CReportWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit CReportWindow(QWidget* parent = nullptr);

    // Shows a report file (CP932 text or HTML); false when it cannot be read.
    bool Load(const QString& path);
    const QString& Path() const { return m_path; }
    QTextBrowser* Browser() const { return m_browser; }
    // Follows a link as a click does (tests).
    void Follow(const QUrl& url);

signals:
    void JumpRequested(const QString& path, int x, int y);

private:
    QTextBrowser* m_browser;
    QString m_path;
};
