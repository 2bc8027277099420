// Sub Main: one copy at a time, the test file in place, then the main window.
#include "app/bank_location.h"
#include "app/font_substitution.h"
#include "app/interface_language.h"
#include "app/m_main.h"
#include "app/m_registry.h"
#include "app/program_end.h"
#include "app/session_bus.h"
#include "app/single_instance_guard.h"
#include "forms/msg_box.h"
#include "main_window/frm_main.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    app::SessionBus sessionBus;
    QApplication app(argc, argv);
    sessionBus.settle();
    app::InterfaceLanguage::install(app::InterfaceLanguage::choose(
        app::mRegistry::ReadSetting(app::mRegistry::Settings::Language), QLocale::system().uiLanguages()));
    QApplication::setApplicationName(QStringLiteral("Lorvane"));
    QApplication::setApplicationVersion(QStringLiteral(LORVANE_VERSION));
    app::mMain::installArmenianFontSubstitutes();

    app::SingleInstanceGuard guard;
    if (!guard.tryAcquire()) {
        forms::MsgBox(QCoreApplication::translate("mMain", "Lorvane Already Running!"), app::mMain::AppTitle);
        return 0;
    }
    app::mMain::setInstanceGuard(&guard);

    if (!app::mMain::FileExists(app::mMain::testFilePath())) {
        const QString failure = app::mMain::WriteDefaultTestFile();
        if (!failure.isEmpty()) {
            forms::MsgBox(failure, app::mMain::AppTitle);
            return 1;
        }
    }

    main_window::frmMain main;
    main.Load();
    return app.exec();
}
