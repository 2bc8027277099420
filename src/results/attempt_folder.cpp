#include "results/attempt_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace results {

namespace {

// An attempt is a few kilobytes; anything much larger is another kind of file.
constexpr qint64 LargestAttempt = 1 << 20;

} // namespace

void AttemptFolder::read(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            readFile(path);
            continue;
        }
        const QDir folder(path);
        const QStringList names =
            folder.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable | QDir::Hidden, QDir::Name);
        for (const QString &name : names)
            readFile(folder.filePath(name));
    }
}

void AttemptFolder::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_problems.append({path, file.errorString()});
        return;
    }
    if (file.size() > LargestAttempt) {
        m_problems.append(
            {path, QCoreApplication::translate("results::AttemptFolder", "not an attempt file: far too large")});
        return;
    }
    Attempt attempt;
    QString error;
    if (Attempt::fromJson(file.readAll(), attempt, &error))
        m_attempts.append(std::move(attempt));
    else
        m_problems.append({path, error});
}

} // namespace results
