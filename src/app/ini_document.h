#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace app {

// The settings file of systems without a registry: UTF-8 text, one "[key path]" line per key
// followed by "name=value" lines. Section and value names compare without regard to case, as
// registry keys and value names do. Everything the program does not touch (other sections,
// comments, blank lines) is kept as it was; so is a line it cannot understand (no "=", a header
// without "]", a value before any header, bytes that are not UTF-8 text or hold a NUL), which
// is ignored when reading. One damaged line costs only itself, never the other settings.
//
// Escapes: in values a backslash, line feed, carriage return and NUL are written as "\\", "\n",
// "\r", "\0". Names escape those too, space and tab as "\s" and "\t", and "=", "[", ";", "#" with
// a backslash in front. Names are trimmed; everything after the first unescaped "=" is the value,
// spaces included.
class IniDocument
{
public:
    static IniDocument parse(QByteArray bytes);
    // A key path can be a section name unless it holds a line break or a NUL.
    static bool isValidSection(const QString &section);

    std::optional<QString> value(const QString &section, const QString &name) const;
    void setValue(const QString &section, const QString &name, const QString &text);
    QByteArray toBytes() const;

private:
    struct Entry
    {
        QString name;
        QString value;
    };

    static std::optional<QString> sectionOf(const QString &line);
    static std::optional<Entry> entryOf(const QString &line);
    qsizetype findSection(const QString &section) const;

    struct Line
    {
        QString text;      // blank for a line that is not text
        QByteArray unread; // the bytes of a line that is not text, written back as they were
    };

    QList<Line> m_lines;
};

} // namespace app
