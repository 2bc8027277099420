#include "bank_cli/test_backups.h"

#include "app/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace bank_cli {

namespace {

const QString TestEnding = QStringLiteral(".lvq");
const QString ListEnding = QStringLiteral(".pictures");

bool readAll(const QString &path, QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    bytes = file.readAll();
    return true;
}

} // namespace

TestBackups::TestBackups(const QString &testFile)
{
    const QFileInfo test(testFile);
    m_folder = test.path() + u'/' + test.completeBaseName() + QStringLiteral("-backups");
}

QList<TestBackups::Backup> TestBackups::all() const
{
    QList<Backup> backups;
    const QDir folder(m_folder);
    for (const QFileInfo &file : folder.entryInfoList({u'*' + TestEnding}, QDir::Files)) {
        bool isNumber = false;
        const int number = file.completeBaseName().toInt(&isNumber);
        if (!isNumber || number < 1)
            continue;
        const QString list = folder.filePath(QString::number(number) + ListEnding);
        backups.append({number, file.lastModified(), file.filePath(), QFileInfo(list).isFile() ? list : QString()});
    }
    std::sort(backups.begin(), backups.end(), [](const Backup &a, const Backup &b) { return a.number < b.number; });
    return backups;
}

std::optional<TestBackups::Backup> TestBackups::find(int number) const
{
    for (const Backup &backup : all()) {
        if (backup.number == number)
            return backup;
    }
    return std::nullopt;
}

bool TestBackups::read(const Backup &backup, InstalledTest &test, QString *error)
{
    if (!readAll(backup.testFile, test.test, error))
        return false;
    test.pictures.reset();
    if (backup.pictureList.isEmpty())
        return true;
    QByteArray list;
    if (!readAll(backup.pictureList, list, error))
        return false;
    test.pictures = list;
    return true;
}

int TestBackups::keep(const InstalledTest &test, QString *error) const
{
    if (!QDir().mkpath(m_folder)) {
        *error = m_folder + QStringLiteral(": ") + tr("the folder cannot be made");
        return 0;
    }
    const int number = nextNumber();
    const QString base = QDir(m_folder).filePath(QString::number(number));
    if (test.pictures && !app::writeWholeFile(base + ListEnding, *test.pictures, error)) {
        *error = base + ListEnding + QStringLiteral(": ") + *error;
        return 0;
    }
    if (!app::writeWholeFile(base + TestEnding, test.test, error)) {
        *error = base + TestEnding + QStringLiteral(": ") + *error;
        QFile::remove(base + ListEnding);
        return 0;
    }
    return number;
}

// One above every number in the folder, a picture list's too.
int TestBackups::nextNumber() const
{
    int highest = 0;
    for (const QString &name : QDir(m_folder).entryList({u'*' + TestEnding, u'*' + ListEnding}, QDir::Files))
        highest = std::max(highest, QFileInfo(name).completeBaseName().toInt());
    return highest + 1;
}

} // namespace bank_cli
