#pragma once

#include "bank/bank_reader.h"
#include "bank/bank_source.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

namespace bank_cli {

// What the program does when it starts with the file.
enum class ProgramOutcome { StartsNormally, EndsSilently, ReinstallMessage };

// Lengths the question box and an answer box show whole at the window's design size.
inline constexpr int QuestionBoxChars = 250;
inline constexpr int AnswerBoxChars = 120;
// A test draws thirty different questions; the question order needs one record more.
inline constexpr int FewestRecords = 31;

// What a problem is about: the record (from 1; 0 for the whole file) and its field (0 the
// question, 1..4 the answers, 5 the right answer).
struct RecordPlace
{
    int record = 0;
    int field = 0;
};

// A test file read exactly as the program reads it: what the program would do with it, every
// problem and remark with its line and column, and the figures a teacher wants to see.
struct BankCheck
{
    Q_DECLARE_TR_FUNCTIONS(BankCheck)

public:
    ProgramOutcome outcome = ProgramOutcome::StartsNormally;
    QList<bank::SourceError> problems; // errors first, in file order, then the warnings
    QList<RecordPlace> places;         // what each problem is about, in the same order
    int recordCount = 0;               // records read before any failure
    int rightAnswers[4] = {};          // how many records have answer 1, 2, 3, 4 right
    QList<int> pictureRecords;         // records the picture table gives a picture
    bank::LoadResult load;

    // subject: what the outcome is told of, "this file" for the file checked.
    //: What the program starts or ends "with"; it takes the case that goes with that.
    QString summary(const QString &fileName, const QString &subject = tr("this file")) const;
};

BankCheck checkTestFile(const QByteArray &bytes, const QString &fileName);

} // namespace bank_cli
