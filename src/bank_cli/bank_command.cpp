#include "bank_cli/bank_command.h"

#include "app/bank_location.h"
#include "app/whole_file.h"
#include "bank/line_index.h"
#include "bank/source_decoder.h"
#include "bank/source_encoder.h"
#include "bank/source_selection.h"
#include "bank/typography.h"
#include "bank/utf8_file.h"
#include "bank_cli/aiken_import.h"
#include "bank_cli/bank_check.h"
#include "bank_cli/counted.h"
#include "bank_cli/gift_import.h"
#include "bank_cli/moodle_export.h"
#include "bank_cli/report_writer.h"
#include "bank_cli/review_sheet.h"
#include "bank_cli/source_check.h"
#include "bank_cli/test_installer.h"
#include "results/attempt_folder.h"
#include "results/class_report.h"

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

// The description --help prints before the options.
QString helpDescription()
{
    //: The command names, option names and the names in capitals (FILE.lvq, OUT ...) stay as they are.
    return QCoreApplication::translate(
        "BankCommand", "Checks, converts, imports and installs Lorvane test files.\n\n"
                       "Commands:\n"
                       "  check FILE.lvq|SRC.txt       report every problem and what the program would do\n"
                       "  decode FILE.lvq OUT.txt      write the readable UTF-8 source of a test file\n"
                       "  encode SRC.txt OUT.lvq       write a test file from its readable source\n"
                       "  import --from aiken|gift IN OUT.lvq\n"
                       "                               write a test file from Moodle's Aiken or GIFT format\n"
                       "  export --to aiken|gift FILE.lvq OUT\n"
                       "                               write the questions of a test file in Aiken or GIFT\n"
                       "  install FILE.lvq [--pictures LIST.txt]\n"
                       "                               check the file, then put it where the program reads it\n"
                       "  restore [N | --default]      list the tests install replaced, or put one back\n"
                       "  where                        print where the program reads its test file\n"
                       "  sheet FILE.lvq OUT.pdf|.png  render a review sheet with the right answers marked\n"
                       "  report RESULTS... -o OUT.html|.pdf|.csv\n"
                       "                               the class report of attempt files and folders\n"
                       "  review ATTEMPT.json OUT.pdf|.png\n"
                       "                               one attempt's questions, the chosen and right answers marked");
}

// The texts of Qt's own parser in the help and in its errors, for this program's translation to
// hold: the parser asks for them in its own context.
[[maybe_unused]] constexpr const char *ParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// An option and the commands it goes with, separated by spaces.
struct CommandOption
{
    const char *name;
    const char *value; // the name of its value in the help, or none for a switch
    const char *commands;
    const char *description;
    const char *shortName = nullptr;
};

constexpr CommandOption CommandOptions[] = {
    {"from", QT_TRANSLATE_NOOP("BankCommand", "format"), "import",
     QT_TRANSLATE_NOOP("BankCommand", "the format, aiken or gift.")},
    {"to", QT_TRANSLATE_NOOP("BankCommand", "format"), "export",
     QT_TRANSLATE_NOOP("BankCommand", "the format, aiken or gift.")},
    {"skip-unsupported", nullptr, "import",
     QT_TRANSLATE_NOOP("BankCommand", "leave out the questions that cannot become a record.")},
    {"add-signature", nullptr, "encode import",
     QT_TRANSLATE_NOOP("BankCommand", "put a full stop in front of the first question.")},
    {"take", "N", "encode import", QT_TRANSLATE_NOOP("BankCommand", "only the first N questions.")},
    {"random", "N", "encode import",
     QT_TRANSLATE_NOOP("BankCommand", "N questions drawn at random, in the order of the bank.")},
    {"shuffle-answers", nullptr, "encode import",
     QT_TRANSLATE_NOOP("BankCommand",
                       "spread the right answers evenly over 1 to 4; --shuffle-answers=SEED repeats a shuffle.")},
    {"answer-seed", QT_TRANSLATE_NOOP("BankCommand", "number"), "encode import", nullptr},
    {"fix-typography", nullptr, "encode import",
     QT_TRANSLATE_NOOP("BankCommand", "write curly quotes and apostrophes, en dashes and other marks of word "
                                      "processors as the test file can hold them.")},
    {"sample", "N", "sheet", QT_TRANSLATE_NOOP("BankCommand", "only N random records.")},
    {"no-answers", nullptr, "sheet", QT_TRANSLATE_NOOP("BankCommand", "a test to print, the right answers unmarked.")},
    {"key", nullptr, "sheet", QT_TRANSLATE_NOOP("BankCommand", "the answer key alone.")},
    {"seed", QT_TRANSLATE_NOOP("BankCommand", "number"), "sheet encode import",
     QT_TRANSLATE_NOOP("BankCommand", "the seed of --sample or --random, to draw the same again.")},
    {"force", nullptr, "install",
     QT_TRANSLATE_NOOP("BankCommand", "install a file the program cannot run a whole test with.")},
    {"pictures", "LIST.txt", "install",
     QT_TRANSLATE_NOOP("BankCommand", "the questions' pictures, lines RECORD: FILE or RECORD: carried N.")},
    {"default", nullptr, "restore", QT_TRANSLATE_NOOP("BankCommand", "put back the test carried in the program.")},
    {"output", QT_TRANSLATE_NOOP("BankCommand", "file"), "report",
     QT_TRANSLATE_NOOP("BankCommand", "the report to write, .html, .pdf or .csv."), "o"},
    {"test", "FILE.lvq", "report review",
     QT_TRANSLATE_NOOP("BankCommand", "the test file the attempts were taken with.")},
    {"since", "YYYY-MM-DD", "report",
     QT_TRANSLATE_NOOP("BankCommand", "only the attempts that ended on that day or later.")},
};

// --shuffle-answers=SEED, the one option whose value may be left out, as two the parser reads.
QStringList withAnswerSeed(QStringList arguments)
{
    const QString shuffle = QStringLiteral("--shuffle-answers=");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i).startsWith(shuffle)) {
            const QString seed = arguments.at(i).mid(shuffle.size());
            arguments[i] = QStringLiteral("--shuffle-answers");
            arguments.insert(++i, QStringLiteral("--answer-seed"));
            arguments.insert(++i, seed);
        }
    }
    return arguments;
}

// The seed given with option, or a new one.
bool seedOf(const QCommandLineParser &options, const QString &option, quint32 &seed)
{
    bool ok = true;
    seed = options.isSet(option) ? options.value(option).toUInt(&ok) : QRandomGenerator::global()->generate();
    return ok;
}

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

// The installed test file's records, when it is the file of that SHA-256.
QList<bank::QuestionRecord> installedRecords(const QString &sha256)
{
    QFile file(app::mMain::testFilePath());
    if (sha256.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return results::Attempt::TestFile::sha256Of(bytes) == sha256 ? bank::loadQuestions(bytes).records
                                                                 : QList<bank::QuestionRecord>();
}

bool hasGraphics()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance());
}

} // namespace

const BankCommand::CommandShape BankCommand::CommandShapes[] = {
    {"check", 1, nullptr, &BankCommand::check},
    {"decode", 2, "txt", &BankCommand::decode},
    {"encode", 2, "lvq", &BankCommand::encode},
    {"import", 2, "lvq", &BankCommand::import},
    {"export", 2, nullptr, &BankCommand::exportTo},
    {"install", 1, nullptr, &BankCommand::install},
    {"where", 0, nullptr, &BankCommand::where},
    {"sheet", 2, nullptr, &BankCommand::sheet},
    {"restore", OneOrNone, nullptr, &BankCommand::restore},
    {"report", AtLeastOne, nullptr, &BankCommand::classReport},
    {"review", 2, nullptr, &BankCommand::review}};

BankCommand::BankCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

int BankCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(helpDescription());
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, tr("Shows this help."));
    const QCommandLineOption version(QStringLiteral("version"), tr("Shows the version."));
    parser.addOptions({help, version});
    for (const CommandOption &option : CommandOptions) {
        const QString name = QLatin1StringView(option.name);
        const QString description =
            QStringLiteral("%1: %2").arg(QString::fromLatin1(option.commands).split(u' ').join(QStringLiteral(", ")),
                                         QCoreApplication::translate("BankCommand", option.description));
        QStringList names{name};
        if (option.shortName)
            names.prepend(QLatin1StringView(option.shortName));
        QCommandLineOption added =
            option.value
                ? QCommandLineOption(names, description, QCoreApplication::translate("BankCommand", option.value))
                : QCommandLineOption(names, description);
        if (!option.description)
            added.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(added);
    }
    //: The names of the arguments in the help's usage line.
    parser.addPositionalArgument(tr("command"), tr("check, decode, encode, import, export, install, "
                                                   "restore, where, sheet, report or review"));
    parser.addPositionalArgument(tr("files"), tr("the files the command reads and writes"), tr("[files...]"));
    if (!parser.parse(withAnswerSeed(arguments)))
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
        return usage(command.isEmpty() ? tr("no command given") : tr("unknown command \"%1\"").arg(command));
    if (const QString stray = optionNotFor(parser, command); !stray.isEmpty())
        return usage(tr("--%1 does not go with %2").arg(stray, command));
    if (shape->files == AtLeastOne  ? files.isEmpty()
        : shape->files == OneOrNone ? files.size() > 1
                                    : files.size() != shape->files)
        return usage(shape->files == AtLeastOne  ? tr("%1 takes one or more file names").arg(command)
                     : shape->files == OneOrNone ? tr("%1 takes one argument at most").arg(command)
                                                 : tr("%1 takes %2").arg(command, counted(shape->files, FileNames)));
    if (shape->files == 2 && sameFile(files.at(0), files.at(1)))
        return usage(tr("%1 would write over %2, the file it reads").arg(command, files.at(1)));
    if (const QString ending = QFileInfo(files.value(1)).suffix().toLower();
        shape->writes && KnownEndings.contains(ending) && ending != QLatin1StringView(shape->writes))
        return usage(tr("%1 is no name for what %2 writes: give it the ending .%3")
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
                                   tr("encode writes the file differently from here on"), true}
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
    if (options.isSet(QStringLiteral("fix-typography")))
        errors += bank::Typography::fix(source);
    return writeRecords(std::move(source), errors, files, options);
}

int BankCommand::import(const QStringList &files, const QCommandLineParser &options)
{
    const QString &input = files.at(0);
    const QString format = options.value(QStringLiteral("from")).toLower();
    if (format != QLatin1String("aiken") && format != QLatin1String("gift"))
        return usage(tr("import needs --from aiken or --from gift"));
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
            problem.message = tr("%1 (skipped)").arg(problem.message);
        result.errors.append(problem);
    }
    if (result.source.records.isEmpty() && !bank::hasFault(result.errors))
        result.errors.append({{input, 0, 0}, tr("no question to make a record of")});
    const int status = writeRecords(std::move(result.source), result.errors, files, options);
    if (!result.unsupported.isEmpty() && !skipUnsupported)
        m_err << files.at(1) << ": " << tr("nothing written; --skip-unsupported leaves those questions out") << '\n';
    return status;
}

// encode and import end alike: the records are checked and written, or every problem is named.
int BankCommand::writeRecords(bank::BankSource source, QList<bank::SourceError> problems, const QStringList &files,
                              const QCommandLineParser &options)
{
    if (const int status = chooseRecords(source, files.at(0), options); status != Success)
        return status;
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

// --take, --random and --shuffle-answers; a draw says its seed, so that it can be made again.
int BankCommand::chooseRecords(bank::BankSource &source, const QString &input, const QCommandLineParser &options)
{
    const QString take = QStringLiteral("take"), random = QStringLiteral("random");
    if (options.isSet(take) && options.isSet(random))
        return usage(tr("--take and --random each choose the questions: give one"));
    quint32 seed = 0, answerSeed = 0;
    if (!seedOf(options, QStringLiteral("seed"), seed) || !seedOf(options, QStringLiteral("answer-seed"), answerSeed))
        return usage(tr("a seed is a whole number from 0 to 4294967295"));
    bank::SourceSelection selection(source);
    if (options.isSet(take) || options.isSet(random)) {
        const QString option = options.isSet(take) ? take : random;
        bool ok = false;
        const int count = options.value(option).toInt(&ok);
        if (!ok || count < 1)
            return usage(tr("--%1 takes a number of questions").arg(option));
        if (count > source.records.size()) {
            //: "5 questions, fewer than the 10 to take": the questions there are, and the number asked for.
            const QString fewer = tr("%1, fewer than the %2 to take").arg(counted(source.records.size(), Questions));
            m_err << input << ": " << fewer.arg(count) << '\n';
            return BadInput;
        }
        if (option == take) {
            selection.takeFirst(count);
        } else {
            selection.takeRandom(count, seed);
            //: "3 questions drawn with --seed 42".
            m_out << tr("%1 drawn with --seed %2").arg(counted(count, Questions)).arg(seed) << '\n';
        }
    }
    if (options.isSet(QStringLiteral("shuffle-answers"))) {
        selection.shuffleAnswers(answerSeed);
        m_out << tr("answers shuffled with --shuffle-answers=%1").arg(answerSeed) << '\n';
    }
    return Success;
}

int BankCommand::exportTo(const QStringList &files, const QCommandLineParser &options)
{
    const QString &file = files.at(0), &output = files.at(1);
    const QString format = options.value(QStringLiteral("to")).toLower();
    if (format != QLatin1String("aiken") && format != QLatin1String("gift"))
        return usage(tr("export needs --to aiken or --to gift"));
    if (const QString ending = QFileInfo(output).suffix().toLower();
        KnownEndings.contains(ending) && ending != QLatin1String("txt") && ending != QLatin1String("gift"))
        return usage(tr("%1 is no name for what export writes: give it the ending .txt or .gift").arg(output));
    QByteArray bytes;
    bank::LoadResult load;
    if (!loadTestFile(file, bytes, load))
        return BadInput;
    MoodleExport moodle(format == QLatin1String("gift") ? MoodleExport::Gift : MoodleExport::Aiken, bytes, file);
    const QString text = moodle.write(load.records);
    printProblems(file, moodle.problems());
    if (moodle.questions() == 0) {
        m_err << output << ": " << tr("nothing written: no record can be exported") << '\n';
        return BadInput;
    }
    if (!save(output, text.toUtf8()))
        return BadInput;
    m_out << output << ": " << counted(moodle.questions(), Questions) << '\n';
    return Success;
}

int BankCommand::install(const QStringList &files, const QCommandLineParser &options)
{
    QByteArray bytes;
    if (!readTestFile(files.at(0), bytes))
        return BadInput;
    report(files.at(0), bytes);
    return TestInstaller(m_out, m_err)
        .install(files.at(0), bytes, options.isSet(QStringLiteral("force")), options.value(QStringLiteral("pictures")));
}

int BankCommand::restore(const QStringList &arguments, const QCommandLineParser &options)
{
    TestInstaller installer(m_out, m_err);
    const bool carried = options.isSet(QStringLiteral("default"));
    if (arguments.isEmpty())
        return carried ? installer.restoreDefault() : installer.listBackups();
    bool isNumber = false;
    const int number = arguments.at(0).toInt(&isNumber);
    if (carried || !isNumber || number < 1)
        return usage(tr("restore takes the number of a backup, or --default"));
    return installer.restore(number);
}

int BankCommand::where(const QStringList &, const QCommandLineParser &)
{
    m_out << QDir::toNativeSeparators(app::mMain::testFilePath()) << '\n';
    return Success;
}

int BankCommand::sheet(const QStringList &files, const QCommandLineParser &options)
{
    const QString &file = files.at(0), &output = files.at(1);
    bool countOk = true;
    const int sample =
        options.isSet(QStringLiteral("sample")) ? options.value(QStringLiteral("sample")).toInt(&countOk) : 0;
    quint32 seed = 0;
    if (!countOk || sample < 0 || !seedOf(options, QStringLiteral("seed"), seed))
        return usage(tr("--sample takes a number of records, --seed a whole number"));
    const bool test = options.isSet(QStringLiteral("no-answers")), key = options.isSet(QStringLiteral("key"));
    if (test && key)
        return usage(tr("--no-answers makes the test, --key its key: give one"));
    if (!output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
        && !output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return usage(tr("the sheet is written as .pdf or .png"));
    if (!hasGraphics())
        return usage(tr("the sheet needs the graphics library"));
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
        if (!options.isSet(QStringLiteral("seed"))) // a printed test and its key are drawn alike with it
            m_out << tr("sample drawn with --seed %1").arg(seed) << '\n';
    }
    QString error;
    const auto kind = test ? ReviewSheet::Kind::Test : key ? ReviewSheet::Kind::Key : ReviewSheet::Kind::Review;
    if (!ReviewSheet(load.records, numbers, kind).write(output, &error)) {
        m_err << output << ": " << error << '\n';
        return BadInput;
    }
    return Success;
}

int BankCommand::classReport(const QStringList &files, const QCommandLineParser &options)
{
    const QString output = options.value(QStringLiteral("output"));
    const QString ending = QFileInfo(output).suffix().toLower();
    if (!QStringList{QStringLiteral("html"), QStringLiteral("pdf"), QStringLiteral("csv")}.contains(ending))
        return usage(tr("report writes -o OUT.html, OUT.pdf or OUT.csv"));
    results::ClassReport::Options choice;
    choice.since = QDate::fromString(options.value(QStringLiteral("since")), Qt::ISODate);
    if (options.isSet(QStringLiteral("since")) && !choice.since.isValid())
        return usage(tr("--since takes a date, YYYY-MM-DD"));
    if (ending != QLatin1String("csv") && !hasGraphics())
        return usage(tr("the report needs the graphics library"));
    QList<bank::QuestionRecord> records;
    if (!loadTestOption(options, records, choice.testSha256))
        return BadInput;
    results::AttemptFolder folder;
    folder.read(files);
    for (const results::AttemptFolder::Problem &problem : folder.problems())
        m_err << problem.path << ": " << problem.reason << '\n';
    const results::ClassReport report(folder.attempts(), choice);
    if (records.isEmpty())
        records = installedRecords(report.testSha256());
    QString error;
    if (!ReportWriter(report, folder.problems(), records).write(output, &error)) {
        m_err << output << ": " << error << '\n';
        return BadInput;
    }
    const QString attempts = counted(report.attempts().size(), Attempts);
    m_out << output << ": "
          << (report.foreignAttempts().isEmpty()
                  ? attempts
                  : tr("%1, and %2 of another test file left out")
                        .arg(attempts, counted(report.foreignAttempts().size(), Attempts)))
          << '\n';
    return folder.attempts().isEmpty() ? BadInput : Success;
}

int BankCommand::review(const QStringList &files, const QCommandLineParser &options)
{
    const QString &file = files.at(0), &output = files.at(1);
    if (!output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
        && !output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return usage(tr("the review is written as .pdf or .png"));
    if (!hasGraphics())
        return usage(tr("the review needs the graphics library"));
    results::AttemptFolder folder;
    folder.read({file});
    if (folder.attempts().isEmpty()) {
        m_err << file << ": " << folder.problems().value(0).reason << '\n';
        return BadInput;
    }
    const results::Attempt &attempt = folder.attempts().first();
    QList<bank::QuestionRecord> records;
    QString sha256;
    if (!loadTestOption(options, records, sha256))
        return BadInput;
    const QString testFile =
        options.isSet(QStringLiteral("test")) ? options.value(QStringLiteral("test")) : tr("the installed one");
    if (!options.isSet(QStringLiteral("test")))
        records = installedRecords(sha256 = attempt.testFile.sha256.toLower());
    if (sha256 != attempt.testFile.sha256.toLower() || records.isEmpty()) {
        m_err
            << file << ": "
            << tr("taken with another test file (%1) than %2; give it with --test").arg(attempt.testFile.name, testFile)
            << '\n';
        return BadInput;
    }
    QList<int> numbers, chosen;
    for (const results::AttemptQuestion &question : attempt.questions) {
        if (question.record < 1 || question.record > records.size()) {
            m_err << file << ": " << tr("record %1 is not in the test file").arg(question.record) << '\n';
            return BadInput;
        }
        numbers.append(question.record);
        chosen.append(question.chosen);
    }
    QString error;
    if (!ReviewSheet(records, numbers, chosen).write(output, &error)) {
        m_err << output << ": " << error << '\n';
        return BadInput;
    }
    return Success;
}

bool BankCommand::loadTestOption(const QCommandLineParser &options, QList<bank::QuestionRecord> &records,
                                 QString &sha256)
{
    if (!options.isSet(QStringLiteral("test")))
        return true;
    QByteArray bytes;
    bank::LoadResult load;
    if (!loadTestFile(options.value(QStringLiteral("test")), bytes, load))
        return false;
    records = load.records;
    sha256 = results::Attempt::TestFile::sha256Of(bytes);
    return true;
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
        fail({bank::LineIndex(bytes, path).at(load.errorOffset), bank::loadErrorMessage(load.error)});
    return load.ok();
}

int BankCommand::writeTestFile(const QString &path, const QByteArray &bytes)
{
    if (!save(path, bytes))
        return BadInput;
    m_out << path << ": " << counted(bank::countQuestions(bytes), Records) << '\n';
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
    m_err << "lorvane-bank: " << tr("%1 (see lorvane-bank --help)").arg(message) << '\n';
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
                //: "5 more errors not shown".
                m_err << file << ": " << tr("%1 not shown").arg(counted(int(errors - MaxShownErrors), MoreErrors))
                      << '\n';
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
