#include "bank/source_encoder.h"

#include "bank/armscii8.h"
#include "bank/bank_reader.h"
#include "bank/utf8_file.h"

#include <algorithm>
#include <utility>

namespace bank {
namespace {

// The bytes of one text, or an error at the offending character.
bool encodeText(const QString &text, const SourcePosition &where, QByteArray &out, SourceError &error)
{
    if (QStringView(text).trimmed().isEmpty())
        return failAt(error, where, QStringLiteral("empty text"));
    const auto at = [&](qsizetype i) { return SourcePosition{where.file, where.line, where.column + int(i)}; };
    const qsizetype start = out.size();
    out.resize(start + text.size() + 3);
    char *bytes = out.data() + start;
    *bytes++ = '"';
    const qsizetype bad = encodeArmscii8Into(text, bytes);
    // Only these characters have these bytes.
    const auto breaking = [](char b) { return b == '"' || b == '\r' || b == '\n'; };
    if (bad >= 0 || std::any_of(bytes, bytes + text.size(), breaking)) {
        QString reason;
        const qsizetype index = findUnwritable(text, &reason);
        return failAt(error, at(index), reason);
    }
    bytes += text.size();
    *bytes++ = '"';
    *bytes = ',';
    return true;
}

} // namespace

qsizetype findUnwritable(QStringView text, QString *reason)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'"')
            *reason = QStringLiteral("a text cannot hold a double quote");
        else if (c == u'\r' || c == u'\n')
            *reason = QStringLiteral("a text cannot hold a line break");
        else if (!armscii8CanEncode(c))
            *reason = QStringLiteral("character U+%1 cannot be written in ArmSCII-8")
                          .arg(QString::number(c, 16).toUpper().rightJustified(4, u'0'));
        else
            continue;
        return i;
    }
    return -1;
}

bool ensureSignature(BankSource &source, bool add, SourceError &error)
{
    if (source.records.isEmpty())
        return failAt(error, {}, QStringLiteral("no records"));
    QString &first = source.records.first().texts[0];
    if (first.startsWith(u'.'))
        return true;
    if (!add)
        return failAt(error, source.records.first().positions[0],
                      QStringLiteral("the first question must begin with a full stop, or the program "
                                     "takes the file for a foreign one (--add-signature puts one in)"));
    first.prepend(u'.');
    return true;
}

QByteArray encodeTestFile(const BankSource &source, SourceError &error)
{
    if (source.records.size() > MaxQuestions) {
        failAt(error, source.records.at(MaxQuestions).positions[0],
               QStringLiteral("the program reads at most %1 questions").arg(MaxQuestions));
        return {};
    }
    QByteArray out;
    out.reserve(source.records.size() * 320);
    for (qsizetype r = 0; r < source.records.size(); ++r) {
        const SourceRecord &record = source.records.at(r);
        for (int field = 0; field < 5; ++field) {
            if (!encodeText(record.texts[field], record.positions[field], out, error))
                return {};
        }
        out += QByteArray::number(record.rightAnswer);
        if (r + 1 < source.records.size() || source.ending == FileEnding::LineEnd)
            out += "\r\n";
        else if (source.ending == FileEnding::Nul)
            out += '\0';
    }
    return out;
}

QByteArray buildTestFile(const QStringList &sourceFiles, bool addSignature, SourceError &error)
{
    BankSource source;
    for (const QString &path : sourceFiles) {
        QString text;
        if (!readUtf8File(path, text, error) || !parseBankSource(text, path, source, error))
            return {};
    }
    if (source.records.isEmpty()) {
        failAt(error, {sourceFiles.value(0), 0, 0}, QStringLiteral("no records"));
        return {};
    }
    return buildTestFile(std::move(source), addSignature, error);
}

QByteArray buildTestFile(BankSource source, bool addSignature, SourceError &error)
{
    if (!ensureSignature(source, addSignature, error))
        return {};
    return encodeTestFile(source, error);
}

} // namespace bank
