#pragma once

#include "bank/bank_reader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The readable UTF-8 source of a test file and its translation to and from the 8-bit file.
//
// A source file holds records like
//     [12]
//     Q: question text
//     1: first answer        (2:, 3:, 4: likewise)
//     R: 3
// separated by blank lines; lines starting with "#" are comments. Record numbers run on without
// gaps across the files, in the order the files are given. The test file ends with a NUL byte
// after the last record's number unless a last line "END: CRLF" or "END: NONE" says otherwise.
namespace bank {

struct SourcePosition
{
    QString file;
    int line = 0;   // 1-based
    int column = 0; // 1-based
};

struct SourceRecord
{
    int number = 0;
    QString texts[5];            // question, answers 1..4
    SourcePosition positions[5]; // where each text starts
    int rightAnswer = 0;
};

// A fault, or with warning set a remark, at a place in a file.
struct SourceError
{
    SourcePosition where;
    QString message;
    bool warning = false;
    QString toString() const;
};

enum class FileEnding { Nul, LineEnd, Nothing };

struct BankSource
{
    QList<SourceRecord> records;
    FileEnding ending = FileEnding::Nul;
};

// Appends the records of one source file; false and an error at the first fault.
bool parseBankSource(const QString &text, const QString &fileName, BankSource &source, SourceError &error);

// The program only takes a file whose first question begins with a full stop. With add set, one is
// put in front of it; otherwise an error names the first question's line.
bool ensureSignature(BankSource &source, bool add, SourceError &error);

// The test file: per record five quoted texts and the number, CR LF between records, then the
// ending. Empty with an error when a text holds a double quote or a character ArmSCII-8 lacks.
QByteArray encodeTestFile(const BankSource &source, SourceError &error);

// The index of the first character of text that the test file cannot hold (a double quote, a
// line break, a character ArmSCII-8 lacks), with what is wrong with it; -1 when there is none.
qsizetype findUnwritable(QStringView text, QString *reason);

// Reads the files in order, checks the signature and builds the test file; empty with an error
// on any fault.
QByteArray buildTestFile(const QStringList &sourceFiles, bool addSignature, SourceError &error);
// The same for records already read.
QByteArray buildTestFile(BankSource source, bool addSignature, SourceError &error);

// The records of a loaded test file as source text. Empty with an error at the place in the test
// file of what the source cannot hold: a byte without a character, an empty text, a right answer
// outside 1..4.
QString writeBankSource(const QByteArray &testFile, const QList<QuestionRecord> &records, const QString &fileName,
                        SourceError &error);

// The text of a UTF-8 file; false and an error when it cannot be read or is no UTF-8.
bool readUtf8File(const QString &path, QString &text, SourceError &error);

} // namespace bank
