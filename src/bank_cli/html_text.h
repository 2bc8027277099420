#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <utility>

namespace bank_cli {

// The plain text of an HTML fragment, as a question editor writes it: tags dropped, line breaks
// and the bounds of paragraphs, list items, headings and cells as spaces, entities decoded (the
// named ones of typed text and &#...; / &#x...;), runs of white space as one space, no space at
// either end. A "<" that opens no tag and an "&" that begins no known entity stay as typed.
class HtmlText
{
public:
    explicit HtmlText(QStringView html);

    const QString &text() const { return m_text; }
    // For each character of text(), the index in the HTML of what it was made of.
    const QList<qsizetype> &sources() const { return m_sources; }
    // What the plain text cannot carry (a picture, a table ...), each at its index in the HTML.
    const QList<std::pair<qsizetype, QString>> &losses() const { return m_losses; }

private:
    qsizetype readTag(qsizetype at);
    qsizetype readEntity(qsizetype at);
    void append(QChar c, qsizetype source);
    void appendSpace(qsizetype source);

    QStringView m_html;
    QString m_text;
    QList<qsizetype> m_sources;
    QList<std::pair<qsizetype, QString>> m_losses;
};

} // namespace bank_cli
