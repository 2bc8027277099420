#include "bank_cli/test_installer.h"

#include "app/bank_location.h"
#include "app/whole_file.h"
#include "bank/bank_reader.h"
#include "bank/utf8_file.h"
#include "bank_cli/bank_check.h"
#include "bank_cli/bank_command.h"
#include "bank_cli/counted.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <numeric>

namespace bank_cli {

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool readAll(const QString &path, QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        return true;
    }
    *error = path + QStringLiteral(": ") + file.errorString();
    return false;
}

// What is wrong with a picture file for the program, or nothing.
QString pictureProblem(const QString &path, const QString &name)
{
    if (!QFileInfo(path).isFile())
        return QCoreApplication::translate("TestInstaller", "there is no picture file %1").arg(name);
    QImageReader reader(path);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "png")
        return QCoreApplication::translate("TestInstaller", "%1 is no BMP or PNG picture").arg(name);
    if (reader.read().isNull())
        return QCoreApplication::translate("TestInstaller", "%1 cannot be read: %2").arg(name, reader.errorString());
    return QString();
}

} // namespace

TestInstaller::TestInstaller(QTextStream &out, QTextStream &err)
    : m_out(out), m_err(err), m_target(app::mMain::testFilePath()), m_backups(m_target)
{}

int TestInstaller::install(const QString &file, const QByteArray &bytes, bool force, const QString &pictureList)
{
    const BankCheck check = checkTestFile(bytes, file);
    if (!mayInstall(file, check, force))
        return BankCommand::BadInput;
    std::optional<bank::PictureList> pictures = bank::PictureList();
    if (!pictureList.isEmpty())
        pictures = teacherPictures(pictureList, check.recordCount);
    if (!pictures || !replace({bytes, pictures->toText().toUtf8()}))
        return BankCommand::BadInput;
    m_out << tr("installed as %1").arg(native(m_target)) << '\n';
    if (pictures->pictures().isEmpty())
        m_out << tr("no question shows a picture; --pictures LIST.txt gives them") << '\n';
    else
        //: "12 questions with a picture".
        m_out << tr("%1 with a picture").arg(counted(pictures->pictures().size(), Questions)) << '\n';
    return BankCommand::Success;
}

bool TestInstaller::mayInstall(const QString &file, const BankCheck &check, bool force)
{
    if (check.outcome != ProgramOutcome::StartsNormally) {
        m_err << file << ": " << tr("not installed: the program would not start normally with it") << '\n';
        return false;
    }
    QStringList reasons;
    if (check.recordCount < FewestRecords)
        reasons << tr("only %1, and a test draws thirty different questions from at least %2")
                       .arg(counted(check.recordCount, Records))
                       .arg(FewestRecords);
    const int rightOnes = std::accumulate(std::begin(check.rightAnswers), std::end(check.rightAnswers), 0);
    if (const int outside = check.recordCount - rightOnes; outside > 0)
        reasons << (outside == 1
                        ? tr("1 record has a right answer other than 1 to 4, and no answer to it counts as right")
                        : tr("%1 records have a right answer other than 1 to 4, and no answer to it counts as "
                             "right")
                              .arg(outside));
    if (force)
        return true;
    for (const QString &reason : std::as_const(reasons))
        m_err << file << ": " << tr("not installed: %1; --force installs it anyway").arg(reason) << '\n';
    return reasons.isEmpty();
}

std::optional<bank::PictureList> TestInstaller::teacherPictures(const QString &listFile, int recordCount)
{
    QString text;
    bank::SourceError readError;
    if (!bank::readUtf8File(listFile, text, readError)) {
        m_err << readError.toString() << '\n';
        return std::nullopt;
    }
    QList<bank::SourceError> errors;
    const bank::PictureList given =
        bank::PictureList::parse(text, listFile, QFileInfo(listFile).path(), recordCount, errors);
    for (const bank::PictureList::Picture &picture : given.pictures()) {
        if (picture.carriedRecord == 0) {
            if (const QString problem = pictureProblem(given.pathOf(picture), picture.file); !problem.isEmpty())
                errors.append({picture.where, problem});
        }
    }
    if (!errors.isEmpty()) {
        bank::sortInFileOrder(errors, {listFile});
        for (const bank::SourceError &error : std::as_const(errors))
            m_err << error.toString() << '\n';
        m_err << listFile << ": " << tr("nothing installed") << '\n';
        return std::nullopt;
    }
    bank::PictureList installed;
    for (auto it = given.pictures().cbegin(); it != given.pictures().cend(); ++it) {
        if (it->carriedRecord) {
            installed.setCarried(it.key(), it->carriedRecord);
            continue;
        }
        QString error;
        const QString copy = copyPicture(given.pathOf(*it), &error);
        if (copy.isEmpty()) {
            m_err << error << '\n';
            return std::nullopt;
        }
        installed.setFile(it.key(), copy);
    }
    return installed;
}

// The copy is named by its content, so the lists of earlier tests never see their pictures change.
QString TestInstaller::copyPicture(const QString &path, QString *error)
{
    QByteArray bytes;
    if (!readAll(path, bytes, error))
        return QString();
    const QFileInfo target(m_target);
    const QString folder = target.completeBaseName() + QStringLiteral("-pictures");
    const QString name =
        folder + u'/' + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16))
        + u'.' + QString::fromLatin1(QImageReader::imageFormat(path));
    const QString copy = target.dir().filePath(name);
    if (QFileInfo(copy).isFile())
        return name;
    if (!QDir(target.path()).mkpath(folder) || !app::writeWholeFile(copy, bytes, error)) {
        *error = copy + QStringLiteral(": ") + *error;
        return QString();
    }
    return name;
}

int TestInstaller::listBackups()
{
    const QList<TestBackups::Backup> backups = m_backups.all();
    if (backups.isEmpty()) {
        m_out << tr("no backups in %1; lorvane-bank restore --default puts back the test carried in the program")
                     .arg(native(m_backups.folder()))
              << '\n';
        return BankCommand::Success;
    }
    m_out << tr("backups of %1 in %2:").arg(native(m_target), native(m_backups.folder())) << '\n';
    for (const TestBackups::Backup &backup : backups) {
        QByteArray bytes;
        QString error;
        const QString records =
            readAll(backup.testFile, bytes, &error) ? counted(bank::countQuestions(bytes), Records) : error;
        m_out << QStringLiteral("%1  %2  %3%4\n")
                     .arg(backup.number, 4)
                     .arg(backup.kept.toString(QStringLiteral("yyyy-MM-dd hh:mm")), records,
                          backup.pictureList.isEmpty() ? QString() : tr(", with a picture list"));
    }
    m_out << tr("lorvane-bank restore N puts backup N back, restore --default the test carried in the program; "
                "the test they replace is kept as a backup too")
          << '\n';
    return BankCommand::Success;
}

int TestInstaller::restore(int number)
{
    const std::optional<TestBackups::Backup> backup = m_backups.find(number);
    if (!backup) {
        m_err << tr("there is no backup %1 in %2 (lorvane-bank restore lists them)")
                     .arg(number)
                     .arg(native(m_backups.folder()))
              << '\n';
        return BankCommand::BadInput;
    }
    InstalledTest test;
    QString error;
    if (!TestBackups::read(*backup, test, &error)) {
        m_err << error << '\n';
        return BankCommand::BadInput;
    }
    if (!replace(test))
        return BankCommand::BadInput;
    m_out << tr("backup %1 is back as %2").arg(number).arg(native(m_target)) << '\n';
    return BankCommand::Success;
}

int TestInstaller::restoreDefault()
{
    InstalledTest carried;
    QString error;
    if (!readAll(app::mMain::DefaultTestFileResource, carried.test, &error)) {
        m_err << error << '\n';
        return BankCommand::BadInput;
    }
    if (!replace(carried))
        return BankCommand::BadInput;
    m_out << tr("the test carried in the program is back as %1, with its own pictures").arg(native(m_target)) << '\n';
    return BankCommand::Success;
}

bool TestInstaller::replace(const InstalledTest &next)
{
    const QString listPath = bank::PictureList::pathBeside(m_target);
    InstalledTest current;
    QString error;
    const bool hasTest = QFileInfo(m_target).isFile();
    if (QFileInfo(listPath).isFile() && !readAll(listPath, current.pictures.emplace(), &error)) {
        m_err << error << '\n';
        return false;
    }
    int kept = 0;
    if (hasTest && (!readAll(m_target, current.test, &error) || (kept = m_backups.keep(current, &error)) == 0)) {
        m_err << error << '\n';
        return false;
    }
    if (!putPictureList(next.pictures, &error)) {
        m_err << error << '\n';
        return false;
    }
    if (!app::writeWholeFile(m_target, next.test, &error)) {
        m_err << m_target << ": " << error << '\n';
        putPictureList(current.pictures, &error);
        return false;
    }
    if (kept)
        m_out << tr("the test it replaces is kept as backup %1: %2")
                     .arg(kept)
                     .arg(native(QDir(m_backups.folder()).filePath(QStringLiteral("%1.lvq").arg(kept))))
              << '\n';
    return true;
}

bool TestInstaller::putPictureList(const std::optional<QByteArray> &list, QString *error)
{
    const QString path = bank::PictureList::pathBeside(m_target);
    if (list) {
        if (app::writeWholeFile(path, *list, error))
            return true;
        *error = path + QStringLiteral(": ") + *error;
        return false;
    }
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    *error = path + QStringLiteral(": ") + file.errorString();
    return false;
}

} // namespace bank_cli
