// bankgen: turns the readable source of the default test bank into the 8-bit test file, through
// the same code as `lorvane-bank encode`.
// Usage: bankgen <source-folder> <output-file>
#include "app/whole_file.h"
#include "bank/source_encoder.h"
#include "bankgen/source_files.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: bankgen <source-folder> <output-file>\n");
        return 2;
    }
    QList<bank::SourceError> errors;
    const QByteArray bytes = bank::buildTestFile(bankgen::defaultSourceFiles(args.at(1)), false, errors);
    for (const bank::SourceError &error : errors)
        std::fprintf(stderr, "%s\n", qPrintable(error.toString()));
    if (bytes.isEmpty())
        return 1;
    QString writeError;
    if (!app::writeWholeFile(args.at(2), bytes, &writeError)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args.at(2)), qPrintable(writeError));
        return 1;
    }
    std::printf("%s: %lld bytes\n", qPrintable(args.at(2)), static_cast<long long>(bytes.size()));
    return 0;
}
