// vireo: the schematic editor.
//
//   vireo [FILE]     FILE is a sheet (.dcd), a project (.dpj) or a Tango text.
//   vireo --replay SCRIPT FILE
//                    opens FILE and replays an edit script on it (the lines of
//                    vireo-cli edit), then goes on as usual.
//
// A second start hands FILE to the running program and exits.
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <QFileInfo>
#include <QUrl>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "app/edit/editscript.h"
#include "app/startup.h"
#include "app/vireoapp.h"
#include "base/host.h"
#include "editor/view/editadapter.h"
#include "editor/view/viewoptions.h"
#include "editor/view/vireoview.h"
#include "editor/window/mainframe.h"
#include "editor/window/qthost.h"
#include "editor/window/singleinstance.h"
#include "editor/window/translations.h"

int main(int argc, char** argv)
{
    // Report dates are Japan time, whatever the machine says.
    setenv("TZ", "JST-9", 1);
    tzset();

    QApplication app(argc, argv);
    QApplication::setApplicationName("Vireo");
    QApplication::setApplicationDisplayName("Vireo");
    QApplication::setApplicationVersion(VIREO_VERSION);
    QApplication::setOrganizationName("TARN");
    QApplication::setWindowIcon(QIcon(":/vireo/vireo.png"));
    // Numbers in the C library stay in the C form whatever the locale.
    std::setlocale(LC_NUMERIC, "C");

    QStringList args = QApplication::arguments();
    std::vector<CScriptEvent> replay;
    if (args.size() > 1 && args.at(1) == "--replay") {
        if (args.size() != 4) {
            std::fprintf(stderr, "usage: vireo --replay SCRIPT FILE\n");
            return 2;
        }
        QFile script(args.at(2));
        if (!script.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "vireo: %s: cannot be read\n", qPrintable(args.at(2)));
            return 1;
        }
        int line = 0;
        std::string error;
        if (!ParseEditScript(script.readAll().toStdString(), replay, line, error)) {
            std::fprintf(stderr, "vireo: %s:%d: %s\n", qPrintable(args.at(2)), line, error.c_str());
            return 2;
        }
        args = QStringList{args.at(0), args.at(3)};
    }
    QString argument = args.size() > 1 ? args.at(1) : QString();
    // The desktop hands files as "file:" URLs and report links as "vireo:" ones.
    if (argument.startsWith("file:"))
        argument = QUrl(argument).toLocalFile();
    const bool link = argument.startsWith("vireo:");

    // Second start: hand the file over and end.
    const QString instanceName = CSingleInstance::DefaultName();
    QByteArray request = link ? argument.toUtf8() : QFileInfo(argument).absoluteFilePath().toUtf8();
    if (argument.isEmpty())
        request.clear();
    request.append('\0');
    if (CSingleInstance::SendToRunning(instanceName, kOpenFileMessageCode, request))
        return 0;
    CSingleInstance instance;
    instance.Listen(instanceName);

    InstallTranslations(app, ChooseLanguage(ConfiguredLanguage(), QLocale::system()));


    auto host = std::make_unique<CQtHost>();
    CQtHost* qtHost = host.get();
    CScopedHost scopedHost(std::move(host));

    CViewOptions options;
    options.Load();
    CVIREOApp vireo;
    CMainFrame frame(vireo, options);
    qtHost->SetParent(&frame);
    QObject::connect(&instance, &CSingleInstance::MessageReceived, &frame,
                     &CMainFrame::HandleInstanceMessage);
    frame.RestorePlacement();
    frame.show();
    // A file that cannot be opened was reported; the window stays, as after
    // any failed open.  A replay has nothing to work on then.
    const bool opened = frame.RunStartup(link ? QString() : argument);
    if (link)
        frame.OpenVireoLink(argument);
    if (!replay.empty()) {
        if (!opened)
            return 1;
        if (CVIREOView* view = frame.ActiveView())
            view->Edit().Replay(replay);
    }
    return app.exec();
}
