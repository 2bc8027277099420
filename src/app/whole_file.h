#pragma once

#include <QByteArray>
#include <QString>

namespace app {

// Writes bytes as the whole file at path, through a temporary file that takes the file's place
// only once it is complete: a failure leaves what was there untouched. False when the file
// cannot be written, with the file error in *errorString unless that is null.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *errorString);

} // namespace app
