#pragma once

#include "bank/bank_source.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringView>

namespace bank {

// How a message names a character: itself and its code, "“ (U+201C)"; the code alone for one
// that shows nothing.
QString characterName(char32_t c);

// The marks a word processor puts in for the plain ones (curly quotes and apostrophes, en dashes,
// thin and other spaces, invisible hyphens) where ArmSCII-8 has no byte for them, and what the
// test file holds instead: « » for double quotes, ' for single ones, - for dashes, a space for
// spaces, nothing for the invisible ones. The em dash, the ellipsis and the no-break space are
// left alone: ArmSCII-8 has them.
class Typography
{
public:
    // What the test file holds in place of c; null when c is none of the marks.
    static const char16_t *replacementFor(char32_t c);

    // Replaces the marks in the texts of source. Returns a warning at each replaced mark, or one
    // per kind of mark at its first place when there are more than a screenful.
    static QList<SourceError> fix(BankSource &source);
    // The same for the whole text of a file, for an importer that reads the marks as text.
    static QList<SourceError> fix(QString &text, const QString &fileName);

    static constexpr int MaxListed = 20;

    // A kind of mark replaced: the first place it was found and how often.
    struct Replaced
    {
        SourcePosition first;
        int count = 0;
    };

private:
    QList<SourceError> warnings() const;

    QList<SourceError> m_each;
    QMap<char32_t, Replaced> m_kinds;
};

} // namespace bank
