#pragma once

#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringList>

// The readable UTF-8 source of a test file, and its parser.
//
// A source file holds records like
//     [12]
//     Q: question text
//     1: first answer        (2:, 3:, 4: likewise)
//     R: 3
// separated by blank lines; lines starting with "#" are comments. A field's letter may be followed
// by the Armenian full stop instead of the colon, and the text by a tab or nothing instead of the
// space. Record numbers run on without
// gaps across the files, in the order the files are given. The test file ends with a NUL byte
// after the last record's number unless a last line "END: CRLF" or "END: NONE" says otherwise.
namespace bank {

struct SourcePosition
{
    QString file;
    int line = 0;   // 1-based; 0 for the whole file
    int column = 0; // 1-based, in characters
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

// True when one of problems is an error, not a warning.
bool hasFault(const QList<SourceError> &problems);

// Sets error to message at where and returns false, for the early returns of the source's readers
// and writers.
bool failAt(SourceError &error, const SourcePosition &where, const QString &message);
// Appends message at where and returns false, for the readers and writers that go on to find the
// rest.
bool failAt(QList<SourceError> &errors, const SourcePosition &where, const QString &message);

// True when a lies before b in the same file.
bool comesBefore(const SourcePosition &a, const SourcePosition &b);
// Sorted by file in the order of files, then by line and column; reports at one place keep their
// order.
void sortInFileOrder(QList<SourceError> &errors, const QStringList &files);

enum class FileEnding { Nul, LineEnd, Nothing };

struct BankSource
{
    QList<SourceRecord> records;
    FileEnding ending = FileEnding::Nul;
};

// What each line of a record begins with after its header: the question, answers 1..4, the right
// answer.
inline constexpr QLatin1StringView SourceFieldPrefixes[6] = {QLatin1StringView("Q: "), QLatin1StringView("1: "),
                                                             QLatin1StringView("2: "), QLatin1StringView("3: "),
                                                             QLatin1StringView("4: "), QLatin1StringView("R: ")};
// The Armenian full stop, on the key where other keyboards have the colon.
inline constexpr char16_t ArmenianFullStop = u'\u0589';
// The last line that gives each FileEnding.
inline constexpr QLatin1StringView SourceEndLines[3] = {QLatin1StringView("END: NUL"), QLatin1StringView("END: CRLF"),
                                                        QLatin1StringView("END: NONE")};

// Appends the records of one source file and every fault, in the order of the file; false when
// there is one. After a fault in a record the reading goes on at the next record header.
bool parseBankSource(const QString &text, const QString &fileName, BankSource &source, QList<SourceError> &errors);

} // namespace bank
