#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// Reading the test file: one record per line, five texts and the number of the right answer,
// separated by commas, e.g.
//     ".doc files are ...","answer 1","answer 2","answer 3","answer 4",2<CR><LF>
//
// Records are read field by field the way a BASIC sequential `Input #` reads them:
// - Spaces and tabs before a field are skipped.
// - A text field in double quotes runs to the next double quote; commas and spaces inside are
//   kept. Whatever follows the closing quote is skipped up to and over the next comma or line
//   end. A line end or the end of the file before the closing quote is an unterminated quote.
// - A text field without quotes runs to the next comma or line end, trailing spaces and tabs
//   removed.
// - The number field is an optional sign and decimal digits in the range of a 16-bit integer.
//   Spaces and anything else that cannot belong to a number are ignored up to the line end
//   (the default file ends with a NUL byte after its last digit). A field without digits, or
//   with a fraction or an exponent right after the digits ("2.5", "4e0"), is refused.
// - Lines end with CR LF, LF or CR.
// - Before each record, blank lines and stray spaces, tabs and NUL bytes are skipped; the
//   record count is only raised when something is left after them. So nothing after the last
//   number field (spaces, NUL bytes, line ends, blank lines) starts a further record.
// A line end ends a text field like a comma does, so a record cut short takes its missing
// fields from the next line; that misreading then shows as a bad number field or a premature
// end of the file.
//
// All functions work on the file's bytes in memory, in time linear in their size.
namespace bank {

// At most this many records: the counts are 16-bit signed integers.
inline constexpr int MaxQuestions = 32767;

// One record of the file. Its texts stay in the file's ArmSCII-8 bytes, which every record of
// a load shares, and are decoded when asked for: loading a large file then costs no memory or
// time per text, and a record stays valid on its own for as long as it is kept.
struct QuestionRecord
{
    QString text(int field) const; // field 0 is the question, 1..4 the answers

    QString questText() const { return text(0); }

    QString answer(int k) const { return text(k); } // k = 1..4

    QByteArray file; // the whole file, shared

    struct Span
    {
        qsizetype offset = 0, length = 0;
    } texts[5]; // question, answers 1..4

    qint16 rightAnswer = 0; // kept as written, even outside 1..4
};

enum class LoadError {
    None,
    PrematureEnd,      // the file ends inside a record
    UnterminatedQuote, // a quoted text without its closing quote on the same line
    NoNumber,          // the number field holds no digits
    NotAnInteger,      // the number field has a fraction or an exponent
    NumberOutOfRange,  // beyond -32768..32767
    TooManyRecords,    // more than MaxQuestions records
};

struct LoadResult
{
    bool ok() const { return error == LoadError::None; }

    LoadError error = LoadError::None;
    QList<QuestionRecord> records; // record n of the file at index n - 1; empty on failure
    int errorRecord = 0;           // 1-based number of the record being read at the failure
    qsizetype errorOffset = -1;    // byte offset of the failure in the file
};

// True when the file's first line begins with a double quote and a full stop (`".`).
// Takes the whole file or any beginning of it.
bool hasSignature(QByteArrayView firstBytes);

// Every record of the file, or the first failure. The records share the file's bytes.
LoadResult loadQuestions(const QByteArray &bytes);

// The records of the file counted with the same reading, the fields thrown away. The count is
// raised before a record is read, so a record that fails to read is still counted; counting
// stops quietly at the first failure, and at MaxQuestions when more records follow.
qint16 countQuestions(QByteArrayView bytes);

// A short English description of the failure, for logs and test output.
const char *loadErrorText(LoadError error);
// The same in the interface's language.
QString loadErrorMessage(LoadError error);

} // namespace bank

Q_DECLARE_TYPEINFO(bank::QuestionRecord, Q_RELOCATABLE_TYPE);
