#include "editor/window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/settings.h"
#include "base/messages.h"
#include "base/profile.h"
#include "editor/view/qtstring.h"

QString ChooseLanguage(const QString& setting, const QLocale& system)
{
    const QString s = setting.trimmed().toLower();
    if (s.startsWith("ja"))
        return "ja";
    if (s.startsWith("en"))
        return "en";
    return system.language() == QLocale::Japanese ? "ja" : "en";
}

QString ConfiguredLanguage()
{
    return ToQString(SettingString("Settings", "Language"));
}

void SetConfiguredLanguage(const QString& setting)
{
    Profile().WriteString("Settings", "Language", ToCString(setting));
}

bool InstallTranslations(QCoreApplication& app, const QString& language)
{
    static QTranslator* ours = nullptr;
    static QTranslator* qt = nullptr;
    for (QTranslator** t : {&ours, &qt}) {
        if (*t) {
            app.removeTranslator(*t);
            delete *t;
            *t = nullptr;
        }
    }
    SetMessageLanguage(language == "ja" ? MessageLanguage::Japanese : MessageLanguage::English);
    qt = new QTranslator;
    if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    ours = new QTranslator;
    const bool loaded = ours->load(":/i18n/vireo_" + language + ".qm");
    if (loaded)
        app.installTranslator(ours);
    return loaded;
}
