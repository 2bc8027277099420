#pragma once

#include "bank/bank_source.h"

#include <QString>

namespace bank {

// The text of a UTF-8 file, without the byte order mark some editors put first; false and an error
// when it cannot be read or is no UTF-8 (a UTF-16 file or a document is named for what it is).
bool readUtf8File(const QString &path, QString &text, SourceError &error);

} // namespace bank
