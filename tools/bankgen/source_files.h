#pragma once

#include <QString>
#include <QStringList>

namespace bankgen {

// The source files of the default bank in a folder, in reading order.
QStringList defaultSourceFiles(const QString &folder);

} // namespace bankgen
