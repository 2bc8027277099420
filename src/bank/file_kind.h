#pragma once

#include <QByteArrayView>
#include <QString>

namespace bank {

// What a file given as text or as a test file is when it is plainly something else: UTF-16 text
// (by its byte order mark, or by the zero byte beside each ASCII letter), a document saved by a
// word processor (.docx and .odt are zip archives; .doc, .rtf, PDF) — in one line with the fix,
// "save it as plain text, UTF-8". Empty for anything else.
QString foreignFileProblem(QByteArrayView bytes);

} // namespace bank
