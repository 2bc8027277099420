// lorvane-bank: the teachers' command for test files. Only the sheets and the report draw, and it needs
// no display: it runs on the offscreen platform unless another is asked for.
#include "app/font_substitution.h"
#include "app/interface_language.h"
#include "bank_cli/bank_command.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

#include <algorithm>
#include <memory>

int main(int argc, char *argv[])
{
    std::unique_ptr<QCoreApplication> app;
    if (std::any_of(argv + 1, argv + argc, [](const char *arg) {
            return qstrcmp(arg, "sheet") == 0 || qstrcmp(arg, "report") == 0 || qstrcmp(arg, "review") == 0;
        })) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        app::mMain::installArmenianFontSubstitutes();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("lorvane-bank"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LORVANE_VERSION));
    // The teachers' command speaks the desktop's language; the program's Language setting is
    // the classroom's, for the students' machines.
    app::InterfaceLanguage::install(app::InterfaceLanguage::choose(QString(), QLocale::system().uiLanguages()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return bank_cli::BankCommand(out, err).run(QCoreApplication::arguments());
}
