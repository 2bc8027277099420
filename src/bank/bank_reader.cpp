#include "bank/bank_reader.h"

#include "bank/armscii8.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The first byte from p on that is a, b or c; end when there is none. Looks at sixteen or
// eight bytes at a time where it can, since texts make up nearly all of the file.
const char *findAny(const char *p, const char *end, char a, char b, char c)
{
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(a), vb = _mm_set1_epi8(b), vc = _mm_set1_epi8(c);
    while (end - p >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, va), _mm_cmpeq_epi8(block, vb)), _mm_cmpeq_epi8(block, vc));
        if (const int mask = _mm_movemask_epi8(hits))
            return p + std::countr_zero(unsigned(mask));
        p += 16;
    }
#endif
    if constexpr (std::endian::native == std::endian::little) {
        constexpr quint64 ones = 0x0101010101010101ULL;
        constexpr quint64 highs = 0x8080808080808080ULL;
        const quint64 pa = ones * quint8(a), pb = ones * quint8(b), pc = ones * quint8(c);
        const auto zeroBytes = [](quint64 x) { return (x - ones) & ~x; };
        while (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, 8);
            // The lowest flagged byte is always a true match; only bytes above it may not be.
            const quint64 hits = (zeroBytes(word ^ pa) | zeroBytes(word ^ pb) | zeroBytes(word ^ pc)) & highs;
            if (hits)
                return p + (std::countr_zero(hits) >> 3);
            p += 8;
        }
    }
    while (p != end && *p != a && *p != b && *p != c)
        ++p;
    return p;
}

// A cursor over the file's bytes that reads one field at a time. Every step moves forward or
// stops at the end, so a record costs time in proportion to its bytes.
class FieldReader
{
public:
    explicit FieldReader(QByteArrayView bytes)
        : m_pos(bytes.data()), m_begin(bytes.data()), m_end(bytes.data() + bytes.size())
    {}

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
        m_pos = findAny(m_pos, m_end, ',', '\r', '\n');
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
        if (startsFractionOrExponent())
            return fail(LoadError::NotAnInteger);
        const int number = negative ? -magnitude : magnitude;
        if (number < -32768 || number > 32767)
            return fail(LoadError::NumberOutOfRange);
        *value = static_cast<qint16>(number);
        m_pos = findAny(m_pos, m_end, '\r', '\n', '\n');
        skipLineEnd();
        return true;
    }

    // "2.5" or "4e0" is a number that is no integer; "3." or "3e" is 3 followed by filler.
    bool startsFractionOrExponent() const
    {
        const auto digitAt = [this](qsizetype i) { return m_end - m_pos > i && isDigit(m_pos[i]); };
        if (m_pos == m_end)
            return false;
        if (*m_pos == '.')
            return digitAt(1);
        const bool signed_ = m_end - m_pos > 1 && (m_pos[1] == '+' || m_pos[1] == '-');
        return (*m_pos == 'e' || *m_pos == 'E') && digitAt(signed_ ? 2 : 1);
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
        m_pos = findAny(m_pos, m_end, '"', '\r', '\n');
        if (m_pos == m_end || *m_pos != '"')
            return fail(LoadError::UnterminatedQuote);
        *field = QByteArrayView(start, m_pos - start);
        ++m_pos;
        m_pos = findAny(m_pos, m_end, ',', '\r', '\n');
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

bool readRecord(FieldReader &reader, const QByteArray &file, QuestionRecord *record)
{
    QByteArrayView text;
    for (QuestionRecord::Span &span : record->texts) {
        if (!reader.readText(&text))
            return false;
        span = {text.data() - file.constData(), text.size()};
    }
    if (!reader.readNumber(&record->rightAnswer))
        return false;
    record->file = file;
    return true;
}

} // namespace

bool hasSignature(QByteArrayView firstBytes)
{
    return firstBytes.size() >= 2 && firstBytes[0] == '"' && firstBytes[1] == '.';
}

QString QuestionRecord::text(int field) const
{
    const Span span = texts[field];
    return decodeArmscii8(QByteArrayView(file.constData() + span.offset, span.length));
}

LoadResult loadQuestions(const QByteArray &bytes)
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
        if (number > MaxQuestions) {
            reader.fail(LoadError::TooManyRecords);
            return failure(number);
        }
        QuestionRecord record;
        if (!readRecord(reader, bytes, &record))
            return failure(number);
        result.records.append(std::move(record));
    }
    return result;
}

qint16 countQuestions(QByteArrayView bytes)
{
    qint16 count = 0;
    FieldReader reader(bytes);
    while (count < MaxQuestions && !reader.atEndOfRecords()) {
        ++count;
        if (!skipRecord(reader))
            break;
    }
    return count;
}

const char *loadErrorText(LoadError error)
{
    switch (error) {
    case LoadError::None: return QT_TRANSLATE_NOOP("bank::LoadError", "no error");
    case LoadError::PrematureEnd: return QT_TRANSLATE_NOOP("bank::LoadError", "the file ends inside a record");
    case LoadError::UnterminatedQuote:
        return QT_TRANSLATE_NOOP("bank::LoadError", "a quoted text has no closing quote on its line");
    case LoadError::NoNumber: return QT_TRANSLATE_NOOP("bank::LoadError", "the right answer's field holds no number");
    case LoadError::NotAnInteger:
        return QT_TRANSLATE_NOOP("bank::LoadError", "the right answer's number is not a whole number");
    case LoadError::NumberOutOfRange:
        return QT_TRANSLATE_NOOP("bank::LoadError", "the right answer's number is out of range");
    case LoadError::TooManyRecords:
        return QT_TRANSLATE_NOOP("bank::LoadError", "the file holds more than 32767 records");
    }
    return QT_TRANSLATE_NOOP("bank::LoadError", "unknown error");
}

QString loadErrorMessage(LoadError error)
{
    return QCoreApplication::translate("bank::LoadError", loadErrorText(error));
}

} // namespace bank
