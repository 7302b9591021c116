// The translation look-up. QTranslator::load(QLocale, ...) would go on to a later language of
// the user's list after an English one and so translate for a user who prefers English; the
// loop here stops there.
#include "mainwindow/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace form1 {
namespace {

constexpr char kInstalledFolder[] = "/../share/quillmar-dvd/translations";
// Qt's own texts (the file dialog's labels, the message boxes' buttons), from Debian's
// qt6-translations-l10n where it is installed.
constexpr char kQtBaseName[] = "qtbase_";

// The languages the program's own texts are written in.
bool isSourceLanguage(const QString& language) {
    return language == QLatin1String("C") || language.startsWith(QLatin1String("en"));
}

} // namespace

QStringList translationFolders() {
    return {
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1String(kInstalledFolder)),
        QStringLiteral(QDCT_BUILD_TRANSLATIONS_DIR)};
}

std::unique_ptr<QTranslator> installTranslation(const QLocale& locale, const QStringList& folders) {
    for (QString language : locale.uiLanguages()) {
        if (isSourceLanguage(language)) return nullptr;
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        // load() also tries the name without its region ("de_AT" finds "de").
        const QString name = QLatin1String(kTranslationBaseName) + QLatin1Char('_') + language;
        for (const QString& folder : folders) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(name, folder) ||
                !QCoreApplication::installTranslator(translator.get()))
                continue;
            // Owned by the program's translator, and uninstalled with it.
            auto* qt = new QTranslator(translator.get());
            if (qt->load(QLatin1String(kQtBaseName) + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(qt);
            return translator;
        }
    }
    return nullptr;
}

} // namespace form1
