#pragma once

#include "bank/bank_source.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace bank_cli {

// The warnings of check about testFile, built from source, each moved to the place in the source
// of the text or the record it is about (a remark about the whole file to the source file): the
// teacher mends the source, not the test file. Nothing when testFile is empty, not built.
QList<bank::SourceError> warningsAtSource(const bank::BankSource &source, const QByteArray &testFile);

// True when bytes, read from path, are a readable source rather than a test file: the first
// character that is no space is a record header's "[" or a comment's "#" (a test file's is a
// quote), or, when it is neither, the name ends with .txt.
bool isBankSource(const QByteArray &bytes, const QString &path);

// A readable source checked as encode takes it: its faults, or the warnings about the test file
// encode writes from it at the source's lines and what the program would do with that file.
struct SourceCheck
{
    QList<bank::SourceError> problems; // in file order
    QString summary;
    bool startsNormally = false;
};

SourceCheck checkSource(const QString &path);

} // namespace bank_cli
