#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace bank_cli {

// An installed test as it is on disk: the test file, and its picture list when it has one.
struct InstalledTest
{
    QByteArray test;
    std::optional<QByteArray> pictures;
};

// The tests that install and restore have replaced, in a folder beside the test file: LVT.lvq
// keeps them in LVT-backups as 1.lvq, 2.lvq ..., each with N.pictures when it had a picture list.
// A number is never given twice.
class TestBackups
{
    Q_DECLARE_TR_FUNCTIONS(TestBackups)

public:
    struct Backup
    {
        int number = 0;
        QDateTime kept;
        QString testFile;
        QString pictureList; // empty when the test had none
    };

    explicit TestBackups(const QString &testFile);

    QString folder() const { return m_folder; }
    // Every backup, by number.
    QList<Backup> all() const;
    std::optional<Backup> find(int number) const;
    // Reads a backup back; false with the file error in *error.
    static bool read(const Backup &backup, InstalledTest &test, QString *error);

    // Keeps test under the next number, its picture list first so that a backup never lacks it;
    // the number, or 0 with the file error in *error and nothing kept.
    int keep(const InstalledTest &test, QString *error) const;

private:
    int nextNumber() const;

    QString m_folder;
};

} // namespace bank_cli
