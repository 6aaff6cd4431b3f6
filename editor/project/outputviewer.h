// Showing what a project command wrote: HTML pages and PDF files with the
// desktop's handler, every other file with the text editor command of the
// settings (Tool/Editor), whose "%f" takes the file's path.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class COutputViewer {
public:
    // The program and arguments the editor command line gives for path:
    // the line is split into words (blanks separate, double quotes group),
    // "%f" in a word becomes the path; without any "%f" the path is added
    // as the last argument.  Empty when the line names no program.
    static QStringList EditorCommand(const QString& commandLine, const QString& path);
    // Whether the desktop's handler opens path (".html", ".pdf", without case).
    static bool OpensWithDesktop(const QString& path);

    // Shows the file; message 2904 when nothing could be started.
    static bool View(const QString& path);

    // Tests see the launches instead of starting programs: desktop is true
    // for the desktop's handler (argv then holds the path alone).
    using Launcher = std::function<bool(bool desktop, const QStringList& argv)>;
    static void SetLauncher(Launcher launcher);
};
