#pragma once

#include "bank/bank_reader.h"
#include "bank/bank_source.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The decoder: the readable source written from a loaded test file.
namespace bank {

// The records of a loaded test file as source text. Empty with an error at the place in the test
// file of what the source cannot hold: a byte without a character, an empty text, a right answer
// outside 1..4.
QString writeBankSource(const QByteArray &testFile, const QList<QuestionRecord> &records, const QString &fileName,
                        SourceError &error);

} // namespace bank
