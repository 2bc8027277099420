#pragma once

#include "bank_cli/import_result.h"

#include <QString>

namespace bank_cli {

// The multiple-choice part of Moodle's GIFT format: questions separated by blank lines, "//"
// comment lines, an optional "::title::" and "[html]"-style format, the answers in braces, the
// right one after "=", the wrong ones after "~", "#" feedback and "####" general feedback (both
// dropped), "%50%" weights, and the escapes \~ \= \# \{ \} \: \\ \n. A question with text after
// its answers keeps a blank "_____" where the answers stood. Every other question type is
// unsupported.
ImportResult importGift(const QString &text, const QString &fileName);

} // namespace bank_cli
