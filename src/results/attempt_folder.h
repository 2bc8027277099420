#pragma once

#include "results/attempt.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace results {

// Reads the attempts of files and folders. A folder gives its own *.json files, not those of its
// subfolders (a results folder is flat, and a subfolder may hold another class); the temporary
// files of a write in progress are no attempts and are passed over. A file that cannot be read,
// or holds no attempt, is named with its reason and the rest are read all the same.
class AttemptFolder
{
public:
    struct Problem
    {
        QString path;
        QString reason;
    };

    void read(const QStringList &paths);

    const QList<Attempt> &attempts() const { return m_attempts; }
    const QList<Problem> &problems() const { return m_problems; }

private:
    void readFile(const QString &path);

    QList<Attempt> m_attempts;
    QList<Problem> m_problems;
};

} // namespace results
