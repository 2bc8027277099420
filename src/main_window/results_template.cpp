#include "main_window/results_template.h"

namespace ResultsTemplate {

QString text()
{
    static const char *const lines[] = {
        "",
        "<C><B><S>Finish Test. See Your Results",
        "",
        "",
        "",
        "<P>",
        "",
        "",
        "",
        "",
        "",
        "<C><B><cB> Տեստի Արդյունքները",
        "",
        " Հարգելի <uN> Ձեզ տրվել է 30 հարց, որից.",
        "<B><cG> Ճիշտ պատասխանների թիվը - <cor>",
        "<B><cR> Սխալ պատասխանների թիվը - <wrong>",
        "",
        "<C>Lorvane 2004, made by the Lorvane team",
        "<C>Questions and remarks: lorvane@example.org",
        "",
    };
    QStringList out;
    for (const char *line : lines)
        out << QString::fromUtf8(line);
    return out.join(QStringLiteral("\r\n"));
}

QStringList splitLines(const QString &text)
{
    QString breaks = text;
    breaks.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return breaks.split(QLatin1Char('\n'));
}

} // namespace ResultsTemplate
