#include "bank/bank_source.h"

#include <QStringView>

#include <utility>

namespace bank {
namespace {

bool isSkippable(QStringView line)
{
    return line.trimmed().isEmpty() || line.startsWith(u'#');
}

// The number of a "[12]" header line, or -1.
int headerNumber(QStringView line)
{
    if (line.size() < 3 || line.front() != u'[' || line.back() != u']')
        return -1;
    bool ok = false;
    const int number = line.mid(1, line.size() - 2).toInt(&ok);
    return ok && line.at(1).isDigit() ? number : -1;
}

int endingLine(QStringView line)
{
    for (int i = 0; i < 3; ++i) {
        if (line == SourceEndLines[i])
            return i;
    }
    return -1;
}

class SourceParser
{
public:
    SourceParser(const QString &text, const QString &fileName, BankSource &source, SourceError &error)
        : m_lines(QStringView(text).split(u'\n')), m_file(fileName), m_source(source), m_error(error)
    {
        for (QStringView &line : m_lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        }
    }

    bool parse()
    {
        bool ended = false;
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            const QStringView line = m_lines.at(i);
            if (isSkippable(line))
                continue;
            if (ended)
                return failAt(m_error, at(i, 1), QStringLiteral("nothing may follow the END line"));
            if (const int ending = endingLine(line); ending >= 0) {
                m_source.ending = FileEnding(ending);
                ended = true;
            } else if (!parseRecord(i)) {
                return false;
            } else {
                i += 6;
            }
        }
        return true;
    }

private:
    SourcePosition at(qsizetype index, qsizetype column) const { return {m_file, int(index + 1), int(column)}; }

    bool parseRecord(qsizetype i)
    {
        SourceRecord record;
        record.number = headerNumber(m_lines.at(i));
        if (record.number < 0)
            return failAt(m_error, at(i, 1), QStringLiteral("expected a record header like [12]"));
        const int expected = m_source.records.isEmpty() ? 1 : m_source.records.last().number + 1;
        if (record.number != expected)
            return failAt(m_error, at(i, 2),
                          QStringLiteral("record %1 where %2 was expected").arg(record.number).arg(expected));
        for (int field = 0; field < 6; ++field) {
            const qsizetype index = i + 1 + field;
            if (index >= m_lines.size())
                return failAt(m_error, at(index, 1), QStringLiteral("record ends too early"));
            const QStringView line = m_lines.at(index);
            const QLatin1StringView prefix = SourceFieldPrefixes[field];
            if (!line.startsWith(prefix))
                return failAt(m_error, at(index, 1), QStringLiteral("expected \"%1\"").arg(prefix.trimmed()));
            const QStringView value = line.mid(prefix.size());
            const SourcePosition where = at(index, prefix.size() + 1);
            if (field < 5) {
                record.texts[field] = value.toString();
                record.positions[field] = where;
                continue;
            }
            bool ok = false;
            record.rightAnswer = value.toInt(&ok);
            if (!ok || record.rightAnswer < 1 || record.rightAnswer > 4)
                return failAt(m_error, where, QStringLiteral("the right answer must be 1, 2, 3 or 4"));
        }
        m_source.records.append(std::move(record));
        return true;
    }

    QList<QStringView> m_lines;
    QString m_file;
    BankSource &m_source;
    SourceError &m_error;
};

} // namespace

QString SourceError::toString() const
{
    return QStringLiteral("%1:%2:%3: %4%5")
        .arg(where.file)
        .arg(where.line)
        .arg(where.column)
        .arg(warning ? QStringLiteral("warning: ") : QString(), message);
}

bool failAt(SourceError &error, const SourcePosition &where, const QString &message)
{
    error = {where, message};
    return false;
}

bool parseBankSource(const QString &text, const QString &fileName, BankSource &source, SourceError &error)
{
    return SourceParser(text, fileName, source, error).parse();
}

} // namespace bank
