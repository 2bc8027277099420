#include "bankgen/source_files.h"

namespace bankgen {

QStringList defaultSourceFiles(const QString &folder)
{
    return {folder + QStringLiteral("/questions-001-085.txt"), folder + QStringLiteral("/questions-086-171.txt")};
}

} // namespace bankgen
