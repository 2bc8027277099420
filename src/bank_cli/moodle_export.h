#pragma once

#include "bank/bank_reader.h"
#include "bank/bank_source.h"
#include "bank/line_index.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

namespace bank_cli {

// The records of a test file as a question file in Moodle's GIFT or Aiken format, the way back of
// the importers: importing the file gives the same records again.
//
// GIFT: "::N:: question {~wrong =right ~wrong ~wrong}", the answers in their order, N the record's
// number, ~ = # { } : and the backslash escaped with a backslash, a blank line between questions.
// Aiken: the question, "A) answer" to "D) answer", "ANSWER: B", a blank line.
class MoodleExport
{
    Q_DECLARE_TR_FUNCTIONS(MoodleExport)

public:
    enum Format { Gift, Aiken };

    MoodleExport(Format format, const QByteArray &testFile, const QString &fileName);

    // The question file. A record that Moodle could not be given as it is (a right answer none of
    // 1 to 4, an empty text, a byte that stands for no character, an answer with "->" in GIFT, a
    // question beginning with "ANSWER" in Aiken) is left out with a warning.
    QString write(const QList<bank::QuestionRecord> &records);

    int questions() const { return m_questions; }
    const QList<bank::SourceError> &problems() const { return m_problems; }

private:
    bool exportable(const bank::QuestionRecord &record);
    QString gift(int number, const bank::QuestionRecord &record) const;
    QString aiken(const bank::QuestionRecord &record) const;

    Format m_format;
    QByteArray m_testFile;
    bank::LineIndex m_lines;
    int m_questions = 0;
    QList<bank::SourceError> m_problems;
};

} // namespace bank_cli
