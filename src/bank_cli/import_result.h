#pragma once

#include "bank/bank_source.h"

#include <QCoreApplication>
#include <QList>

namespace bank_cli {

// What an importer makes of a question file: the records, the questions that cannot become one
// (another number of answers, several right answers, another question type), each at its first
// line, and the faults and warnings, in the order of the file. A question with a fault becomes no
// record; a warning leaves its question a record.
struct ImportResult
{
    bool ok() const { return !bank::hasFault(errors); }

    void warn(const bank::SourcePosition &where, const QString &message) { errors.append({where, message, true}); }

    void skip(const bank::SourcePosition &question, const QString &why)
    {
        unsupported.append(
            {question,
             QCoreApplication::translate("ImportResult", "this question cannot become a record: %1").arg(why)});
    }

    bank::BankSource source;
    QList<bank::SourceError> unsupported;
    QList<bank::SourceError> errors;
};

} // namespace bank_cli
