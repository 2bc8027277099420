#pragma once

#include "bank_cli/import_result.h"

#include <QString>

namespace bank_cli {

// The multiple-choice part of Moodle's GIFT format: questions separated by blank lines, "//"
// comment lines, an optional "::title::" and "[html]"-style format, the answers in braces, the
// right one after "=", the wrong ones after "~", "#" feedback and "####" general feedback (both
// dropped), "%50%" weights, and the escapes \~ \= \# \{ \} \: \\ \n. A question with text after
// its answers keeps a blank "_____" where the answers stood. Every other question type is
// unsupported. [html] texts become plain text, with a warning for what they lose (a picture, a
// table ...). A closing brace followed on the next line by a question with answers of its own ends
// the question above, with a warning for the missing blank line.
ImportResult importGift(const QString &text, const QString &fileName);

} // namespace bank_cli
