#pragma once

#include "bank/bank_source.h"

#include <QString>

namespace bank {

// The text of a UTF-8 file; false and an error when it cannot be read or is no UTF-8.
bool readUtf8File(const QString &path, QString &text, SourceError &error);

} // namespace bank
