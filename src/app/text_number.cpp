#include "app/text_number.h"

#include <cmath>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(const QString &text, qsizetype i)
{
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}

bool isSign(const QString &text, qsizetype i)
{
    return i < text.size() && (text[i] == u'+' || text[i] == u'-');
}

qsizetype skipDigits(const QString &text, qsizetype i)
{
    while (isDigit(text, i))
        ++i;
    return i;
}

QString withoutTrailingZeros(QString text)
{
    if (!text.contains(u'.'))
        return text;
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

} // namespace

namespace app {

double leadingNumber(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    qsizetype i = start;
    if (isSign(text, i))
        ++i;
    const qsizetype intStart = i;
    i = skipDigits(text, i);
    bool haveDigits = i > intStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fracEnd = skipDigits(text, i + 1);
        haveDigits = haveDigits || fracEnd > i + 1;
        i = fracEnd;
    }
    if (!haveDigits)
        return 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype exp = i + 1;
        if (isSign(text, exp))
            ++exp;
        if (isDigit(text, exp))
            i = skipDigits(text, exp);
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

QString numberText(double value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    if (value == std::trunc(value) && std::fabs(value) < 9.0e18)
        return QString::number(static_cast<qint64>(value));
    if (value == std::trunc(value))
        return QString::number(value, 'f', 0);
    const QString shortest = QString::number(value, 'g', 15);
    if (!shortest.contains(u'e'))
        return shortest;
    const int decimals = 14 - static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return withoutTrailingZeros(QString::number(value, 'f', decimals));
}

} // namespace app
