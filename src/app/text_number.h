#pragma once

#include <QString>

// Numbers the program keeps as text (counters in captions and tags, the pause time setting).
namespace app {

// The decimal number at the start of the text, 0 when there is none: leading blanks (space,
// tab, line breaks) are skipped, then an optional sign, digits with an optional fraction and an
// optional exponent ("1e3") are read; reading stops at the first character that does not fit.
// A number too large to hold gives 0.
double leadingNumber(const QString &text);

// Plain decimal text, no leading space, no exponent: "59", "-1", "0.5". Whole numbers have no
// fraction; others show up to 15 significant digits.
QString numberText(double value);

} // namespace app
