#include "main_window/results_template.h"

#include <QCoreApplication>

namespace ResultsTemplate {

QString text()
{
    struct Line
    {
        const char *markup;
        const char *text;
    };
    // The English texts are translated; the Armenian ones are the program's own in every language.
    static const Line lines[] = {
        {"", ""},
        {"<C><B><S>", QT_TRANSLATE_NOOP("ResultsTemplate", "Finish Test. See Your Results")},
        {"", ""},
        {"", ""},
        {"", ""},
        {"<P>", ""},
        {"", ""},
        {"", ""},
        {"", ""},
        {"", ""},
        {"", ""},
        {"<C><B><cB>", " Տեստի Արդյունքները"},
        {"", ""},
        {"", " Հարգելի <uN> Ձեզ տրվել է 30 հարց, որից."},
        {"<B><cG>", " Ճիշտ պատասխանների թիվը - <cor>"},
        {"<B><cR>", " Սխալ պատասխանների թիվը - <wrong>"},
        {"", ""},
        {"<C>", QT_TRANSLATE_NOOP("ResultsTemplate", "Lorvane 2004, made by the Lorvane team")},
        {"<C>", QT_TRANSLATE_NOOP("ResultsTemplate", "Questions and remarks: lorvane@example.org")},
        {"", ""},
    };
    QStringList out;
    for (const Line &line : lines)
        out << QString::fromUtf8(line.markup) + QCoreApplication::translate("ResultsTemplate", line.text);
    return out.join(QStringLiteral("\r\n"));
}

QStringList splitLines(const QString &text)
{
    QString breaks = text;
    breaks.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return breaks.split(QLatin1Char('\n'));
}

} // namespace ResultsTemplate
