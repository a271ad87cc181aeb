// SPDX-License-Identifier: MIT
#include "app/Translations.h"

#include "widgets/QtConversions.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvane {

namespace {

// Loads Orvane's translation for the first of the user's languages, in their order (from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG), that it has one for; each is also tried without its
// country ("de_AT", then "de"). English, the language the texts are written in, ends the search.
bool loadOwnTranslation(QTranslator& translator, const QString& folder)
{
    for (const QString& name : QLocale().uiLanguages()) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English)
            return false;
        if (translator.load(locale, QStringLiteral("orvane"), QStringLiteral("_"), folder))
            return true;
    }
    return false;
}

} // namespace

std::string installTranslations(QCoreApplication& application,
                                const std::filesystem::path& programDir)
{
    auto* own = new QTranslator(&application);
    if (!loadOwnTranslation(*own, pathToQString(programDir.string()))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // "orvane_de.qm" speaks "de".
    const QString language = QFileInfo(own->filePath()).completeBaseName().section(u'_', 1);

    // Missing where Debian's qt6-translations-l10n is not installed: Qt's texts then stay English.
    auto* qt = new QTranslator(&application);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language.toStdString();
}

} // namespace orvane
