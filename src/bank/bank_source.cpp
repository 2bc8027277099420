#include "bank/bank_source.h"

#include "bank/armscii8.h"
#include "bank/line_index.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace bank {
namespace {

const QLatin1StringView SourceFieldPrefixes[6] = {QLatin1StringView("Q: "), QLatin1StringView("1: "),
                                                  QLatin1StringView("2: "), QLatin1StringView("3: "),
                                                  QLatin1StringView("4: "), QLatin1StringView("R: ")};
const QLatin1StringView SourceEndLines[3] = {QLatin1StringView("END: NUL"), QLatin1StringView("END: CRLF"),
                                             QLatin1StringView("END: NONE")};

bool fail(SourceError &error, const SourcePosition &where, const QString &message)
{
    error = {where, message};
    return false;
}

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
                return fail(m_error, at(i, 1), QStringLiteral("nothing may follow the END line"));
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
            return fail(m_error, at(i, 1), QStringLiteral("expected a record header like [12]"));
        const int expected = m_source.records.isEmpty() ? 1 : m_source.records.last().number + 1;
        if (record.number != expected)
            return fail(m_error, at(i, 2),
                        QStringLiteral("record %1 where %2 was expected").arg(record.number).arg(expected));
        for (int field = 0; field < 6; ++field) {
            const qsizetype index = i + 1 + field;
            if (index >= m_lines.size())
                return fail(m_error, at(index, 1), QStringLiteral("record ends too early"));
            const QStringView line = m_lines.at(index);
            if (!line.startsWith(SourceFieldPrefixes[field]))
                return fail(m_error, at(index, 1),
                            QStringLiteral("expected \"%1\"").arg(SourceFieldPrefixes[field].trimmed()));
            const QStringView value = line.mid(SourceFieldPrefixes[field].size());
            const SourcePosition where = at(index, SourceFieldPrefixes[field].size() + 1);
            if (field < 5) {
                record.texts[field] = value.toString();
                record.positions[field] = where;
                continue;
            }
            bool ok = false;
            record.rightAnswer = value.toInt(&ok);
            if (!ok || record.rightAnswer < 1 || record.rightAnswer > 4)
                return fail(m_error, where, QStringLiteral("the right answer must be 1, 2, 3 or 4"));
        }
        m_source.records.append(std::move(record));
        return true;
    }

    QList<QStringView> m_lines;
    QString m_file;
    BankSource &m_source;
    SourceError &m_error;
};

// The bytes of one text, or an error at the offending character.
bool encodeText(const QString &text, const SourcePosition &where, QByteArray &out, SourceError &error)
{
    if (QStringView(text).trimmed().isEmpty())
        return fail(error, where, QStringLiteral("empty text"));
    const auto at = [&](qsizetype i) { return SourcePosition{where.file, where.line, where.column + int(i)}; };
    const qsizetype start = out.size();
    out.resize(start + text.size() + 3);
    char *bytes = out.data() + start;
    *bytes++ = '"';
    const qsizetype bad = encodeArmscii8Into(text, bytes);
    // Only these characters have these bytes.
    const auto breaking = [](char b) { return b == '"' || b == '\r' || b == '\n'; };
    if (bad >= 0 || std::any_of(bytes, bytes + text.size(), breaking)) {
        QString reason;
        const qsizetype index = findUnwritable(text, &reason);
        return fail(error, at(index), reason);
    }
    bytes += text.size();
    *bytes++ = '"';
    *bytes = ',';
    return true;
}

// UTF-8 to UTF-16: ASCII and two-byte sequences (the Armenian letters among them) here, longer
// ones through Qt's decoder. The offset of the first byte that is no UTF-8, or -1.
qsizetype decodeUtf8(QByteArrayView bytes, QString &text)
{
    text.resize(bytes.size());
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const uchar lead = in[i];
        if (lead < 0x80) {
            *out++ = lead;
            ++i;
        } else if (lead >= 0xC2 && lead < 0xE0 && i + 1 < size && (in[i + 1] & 0xC0) == 0x80) {
            *out++ = char16_t(((lead & 0x1F) << 6) | (in[i + 1] & 0x3F));
            i += 2;
        } else {
            const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 1;
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString chars = decoder(bytes.sliced(i, std::min(length, size - i)));
            if (length == 1 || i + length > size || decoder.hasError())
                return i;
            for (const QChar c : chars)
                *out++ = c.unicode();
            i += length;
        }
    }
    text.truncate(out - reinterpret_cast<const char16_t *>(text.constData()));
    return -1;
}

} // namespace

qsizetype findUnwritable(QStringView text, QString *reason)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'"')
            *reason = QStringLiteral("a text cannot hold a double quote");
        else if (c == u'\r' || c == u'\n')
            *reason = QStringLiteral("a text cannot hold a line break");
        else if (!armscii8CanEncode(c))
            *reason = QStringLiteral("character U+%1 cannot be written in ArmSCII-8")
                          .arg(QString::number(c, 16).toUpper().rightJustified(4, u'0'));
        else
            continue;
        return i;
    }
    return -1;
}

QString SourceError::toString() const
{
    return QStringLiteral("%1:%2:%3: %4%5")
        .arg(where.file)
        .arg(where.line)
        .arg(where.column)
        .arg(warning ? QStringLiteral("warning: ") : QString(), message);
}

bool parseBankSource(const QString &text, const QString &fileName, BankSource &source, SourceError &error)
{
    return SourceParser(text, fileName, source, error).parse();
}

bool ensureSignature(BankSource &source, bool add, SourceError &error)
{
    if (source.records.isEmpty())
        return fail(error, {}, QStringLiteral("no records"));
    QString &first = source.records.first().texts[0];
    if (first.startsWith(u'.'))
        return true;
    if (!add)
        return fail(error, source.records.first().positions[0],
                    QStringLiteral("the first question must begin with a full stop, or the program "
                                   "takes the file for a foreign one (--add-signature puts one in)"));
    first.prepend(u'.');
    return true;
}

QByteArray encodeTestFile(const BankSource &source, SourceError &error)
{
    if (source.records.size() > MaxQuestions) {
        fail(error, source.records.at(MaxQuestions).positions[0],
             QStringLiteral("the program reads at most %1 questions").arg(MaxQuestions));
        return {};
    }
    QByteArray out;
    out.reserve(source.records.size() * 320);
    for (qsizetype r = 0; r < source.records.size(); ++r) {
        const SourceRecord &record = source.records.at(r);
        for (int field = 0; field < 5; ++field) {
            if (!encodeText(record.texts[field], record.positions[field], out, error))
                return {};
        }
        out += QByteArray::number(record.rightAnswer);
        if (r + 1 < source.records.size() || source.ending == FileEnding::LineEnd)
            out += "\r\n";
        else if (source.ending == FileEnding::Nul)
            out += '\0';
    }
    return out;
}

bool readUtf8File(const QString &path, QString &text, SourceError &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, {path, 0, 0}, file.errorString());
    const QByteArray bytes = file.readAll();
    const qsizetype bad = decodeUtf8(bytes, text);
    if (bad >= 0)
        return fail(error, LineIndex(bytes, path).at(bad), QStringLiteral("the file is not valid UTF-8"));
    return true;
}

QByteArray buildTestFile(const QStringList &sourceFiles, bool addSignature, SourceError &error)
{
    BankSource source;
    for (const QString &path : sourceFiles) {
        QString text;
        if (!readUtf8File(path, text, error) || !parseBankSource(text, path, source, error))
            return {};
    }
    if (source.records.isEmpty()) {
        fail(error, {sourceFiles.value(0), 0, 0}, QStringLiteral("no records"));
        return {};
    }
    return buildTestFile(std::move(source), addSignature, error);
}

QByteArray buildTestFile(BankSource source, bool addSignature, SourceError &error)
{
    if (!ensureSignature(source, addSignature, error))
        return {};
    return encodeTestFile(source, error);
}

QString writeBankSource(const QByteArray &testFile, const QList<QuestionRecord> &records, const QString &fileName,
                        SourceError &error)
{
    const LineIndex lines(testFile, fileName);
    QString out;
    out.reserve(testFile.size() + records.size() * 24);
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QuestionRecord &record = records.at(r);
        out += QStringLiteral("[%1]\n").arg(r + 1);
        for (int field = 0; field < 5; ++field) {
            const QuestionRecord::Span span = record.texts[field];
            const QString text = record.text(field);
            const qsizetype bad = text.indexOf(QChar(Armscii8Replacement));
            if (bad >= 0) {
                fail(error, lines.at(span.offset + bad),
                     QStringLiteral("byte 0x%1 stands for no character")
                         .arg(quint8(testFile.at(span.offset + bad)), 2, 16, QLatin1Char('0')));
                return {};
            }
            if (text.trimmed().isEmpty()) {
                fail(error, lines.at(span.offset), QStringLiteral("empty text"));
                return {};
            }
            out += SourceFieldPrefixes[field] + text + u'\n';
        }
        if (record.rightAnswer < 1 || record.rightAnswer > 4) {
            fail(error, lines.at(record.texts[0].offset),
                 QStringLiteral("the right answer %1 is none of 1, 2, 3 and 4").arg(record.rightAnswer));
            return {};
        }
        out += SourceFieldPrefixes[5] + QString::number(record.rightAnswer) + QStringLiteral("\n\n");
    }
    if (testFile.endsWith("\r\n"))
        out += SourceEndLines[int(FileEnding::LineEnd)] + u'\n';
    else if (!testFile.endsWith('\0'))
        out += SourceEndLines[int(FileEnding::Nothing)] + u'\n';
    return out;
}

} // namespace bank
