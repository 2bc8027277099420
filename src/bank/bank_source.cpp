#include "bank/bank_source.h"

#include <QCoreApplication>
#include <QStringView>

#include <algorithm>
#include <tuple>
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

// Where the text of a field line begins: after the field's letter, a colon (or the Armenian full
// stop, which the Armenian keyboard has in its place) and one space or tab, or straight after the
// colon. -1 when the line is no such field line.
qsizetype valueStart(QStringView line, int field)
{
    if (line.size() < 2 || line.front() != SourceFieldPrefixes[field].front()
        || (line.at(1) != u':' && line.at(1) != ArmenianFullStop))
        return -1;
    return line.size() > 2 && (line.at(2) == u' ' || line.at(2) == u'\t') ? 3 : 2;
}

// "expected "1:" — found "l:"": what a field line should begin with and what this one does.
QString nearMiss(QStringView line, int field)
{
    const QString expected = SourceFieldPrefixes[field].trimmed();
    if (line.trimmed().isEmpty())
        return QCoreApplication::translate("bank::BankSource", "expected \"%1\" — found an empty line").arg(expected);
    QStringView found = line.left(line.indexOf(u' '));
    found = found.left(found.indexOf(u'\t'));
    constexpr qsizetype MaxShown = 12;
    //: %2 is the start of the line found, %3 "..." when it is longer.
    return QCoreApplication::translate("bank::BankSource", "expected \"%1\" — found \"%2%3\"")
        .arg(expected, found.left(MaxShown), found.size() > MaxShown ? QStringLiteral("...") : QString());
}

class SourceParser
{
public:
    SourceParser(const QString &text, const QString &fileName, BankSource &source, QList<SourceError> &errors)
        : m_lines(QStringView(text).split(u'\n')), m_file(fileName), m_source(source), m_errors(errors),
          m_expected(source.records.isEmpty() ? 1 : source.records.last().number + 1)
    {
        for (QStringView &line : m_lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        }
        // A record takes seven lines at least.
        m_source.records.reserve(m_source.records.size() + m_lines.size() / 7 + 1);
    }

    bool parse()
    {
        const qsizetype known = m_errors.size();
        bool ended = false;
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            const QStringView line = m_lines.at(i);
            if (isSkippable(line))
                continue;
            if (ended) {
                failAt(m_errors, at(i, 1),
                       QCoreApplication::translate("bank::BankSource", "nothing may follow the END line"));
                break;
            }
            if (const int ending = endingLine(line); ending >= 0) {
                m_source.ending = FileEnding(ending);
                ended = true;
            } else {
                i = parseRecord(i);
            }
        }
        return m_errors.size() == known;
    }

private:
    SourcePosition at(qsizetype index, qsizetype column) const { return {m_file, int(index + 1), int(column)}; }

    // Reads the record whose header is line i; the index of its last line, or after a fault the
    // line before the next header.
    qsizetype parseRecord(qsizetype i)
    {
        SourceRecord record;
        record.number = headerNumber(m_lines.at(i));
        if (record.number < 0) {
            // Whatever it stood for, the next header's number is taken as it stands.
            m_expected = 0;
            failAt(m_errors, at(i, 1),
                   QCoreApplication::translate("bank::BankSource", "expected a record header like [12]"));
            return lineBeforeHeader(i + 1);
        }
        const int expected = std::exchange(m_expected, record.number + 1);
        if (record.number != expected && expected > 0)
            failAt(m_errors, at(i, 2),
                   QCoreApplication::translate("bank::BankSource", "record %1 where %2 was expected")
                       .arg(record.number)
                       .arg(expected));
        for (int field = 0; field < 6; ++field) {
            const qsizetype index = i + 1 + field;
            if (index >= m_lines.size()) {
                failAt(m_errors, at(index, 1),
                       QCoreApplication::translate("bank::BankSource", "record ends too early"));
                return index;
            }
            const QStringView line = m_lines.at(index);
            const qsizetype start = valueStart(line, field);
            if (start < 0) {
                failAt(m_errors, at(index, 1), nearMiss(line, field));
                return lineBeforeHeader(index);
            }
            const QStringView value = line.mid(start);
            const SourcePosition where = at(index, start + 1);
            if (field < 5) {
                record.texts[field] = value.toString();
                record.positions[field] = where;
                continue;
            }
            bool ok = false;
            record.rightAnswer = value.toInt(&ok);
            if (!ok || record.rightAnswer < 1 || record.rightAnswer > 4) {
                failAt(m_errors, where,
                       QCoreApplication::translate("bank::BankSource", "the right answer must be 1, 2, 3 or 4"));
                return index;
            }
        }
        m_source.records.append(std::move(record));
        return i + 6;
    }

    // The index before the first header or END line from index on.
    qsizetype lineBeforeHeader(qsizetype index) const
    {
        while (index < m_lines.size() && headerNumber(m_lines.at(index)) < 0 && endingLine(m_lines.at(index)) < 0)
            ++index;
        return index - 1;
    }

    QList<QStringView> m_lines;
    QString m_file;
    BankSource &m_source;
    QList<SourceError> &m_errors;
    int m_expected; // the number the next header should have; 0 when any will do
};

} // namespace

QString SourceError::toString() const
{
    const QString what =
        warning ? QCoreApplication::translate("bank::SourceError", "warning: %1").arg(message) : message;
    // A remark about the whole file (it is empty, it cannot be opened) has no line.
    if (where.line == 0)
        return where.file.isEmpty() ? what : QStringLiteral("%1: %2").arg(where.file, what);
    return QStringLiteral("%1:%2:%3: %4")
        .arg(where.file, QString::number(where.line), QString::number(where.column), what);
}

bool hasFault(const QList<SourceError> &problems)
{
    return std::any_of(problems.cbegin(), problems.cend(), [](const SourceError &problem) { return !problem.warning; });
}

bool failAt(SourceError &error, const SourcePosition &where, const QString &message)
{
    error = {where, message};
    return false;
}

bool failAt(QList<SourceError> &errors, const SourcePosition &where, const QString &message)
{
    errors.append({where, message});
    return false;
}

bool comesBefore(const SourcePosition &a, const SourcePosition &b)
{
    return a.file == b.file && std::pair(a.line, a.column) < std::pair(b.line, b.column);
}

void sortInFileOrder(QList<SourceError> &errors, const QStringList &files)
{
    const auto place = [&](const SourceError &e) {
        return std::tuple(files.indexOf(e.where.file), e.where.line, e.where.column);
    };
    std::stable_sort(errors.begin(), errors.end(),
                     [&](const SourceError &a, const SourceError &b) { return place(a) < place(b); });
}

bool parseBankSource(const QString &text, const QString &fileName, BankSource &source, QList<SourceError> &errors)
{
    return SourceParser(text, fileName, source, errors).parse();
}

} // namespace bank
