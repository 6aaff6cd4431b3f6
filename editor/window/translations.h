// The program's language: Japanese or English catalogues, chosen by the
// setting Settings/Language ("ja", "en"; empty follows the system locale).
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// "ja" or "en" for a setting and the system locale.
QString ChooseLanguage(const QString& setting, const QLocale& system);
// Installs the program's catalogue of the language (and Qt's own, when
// installed) and sets the language of the core's messages.  False when the
// program's catalogue could not be loaded.
bool InstallTranslations(QCoreApplication& app, const QString& language);
// The language the settings ask for now.
QString ConfiguredLanguage();
void SetConfiguredLanguage(const QString& setting);
