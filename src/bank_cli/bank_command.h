#pragma once

#include "bank/bank_reader.h"
#include "bank/bank_source.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace bank_cli {

// lorvane-bank, the teachers' command: check, decode, encode, import, export, install, restore,
// where and sheet, and report and review on the attempts of a class.
// Results go to out, problems to err as "FILE:LINE:COLUMN: what is wrong". Every file is written
// through a temporary one, so a failed run leaves what was there untouched.
class BankCommand
{
    Q_DECLARE_TR_FUNCTIONS(BankCommand)

public:
    enum Status { Success = 0, BadInput = 1, BadUsage = 2 };

    BankCommand(QTextStream &out, QTextStream &err);

    // arguments as main() gets them, the program's name first.
    int run(const QStringList &arguments);

private:
    using Command = int (BankCommand::*)(const QStringList &files, const QCommandLineParser &options);
    struct CommandShape
    {
        const char *name;
        int files;          // how many file names it takes, or OneOrNone or AtLeastOne
        const char *writes; // the name ending of the file it writes, when another one says a mistake
        Command run;
    };
    static constexpr int OneOrNone = -1;  // restore: a backup's number, or nothing
    static constexpr int AtLeastOne = -2; // report: files and folders of attempts
    static const CommandShape CommandShapes[];

    int check(const QStringList &files, const QCommandLineParser &options);
    // The check of bytes read from file: problems to err, the summary to out.
    int report(const QString &file, const QByteArray &bytes);
    int decode(const QStringList &files, const QCommandLineParser &options);
    int encode(const QStringList &files, const QCommandLineParser &options);
    int import(const QStringList &files, const QCommandLineParser &options);
    int exportTo(const QStringList &files, const QCommandLineParser &options);
    int writeRecords(bank::BankSource source, QList<bank::SourceError> problems, const QStringList &files,
                     const QCommandLineParser &options);
    int chooseRecords(bank::BankSource &source, const QString &input, const QCommandLineParser &options);
    int install(const QStringList &files, const QCommandLineParser &options);
    int restore(const QStringList &arguments, const QCommandLineParser &options);
    int where(const QStringList &files, const QCommandLineParser &options);
    int sheet(const QStringList &files, const QCommandLineParser &options);
    int classReport(const QStringList &files, const QCommandLineParser &options);
    int review(const QStringList &files, const QCommandLineParser &options);
    // The test file of --test: its records and SHA-256; false after reporting a failure.
    bool loadTestOption(const QCommandLineParser &options, QList<bank::QuestionRecord> &records, QString &sha256);

    bool readTestFile(const QString &path, QByteArray &bytes);
    // Read and loaded as the program loads it; false after reporting the first failure.
    bool loadTestFile(const QString &path, QByteArray &bytes, bank::LoadResult &load);
    int writeTestFile(const QString &path, const QByteArray &bytes);
    bool save(const QString &path, const QByteArray &bytes);
    int usage(const QString &message);
    // Every problem, in the order given, but no more than a screenful of errors.
    void printProblems(const QString &file, const QList<bank::SourceError> &problems);
    int fail(const bank::SourceError &error);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace bank_cli
