#pragma once

#include "bank/picture_list.h"
#include "bank_cli/test_backups.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QTextStream>

#include <optional>

namespace bank_cli {

struct BankCheck;

// Puts tests where the program reads them, and puts replaced ones back: install and restore.
// Every test replaced is kept as a numbered backup first, and a test goes in with its picture
// list, so a failure at any step leaves the installed test as it was and nothing is ever lost.
// Each command returns the exit status of lorvane-bank.
class TestInstaller
{
    Q_DECLARE_TR_FUNCTIONS(TestInstaller)

public:
    TestInstaller(QTextStream &out, QTextStream &err);

    // Installs bytes read from file. A file the program cannot run a whole test with (too few
    // records, a right answer outside 1 to 4) goes in only with force. pictureList, the teacher's
    // list, gives the questions their pictures; without it no question has one.
    int install(const QString &file, const QByteArray &bytes, bool force, const QString &pictureList);
    // The backups with their dates and record counts, and how to restore one.
    int listBackups();
    int restore(int number);
    // The test carried in the program, with its own pictures.
    int restoreDefault();

private:
    bool mayInstall(const QString &file, const BankCheck &check, bool force);
    // The teacher's list, checked and with its files copied beside the test; nothing on a problem.
    std::optional<bank::PictureList> teacherPictures(const QString &listFile, int recordCount);
    QString copyPicture(const QString &path, QString *error);
    // Keeps what is installed as a backup, then puts next in its place.
    bool replace(const InstalledTest &next);
    bool putPictureList(const std::optional<QByteArray> &list, QString *error);

    QTextStream &m_out;
    QTextStream &m_err;
    const QString m_target;
    TestBackups m_backups;
};

} // namespace bank_cli
