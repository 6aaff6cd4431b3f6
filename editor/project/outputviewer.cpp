#include "editor/project/outputviewer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "app/settings.h"
#include "base/host.h"
#include "base/messages.h"
#include "editor/view/qtstring.h"

namespace {
COutputViewer::Launcher& TestLauncher()
{
    static COutputViewer::Launcher launcher;
    return launcher;
}
} // namespace

QStringList COutputViewer::EditorCommand(const QString& commandLine, const QString& path)
{
    QStringList words = QProcess::splitCommand(commandLine);
    bool placed = false;
    for (QString& word : words) {
        if (word.contains("%f")) {
            // Replaced once per word: a path holding "%f" stays as it is.
            word.replace("%f", path);
            placed = true;
        }
    }
    if (words.isEmpty())
        return {};
    if (!placed)
        words << path;
    return words;
}

bool COutputViewer::OpensWithDesktop(const QString& path)
{
    const QString lower = path.toLower();
    return lower.endsWith(".html") || lower.endsWith(".pdf");
}

bool COutputViewer::View(const QString& path)
{
    bool started = false;
    QStringList argv;
    const bool desktop = OpensWithDesktop(path);
    if (desktop)
        argv << path;
    else
        argv = EditorCommand(ToQString(SettingString("Tool", "Editor")), path);
    if (TestLauncher()) {
        started = TestLauncher()(desktop, argv);
    } else if (desktop) {
        started = QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    } else if (!argv.isEmpty()) {
        const QString program = argv.takeFirst();
        started = QProcess::startDetached(program, argv);
    }
    if (!started)
        Host().Message(FormatMessage(2904, ToCString(path)), CHost::Error);
    return started;
}

void COutputViewer::SetLauncher(Launcher launcher)
{
    TestLauncher() = std::move(launcher);
}
