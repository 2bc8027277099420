#include "bank_cli/bank_command.h"

#include "app/bank_location.h"
#include "app/whole_file.h"
#include "bank/line_index.h"
#include "bank/source_decoder.h"
#include "bank/source_encoder.h"
#include "bank/typography.h"
#include "bank/utf8_file.h"
#include "bank_cli/aiken_import.h"
#include "bank_cli/bank_check.h"
#include "bank_cli/counted.h"
#include "bank_cli/gift_import.h"
#include "bank_cli/review_sheet.h"
#include "bank_cli/source_check.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <system_error>

namespace bank_cli {

namespace {

const QString HelpDescription =
    QStringLiteral("Checks, converts, imports and installs Lorvane test files.\n\n"
                   "Commands:\n"
                   "  check FILE.lvq|SRC.txt       report every problem and what the program would do\n"
                   "  decode FILE.lvq OUT.txt      write the readable UTF-8 source of a test file\n"
                   "  encode SRC.txt OUT.lvq       write a test file from its readable source\n"
                   "  import --from aiken|gift IN OUT.lvq\n"
                   "                               write a test file from Moodle's Aiken or GIFT format\n"
                   "  install FILE.lvq             check the file, then put it where the program reads it\n"
                   "  where                        print where the program reads its test file\n"
                   "  sheet FILE.lvq OUT.pdf|.png  render a review sheet with the right answers marked");

// An option and the commands it goes with, separated by spaces.
struct CommandOption
{
    const char *name;
    const char *value; // the name of its value, or none for a switch
    const char *commands;
    const char *description;
};

constexpr CommandOption CommandOptions[] = {
    {"from", "format", "import", "the format, aiken or gift."},
    {"skip-unsupported", nullptr, "import", "leave out the questions that cannot become a record."},
    {"add-signature", nullptr, "encode import", "put a full stop in front of the first question."},
    {"fix-typography", nullptr, "encode import",
     "write curly quotes and apostrophes, en dashes and other marks of word processors as the test file "
     "can hold them."},
    {"sample", "N", "sheet", "only N random records."},
    {"seed", "number", "sheet", "the seed of the sample."},
};

// The first option given that the command does not take.
QString optionNotFor(const QCommandLineParser &parser, const QString &command)
{
    for (const CommandOption &option : CommandOptions) {
        const QString name = QLatin1StringView(option.name);
        if (parser.isSet(name) && !QString::fromLatin1(option.commands).split(u' ').contains(command))
            return name;
    }
    return {};
}

// Name endings that say what a file holds: a test file, a text of questions, a sheet, a document.
const QStringList KnownEndings = {QStringLiteral("lvq"),  QStringLiteral("txt"), QStringLiteral("gift"),
                                  QStringLiteral("pdf"),  QStringLiteral("png"), QStringLiteral("doc"),
                                  QStringLiteral("docx"), QStringLiteral("odt")};

// A flood of errors (a file of another kind, a whole text in another alphabet) is cut after these.
constexpr int MaxShownErrors = 20;

bool sameFile(const QString &a, const QString &b)
{
    std::error_code error;
    return std::filesystem::equivalent(QFileInfo(a).filesystemFilePath(), QFileInfo(b).filesystemFilePath(), error);
}

} // namespace

const BankCommand::CommandShape BankCommand::CommandShapes[] = {
    {"check", 1, nullptr, &BankCommand::check},     {"decode", 2, "txt", &BankCommand::decode},
    {"encode", 2, "lvq", &BankCommand::encode},     {"import", 2, "lvq", &BankCommand::import},
    {"install", 1, nullptr, &BankCommand::install}, {"where", 0, nullptr, &BankCommand::where},
    {"sheet", 2, nullptr, &BankCommand::sheet}};

BankCommand::BankCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

int BankCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(HelpDescription);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Shows the version."));
    parser.addOptions({help, version});
    for (const CommandOption &option : CommandOptions) {
        const QString name = QLatin1StringView(option.name);
        const QString description =
            QStringLiteral("%1: %2").arg(QString::fromLatin1(option.commands).split(u' ').join(QStringLiteral(", ")),
                                         QLatin1StringView(option.description));
        parser.addOption(option.value ? QCommandLineOption(name, description, QLatin1StringView(option.value))
                                      : QCommandLineOption(name, description));
    }
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("check, decode, encode, import, "
                                                                           "install, where or sheet"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("the files the command reads and writes"),
                                 QStringLiteral("[files...]"));
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(help)) {
        m_out << parser.helpText();
        return Success;
    }
    if (parser.isSet(version)) {
        m_out << "lorvane-bank " << QCoreApplication::applicationVersion() << '\n';
        return Success;
    }
    QStringList files = parser.positionalArguments();
    const QString command = files.isEmpty() ? QString() : files.takeFirst();
    const auto shape = std::find_if(std::begin(CommandShapes), std::end(CommandShapes),
                                    [&](const CommandShape &c) { return command == QLatin1StringView(c.name); });
    if (shape == std::end(CommandShapes))
        return usage(command.isEmpty() ? QStringLiteral("no command given")
                                       : QStringLiteral("unknown command \"%1\"").arg(command));
    if (const QString stray = optionNotFor(parser, command); !stray.isEmpty())
        return usage(QStringLiteral("--%1 does not go with %2").arg(stray, command));
    if (files.size() != shape->files)
        return usage(QStringLiteral("%1 takes %2").arg(command, counted(shape->files, "file name")));
    if (files.size() == 2 && sameFile(files.at(0), files.at(1)))
        return usage(QStringLiteral("%1 would write over %2, the file it reads").arg(command, files.at(1)));
    if (const QString ending = QFileInfo(files.value(1)).suffix().toLower();
        shape->writes && KnownEndings.contains(ending) && ending != QLatin1StringView(shape->writes))
        return usage(QStringLiteral("%1 is no name for what %2 writes: give it the ending .%3")
                         .arg(files.at(1), command, QLatin1StringView(shape->writes)));
    return (this->*shape->run)(files, parser);
}

int BankCommand::check(const QStringList &files, const QCommandLineParser &)
{
    const QString &file = files.at(0);
    QByteArray bytes;
    if (!readTestFile(file, bytes))
        return BadInput;
    if (!isBankSource(bytes, file))
        return report(file, bytes);
    const SourceCheck source = checkSource(file);
    printProblems(file, source.problems);
    m_out << source.summary;
    return source.startsNormally ? Success : BadInput;
}

int BankCommand::report(const QString &file, const QByteArray &bytes)
{
    const BankCheck report = checkTestFile(bytes, file);
    printProblems(file, report.problems);
    m_out << report.summary(file);
    return report.outcome == ProgramOutcome::StartsNormally ? Success : BadInput;
}

int BankCommand::decode(const QStringList &files, const QCommandLineParser &)
{
    const QString &file = files.at(0), &output = files.at(1);
    QByteArray bytes;
    bank::LoadResult load;
    if (!loadTestFile(file, bytes, load))
        return BadInput;
    bank::SourceError error;
    const QString source = bank::writeBankSource(bytes, load.records, file, error);
    if (source.isEmpty())
        return fail(error);
    // A file in another layout than encode's (LF line ends, texts without quotes ...) still decodes.
    bank::BankSource again;
    QList<bank::SourceError> ignored;
    bank::parseBankSource(source, output, again, ignored);
    const QByteArray encoded = bank::encodeTestFile(again, ignored);
    if (encoded != bytes) {
        const auto differ = std::mismatch(bytes.cbegin(), bytes.cend(), encoded.cbegin(), encoded.cend());
        m_err << bank::SourceError{bank::LineIndex(bytes, file).at(differ.first - bytes.cbegin()),
                                   QStringLiteral("encode writes the file differently from here on"), true}
                     .toString()
              << '\n';
    }
    return save(output, source.toUtf8()) ? Success : BadInput;
}

int BankCommand::encode(const QStringList &files, const QCommandLineParser &options)
{
    bank::BankSource source;
    QList<bank::SourceError> errors;
    bank::readBankSources({files.at(0)}, source, errors);
    return writeRecords(std::move(source), errors, files, options);
}

int BankCommand::import(const QStringList &files, const QCommandLineParser &options)
{
    const QString &input = files.at(0);
    const QString format = options.value(QStringLiteral("from")).toLower();
    if (format != QLatin1String("aiken") && format != QLatin1String("gift"))
        return usage(QStringLiteral("import needs --from aiken or --from gift"));
    QString text;
    bank::SourceError error;
    if (!bank::readUtf8File(input, text, error))
        return fail(error);
    // Fixed before the importer reads the text: it refuses the marks itself.
    const QList<bank::SourceError> fixed = options.isSet(QStringLiteral("fix-typography"))
                                               ? bank::Typography::fix(text, input)
                                               : QList<bank::SourceError>();
    ImportResult result = format == QLatin1String("aiken") ? importAiken(text, input) : importGift(text, input);
    result.errors += fixed;
    const bool skipUnsupported = options.isSet(QStringLiteral("skip-unsupported"));
    for (bank::SourceError problem : std::as_const(result.unsupported)) {
        problem.warning = skipUnsupported;
        if (skipUnsupported)
            problem.message += QStringLiteral(" (skipped)");
        result.errors.append(problem);
    }
    if (result.source.records.isEmpty() && !bank::hasFault(result.errors))
        result.errors.append({{input, 0, 0}, QStringLiteral("no question to make a record of")});
    const int status = writeRecords(std::move(result.source), result.errors, files, options);
    if (!result.unsupported.isEmpty() && !skipUnsupported)
        m_err << files.at(1) << ": nothing written; --skip-unsupported leaves those questions out\n";
    return status;
}

// encode and import end alike: the records are checked and written, or every problem is named.
int BankCommand::writeRecords(bank::BankSource source, QList<bank::SourceError> problems, const QStringList &files,
                              const QCommandLineParser &options)
{
    if (options.isSet(QStringLiteral("fix-typography")))
        problems += bank::Typography::fix(source);
    const bool faulty = bank::hasFault(problems);
    const QByteArray bytes =
        source.records.isEmpty()
            ? QByteArray()
            : bank::buildTestFile(source, options.isSet(QStringLiteral("add-signature")), problems);
    problems += warningsAtSource(source, bytes);
    bank::sortInFileOrder(problems, {files.at(0)});
    printProblems(files.at(0), problems);
    return faulty || bytes.isEmpty() ? BadInput : writeTestFile(files.at(1), bytes);
}

int BankCommand::install(const QStringList &files, const QCommandLineParser &)
{
    const QString &file = files.at(0);
    QByteArray bytes;
    if (!readTestFile(file, bytes))
        return BadInput;
    if (report(file, bytes) != Success) {
        m_err << file << ": not installed: the program would not start normally with it\n";
        return BadInput;
    }
    const QString target = app::mMain::testFilePath();
    if (app::mMain::FileExists(target)) {
        QByteArray previous;
        if (!readTestFile(target, previous) || !save(target + QStringLiteral(".bak"), previous))
            return BadInput;
    }
    if (!save(target, bytes))
        return BadInput;
    m_out << "installed as " << QDir::toNativeSeparators(target) << '\n';
    return Success;
}

int BankCommand::where(const QStringList &, const QCommandLineParser &)
{
    m_out << QDir::toNativeSeparators(app::mMain::testFilePath()) << '\n';
    return Success;
}

int BankCommand::sheet(const QStringList &files, const QCommandLineParser &options)
{
    const QString &file = files.at(0), &output = files.at(1);
    bool countOk = true, seedOk = true;
    const int sample =
        options.isSet(QStringLiteral("sample")) ? options.value(QStringLiteral("sample")).toInt(&countOk) : 0;
    const quint32 seed = options.isSet(QStringLiteral("seed")) ? options.value(QStringLiteral("seed")).toUInt(&seedOk)
                                                               : QRandomGenerator::global()->generate();
    if (!countOk || sample < 0 || !seedOk)
        return usage(QStringLiteral("--sample takes a number of records, --seed a whole number"));
    if (!output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
        && !output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return usage(QStringLiteral("the sheet is written as .pdf or .png"));
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return usage(QStringLiteral("the sheet needs the graphics library"));
    QByteArray bytes;
    bank::LoadResult load;
    if (!loadTestFile(file, bytes, load))
        return BadInput;
    QList<int> numbers(load.records.size());
    std::iota(numbers.begin(), numbers.end(), 1);
    if (sample > 0 && sample < numbers.size()) {
        QRandomGenerator random(seed);
        std::shuffle(numbers.begin(), numbers.end(), random);
        numbers.resize(sample);
        std::sort(numbers.begin(), numbers.end());
    }
    QString error;
    if (!ReviewSheet(load.records, numbers).write(output, &error)) {
        m_err << output << ": " << error << '\n';
        return BadInput;
    }
    return Success;
}

bool BankCommand::readTestFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_err << path << ": " << file.errorString() << '\n';
        return false;
    }
    bytes = file.readAll();
    return true;
}

bool BankCommand::loadTestFile(const QString &path, QByteArray &bytes, bank::LoadResult &load)
{
    if (!readTestFile(path, bytes))
        return false;
    load = bank::loadQuestions(bytes);
    if (!load.ok())
        fail({bank::LineIndex(bytes, path).at(load.errorOffset), QLatin1StringView(bank::loadErrorText(load.error))});
    return load.ok();
}

int BankCommand::writeTestFile(const QString &path, const QByteArray &bytes)
{
    if (!save(path, bytes))
        return BadInput;
    m_out << path << ": " << counted(bank::countQuestions(bytes), "record") << '\n';
    return Success;
}

bool BankCommand::save(const QString &path, const QByteArray &bytes)
{
    QString error;
    if (app::writeWholeFile(path, bytes, &error))
        return true;
    m_err << path << ": " << error << '\n';
    return false;
}

int BankCommand::usage(const QString &message)
{
    m_err << "lorvane-bank: " << message << " (see lorvane-bank --help)\n";
    return BadUsage;
}

void BankCommand::printProblems(const QString &file, const QList<bank::SourceError> &problems)
{
    const auto errors = std::count_if(problems.cbegin(), problems.cend(),
                                      [](const bank::SourceError &problem) { return !problem.warning; });
    qsizetype errorsSeen = 0;
    for (const bank::SourceError &problem : problems) {
        if (!problem.warning && ++errorsSeen > MaxShownErrors) {
            if (errorsSeen == MaxShownErrors + 1)
                m_err << file << ": " << counted(int(errors - MaxShownErrors), "more error") << " not shown\n";
            continue;
        }
        m_err << problem.toString() << '\n';
    }
}

int BankCommand::fail(const bank::SourceError &error)
{
    m_err << error.toString() << '\n';
    return BadInput;
}

} // namespace bank_cli
