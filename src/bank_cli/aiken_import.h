#pragma once

#include "bank_cli/import_result.h"

#include <QString>

namespace bank_cli {

// Moodle's Aiken format: the question on one line (or several, before the first answer), then
// one answer a line, each a capital letter, ")" or "." and a space before its text, then
// "ANSWER: C". The letters are Latin (A, B ...) or Armenian (Ա, Բ ...), one alphabet a
// question. Blank lines separate the questions; text with a blank line after it and no answers
// (a title) is left out with a warning.
ImportResult importAiken(const QString &text, const QString &fileName);

} // namespace bank_cli
