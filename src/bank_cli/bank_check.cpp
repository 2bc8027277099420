#include "bank_cli/bank_check.h"

#include "app/m_main.h"
#include "bank/armscii8.h"
#include "bank/line_index.h"
#include "bank/question_pictures.h"

#include "bank/file_kind.h"
#include "bank_cli/counted.h"

#include <QHash>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <deque>
#include <optional>

namespace bank_cli {

namespace {

// A text, even one with a few stray control bytes, has no more than a handful of them at its start;
// a picture, a compressed document or a UTF-16 file has many.
bool looksLikeText(const QByteArray &bytes)
{
    const QByteArrayView start = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 1024));
    const auto control = std::count_if(start.begin(), start.end(),
                                       [](char c) { return quint8(c) < 0x20 && c != '\t' && c != '\r' && c != '\n'; });
    return control < 8;
}

// The bytes QString::trimmed() takes for spaces once decoded: tab to carriage return, the space
// and the no-break space.
bool isSpaceByte(char b)
{
    return b == ' ' || (b >= '\t' && b <= '\r') || quint8(b) == 0xA0;
}

class Checker
{
    Q_DECLARE_TR_FUNCTIONS(BankCheck)

public:
    Checker(const QByteArray &bytes, const QString &fileName, BankCheck &check)
        : m_bytes(bytes), m_fileName(fileName), m_check(check)
    {
        for (int b = 0; b < 256; ++b) {
            const char16_t c = bank::armscii8Char(quint8(b));
            m_byteKinds[b] = c == bank::Armscii8Replacement ? Unassigned : b >= 0x80 && c < 0x80 ? AsciiTwin : 0;
        }
    }

    void run()
    {
        inspect();
        m_check.problems = m_errors + m_warnings;
        m_check.places = QList<RecordPlace>(m_errors.size()) + m_warningPlaces;
    }

private:
    void inspect()
    {
        if (m_bytes.isEmpty()) {
            m_check.outcome = ProgramOutcome::ReinstallMessage;
            return error(0, tr("the file is empty"));
        }
        if (const QString problem = bank::foreignFileProblem(m_bytes); !problem.isEmpty()) {
            m_check.outcome =
                bank::hasSignature(m_bytes) ? ProgramOutcome::ReinstallMessage : ProgramOutcome::EndsSilently;
            return error(0, problem);
        }
        if (!bank::hasSignature(m_bytes)) {
            m_check.outcome = ProgramOutcome::EndsSilently;
            error(0, tr("the file does not begin with \".: the first question's text must begin with a full stop, "
                        "or the program takes the file for a foreign one"));
        }
        m_check.load = bank::loadQuestions(m_bytes);
        if (!m_check.load.ok()) {
            if (m_check.outcome == ProgramOutcome::StartsNormally)
                m_check.outcome = ProgramOutcome::ReinstallMessage;
            m_check.recordCount = m_check.load.errorRecord - 1;
            if (!looksLikeText(m_bytes)) {
                // Its failures would fill screens and say nothing a teacher can mend.
                m_errors.clear();
                return error(0, tr("the file is not a test file at all: it holds control bytes that no text has (is it "
                                   "a picture, a document, a program?)"));
            }
            return reportLoadFailures();
        }
        m_check.recordCount = int(m_check.load.records.size());
        m_questions.reserve(m_check.recordCount);
        if (m_check.recordCount < FewestRecords)
            warn(0, tr("only %1: a test needs thirty different questions and one record more")
                        .arg(counted(m_check.recordCount, Records)));
        for (int n = 1; n <= m_check.recordCount; ++n)
            checkRecord(n, m_check.load.records.at(n - 1));
        for (int i = 0; i < bank::questionPictureCount(); ++i) {
            if (const int record = bank::questionPictureRecord(i); record <= m_check.recordCount)
                m_check.pictureRecords.append(record);
        }
    }

    // The reader stops at the first failure; it is read again from the next line on to find the rest.
    void reportLoadFailures()
    {
        qsizetype start = 0;
        bank::LoadResult result = m_check.load;
        while (!result.ok()) {
            const qsizetype offset = start + result.errorOffset;
            QString message = bank::loadErrorMessage(result.error);
            // A line end ends a text like a comma, so a record short of a field reads on into the next line.
            if (lines().at(offset).column == 1 && offset > 0 && result.error != bank::LoadError::TooManyRecords)
                message = tr("%1 (a record above is short of a field or has a stray quote)").arg(message);
            error(offset, message);
            start = lines().nextLineStart(offset);
            if (result.error == bank::LoadError::TooManyRecords || start >= m_bytes.size())
                return;
            result = bank::loadQuestions(QByteArray::fromRawData(m_bytes.constData() + start, m_bytes.size() - start));
        }
    }

    // Texts are compared and measured as bytes, one to a character, so the check of the largest file
    // creates no strings.
    void checkRecord(int number, const bank::QuestionRecord &record)
    {
        QByteArrayView texts[5];
        for (int field = 0; field < 5; ++field) {
            const auto [offset, length] = record.texts[field];
            texts[field] = QByteArrayView(m_bytes).sliced(offset, length);
            const quint8 kinds = byteKinds(texts[field]);
            if (kinds & AsciiTwin)
                texts[field] = shownAlike(texts[field]);
            checkText(offset, texts[field], kinds, {number, field});
            for (int earlier = 1; field > 1 && earlier < field; ++earlier) {
                if (texts[earlier] == texts[field] && !texts[field].isEmpty())
                    warn(offset, tr("answer %1 repeats answer %2").arg(field).arg(earlier), {number, field});
            }
        }
        if (record.rightAnswer >= 1 && record.rightAnswer <= 4)
            ++m_check.rightAnswers[record.rightAnswer - 1];
        else
            warn(numberOffset(record),
                 tr("the right answer %1 is none of 1 to 4: no answer counts as right").arg(record.rightAnswer),
                 {number, 5});
        // The same question is asked twice whatever its pictures: the test draws both.
        if (const auto it = m_questions.constFind(texts[0]); it != m_questions.cend())
            warn(record.texts[0].offset, tr("the question repeats record %1").arg(*it), {number, 0});
        else
            m_questions.insert(texts[0], number);
    }

    void checkText(qsizetype offset, QByteArrayView text, quint8 kinds, RecordPlace place)
    {
        const int boxChars = place.field == 0 ? QuestionBoxChars : AnswerBoxChars;
        if (std::all_of(text.begin(), text.end(), isSpaceByte))
            warn(offset, tr("empty text"), place);
        if (text.size() > boxChars)
            warn(
                offset,
                tr("%1: the box shows about %2 at the design size").arg(counted(text.size(), Characters)).arg(boxChars),
                place);
        if (!(kinds & Unassigned))
            return;
        const auto bad =
            std::find_if(text.begin(), text.end(), [&](char b) { return m_byteKinds[quint8(b)] & Unassigned; });
        warn(
            offset + (bad - text.begin()),
            tr("byte 0x%1 stands for no character; the program shows a box").arg(quint8(*bad), 2, 16, QLatin1Char('0')),
            place);
    }

    // What kinds of byte text holds. Sixteen bytes at a time pass when each is ASCII or an Armenian
    // letter (0xB2..0xFE), as nearly all are; the rest go through the table.
    quint8 byteKinds(QByteArrayView text) const
    {
        const char *b = text.data(), *end = b + text.size();
#if defined(__SSE2__)
        for (; end - b >= 16; b += 16) {
            // With the top bit flipped, ASCII is negative and the letters lie in 0x32..0x7E.
            const __m128i x =
                _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(b)), _mm_set1_epi8(char(0x80)));
            const __m128i letter =
                _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8(0x31)), _mm_cmplt_epi8(x, _mm_set1_epi8(0x7F)));
            if (_mm_movemask_epi8(_mm_or_si128(_mm_cmplt_epi8(x, _mm_setzero_si128()), letter)) != 0xFFFF)
                break;
        }
#endif
        quint8 kinds = 0;
        for (; b != end; ++b)
            kinds |= m_byteKinds[quint8(*b)];
        return kinds;
    }

    // The bytes of a text with each ASCII twin (the full stop, comma, hyphen and brackets ArmSCII-8
    // has twice) made its ASCII byte, so that texts shown alike compare equal.
    QByteArrayView shownAlike(QByteArrayView text)
    {
        QByteArray same = text.toByteArray();
        for (char &b : same) {
            if (m_byteKinds[quint8(b)] & AsciiTwin)
                b = char(bank::armscii8Char(quint8(b)));
        }
        return m_shownAlike.emplace_back(std::move(same));
    }

    qsizetype numberOffset(const bank::QuestionRecord &record) const
    {
        qsizetype at = record.texts[4].offset + record.texts[4].length;
        while (at < m_bytes.size() && !QByteArrayView("+-0123456789").contains(m_bytes.at(at)))
            ++at;
        return at;
    }

    // Made for the first problem: a file without any is never indexed.
    const bank::LineIndex &lines()
    {
        if (!m_lines)
            m_lines.emplace(m_bytes, m_fileName);
        return *m_lines;
    }

    void error(qsizetype offset, const QString &message)
    {
        m_errors.append({lines().at(offset), message});
    }
    void warn(qsizetype offset, const QString &message, RecordPlace place = {})
    {
        m_warnings.append({lines().at(offset), message, true});
        m_warningPlaces.append(place);
    }

    const QByteArray &m_bytes;
    QString m_fileName;
    std::optional<bank::LineIndex> m_lines;
    // Per byte: Unassigned when it stands for no character, AsciiTwin when it shows as an ASCII one.
    enum ByteKind : quint8 { Unassigned = 1, AsciiTwin = 2 };
    quint8 m_byteKinds[256];
    BankCheck &m_check;
    QHash<QByteArrayView, int> m_questions;
    std::deque<QByteArray> m_shownAlike; // the texts shownAlike made, where views of them stay valid
    QList<bank::SourceError> m_errors;
    QList<bank::SourceError> m_warnings;
    QList<RecordPlace> m_warningPlaces;
};

QString ranges(const QList<int> &numbers)
{
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype j = i;
        while (j + 1 < numbers.size() && numbers.at(j + 1) == numbers.at(j) + 1)
            ++j;
        parts << (j > i ? QStringLiteral("%1-%2").arg(numbers.at(i)).arg(numbers.at(j))
                        : QString::number(numbers.at(i)));
        i = j + 1;
    }
    return parts.isEmpty() ? BankCheck::tr("none") : parts.join(QStringLiteral(", "));
}

} // namespace

QString BankCheck::summary(const QString &fileName, const QString &subject) const
{
    QString text;
    if (load.ok()) {
        text = QStringLiteral("%1: %2\n").arg(fileName, counted(recordCount, Records));
        text += tr("right answers: 1: %1, 2: %2, 3: %3, 4: %4\n")
                    .arg(rightAnswers[0])
                    .arg(rightAnswers[1])
                    .arg(rightAnswers[2])
                    .arg(rightAnswers[3]);
        text += tr("records with a picture: %1\n").arg(ranges(pictureRecords));
    } else {
        // The program reads no record of a file it cannot read to the end.
        text = tr("%1: %2 read before the first error\n").arg(fileName, counted(recordCount, Records));
    }
    const auto warnings =
        std::count_if(problems.cbegin(), problems.cend(), [](const bank::SourceError &e) { return e.warning; });
    text += tr("%1, %2\n").arg(counted(problems.size() - warnings, Errors), counted(warnings, Warnings));
    switch (outcome) {
    case ProgramOutcome::StartsNormally: return text + tr("the program starts normally with %1\n").arg(subject);
    case ProgramOutcome::EndsSilently:
        return text + tr("the program ends silently with %1 (foreign signature)\n").arg(subject);
    case ProgramOutcome::ReinstallMessage: break;
    }
    return text + tr("the program shows \"%1\" and ends\n").arg(app::mMain::testFileMissingText());
}

BankCheck checkTestFile(const QByteArray &bytes, const QString &fileName)
{
    BankCheck check;
    Checker(bytes, fileName, check).run();
    return check;
}

} // namespace bank_cli
