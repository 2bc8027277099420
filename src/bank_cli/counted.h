#pragma once

#include <QCoreApplication>
#include <QString>

namespace bank_cli {

// A noun's two English forms, each translated apart: Armenian keeps the singular after any number.
struct CountedNoun
{
    const char *one;
    const char *many;
};

//: A noun counted after a number ("1 record"); Armenian takes the singular after every number.
inline constexpr CountedNoun Records{QT_TRANSLATE_NOOP("Counted", "record"), QT_TRANSLATE_NOOP("Counted", "records")};
inline constexpr CountedNoun Questions{QT_TRANSLATE_NOOP("Counted", "question"),
                                       QT_TRANSLATE_NOOP("Counted", "questions")};
inline constexpr CountedNoun Characters{QT_TRANSLATE_NOOP("Counted", "character"),
                                        QT_TRANSLATE_NOOP("Counted", "characters")};
inline constexpr CountedNoun Errors{QT_TRANSLATE_NOOP("Counted", "error"), QT_TRANSLATE_NOOP("Counted", "errors")};
inline constexpr CountedNoun Warnings{QT_TRANSLATE_NOOP("Counted", "warning"),
                                      QT_TRANSLATE_NOOP("Counted", "warnings")};
inline constexpr CountedNoun FileNames{QT_TRANSLATE_NOOP("Counted", "file name"),
                                       QT_TRANSLATE_NOOP("Counted", "file names")};
inline constexpr CountedNoun Attempts{QT_TRANSLATE_NOOP("Counted", "attempt"),
                                      QT_TRANSLATE_NOOP("Counted", "attempts")};
inline constexpr CountedNoun MoreErrors{QT_TRANSLATE_NOOP("Counted", "more error"),
                                        QT_TRANSLATE_NOOP("Counted", "more errors")};

// "1 error", "2 errors": a count with its noun, which takes an s for every count but one.
inline QString counted(qsizetype count, CountedNoun noun)
{
    return QStringLiteral("%1 %2").arg(count).arg(
        QCoreApplication::translate("Counted", count == 1 ? noun.one : noun.many));
}

} // namespace bank_cli
