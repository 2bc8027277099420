#pragma once

#include "bank/armscii8.h"
#include "bank/test_file_reader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <algorithm>

// What must hold for any bytes given to the test-file reader and the ArmSCII-8 codec, whatever
// they are. Shared by the fuzzer and the corpus replay test. Each check returns a description
// of the first property that does not hold, or an empty string when all hold.
namespace fuzzcheck {

namespace detail {

inline bool isUnassignedByte(unsigned char b)
{
    return (b >= 0x80 && b <= 0x9F) || b == 0xA1 || b == 0xFF;
}

inline QString at(const char *what, qsizetype index)
{
    return QStringLiteral("%1 (at %2)").arg(QLatin1StringView(what)).arg(index);
}

// Every character decodes from one byte; the decoded text encodes back to bytes that decode to
// the same text, unless it holds a replacement character, which the encoder refuses first.
inline QString checkDecoder(QByteArrayView bytes)
{
    const QString text = bank::decodeArmscii8(bytes);
    if (text.size() != bytes.size())
        return QStringLiteral("decoding %1 bytes gave %2 characters").arg(bytes.size()).arg(text.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const char16_t c = text[i].unicode();
        if (b < 0x80 && c != b)
            return at("an ASCII byte decoded to another character", i);
        if (b >= 0x80 && isUnassignedByte(b) != (c == bank::kArmscii8Replacement))
            return at("replacement character for an assigned byte or none for an unassigned one", i);
    }
    qsizetype badIndex = -2;
    const QByteArray encoded = bank::encodeArmscii8(text, &badIndex);
    const qsizetype firstReplacement = text.indexOf(QChar(bank::kArmscii8Replacement));
    if (badIndex != firstReplacement)
        return QStringLiteral("encoder refused index %1, first replacement is at %2")
            .arg(badIndex).arg(firstReplacement);
    if (firstReplacement >= 0)
        return encoded.isEmpty() ? QString() : QStringLiteral("a refused encoding returned bytes");
    if (bank::decodeArmscii8(encoded) != text)
        return QStringLiteral("decoding the encoded text does not give the text back");
    return {};
}

// The main window reads at most 4095 bytes of the first line to look for the signature.
inline QString checkSignature(QByteArrayView bytes)
{
    qsizetype lineLength = bytes.size();
    if (const qsizetype nl = bytes.indexOf('\n'); nl >= 0)
        lineLength = nl + 1;
    const QByteArrayView firstLine = bytes.first(std::min<qsizetype>(lineLength, 4095));
    if (bank::hasSignature(firstLine) != bank::hasSignature(bytes))
        return QStringLiteral("the first line and the whole file disagree about the signature");
    return {};
}

inline bool sameRecord(const bank::QuestionRecord &a, const bank::QuestionRecord &b)
{
    for (int field = 0; field < 5; ++field) {
        if (a.text(field) != b.text(field))
            return false;
    }
    return a.rightAnswer == b.rightAnswer;
}

inline QString compareResults(const bank::LoadResult &a, const bank::LoadResult &b, const char *how)
{
    if (a.error != b.error || a.errorRecord != b.errorRecord || a.records.size() != b.records.size())
        return QStringLiteral("%1: outcome changed from \"%2\" at record %3 (%4 records) to \"%5\" at "
                              "record %6 (%7 records)")
            .arg(QLatin1StringView(how), QLatin1StringView(bank::loadErrorText(a.error)))
            .arg(a.errorRecord).arg(a.records.size())
            .arg(QLatin1StringView(bank::loadErrorText(b.error)))
            .arg(b.errorRecord).arg(b.records.size());
    for (qsizetype i = 0; i < a.records.size(); ++i) {
        if (!sameRecord(a.records[i], b.records[i]))
            return QStringLiteral("%1: record %2 differs").arg(QLatin1StringView(how)).arg(i + 1);
    }
    return {};
}

// The records written back in the plain form: five quoted texts and the number, CR LF. Empty
// when a text holds a double quote, which the plain form cannot carry.
inline QByteArray writePlain(const QList<bank::QuestionRecord> &records)
{
    QByteArray out;
    for (const bank::QuestionRecord &r : records) {
        for (int k = 0; k < 5; ++k) {
            const QString field = r.text(k);
            if (field.contains(u'"'))
                return {};
            out += '"';
            for (const QChar c : field) {
                // Every unassigned byte decodes to the replacement character; 0x80 is one of them.
                out += c == QChar(bank::kArmscii8Replacement)
                    ? QByteArray(1, '\x80')
                    : bank::encodeArmscii8(QStringView(&c, 1));
            }
            out += "\",";
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
    if (result.ok()) {
        if (result.errorRecord != 0 || result.errorOffset != -1)
            return QStringLiteral("a successful load reports a failure position");
        if (count != result.records.size())
            return QStringLiteral("counted %1 records, loaded %2").arg(count).arg(result.records.size());
    } else {
        if (!result.records.isEmpty())
            return QStringLiteral("a failed load keeps records");
        if (result.errorRecord < 1 || result.errorRecord > bank::kMaxQuestions + 1)
            return QStringLiteral("failing record %1 out of range").arg(result.errorRecord);
        if (result.errorOffset < 0 || result.errorOffset > bytes.size())
            return QStringLiteral("failure offset %1 outside the file").arg(result.errorOffset);
        if ((result.error == bank::LoadError::TooManyRecords)
            != (result.errorRecord == bank::kMaxQuestions + 1))
            return QStringLiteral("too many records reported at record %1").arg(result.errorRecord);
        if (qstrcmp(bank::loadErrorText(result.error), "unknown error") == 0)
            return QStringLiteral("the failure is none of the defined ones");
        // A record that fails to read has been counted already.
        if (count != std::min(result.errorRecord, bank::kMaxQuestions))
            return QStringLiteral("counted %1 records, loading failed in record %2")
                .arg(count).arg(result.errorRecord);
    }
    for (const bank::QuestionRecord &r : result.records) {
        for (int k = 0; k < 5; ++k) {
            const QString field = r.text(k);
            if (field.contains(u'\r') || field.contains(u'\n'))
                return QStringLiteral("a loaded text holds a line end");
        }
    }

    // The same bytes at another address, with delimiters right behind them that must not be read.
    for (const int shift : {1, 7, 13}) {
        QByteArray moved = QByteArray(shift, '"') + bytes + QByteArray("\",\r\n9\"", 6);
        const QByteArray view = QByteArray::fromRawData(moved.constData() + shift, bytes.size());
        const QString broken = compareResults(result, bank::loadQuestions(view), "moved in memory");
        if (!broken.isEmpty())
            return broken;
        if (bank::countQuestions(view) != count)
            return QStringLiteral("moved in memory: the count changed");
    }
    if (!result.ok())
        return {};

    // Nothing after the last record's number field starts a further record.
    const QByteArray padded = bytes + QByteArrayLiteral(" \0\t\r\n\r\n \0");
    QString broken = compareResults(result, bank::loadQuestions(padded), "filler appended");
    if (!broken.isEmpty())
        return broken;

    // What was loaded, written back plainly, loads the same.
    const QByteArray plain = writePlain(result.records);
    if (!plain.isEmpty() || result.records.isEmpty()) {
        broken = compareResults(result, bank::loadQuestions(plain), "written back plainly");
        if (!broken.isEmpty())
            return broken;
    }
    return {};
}

} // namespace detail

inline QString checkTestFileBytes(QByteArrayView bytes)
{
    for (QString (*check)(QByteArrayView) :
         {detail::checkDecoder, detail::checkSignature, detail::checkReader}) {
        const QString broken = check(bytes);
        if (!broken.isEmpty())
            return broken;
    }
    return {};
}

} // namespace fuzzcheck
