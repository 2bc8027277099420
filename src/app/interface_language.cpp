#include "app/interface_language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace app {

namespace {

// "hy", "hy-AM", "hy_AM.UTF-8" and the like name Armenian; "C" and "POSIX" name English.
QString languageOf(const QString &name)
{
    const QString lower = name.trimmed().toLower();
    if (lower == QLatin1String("c") || lower.startsWith(QLatin1String("c.")) || lower == QLatin1String("posix"))
        return InterfaceLanguage::English;
    return lower.section(u'_', 0, 0).section(u'-', 0, 0).section(u'.', 0, 0);
}

} // namespace

QString InterfaceLanguage::choose(const QString &setting, const QStringList &desktopLanguages)
{
    const QString asked = setting.trimmed().toLower();
    if (!asked.isEmpty() && asked != QLatin1String("auto"))
        return languageOf(asked) == Armenian ? Armenian : English;
    for (const QString &name : desktopLanguages) {
        const QString language = languageOf(name);
        if (language == Armenian || language == English)
            return language;
    }
    return English;
}

bool InterfaceLanguage::install(const QString &language)
{
    if (language != Armenian)
        return false;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/lorvane_%1.qm").arg(language))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace app
