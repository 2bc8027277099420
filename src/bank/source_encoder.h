#pragma once

#include "bank/bank_source.h"

#include <QByteArray>
#include <QStringList>
#include <QStringView>

#include <utility>

// The encoder: the test file written from its readable source.
namespace bank {

// The program only takes a file whose first question begins with a full stop. With add set, one is
// put in front of it; otherwise an error names the first question's line.
bool ensureSignature(BankSource &source, bool add, QList<SourceError> &errors);

// The test file: per record five quoted texts and the number, CR LF between records, then the
// ending. Empty when it adds errors: one for each character of a text that ArmSCII-8 lacks, each
// double quote, each empty text.
QByteArray encodeTestFile(const BankSource &source, QList<SourceError> &errors);

// Each character of text that the test file cannot hold (a double quote, a line break, a
// character ArmSCII-8 lacks, named with its code): its index in text and what is wrong with it. A
// surrogate pair is one character, at the index of its first half.
QList<std::pair<qsizetype, QString>> findUnwritable(QStringView text);

// Reads the records of the files in order; false with every fault in errors. The files after one
// with faults are not read: their record numbers depend on it.
bool readBankSources(const QStringList &sourceFiles, BankSource &source, QList<SourceError> &errors);

// Reads the files in order, checks the signature and builds the test file; empty with every fault
// in errors, in the order of the files. The files after one with faults are not read: their
// record numbers depend on it.
QByteArray buildTestFile(const QStringList &sourceFiles, bool addSignature, QList<SourceError> &errors);
// The same for records already read. errors may already hold faults found while reading them;
// the test file is empty when errors is not empty at the end.
QByteArray buildTestFile(BankSource source, bool addSignature, QList<SourceError> &errors);

} // namespace bank
