#pragma once

#include "bank/bank_source.h"

#include <QByteArray>
#include <QStringList>
#include <QStringView>

// The encoder: the test file written from its readable source.
namespace bank {

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

} // namespace bank
