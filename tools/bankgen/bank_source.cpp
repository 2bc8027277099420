#include "bank_source.h"

#include "bank/armscii8.h"

#include <QFile>
#include <QRegularExpression>

namespace bankgen {
namespace {

const char *const kPrefixes[6] = {"Q: ", "1: ", "2: ", "3: ", "4: ", "R: "};

bool fail(SourceError &error, const QString &file, int line, int column, const QString &message)
{
    error.where = {file, line, column};
    error.message = message;
    return false;
}

bool isSkippable(const QString &line)
{
    return line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'));
}

} // namespace

QString SourceError::toString() const
{
    return QStringLiteral("%1:%2:%3: %4").arg(where.file).arg(where.line).arg(where.column).arg(message);
}

bool parseBankSource(const QString &text, const QString &fileName, QList<SourceRecord> &records,
                     SourceError &error)
{
    static const QRegularExpression header(QStringLiteral("^\\[(\\d+)\\]$"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    int i = 0;
    auto lineAt = [&](int index) {
        QString line = lines.at(index);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        return line;
    };
    while (i < lines.size()) {
        const QString line = lineAt(i);
        if (isSkippable(line)) {
            ++i;
            continue;
        }
        const auto match = header.match(line);
        if (!match.hasMatch())
            return fail(error, fileName, i + 1, 1, QStringLiteral("expected a record header like [12]"));
        SourceRecord record;
        record.number = match.captured(1).toInt();
        const int expected = records.isEmpty() ? 1 : records.last().number + 1;
        if (record.number != expected)
            return fail(error, fileName, i + 1, 2,
                        QStringLiteral("record %1 where %2 was expected").arg(record.number).arg(expected));
        for (int field = 0; field < 6; ++field) {
            const int lineNumber = i + 2 + field;
            if (i + 1 + field >= lines.size())
                return fail(error, fileName, lineNumber, 1, QStringLiteral("record ends too early"));
            const QString fieldLine = lineAt(i + 1 + field);
            const QString prefix = QString::fromLatin1(kPrefixes[field]);
            if (!fieldLine.startsWith(prefix))
                return fail(error, fileName, lineNumber, 1, QStringLiteral("expected \"%1\"").arg(prefix.trimmed()));
            const QString value = fieldLine.mid(prefix.size());
            const int quote = int(value.indexOf(QLatin1Char('"')));
            if (quote >= 0)
                return fail(error, fileName, lineNumber, int(prefix.size()) + quote + 1,
                            QStringLiteral("a text cannot hold a double quote"));
            if (value.trimmed().isEmpty())
                return fail(error, fileName, lineNumber, int(prefix.size()) + 1, QStringLiteral("empty text"));
            if (field < 5) {
                record.texts[field] = value;
                record.positions[field] = {fileName, lineNumber, int(prefix.size()) + 1};
            } else {
                bool ok = false;
                record.rightAnswer = value.toInt(&ok);
                if (!ok || record.rightAnswer < 1 || record.rightAnswer > 4)
                    return fail(error, fileName, lineNumber, int(prefix.size()) + 1,
                                QStringLiteral("the right answer must be 1, 2, 3 or 4"));
            }
        }
        records.append(record);
        i += 7;
    }
    return true;
}

QByteArray encodeTestFile(const QList<SourceRecord> &records, SourceError &error)
{
    QByteArray out;
    for (qsizetype r = 0; r < records.size(); ++r) {
        const SourceRecord &record = records.at(r);
        for (int field = 0; field < 5; ++field) {
            qsizetype bad = -1;
            const QByteArray bytes = bank::encodeArmscii8(record.texts[field], &bad);
            if (bad >= 0) {
                const SourcePosition &at = record.positions[field];
                fail(error, at.file, at.line, at.column + int(bad),
                     QStringLiteral("character U+%1 cannot be written in ArmSCII-8")
                         .arg(record.texts[field].at(bad).unicode(), 4, 16, QLatin1Char('0')));
                return {};
            }
            out += '"' + bytes + "\",";
        }
        out += QByteArray::number(record.rightAnswer);
        out += r + 1 < records.size() ? QByteArray("\r\n") : QByteArray(1, '\0');
    }
    return out;
}

QByteArray buildTestFile(const QStringList &sourceFiles, SourceError &error)
{
    QList<SourceRecord> records;
    for (const QString &path : sourceFiles) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            fail(error, path, 0, 0, file.errorString());
            return {};
        }
        const QByteArray bytes = file.readAll();
        const QString text = QString::fromUtf8(bytes);
        if (text.toUtf8() != bytes) {
            fail(error, path, 0, 0, QStringLiteral("the file is not valid UTF-8"));
            return {};
        }
        if (!parseBankSource(text, path, records, error))
            return {};
    }
    if (records.isEmpty()) {
        fail(error, sourceFiles.value(0), 0, 0, QStringLiteral("no records"));
        return {};
    }
    return encodeTestFile(records, error);
}

QStringList defaultSourceFiles(const QString &folder)
{
    return {folder + QStringLiteral("/questions-001-085.txt"),
            folder + QStringLiteral("/questions-086-171.txt")};
}

} // namespace bankgen
