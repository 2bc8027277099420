#include "bank/source_encoder.h"

#include "bank/armscii8.h"
#include "bank/bank_reader.h"
#include "bank/utf8_file.h"

#include <algorithm>
#include <utility>

namespace bank {
namespace {

// The bytes of one text, or an error at each offending character.
bool encodeText(const QString &text, const SourcePosition &where, QByteArray &out, QList<SourceError> &errors)
{
    if (QStringView(text).trimmed().isEmpty())
        return failAt(errors, where, QStringLiteral("empty text"));
    const auto at = [&](qsizetype i) { return SourcePosition{where.file, where.line, where.column + int(i)}; };
    const qsizetype start = out.size();
    out.resize(start + text.size() + 3);
    char *bytes = out.data() + start;
    *bytes++ = '"';
    const qsizetype bad = encodeArmscii8Into(text, bytes);
    // Only these characters have these bytes.
    const auto breaking = [](char b) { return b == '"' || b == '\r' || b == '\n'; };
    if (bad >= 0 || std::any_of(bytes, bytes + text.size(), breaking)) {
        for (const auto &[index, reason] : findUnwritable(text))
            failAt(errors, at(index), reason);
        return false;
    }
    bytes += text.size();
    *bytes++ = '"';
    *bytes = ',';
    return true;
}

} // namespace

QList<std::pair<qsizetype, QString>> findUnwritable(QStringView text)
{
    QList<std::pair<qsizetype, QString>> found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'"')
            found.append({i, QStringLiteral("a text cannot hold a double quote")});
        else if (c == u'\r' || c == u'\n')
            found.append({i, QStringLiteral("a text cannot hold a line break")});
        else if (!armscii8CanEncode(c))
            found.append({i, QStringLiteral("character U+%1 cannot be written in ArmSCII-8")
                                 .arg(QString::number(c, 16).toUpper().rightJustified(4, u'0'))});
    }
    return found;
}

bool ensureSignature(BankSource &source, bool add, QList<SourceError> &errors)
{
    if (source.records.isEmpty())
        return failAt(errors, {}, QStringLiteral("no records"));
    QString &first = source.records.first().texts[0];
    if (first.startsWith(u'.'))
        return true;
    if (!add)
        return failAt(errors, source.records.first().positions[0],
                      QStringLiteral("the first question must begin with a full stop, or the program "
                                     "takes the file for a foreign one (--add-signature puts one in)"));
    first.prepend(u'.');
    return true;
}

QByteArray encodeTestFile(const BankSource &source, QList<SourceError> &errors)
{
    const qsizetype known = errors.size();
    QByteArray out;
    out.reserve(source.records.size() * 320);
    for (qsizetype r = 0; r < source.records.size(); ++r) {
        const SourceRecord &record = source.records.at(r);
        if (r == MaxQuestions)
            failAt(errors, record.positions[0],
                   QStringLiteral("the program reads at most %1 questions").arg(MaxQuestions));
        for (int field = 0; field < 5; ++field)
            encodeText(record.texts[field], record.positions[field], out, errors);
        out += QByteArray::number(record.rightAnswer);
        if (r + 1 < source.records.size() || source.ending == FileEnding::LineEnd)
            out += "\r\n";
        else if (source.ending == FileEnding::Nul)
            out += '\0';
    }
    return errors.size() == known ? out : QByteArray();
}

bool readBankSources(const QStringList &sourceFiles, BankSource &source, QList<SourceError> &errors)
{
    const qsizetype known = errors.size();
    for (const QString &path : sourceFiles) {
        QString text;
        SourceError error;
        if (!readUtf8File(path, text, error)) {
            errors.append(error);
            return false;
        }
        if (!parseBankSource(text, path, source, errors))
            return false;
    }
    if (source.records.isEmpty() && errors.size() == known)
        return failAt(errors, {sourceFiles.value(0), 0, 0}, QStringLiteral("no records"));
    return errors.size() == known;
}

QByteArray buildTestFile(const QStringList &sourceFiles, bool addSignature, QList<SourceError> &errors)
{
    BankSource source;
    if (!readBankSources(sourceFiles, source, errors) && source.records.isEmpty())
        return {};
    QByteArray bytes = buildTestFile(std::move(source), addSignature, errors);
    sortInFileOrder(errors, sourceFiles);
    return bytes;
}

QByteArray buildTestFile(BankSource source, bool addSignature, QList<SourceError> &errors)
{
    // A question that failed to read before the first record may be the real first one.
    const bool firstIsKnown = std::none_of(errors.cbegin(), errors.cend(), [&](const SourceError &e) {
        return !e.warning && (source.records.isEmpty() || comesBefore(e.where, source.records.first().positions[0]));
    });
    if (firstIsKnown)
        ensureSignature(source, addSignature, errors);
    const QByteArray bytes = encodeTestFile(source, errors);
    return hasFault(errors) ? QByteArray() : bytes;
}

} // namespace bank
