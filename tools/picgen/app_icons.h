#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The program's own icons: the main toolbar keys, the application icon, the test list icon
// and the artwork of the splash window and the about box. PNG with transparent backgrounds.
class AppIcons
{
public:
    static QStringList names(); // file names, e.g. "toolbar_start.png"
    static QImage render(const QString &name); // null for an unknown name
    static bool writeAll(const QString &directory, QString *errorString = nullptr);
};
