#include "bank/source_encoder.h"

#include "bank/armscii8.h"
#include "bank/bank_reader.h"
#include "bank/typography.h"
#include "bank/utf8_file.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <utility>

namespace bank {
namespace {

// The bytes of one text, or an error at each offending character.
bool encodeText(const QString &text, const SourcePosition &where, QByteArray &out, QList<SourceError> &errors)
{
    if (QStringView(text).trimmed().isEmpty())
        return failAt(errors, where, QCoreApplication::translate("bank::SourceEncoder", "empty text"));
    // Columns count characters: a surrogate pair before i is one.
    const auto at = [&](qsizetype i) {
        const auto pairs = std::count_if(text.cbegin(), text.cbegin() + i, [](QChar c) { return c.isLowSurrogate(); });
        return SourcePosition{where.file, where.line, where.column + int(i - pairs)};
    };
    const qsizetype start = out.size();
    out.resize(start + text.size() + 3);
    char *bytes = out.data() + start;
    *bytes++ = '"';
    const qsizetype bad = encodeArmscii8Into(text, bytes);
    // Only these characters have these bytes.
    const auto holds = [&](char b) { return std::memchr(bytes, b, size_t(text.size())) != nullptr; };
    if (bad >= 0 || holds('"') || holds('\r') || holds('\n')) {
        for (const auto &[index, reason] : findUnwritable(text))
            failAt(errors, at(index), reason);
        return false;
    }
    bytes += text.size();
    *bytes++ = '"';
    *bytes = ',';
    return true;
}

// The message for the character that begins at i; a surrogate pair is one character, and i moves
// past it.
QString unwritableCharacter(QStringView text, qsizetype &i)
{
    char32_t c = text.at(i).unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
        ++i;
    }
    const char16_t *replacement = Typography::replacementFor(c);
    if (!replacement)
        return QCoreApplication::translate("bank::SourceEncoder", "character %1 cannot be written in ArmSCII-8")
            .arg(characterName(c));
    if (!*replacement)
        return QCoreApplication::translate("bank::SourceEncoder",
                                           "character %1 cannot be written in ArmSCII-8 (--fix-typography leaves "
                                           "it out)")
            .arg(characterName(c));
    return QCoreApplication::translate("bank::SourceEncoder",
                                       "character %1 cannot be written in ArmSCII-8 (--fix-typography writes \"%2\" "
                                       "for it)")
        .arg(characterName(c), QString::fromUtf16(replacement));
}

} // namespace

QList<std::pair<qsizetype, QString>> findUnwritable(QStringView text)
{
    QList<std::pair<qsizetype, QString>> found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'"')
            found.append({i, QCoreApplication::translate("bank::SourceEncoder", "a text cannot hold a double quote")});
        else if (c == u'\r' || c == u'\n')
            found.append({i, QCoreApplication::translate("bank::SourceEncoder", "a text cannot hold a line break")});
        else if (!armscii8CanEncode(c)) {
            const qsizetype at = i;
            found.append({at, unwritableCharacter(text, i)});
        }
    }
    return found;
}

bool ensureSignature(BankSource &source, bool add, QList<SourceError> &errors)
{
    if (source.records.isEmpty())
        return failAt(errors, {}, QCoreApplication::translate("bank::SourceEncoder", "no records"));
    if (source.records.constFirst().texts[0].startsWith(u'.'))
        return true;
    if (!add)
        return failAt(errors, source.records.constFirst().positions[0],
                      QCoreApplication::translate("bank::SourceEncoder",
                                                  "the first question must begin with a full stop, or the program "
                                                  "takes the file for a foreign one (--add-signature puts one in)"));
    source.records.first().texts[0].prepend(u'.');
    return true;
}

QByteArray encodeTestFile(const BankSource &source, QList<SourceError> &errors)
{
    const qsizetype known = errors.size();
    // Reserved whole: the largest file is 12 MB, and growing it copies.
    qsizetype size = 0;
    for (const SourceRecord &record : source.records) {
        for (const QString &text : record.texts)
            size += text.size() + 3;
        size += 8;
    }
    QByteArray out;
    out.reserve(size);
    for (qsizetype r = 0; r < source.records.size(); ++r) {
        const SourceRecord &record = source.records.at(r);
        if (r == MaxQuestions)
            failAt(errors, record.positions[0],
                   QCoreApplication::translate("bank::SourceEncoder", "the program reads at most %1 questions")
                       .arg(MaxQuestions));
        for (int field = 0; field < 5; ++field)
            encodeText(record.texts[field], record.positions[field], out, errors);
        if (record.rightAnswer >= 0 && record.rightAnswer <= 9)
            out += char('0' + record.rightAnswer);
        else
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
        return failAt(errors, {sourceFiles.value(0), 0, 0},
                      QCoreApplication::translate("bank::SourceEncoder", "no questions"));
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
