#include "bank/typography.h"

#include <QChar>
#include <QCoreApplication>
#include <QMap>

#include <algorithm>
#include <iterator>

namespace bank {
namespace {

struct Mark
{
    char16_t mark;
    const char16_t *replacement;
};

// Sorted by mark.
constexpr Mark Marks[] = {
    {u'\u00AD', u""},                                                           // soft hyphen
    {u'\u2002', u" "},                                                          // en space
    {u'\u2003', u" "},                                                          // em space
    {u'\u2004', u" "}, {u'\u2005', u" "}, {u'\u2006', u" "}, {u'\u2007', u" "}, // figure space
    {u'\u2008', u" "}, {u'\u2009', u" "},                                       // thin space
    {u'\u200A', u" "},                                                          // hair space
    {u'\u200B', u""},                                                           // zero-width space
    {u'\u2010', u"-"},                                                          // hyphen
    {u'\u2011', u"-"},                                                          // non-breaking hyphen
    {u'\u2012', u"-"},                                                          // figure dash
    {u'\u2013', u"-"},                                                          // en dash
    {u'\u2015', u"-"},                                                          // horizontal bar
    {u'\u2018', u"'"}, {u'\u2019', u"'"}, {u'\u201A', u"'"}, {u'\u201B', u"'"}, {u'\u201C', u"«"},
    {u'\u201D', u"»"}, {u'\u201E', u"«"}, {u'\u201F', u"«"}, {u'\u202F', u" "}, // narrow no-break space
    {u'\u2032', u"'"},                                                          // prime
    {u'\u2033', u"»"},                                                          // double prime
    {u'\u2039', u"'"}, {u'\u203A', u"'"},                                       // single angle quotes
    {u'\u2060', u""},                                                           // word joiner
    {u'\u2212', u"-"},                                                          // minus sign
    {u'\uFEFF', u""},                                                           // zero-width no-break space
};
static_assert(std::is_sorted(std::begin(Marks), std::end(Marks),
                             [](const Mark &a, const Mark &b) { return a.mark < b.mark; }));

char32_t codePointAt(QStringView text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    return c.unicode();
}

// The text with its marks replaced; each mark's place, found line by line and column by column
// from where.
QString fixText(const QString &text, const SourcePosition &where, QList<SourceError> &each,
                QMap<char32_t, Typography::Replaced> &kinds)
{
    QString fixed;
    int line = where.line, column = where.column;
    for (qsizetype i = 0; i < text.size(); ++column) {
        const char32_t c = codePointAt(text, i);
        const qsizetype units = QChar::requiresSurrogates(c) ? 2 : 1;
        if (c == u'\n') {
            ++line;
            column = 0;
        }
        if (const char16_t *replacement = Typography::replacementFor(c)) {
            if (fixed.isNull())
                fixed = text.left(i);
            const SourcePosition at{where.file, line, column};
            each.append({at,
                         QCoreApplication::translate("bank::Typography", "%1 replaced with \"%2\"")
                             .arg(characterName(c), QString::fromUtf16(replacement)),
                         true});
            Typography::Replaced &kind = kinds[c];
            if (kind.count++ == 0)
                kind.first = at;
            fixed += QStringView(replacement);
        } else if (!fixed.isNull()) {
            fixed += QStringView(text).mid(i, units);
        }
        i += units;
    }
    return fixed.isNull() ? text : fixed;
}

} // namespace

QString characterName(char32_t c)
{
    const QString code = QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    if (!QChar::isPrint(c) || QChar::isSpace(c))
        return code;
    return QStringLiteral("%1 (%2)").arg(QString::fromUcs4(&c, 1), code);
}

const char16_t *Typography::replacementFor(char32_t c)
{
    if (c < Marks[0].mark)
        return nullptr;
    const auto found = std::lower_bound(std::begin(Marks), std::end(Marks), c,
                                        [](const Mark &m, char32_t key) { return m.mark < key; });
    return found != std::end(Marks) && found->mark == c ? found->replacement : nullptr;
}

QList<SourceError> Typography::fix(BankSource &source)
{
    Typography typography;
    for (SourceRecord &record : source.records) {
        for (int field = 0; field < 5; ++field)
            record.texts[field] =
                fixText(record.texts[field], record.positions[field], typography.m_each, typography.m_kinds);
    }
    return typography.warnings();
}

QList<SourceError> Typography::fix(QString &text, const QString &fileName)
{
    Typography typography;
    text = fixText(text, {fileName, 1, 1}, typography.m_each, typography.m_kinds);
    return typography.warnings();
}

namespace {

// "... replaced with ... 3 times, first here": a kind of mark the summary of many stands for.
QString replacedTimes(char32_t c, int count)
{
    const QString name = characterName(c), replacement = QString::fromUtf16(Typography::replacementFor(c));
    if (count == 1)
        return QCoreApplication::translate("bank::Typography", "%1 replaced with \"%2\" once, here")
            .arg(name, replacement);
    return QCoreApplication::translate("bank::Typography", "%1 replaced with \"%2\" %3 times, first here")
        .arg(name, replacement, QString::number(count));
}

} // namespace

QList<SourceError> Typography::warnings() const
{
    if (m_each.size() <= MaxListed)
        return m_each;
    QList<SourceError> summary;
    for (auto it = m_kinds.cbegin(); it != m_kinds.cend(); ++it) {
        summary.append({it->first, replacedTimes(it.key(), it->count), true});
    }
    return summary;
}

} // namespace bank
