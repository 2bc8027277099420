#include "app/bank_location.h"

#include "app/whole_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace app::mMain {

QString userDataDirectory()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    const QString dir = data + QStringLiteral("/Lorvane");
    QDir().mkpath(dir);
    return dir;
}

QString testFileDirectory()
{
    const QString winDir = qEnvironmentVariable("WinDir");
    return winDir.isEmpty() ? userDataDirectory() : winDir;
}

QString defaultResultsFolder()
{
    return userDataDirectory() + QStringLiteral("/results");
}

QString testFilePath()
{
    return testFileDirectory() + QStringLiteral("/LVT.lvq");
}

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString WriteDefaultTestFile()
{
    const QString path = testFilePath();
    QFile resource(DefaultTestFileResource);
    if (!resource.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("mMain", "The default test file is missing from the program.");
    const QByteArray bytes = resource.readAll();

    QString error;
    if (writeWholeFile(path, bytes, &error))
        return QString();
    return QCoreApplication::translate("mMain", "Cannot write the test file %1:\n%2")
        .arg(QDir::toNativeSeparators(path), error);
}

} // namespace app::mMain
