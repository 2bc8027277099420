#include "app/whole_file.h"

#include <QSaveFile>

namespace app {

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *errorString)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (errorString)
        *errorString = file.errorString();
    return false;
}

} // namespace app
