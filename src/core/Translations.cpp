// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations
{
QLocale::Language install(QCoreApplication &app, const QLocale &locale)
{
    // The locale's languages in the user's order (for the system's: LANGUAGE, then LC_ALL,
    // LC_MESSAGES, LANG). English, the language of the sources, ends the search like a catalogue
    // found: "LANGUAGE=en:de" asks for English first.
    auto *own = new QTranslator(&app);
    bool found = false;
    for (const QString &name : locale.uiLanguages())
    {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        found = own->load(language, QStringLiteral("corvina"), QStringLiteral("_"), QStringLiteral(":/i18n"));
        if (found)
            break;
    }
    if (!found)
    {
        delete own;
        return QLocale::C;
    }
    // Qt's texts in the language Corvina's were found in, not in the next one the user listed.
    const QLocale language(own->language());
    auto *qt = new QTranslator(&app);
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    // Installed last, so asked first.
    QCoreApplication::installTranslator(own);
    return language.language();
}
} // namespace Translations
