#include "bank/test_file_reader.h"

#include "bank/armscii8.h"

#include <algorithm>

namespace bank {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A cursor over the file's bytes that reads one field at a time. Every step moves forward or
// stops at the end, so a record costs time in proportion to its bytes.
class FieldReader
{
public:
    explicit FieldReader(QByteArrayView bytes)
        : m_pos(bytes.data()), m_begin(bytes.data()), m_end(bytes.data() + bytes.size())
    {
    }

    // Skips what may lie between records: blank lines, spaces, tabs and NUL bytes.
    bool atEndOfRecords()
    {
        while (m_pos != m_end && (isBlank(*m_pos) || isLineEnd(*m_pos) || *m_pos == '\0'))
            ++m_pos;
        return m_pos == m_end;
    }

    bool readText(QByteArrayView *field)
    {
        skipBlanks();
        if (m_pos == m_end)
            return fail(LoadError::PrematureEnd);
        if (*m_pos == '"')
            return readQuotedText(field);
        const char *start = m_pos;
        while (m_pos != m_end && *m_pos != ',' && !isLineEnd(*m_pos))
            ++m_pos;
        const char *stop = m_pos;
        while (stop != start && isBlank(stop[-1]))
            --stop;
        *field = QByteArrayView(start, stop - start);
        skipDelimiter();
        return true;
    }

    bool readNumber(qint16 *value)
    {
        skipBlanks();
        bool negative = false;
        if (m_pos != m_end && (*m_pos == '+' || *m_pos == '-')) {
            negative = *m_pos == '-';
            ++m_pos;
        }
        if (m_pos == m_end || !isDigit(*m_pos))
            return fail(LoadError::NoNumber);
        // Capped so that a long run of digits cannot overflow; the cap is already out of range.
        int magnitude = 0;
        while (m_pos != m_end && isDigit(*m_pos)) {
            magnitude = std::min(magnitude * 10 + (*m_pos - '0'), 100000);
            ++m_pos;
        }
        if (m_pos != m_end && (*m_pos == '.' || *m_pos == 'e' || *m_pos == 'E'))
            return fail(LoadError::NotAnInteger);
        const int number = negative ? -magnitude : magnitude;
        if (number < -32768 || number > 32767)
            return fail(LoadError::NumberOutOfRange);
        *value = static_cast<qint16>(number);
        while (m_pos != m_end && !isLineEnd(*m_pos))
            ++m_pos;
        skipLineEnd();
        return true;
    }

    bool fail(LoadError error)
    {
        m_error = error;
        return false;
    }

    LoadError error() const { return m_error; }
    qsizetype offset() const { return m_pos - m_begin; }

private:
    bool readQuotedText(QByteArrayView *field)
    {
        const char *start = ++m_pos;
        while (m_pos != m_end && *m_pos != '"' && !isLineEnd(*m_pos))
            ++m_pos;
        if (m_pos == m_end || *m_pos != '"')
            return fail(LoadError::UnterminatedQuote);
        *field = QByteArrayView(start, m_pos - start);
        ++m_pos;
        while (m_pos != m_end && *m_pos != ',' && !isLineEnd(*m_pos))
            ++m_pos;
        skipDelimiter();
        return true;
    }

    void skipBlanks()
    {
        while (m_pos != m_end && isBlank(*m_pos))
            ++m_pos;
    }

    // Over the comma or the line end that ends a field; at the end of the file, nothing.
    void skipDelimiter()
    {
        if (m_pos != m_end && *m_pos == ',')
            ++m_pos;
        else
            skipLineEnd();
    }

    void skipLineEnd()
    {
        if (m_pos != m_end && *m_pos == '\r')
            ++m_pos;
        if (m_pos != m_end && *m_pos == '\n')
            ++m_pos;
    }

    const char *m_pos;
    const char *m_begin;
    const char *m_end;
    LoadError m_error = LoadError::None;
};

bool skipRecord(FieldReader &reader)
{
    QByteArrayView text;
    for (int field = 0; field < 5; ++field) {
        if (!reader.readText(&text))
            return false;
    }
    qint16 number = 0;
    return reader.readNumber(&number);
}

bool readRecord(FieldReader &reader, QuestionRecord *record)
{
    QByteArrayView texts[5];
    for (QByteArrayView &text : texts) {
        if (!reader.readText(&text))
            return false;
    }
    if (!reader.readNumber(&record->rightAnswer))
        return false;
    record->questText = decodeArmscii8(texts[0]);
    record->answer1 = decodeArmscii8(texts[1]);
    record->answer2 = decodeArmscii8(texts[2]);
    record->answer3 = decodeArmscii8(texts[3]);
    record->answer4 = decodeArmscii8(texts[4]);
    return true;
}

} // namespace

bool hasSignature(QByteArrayView firstBytes)
{
    return firstBytes.size() >= 2 && firstBytes[0] == '"' && firstBytes[1] == '.';
}

LoadResult loadQuestions(QByteArrayView bytes)
{
    LoadResult result;
    FieldReader reader(bytes);
    const auto failure = [&](int recordNumber) {
        LoadResult failed;
        failed.error = reader.error();
        failed.errorRecord = recordNumber;
        failed.errorOffset = reader.offset();
        return failed;
    };
    while (!reader.atEndOfRecords()) {
        const int number = static_cast<int>(result.records.size()) + 1;
        if (number > kMaxQuestions) {
            reader.fail(LoadError::TooManyRecords);
            return failure(number);
        }
        QuestionRecord record;
        if (!readRecord(reader, &record))
            return failure(number);
        result.records.append(std::move(record));
    }
    return result;
}

qint16 countQuestions(QByteArrayView bytes)
{
    qint16 count = 0;
    FieldReader reader(bytes);
    while (count < kMaxQuestions && !reader.atEndOfRecords()) {
        ++count;
        if (!skipRecord(reader))
            break;
    }
    return count;
}

const char *loadErrorText(LoadError error)
{
    switch (error) {
    case LoadError::None:
        return "no error";
    case LoadError::PrematureEnd:
        return "the file ends inside a record";
    case LoadError::UnterminatedQuote:
        return "a quoted text has no closing quote on its line";
    case LoadError::NoNumber:
        return "the right answer's field holds no number";
    case LoadError::NotAnInteger:
        return "the right answer's number is not a whole number";
    case LoadError::NumberOutOfRange:
        return "the right answer's number is out of range";
    case LoadError::TooManyRecords:
        return "the file holds more than 32767 records";
    }
    return "unknown error";
}

} // namespace bank
