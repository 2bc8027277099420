#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace picgen {

// The program's own icons: the main toolbar keys, the application icon, the test list icon
// and the artwork of the splash window and the about box. PNG with transparent backgrounds.
class AppIcons
{
public:
    static QStringList names();                // file names, e.g. "toolbar_start.png"
    static QImage render(const QString &name); // null for an unknown name
    static bool writeAll(const QString &directory, QString *errorString = nullptr);

    // The application icon again at the sizes desktops look up in the icon theme, each file
    // named "lorvane-<size>.png"; the 48-pixel one is the program's own lorvane.png.
    static QList<int> applicationIconSizes();
    static QImage renderApplicationIcon(int size);
    static bool writeApplicationIcons(const QString &directory, QString *errorString = nullptr);
};

} // namespace picgen
