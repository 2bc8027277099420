#include "app/font_substitution.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace app::mMain {

void installArmenianFontSubstitutes()
{
    const QStringList installed = QFontDatabase::families();
    QStringList armenian;
    for (const QString &family : {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Armenian"),
                                  QStringLiteral("FreeSans"), QStringLiteral("Arial Unicode MS")}) {
        if (installed.contains(family))
            armenian << family;
    }
    for (const QString &name : {QStringLiteral("Bararan"), QStringLiteral("Times LatArm")}) {
        if (!installed.contains(name, Qt::CaseInsensitive))
            QFont::insertSubstitutions(name, armenian);
    }
}

} // namespace app::mMain
