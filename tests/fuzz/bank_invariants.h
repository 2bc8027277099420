#pragma once

#include "bank/armscii8.h"
#include "bank/bank_reader.h"
#include "bank/source_encoder.h"
#include "bank_cli/aiken_import.h"
#include "bank_cli/gift_import.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <algorithm>

// What must hold for any bytes given to the test-file reader, the ArmSCII-8 codec and the importers, whatever
// they are. Shared by the fuzzer and the reader's tests. Each check returns a description of the
// first property that does not hold, or an empty string when all hold.
namespace fuzzcheck {

// A load as text: one "question|answer 1|...|answer 4|number" line per record, or the failure
// and the record it happened in.
inline QString outcome(const bank::LoadResult &result)
{
    if (!result.ok())
        return QStringLiteral("%1 in record %2")
            .arg(QLatin1StringView(bank::loadErrorText(result.error)))
            .arg(result.errorRecord);
    QStringList lines;
    for (const bank::QuestionRecord &r : result.records)
        lines << QStringList{r.text(0), r.text(1), r.text(2), r.text(3), r.text(4), QString::number(r.rightAnswer)}
                     .join(u'|');
    return lines.join(u'\n');
}

namespace detail {

// Every character decodes from one byte; the decoded text encodes back to bytes that decode to
// the same text, unless it holds a replacement character, which the encoder refuses first.
inline QString checkDecoder(QByteArrayView bytes)
{
    const QString text = bank::decodeArmscii8(bytes);
    if (text.size() != bytes.size())
        return QStringLiteral("decoding %1 bytes gave %2 characters").arg(bytes.size()).arg(text.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const bool unassigned = (b >= 0x80 && b <= 0x9F) || b == 0xA1 || b == 0xFF;
        const char16_t c = text[i].unicode();
        if ((b < 0x80 && c != b) || unassigned != (c == bank::Armscii8Replacement))
            return QStringLiteral("byte %1 at %2 decoded to U+%3").arg(int(b)).arg(i).arg(int(c), 0, 16);
    }
    const qsizetype firstReplacement = text.indexOf(QChar(bank::Armscii8Replacement));
    qsizetype badIndex = -2;
    const QByteArray encoded = bank::encodeArmscii8(text, &badIndex);
    const bool roundTrips = firstReplacement < 0 ? bank::decodeArmscii8(encoded) == text : encoded.isEmpty();
    if (badIndex != firstReplacement || !roundTrips)
        return QStringLiteral("encoding the decoded text: refused at %1, first replacement at %2")
            .arg(badIndex)
            .arg(firstReplacement);
    return {};
}

// The records written back in the plain form: five quoted texts and the number, CR LF. Empty
// when a text holds a double quote, which the plain form cannot carry.
inline QByteArray writePlain(const QList<bank::QuestionRecord> &records)
{
    QByteArray out;
    for (const bank::QuestionRecord &r : records) {
        for (const bank::QuestionRecord::Span &span : r.texts) {
            const QByteArray text = r.file.mid(span.offset, span.length);
            if (text.contains('"'))
                return {};
            out += '"' + text + "\",";
        }
        out += QByteArray::number(r.rightAnswer) + "\r\n";
    }
    return out;
}

inline QString checkReader(QByteArrayView input)
{
    const QByteArray bytes = input.toByteArray();
    const bank::LoadResult result = bank::loadQuestions(bytes);
    const int count = bank::countQuestions(bytes);
    const int failed = result.errorRecord;
    const qsizetype kept = result.records.size();
    // A record that fails to read has been counted already.
    const bool consistent =
        result.ok() ? failed == 0 && result.errorOffset == -1 && count == kept
                    : kept == 0 && failed >= 1 && failed <= bank::MaxQuestions + 1 && result.errorOffset >= 0
                          && result.errorOffset <= bytes.size() && count == std::min(failed, bank::MaxQuestions)
                          && (result.error == bank::LoadError::TooManyRecords) == (failed == bank::MaxQuestions + 1);
    if (!consistent)
        return QStringLiteral("\"%1\" in record %2 at offset %3, %4 records kept, %5 counted")
            .arg(QLatin1StringView(bank::loadErrorText(result.error)))
            .arg(failed)
            .arg(result.errorOffset)
            .arg(kept)
            .arg(count);
    const QString expected = outcome(result);
    if (expected.contains(u'\r') || expected.count(u'\n') > std::max<qsizetype>(kept - 1, 0))
        return QStringLiteral("a loaded text holds a line end");

    // The same bytes at another address, with delimiters right behind them that must not be read.
    for (const int shift : {1, 7, 13}) {
        const QByteArray moved = QByteArray(shift, '"') + bytes + QByteArray("\",\r\n9\"", 6);
        const QByteArray view = QByteArray::fromRawData(moved.constData() + shift, bytes.size());
        if (outcome(bank::loadQuestions(view)) != expected || bank::countQuestions(view) != count)
            return QStringLiteral("the same bytes at another address read differently");
    }
    if (!result.ok())
        return {};
    // Nothing after the last record's number field starts a further record.
    if (outcome(bank::loadQuestions(bytes + QByteArrayLiteral(" \0\t\r\n\r\n \0"))) != expected)
        return QStringLiteral("filler after the last record changed the load");
    const QByteArray plain = writePlain(result.records);
    if ((!plain.isEmpty() || kept == 0) && outcome(bank::loadQuestions(plain)) != expected)
        return QStringLiteral("the records written back plainly load differently");
    return {};
}

// Every report lies inside the question file, and the records made of it read back from their
// test file as they are, or the encoder refuses them with a reason.
inline QString checkImport(const bank_cli::ImportResult &result, qsizetype lineCount)
{
    QList<bank::SourceError> reports = result.unsupported + result.errors;
    for (const bank::SourceRecord &record : result.source.records)
        reports.append({record.positions[0], QString()});
    for (const bank::SourceError &report : reports) {
        if (report.where.line < 1 || report.where.line > lineCount || report.where.column < 1)
            return QStringLiteral("a report outside the file: ") + report.toString();
    }
    QList<bank::SourceError> errors;
    const QByteArray file = result.ok() ? bank::encodeTestFile(result.source, errors) : QByteArray();
    if (file.isEmpty())
        return {};
    const bank::LoadResult loaded = bank::loadQuestions(file);
    bool same = loaded.records.size() == result.source.records.size();
    for (qsizetype r = 0; same && r < loaded.records.size(); ++r) {
        const bank::SourceRecord &made = result.source.records.at(r);
        same = loaded.records.at(r).rightAnswer == made.rightAnswer;
        for (int field = 0; same && field < 5; ++field)
            same = loaded.records.at(r).text(field) == made.texts[field];
    }
    return same ? QString() : QStringLiteral("the imported records do not read back");
}

} // namespace detail

inline QString checkTestFileBytes(QByteArrayView bytes)
{
    QString broken = detail::checkDecoder(bytes);
    if (broken.isEmpty())
        broken = detail::checkReader(bytes);
    const QString text = QString::fromUtf8(bytes);
    const qsizetype lines = text.count(u'\n') + 1;
    if (broken.isEmpty())
        broken = detail::checkImport(bank_cli::importAiken(text, QStringLiteral("f")), lines);
    if (broken.isEmpty())
        broken = detail::checkImport(bank_cli::importGift(text, QStringLiteral("f")), lines);
    return broken;
}

} // namespace fuzzcheck
