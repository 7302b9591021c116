// Loading the user's language: the program's own translation from the installed translations
// folder (or the build's, when run from the build tree). The texts in the code are English, so
// an English or C locale loads nothing and every text stays as written.
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace form1 {

inline constexpr char kTranslationBaseName[] = "quillmar-dvd";

// share/quillmar-dvd/translations beside the installed program, then the build tree's folder.
QStringList translationFolders();

// Installs into the running application the translation for the first of `locale`'s UI
// languages that has one in `folders`, stopping at the first English or C one, together with
// Qt's own translation for that language where there is one. Null when none was installed;
// the translator uninstalls itself (and Qt's) when destroyed.
std::unique_ptr<QTranslator> installTranslation(const QLocale& locale, const QStringList& folders);

} // namespace form1
