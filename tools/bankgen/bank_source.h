#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The readable source of the default test bank and its translation into the 8-bit test file.
//
// A source file holds records like
//     [12]
//     Q: question text
//     1: first answer        (2:, 3:, 4: likewise)
//     R: 3
// separated by blank lines; lines starting with "#" are comments. Record numbers run on without
// gaps across the files, in the order the files are given.
namespace bankgen {

struct SourcePosition
{
    QString file;
    int line = 0;   // 1-based
    int column = 0; // 1-based
};

struct SourceRecord
{
    int number = 0;
    QString texts[5]; // question, answers 1..4
    SourcePosition positions[5]; // where each text starts
    int rightAnswer = 0;
};

struct SourceError
{
    SourcePosition where;
    QString message;
    QString toString() const;
};

// Appends the records of one source file; false and an error at the first fault.
bool parseBankSource(const QString &text, const QString &fileName, QList<SourceRecord> &records,
                     SourceError &error);

// The test file: per record five quoted texts and the number, CR LF between records, the last
// record's number followed by one NUL byte. Empty with an error when a text cannot be carried.
QByteArray encodeTestFile(const QList<SourceRecord> &records, SourceError &error);

// Reads the files in order and builds the test file; empty with an error on any fault.
QByteArray buildTestFile(const QStringList &sourceFiles, SourceError &error);

// The source files of the default bank in a folder, in reading order.
QStringList defaultSourceFiles(const QString &folder);

} // namespace bankgen
