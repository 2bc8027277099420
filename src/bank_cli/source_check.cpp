#include "bank_cli/source_check.h"

#include "bank/source_encoder.h"
#include "bank_cli/bank_check.h"
#include "bank_cli/counted.h"

#include <QFileInfo>

#include <algorithm>

namespace bank_cli {
namespace {

// The right answer has no place of its own in a record read from a source: its record's is taken.
QList<bank::SourceError> moveToSource(const BankCheck &check, const bank::BankSource &source)
{
    QList<bank::SourceError> warnings;
    for (qsizetype i = 0; i < check.problems.size(); ++i) {
        if (!check.problems.at(i).warning)
            continue;
        const RecordPlace place = check.places.at(i);
        bank::SourcePosition where{source.records.constFirst().positions[0].file, 0, 0};
        if (place.record > 0 && place.record <= source.records.size())
            where = source.records.at(place.record - 1).positions[place.field < 5 ? place.field : 0];
        warnings.append({where, check.problems.at(i).message, true});
    }
    return warnings;
}

qsizetype errorCount(const QList<bank::SourceError> &problems)
{
    return std::count_if(problems.cbegin(), problems.cend(), [](const bank::SourceError &e) { return !e.warning; });
}

} // namespace

QList<bank::SourceError> warningsAtSource(const bank::BankSource &source, const QByteArray &testFile)
{
    if (testFile.isEmpty() || source.records.isEmpty())
        return {};
    return moveToSource(checkTestFile(testFile, QString()), source);
}

bool isBankSource(const QByteArray &bytes, const QString &path)
{
    const QByteArrayView text = QByteArrayView(bytes).sliced(bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0);
    const auto first = std::find_if(text.begin(), text.end(), [](char c) { return !QChar::isSpace(uchar(c)); });
    if (first != text.end() && (*first == '[' || *first == '#' || *first == '"'))
        return *first != '"';
    return QFileInfo(path).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

SourceCheck checkSource(const QString &path)
{
    SourceCheck result;
    bank::BankSource source;
    bank::readBankSources({path}, source, result.problems);
    const QByteArray bytes =
        source.records.isEmpty() ? QByteArray() : bank::buildTestFile(source, false, result.problems);
    if (bytes.isEmpty()) {
        bank::sortInFileOrder(result.problems, {path});
        const qsizetype errors = errorCount(result.problems);
        result.summary = BankCheck::tr("%1: %2, %3\nencode writes no test file from it\n")
                             .arg(path, counted(errors, Errors), counted(result.problems.size() - errors, Warnings));
        return result;
    }
    BankCheck check = checkTestFile(bytes, path);
    result.problems += moveToSource(check, source);
    bank::sortInFileOrder(result.problems, {path});
    check.problems = result.problems;
    //: What the program starts or ends "with"; it takes the case that goes with that.
    result.summary = check.summary(path, BankCheck::tr("the test file encode writes from it"));
    result.startsNormally = check.outcome == ProgramOutcome::StartsNormally && errorCount(result.problems) == 0;
    return result;
}

} // namespace bank_cli
