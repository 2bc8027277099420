#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The language of the program's own texts: Armenian or English. The English texts are the
// program's own and need nothing loaded; the Armenian ones come from the translation carried in
// the program's resources.
class InterfaceLanguage
{
public:
    static inline const QString Armenian = QStringLiteral("hy");
    static inline const QString English = QStringLiteral("en");

    // The setting names a language ("hy", "en") or is "auto" (or empty): then the desktop's
    // languages decide, in their order (QLocale::uiLanguages(): LANGUAGE, then LC_ALL,
    // LC_MESSAGES, LANG): the first that is Armenian or English wins, others are passed over,
    // and English is left when none is.
    static QString choose(const QString &setting, const QStringList &desktopLanguages);

    // Installs the translation of LANGUAGE into the application (which must exist) and keeps it
    // for the program's lifetime. False for English, or when the translation cannot be loaded.
    static bool install(const QString &language);
};

} // namespace app
