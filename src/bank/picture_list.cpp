#include "bank/picture_list.h"

#include "bank/question_pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace bank {

namespace {

const QString ListEnding = QStringLiteral(".pictures");
const QString Heading = QStringLiteral("# The pictures of the questions: RECORD: carried N (the picture of the carried "
                                       "test's question N) or RECORD: FILE\n");

// Captures the record number, then what follows the colon.
const QRegularExpression LineForm(QStringLiteral("^\\s*(\\d+)\\s*:\\s*(.*?)\\s*$"));
const QRegularExpression CarriedForm(QStringLiteral("^carried\\s+(\\d+)$"), QRegularExpression::CaseInsensitiveOption);

} // namespace

QString PictureList::pathBeside(const QString &testFile)
{
    const QFileInfo test(testFile);
    return test.path() + u'/' + test.completeBaseName() + ListEnding;
}

PictureList PictureList::parse(const QString &text, const QString &listName, const QString &folder, int recordCount,
                               QList<SourceError> &errors)
{
    PictureList list;
    list.m_folder = folder;
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF)))
        lines.first().remove(0, 1);
    for (int n = 1; n <= lines.size(); ++n) {
        QString line = lines.at(n - 1);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        const auto at = [&](qsizetype index) { return SourcePosition{listName, n, int(index) + 1}; };
        const QRegularExpressionMatch match = LineForm.match(line);
        if (!match.hasMatch()) {
            errors.append(
                {at(line.indexOf(line.trimmed().at(0))),
                 QCoreApplication::translate("bank::PictureList", "a line is RECORD: carried N or RECORD: FILE")});
            continue;
        }
        bool isNumber = false;
        const int record = match.captured(1).toInt(&isNumber);
        if (!isNumber || record < 1 || record > recordCount) {
            errors.append({at(match.capturedStart(1)),
                           QCoreApplication::translate("bank::PictureList", "the test has no record %1, only 1 to %2")
                               .arg(match.captured(1))
                               .arg(recordCount)});
            continue;
        }
        if (const Picture *earlier = list.pictureFor(record)) {
            errors.append(
                {at(match.capturedStart(1)),
                 QCoreApplication::translate("bank::PictureList", "record %1 has its picture on line %2 already")
                     .arg(record)
                     .arg(earlier->where.line)});
            continue;
        }
        Picture picture{0, match.captured(2), at(match.capturedStart(2))};
        if (picture.file.isEmpty()) {
            errors.append(
                {picture.where,
                 QCoreApplication::translate("bank::PictureList", "no picture named for record %1").arg(record)});
            continue;
        }
        if (const QRegularExpressionMatch carried = CarriedForm.match(picture.file); carried.hasMatch()) {
            picture.carriedRecord = carried.captured(1).toInt();
            picture.file.clear();
            if (!questionPictureId(picture.carriedRecord)) {
                errors.append({picture.where, QCoreApplication::translate(
                                                  "bank::PictureList", "the carried test's question %1 has no picture")
                                                  .arg(carried.captured(1))});
                continue;
            }
        }
        list.m_pictures.insert(record, picture);
    }
    return list;
}

std::optional<PictureList> PictureList::readBeside(const QString &testFile, int recordCount)
{
    const QString path = pathBeside(testFile);
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    // An unreadable list still says the test has a list: its questions show no picture.
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    QList<SourceError> ignored;
    return parse(text, path, QFileInfo(path).path(), recordCount, ignored);
}

void PictureList::setCarried(int record, int carriedRecord)
{
    m_pictures.insert(record, Picture{carriedRecord, QString(), {}});
}

void PictureList::setFile(int record, const QString &file)
{
    m_pictures.insert(record, Picture{0, file, {}});
}

QString PictureList::toText() const
{
    QString text = Heading;
    for (auto it = m_pictures.cbegin(); it != m_pictures.cend(); ++it) {
        const Picture &picture = it.value();
        text +=
            QStringLiteral("%1: %2\n")
                .arg(it.key())
                .arg(picture.carriedRecord ? QStringLiteral("carried %1").arg(picture.carriedRecord) : picture.file);
    }
    return text;
}

const PictureList::Picture *PictureList::pictureFor(int record) const
{
    const auto it = m_pictures.constFind(record);
    return it == m_pictures.cend() ? nullptr : &it.value();
}

QString PictureList::pathOf(const Picture &picture) const
{
    return QDir(m_folder).filePath(picture.file);
}

} // namespace bank
