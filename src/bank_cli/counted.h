#pragma once

#include <QString>

namespace bank_cli {

// "1 error", "2 errors": a count with its noun, which takes an s for every count but one.
inline QString counted(qsizetype count, const char *noun)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1StringView(noun), count == 1 ? "" : "s");
}

} // namespace bank_cli
