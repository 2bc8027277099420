#include "bank_cli/bank_check.h"

#include "app/m_main.h"
#include "bank/armscii8.h"
#include "bank/line_index.h"
#include "bank/question_pictures.h"

#include "bank/file_kind.h"
#include "bank_cli/counted.h"

#include <QHash>

#include <algorithm>
#include <deque>

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
public:
    Checker(const QByteArray &bytes, const QString &fileName, BankCheck &check)
        : m_bytes(bytes), m_lines(bytes, fileName), m_check(check)
    {}

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
            return error(0, QStringLiteral("the file is empty"));
        }
        if (const QString problem = bank::foreignFileProblem(m_bytes); !problem.isEmpty()) {
            m_check.outcome =
                bank::hasSignature(m_bytes) ? ProgramOutcome::ReinstallMessage : ProgramOutcome::EndsSilently;
            return error(0, problem);
        }
        if (!bank::hasSignature(m_bytes)) {
            m_check.outcome = ProgramOutcome::EndsSilently;
            error(0, QStringLiteral("the file does not begin with \".: the first question's text must begin "
                                    "with a full stop, or the program takes the file for a foreign one"));
        }
        m_check.load = bank::loadQuestions(m_bytes);
        if (!m_check.load.ok()) {
            if (m_check.outcome == ProgramOutcome::StartsNormally)
                m_check.outcome = ProgramOutcome::ReinstallMessage;
            m_check.recordCount = m_check.load.errorRecord - 1;
            if (!looksLikeText(m_bytes)) {
                // Its failures would fill screens and say nothing a teacher can mend.
                m_errors.clear();
                return error(0, QStringLiteral("the file is not a test file at all: it holds control bytes that no "
                                               "text has (is it a picture, a document, a program?)"));
            }
            return reportLoadFailures();
        }
        m_check.recordCount = int(m_check.load.records.size());
        if (m_check.recordCount < FewestRecords)
            warn(0, QStringLiteral("only %1: a test needs thirty different questions and one record more")
                        .arg(counted(m_check.recordCount, "record")));
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
            QString message = QLatin1StringView(bank::loadErrorText(result.error));
            // A line end ends a text like a comma, so a record short of a field reads on into the next line.
            if (m_lines.at(offset).column == 1 && offset > 0 && result.error != bank::LoadError::TooManyRecords)
                message += QStringLiteral(" (a record above is short of a field or has a stray quote)");
            error(offset, message);
            start = m_lines.nextLineStart(offset);
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
            texts[field] = shownAlike(QByteArrayView(m_bytes).sliced(offset, length));
            checkText(offset, texts[field], {number, field});
            for (int earlier = 1; field > 1 && earlier < field; ++earlier) {
                if (texts[earlier] == texts[field] && !texts[field].isEmpty())
                    warn(offset, QStringLiteral("answer %1 repeats answer %2").arg(field).arg(earlier),
                         {number, field});
            }
        }
        if (record.rightAnswer >= 1 && record.rightAnswer <= 4)
            ++m_check.rightAnswers[record.rightAnswer - 1];
        else
            warn(numberOffset(record),
                 QStringLiteral("the right answer %1 is none of 1 to 4: no answer counts as right")
                     .arg(record.rightAnswer),
                 {number, 5});
        // The same question is asked twice whatever its pictures: the test draws both.
        if (const auto it = m_questions.constFind(texts[0]); it != m_questions.cend())
            warn(record.texts[0].offset, QStringLiteral("the question repeats record %1").arg(*it), {number, 0});
        else
            m_questions.insert(texts[0], number);
    }

    void checkText(qsizetype offset, QByteArrayView text, RecordPlace place)
    {
        const int boxChars = place.field == 0 ? QuestionBoxChars : AnswerBoxChars;
        if (std::all_of(text.begin(), text.end(), isSpaceByte))
            warn(offset, QStringLiteral("empty text"), place);
        if (text.size() > boxChars)
            warn(offset,
                 QStringLiteral("%1: the box shows about %2 at the design size")
                     .arg(counted(text.size(), "character"))
                     .arg(boxChars),
                 place);
        const auto bad = std::find_if(text.begin(), text.end(), [](char b) {
            return bank::armscii8Char(quint8(b)) == bank::Armscii8Replacement;
        });
        if (bad != text.end())
            warn(offset + (bad - text.begin()),
                 QStringLiteral("byte 0x%1 stands for no character; the program shows a box")
                     .arg(quint8(*bad), 2, 16, QLatin1Char('0')),
                 place);
    }

    // The bytes of a text, with the second byte of each character ArmSCII-8 has twice (the full
    // stop, comma, hyphen and brackets of its upper half) made its ASCII byte, so that texts shown
    // alike compare equal. Most texts have none of them and are returned as they are.
    QByteArrayView shownAlike(QByteArrayView text)
    {
        if (std::none_of(text.begin(), text.end(), [](char b) { return quint8(b) >= 0xA4 && quint8(b) <= 0xAC; }))
            return text;
        QByteArray same = text.toByteArray();
        for (char &b : same) {
            if (const char16_t c = bank::armscii8Char(quint8(b)); c < 0x80)
                b = char(c);
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

    void error(qsizetype offset, const QString &message) { m_errors.append({m_lines.at(offset), message}); }
    void warn(qsizetype offset, const QString &message, RecordPlace place = {})
    {
        m_warnings.append({m_lines.at(offset), message, true});
        m_warningPlaces.append(place);
    }

    const QByteArray &m_bytes;
    bank::LineIndex m_lines;
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
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
}

} // namespace

QString BankCheck::summary(const QString &fileName, const QString &subject) const
{
    QString text;
    if (load.ok()) {
        text = QStringLiteral("%1: %2\n").arg(fileName, counted(recordCount, "record"));
        text += QStringLiteral("right answers: 1: %1, 2: %2, 3: %3, 4: %4\n")
                    .arg(rightAnswers[0])
                    .arg(rightAnswers[1])
                    .arg(rightAnswers[2])
                    .arg(rightAnswers[3]);
        text += QStringLiteral("records with a picture: %1\n").arg(ranges(pictureRecords));
    } else {
        // The program reads no record of a file it cannot read to the end.
        text = QStringLiteral("%1: %2 read before the first error\n").arg(fileName, counted(recordCount, "record"));
    }
    const auto warnings =
        std::count_if(problems.cbegin(), problems.cend(), [](const bank::SourceError &e) { return e.warning; });
    text += QStringLiteral("%1, %2\n").arg(counted(problems.size() - warnings, "error"), counted(warnings, "warning"));
    switch (outcome) {
    case ProgramOutcome::StartsNormally:
        return text + QStringLiteral("the program starts normally with %1\n").arg(subject);
    case ProgramOutcome::EndsSilently:
        return text + QStringLiteral("the program ends silently with %1 (foreign signature)\n").arg(subject);
    case ProgramOutcome::ReinstallMessage: break;
    }
    return text + QStringLiteral("the program shows \"%1\" and ends\n").arg(app::mMain::TestFileMissingText);
}

BankCheck checkTestFile(const QByteArray &bytes, const QString &fileName)
{
    BankCheck check;
    Checker(bytes, fileName, check).run();
    return check;
}

} // namespace bank_cli
