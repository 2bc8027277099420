#include "bank_cli/bank_check.h"

#include "app/m_main.h"
#include "bank/armscii8.h"
#include "bank/line_index.h"
#include "bank/question_pictures.h"

#include <QHash>

#include <algorithm>

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
    }

private:
    void inspect()
    {
        if (m_bytes.isEmpty()) {
            m_check.outcome = ProgramOutcome::ReinstallMessage;
            return error(0, QStringLiteral("the file is empty"));
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
            warn(0, QStringLiteral("only %1 records: a test needs thirty different questions and one record more")
                        .arg(m_check.recordCount));
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

    void checkRecord(int number, const bank::QuestionRecord &record)
    {
        QString texts[5];
        for (int field = 0; field < 5; ++field) {
            texts[field] = record.text(field);
            checkText(record.texts[field].offset, texts[field], field == 0 ? QuestionBoxChars : AnswerBoxChars);
            for (int earlier = 1; field > 1 && earlier < field; ++earlier) {
                if (texts[earlier] == texts[field] && !texts[field].isEmpty())
                    warn(record.texts[field].offset,
                         QStringLiteral("answer %1 repeats answer %2").arg(field).arg(earlier));
            }
        }
        if (record.rightAnswer >= 1 && record.rightAnswer <= 4)
            ++m_check.rightAnswers[record.rightAnswer - 1];
        else
            warn(numberOffset(record),
                 QStringLiteral("the right answer %1 is none of 1 to 4: no answer counts as right")
                     .arg(record.rightAnswer));
        const std::optional<int> picture = bank::questionPictureId(number);
        const QString key = texts[0] + u'\0' + QString::number(picture.value_or(0));
        if (const auto it = m_questions.constFind(key); it != m_questions.cend())
            warn(record.texts[0].offset, QStringLiteral("the question repeats record %1").arg(*it));
        else
            m_questions.insert(key, number);
    }

    void checkText(qsizetype offset, const QString &text, int boxChars)
    {
        if (text.trimmed().isEmpty())
            warn(offset, QStringLiteral("empty text"));
        if (text.size() > boxChars)
            warn(offset, QStringLiteral("%1 characters: the box shows about %2 at the design size")
                             .arg(text.size())
                             .arg(boxChars));
        if (const qsizetype bad = text.indexOf(QChar(bank::Armscii8Replacement)); bad >= 0)
            warn(offset + bad, QStringLiteral("byte 0x%1 stands for no character; the program shows a box")
                                   .arg(quint8(m_bytes.at(offset + bad)), 2, 16, QLatin1Char('0')));
    }

    qsizetype numberOffset(const bank::QuestionRecord &record) const
    {
        qsizetype at = record.texts[4].offset + record.texts[4].length;
        while (at < m_bytes.size() && !QByteArrayView("+-0123456789").contains(m_bytes.at(at)))
            ++at;
        return at;
    }

    void error(qsizetype offset, const QString &message) { m_errors.append({m_lines.at(offset), message}); }
    void warn(qsizetype offset, const QString &message) { m_warnings.append({m_lines.at(offset), message, true}); }

    const QByteArray &m_bytes;
    bank::LineIndex m_lines;
    BankCheck &m_check;
    QHash<QString, int> m_questions;
    QList<bank::SourceError> m_errors;
    QList<bank::SourceError> m_warnings;
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

QString BankCheck::summary(const QString &fileName) const
{
    QString text;
    if (load.ok()) {
        text = QStringLiteral("%1: %2 records\n").arg(fileName).arg(recordCount);
        text += QStringLiteral("right answers: 1: %1, 2: %2, 3: %3, 4: %4\n")
                    .arg(rightAnswers[0])
                    .arg(rightAnswers[1])
                    .arg(rightAnswers[2])
                    .arg(rightAnswers[3]);
        text += QStringLiteral("records with a picture: %1\n").arg(ranges(pictureRecords));
    } else {
        // The program reads no record of a file it cannot read to the end.
        text = QStringLiteral("%1: %2 records read before the first error\n").arg(fileName).arg(recordCount);
    }
    const auto warnings =
        std::count_if(problems.cbegin(), problems.cend(), [](const bank::SourceError &e) { return e.warning; });
    text += QStringLiteral("%1 errors, %2 warnings\n").arg(problems.size() - warnings).arg(warnings);
    switch (outcome) {
    case ProgramOutcome::StartsNormally: return text + QStringLiteral("the program starts normally with this file\n");
    case ProgramOutcome::EndsSilently:
        return text + QStringLiteral("the program ends silently with this file (foreign signature)\n");
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
