// vireo: the schematic editor.
//
//   vireo [FILE]     FILE is a sheet (.dcd), a project (.dpj) or a Tango text.
//
// A second start hands FILE to the running program and exits.
#include <QApplication>
#include <QFileInfo>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "app/startup.h"
#include "app/vireoapp.h"
#include "base/host.h"
#include "editor/view/viewoptions.h"
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

    const QStringList args = QApplication::arguments();
    const QString argument = args.size() > 1 ? args.at(1) : QString();

    // Second start: hand the file over and end.
    const QString instanceName = CSingleInstance::DefaultName();
    QByteArray request = QFileInfo(argument).absoluteFilePath().toUtf8();
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
    // any failed open.
    frame.RunStartup(argument);
    return app.exec();
}
