// picgen: draws the question bitmaps (or, with --icons, the program's icons, or with
// --app-icons, the application icon at the icon theme's sizes) into a directory.
#include "app_icons.h"
#include "question_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

using namespace picgen;

int main(int argc, char *argv[])
{
    // Drawing needs fonts but no screen; the same platform every run keeps the output identical.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    const bool icons = args.removeAll(QStringLiteral("--icons")) > 0;
    const bool appIcons = args.removeAll(QStringLiteral("--app-icons")) > 0;
    if (args.size() != 1 || (icons && appIcons)) {
        err << "usage: picgen [--icons | --app-icons] <output-dir>\n";
        return 2;
    }
    const QString directory = args.first();
    if (!QDir().mkpath(directory)) {
        err << "picgen: cannot create " << directory << "\n";
        return 1;
    }
    QString error;
    const bool ok = icons      ? AppIcons::writeAll(directory, &error)
                    : appIcons ? AppIcons::writeApplicationIcons(directory, &error)
                               : QuestionPictures::writeAll(directory, &error);
    if (!ok) {
        err << "picgen: " << error << "\n";
        return 1;
    }
    return 0;
}
