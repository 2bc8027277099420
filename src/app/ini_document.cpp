#include "app/ini_document.h"

#include <QStringDecoder>

namespace app {

namespace {

bool isBlankOrComment(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// A header, even one without its "]", ends the section before it.
bool startsSection(const QString &line)
{
    return line.trimmed().startsWith(u'[');
}

QString escaped(const QString &text, QStringView alsoEscaped)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += u"\\\\"; break;
        case u'\n': out += u"\\n"; break;
        case u'\r': out += u"\\r"; break;
        case u'\0': out += u"\\0"; break;
        case u'\t': out += alsoEscaped.contains(c) ? u"\\t" : u"\t"; break;
        case u' ': out += alsoEscaped.contains(c) ? u"\\s" : u" "; break;
        default:
            if (alsoEscaped.contains(c))
                out += u'\\';
            out += c;
        }
    }
    return out;
}

QString unescaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            c = text[++i];
            if (c == u'n')
                c = u'\n';
            else if (c == u'r')
                c = u'\r';
            else if (c == u'0')
                c = QChar(0);
            else if (c == u't')
                c = u'\t';
            else if (c == u's')
                c = u' ';
        }
        out += c;
    }
    return out;
}

constexpr QStringView NameSpecials = u"=[;# \t";

} // namespace

IniDocument IniDocument::parse(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    IniDocument doc;
    QList<QByteArray> lines = bytes.split('\n');
    if (bytes.endsWith('\n') || bytes.isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        QString text = decoder.decode(line);
        if (decoder.hasError() || line.contains('\0')) {
            doc.m_lines.append({QString(), line});
            continue;
        }
        if (text.endsWith(u'\r'))
            text.chop(1);
        doc.m_lines.append({text, {}});
    }
    return doc;
}

bool IniDocument::isValidSection(const QString &section)
{
    return !section.contains(u'\n') && !section.contains(u'\r') && !section.contains(QChar(0));
}

std::optional<QString> IniDocument::sectionOf(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.size() < 2 || !trimmed.startsWith(u'[') || !trimmed.endsWith(u']'))
        return std::nullopt;
    return trimmed.mid(1, trimmed.size() - 2);
}

std::optional<IniDocument::Entry> IniDocument::entryOf(const QString &line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'\\')
            ++i;
        else if (line[i] == u'=')
            return Entry{unescaped(QStringView(line).left(i).trimmed()), unescaped(QStringView(line).mid(i + 1))};
    }
    return std::nullopt;
}

qsizetype IniDocument::findSection(const QString &section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (isBlankOrComment(m_lines[i].text))
            continue;
        const auto name = sectionOf(m_lines[i].text);
        if (name && name->compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &name) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    for (qsizetype i = header + 1; i < m_lines.size(); ++i) {
        const QString &line = m_lines[i].text;
        if (isBlankOrComment(line))
            continue;
        if (startsSection(line))
            break;
        const auto entry = entryOf(line);
        if (entry && entry->name.compare(name, Qt::CaseInsensitive) == 0)
            return entry->value;
    }
    return std::nullopt;
}

void IniDocument::setValue(const QString &section, const QString &name, const QString &text)
{
    const QString newLine = escaped(name, NameSpecials) + u'=' + escaped(text, {});
    const qsizetype header = findSection(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().text.trimmed().isEmpty())
            m_lines.append(Line{});
        m_lines.append({u'[' + section + u']', {}});
        m_lines.append({newLine, {}});
        return;
    }
    qsizetype insertAt = header + 1;
    for (qsizetype i = header + 1; i < m_lines.size(); ++i) {
        const QString &line = m_lines[i].text;
        if (line.trimmed().isEmpty())
            continue;
        if (!isBlankOrComment(line)) {
            if (startsSection(line))
                break;
            const auto entry = entryOf(line);
            if (entry && entry->name.compare(name, Qt::CaseInsensitive) == 0) {
                m_lines[i] = {newLine, {}};
                return;
            }
        }
        insertAt = i + 1;
    }
    m_lines.insert(insertAt, {newLine, {}});
}

QByteArray IniDocument::toBytes() const
{
    QByteArray out;
    for (const Line &line : m_lines)
        out += (line.unread.isNull() ? line.text.toUtf8() : line.unread) + '\n';
    return out;
}

} // namespace app
