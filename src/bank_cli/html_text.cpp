#include "bank_cli/html_text.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

namespace bank_cli {

namespace {

const QHash<QString, char32_t> &namedEntities()
{
    static const QHash<QString, char32_t> entities = {
        {QStringLiteral("nbsp"), U' '},        {QStringLiteral("amp"), U'&'},
        {QStringLiteral("lt"), U'<'},          {QStringLiteral("gt"), U'>'},
        {QStringLiteral("quot"), U'"'},        {QStringLiteral("apos"), U'\''},
        {QStringLiteral("laquo"), U'\u00AB'},  {QStringLiteral("raquo"), U'\u00BB'},
        {QStringLiteral("mdash"), U'\u2014'},  {QStringLiteral("ndash"), U'\u2013'},
        {QStringLiteral("hellip"), U'\u2026'}, {QStringLiteral("lsquo"), U'\u2018'},
        {QStringLiteral("rsquo"), U'\u2019'},  {QStringLiteral("ldquo"), U'\u201C'},
        {QStringLiteral("rdquo"), U'\u201D'},  {QStringLiteral("shy"), U'\u00AD'},
        {QStringLiteral("times"), U'\u00D7'},  {QStringLiteral("deg"), U'\u00B0'}};
    return entities;
}

// Tags whose start and end part the text like a line break.
const QStringList BlockTags = {
    QStringLiteral("br"), QStringLiteral("p"),       QStringLiteral("div"),        QStringLiteral("li"),
    QStringLiteral("ul"), QStringLiteral("ol"),      QStringLiteral("dl"),         QStringLiteral("dt"),
    QStringLiteral("dd"), QStringLiteral("h1"),      QStringLiteral("h2"),         QStringLiteral("h3"),
    QStringLiteral("h4"), QStringLiteral("h5"),      QStringLiteral("h6"),         QStringLiteral("pre"),
    QStringLiteral("hr"), QStringLiteral("table"),   QStringLiteral("tr"),         QStringLiteral("td"),
    QStringLiteral("th"), QStringLiteral("caption"), QStringLiteral("blockquote"), QStringLiteral("section")};

// Tags whose content is no text at all.
const QStringList HiddenTags = {QStringLiteral("script"), QStringLiteral("style"), QStringLiteral("head")};

// What the text loses with a tag, by the tag's name.
QString lossOf(const QString &tag)
{
    if (tag == QLatin1String("img"))
        return QCoreApplication::translate("HtmlText",
                                           "a picture (<img>) cannot be carried into the test file: it is left out");
    if (tag == QLatin1String("table"))
        return QCoreApplication::translate("HtmlText",
                                           "a table cannot be carried into the test file: its cells run on as text");
    if (tag == QLatin1String("sub") || tag == QLatin1String("sup"))
        return QCoreApplication::translate("HtmlText",
                                           "<%1> cannot be carried into the test file: its text runs on in line")
            .arg(tag);
    static const QStringList media = {QStringLiteral("video"),  QStringLiteral("audio"), QStringLiteral("iframe"),
                                      QStringLiteral("object"), QStringLiteral("embed"), QStringLiteral("svg"),
                                      QStringLiteral("math"),   QStringLiteral("canvas")};
    if (media.contains(tag))
        return QCoreApplication::translate("HtmlText", "<%1> cannot be carried into the test file: it is left out")
            .arg(tag);
    return {};
}

} // namespace

HtmlText::HtmlText(QStringView html) : m_html(html)
{
    qsizetype i = 0;
    while (i < m_html.size()) {
        const QChar c = m_html.at(i);
        const qsizetype next = c == u'<' ? readTag(i) : c == u'&' ? readEntity(i) : i;
        if (next == i) {
            append(c, i);
            ++i;
        } else {
            i = next;
        }
    }
    if (m_text.endsWith(u' ')) {
        m_text.chop(1);
        m_sources.removeLast();
    }
}

// The index after the tag or comment at at, or at when none begins there.
qsizetype HtmlText::readTag(qsizetype at)
{
    if (m_html.mid(at).startsWith(u"<!--")) {
        const qsizetype end = m_html.indexOf(u"-->", at + 4);
        return end < 0 ? at : end + 3;
    }
    static const QRegularExpression start(QStringLiteral("^</?([A-Za-z][A-Za-z0-9]*)"));
    const QString rest = m_html.mid(at, 64).toString();
    const QRegularExpressionMatch name = start.match(rest);
    if (!name.hasMatch() && !rest.startsWith(QLatin1String("<!")))
        return at;
    qsizetype end = at + 1;
    QChar quote;
    for (; end < m_html.size() && (m_html.at(end) != u'>' || !quote.isNull()); ++end) {
        if (m_html.at(end) == quote)
            quote = QChar();
        else if (quote.isNull() && (m_html.at(end) == u'"' || m_html.at(end) == u'\''))
            quote = m_html.at(end);
    }
    if (end >= m_html.size())
        return at;
    const QString tag = name.captured(1).toLower();
    const bool closing = rest.startsWith(QLatin1String("</"));
    if (BlockTags.contains(tag))
        appendSpace(at);
    if (!closing) {
        if (const QString loss = lossOf(tag); !loss.isEmpty())
            m_losses.append({at, loss});
        if (HiddenTags.contains(tag)) {
            const qsizetype close = m_html.indexOf(QStringLiteral("</") + tag, end, Qt::CaseInsensitive);
            const qsizetype after = close < 0 ? -1 : m_html.indexOf(u'>', close);
            return after < 0 ? m_html.size() : after + 1;
        }
    }
    return end + 1;
}

// The index after the entity at at, or at when none begins there.
qsizetype HtmlText::readEntity(qsizetype at)
{
    static const QRegularExpression entity(QStringLiteral("^&(?:#([0-9]{1,7})|#[xX]([0-9A-Fa-f]{1,6})|([A-Za-z]+));"));
    const QRegularExpressionMatch match = entity.match(m_html.mid(at, 16).toString());
    if (!match.hasMatch())
        return at;
    bool numeric = true;
    char32_t code = 0;
    if (match.hasCaptured(1))
        code = match.captured(1).toUInt(&numeric);
    else if (match.hasCaptured(2))
        code = match.captured(2).toUInt(&numeric, 16);
    else if (const auto named = namedEntities().constFind(match.captured(3)); named != namedEntities().cend())
        code = *named;
    if (!numeric || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
        return at;
    for (const QChar c : QString::fromUcs4(&code, 1))
        append(c, at);
    return at + match.capturedLength();
}

void HtmlText::append(QChar c, qsizetype source)
{
    if (c.isSpace())
        return appendSpace(source);
    m_text += c;
    m_sources.append(source);
}

void HtmlText::appendSpace(qsizetype source)
{
    if (m_text.isEmpty() || m_text.endsWith(u' '))
        return;
    m_text += u' ';
    m_sources.append(source);
}

} // namespace bank_cli
