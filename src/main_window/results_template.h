#pragma once

#include <QString>
#include <QStringList>

// The results text shown at the end of a test, in the line markup of the results scroll, with
// the placeholders <uN> (the user's name), <cor> (right answers) and <wrong> (wrong answers and
// time-outs). Lines are separated by CR LF; the text begins and ends with a line break.
namespace ResultsTemplate {

QString text();

// The lines of a results text. A multi-line text box reports each CR LF as a single LF, so both
// count as one line break; a text ending in a break gives an empty last line.
QStringList splitLines(const QString &text);

} // namespace ResultsTemplate
