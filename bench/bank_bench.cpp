// The question bank at its largest: loading and counting a test file of 32,767 records, and
// lorvane-bank's check of it and encode of its source (with the check of what it encodes), set against merely reading
// the file and counting its line ends; and drawing a whole question order, set against the history scan that compares
// each number with every earlier order.
#include "bank/armscii8.h"
#include "bank/bank_reader.h"
#include "bank/question_order.h"
#include "bank/source_decoder.h"
#include "bank/source_encoder.h"
#include "bank_cli/bank_check.h"
#include "bank_cli/source_check.h"
#include "support/literal_question_order.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

using namespace bank;

namespace {

constexpr int Runs = 15;

// Armenian words (ArmSCII-8 letters 0xB2..0xFD) and spaces, like the default file's texts.
QByteArray armenianText(std::mt19937 &random, int length)
{
    QByteArray text;
    text.reserve(length);
    while (text.size() < length) {
        const int word = 2 + int(random() % 9);
        for (int i = 0; i < word && text.size() < length; ++i)
            text.append(char(0xB2 + random() % 76));
        text.append(' ');
    }
    text.chop(1);
    return text;
}

QByteArray generatedBank(int records)
{
    std::mt19937 random(2004);
    QByteArray file;
    for (int n = 1; n <= records; ++n) {
        file += '"' + (n == 1 ? QByteArray(".") : QByteArray()) + armenianText(random, 150) + '"';
        for (int answer = 0; answer < 4; ++answer)
            file += ",\"" + armenianText(random, 40 + int(random() % 20)) + '"';
        file += ',' + QByteArray::number(1 + int(random() % 4));
        file += n < records ? QByteArray("\r\n") : QByteArray(1, '\0');
    }
    return file;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// The best of several runs, in milliseconds; work() returns a value so it cannot be dropped.
template<typename Work>
double bestMs(Work work, qint64 *result)
{
    double best = 1e300;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        *result = work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// A generator reseeded with the number of the call: a clock that moves between draws.
// SplitMix64, whose seeding is as cheap as the program's own generator.
struct CallSeededGenerator
{
    quint64 state = 0;
    quint64 calls = 0;

    QuestionOrder::UniformSource source()
    {
        return [this] {
            quint64 z = (state += 0x9E3779B97F4A7C15ULL);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            return ((z ^ (z >> 31)) >> 11) * (1.0 / 9007199254740992.0);
        };
    }

    QuestionOrder::Reseed reseed()
    {
        return [this] { state = ++calls; };
    }
};

double fastOrderMs(qint16 totquest, qint64 *check)
{
    return bestMs(
        [totquest] {
            CallSeededGenerator generator;
            QuestionOrder order(generator.source(), generator.reseed());
            qint64 sum = 0;
            for (int n = 1; n < totquest; ++n)
                sum += order.randomQuestion(totquest);
            return sum;
        },
        check);
}

double clockSeededOrderMs(qint16 totquest, qint64 *check)
{
    return bestMs(
        [totquest] {
            QuestionOrder order;
            qint64 sum = 0;
            for (int n = 1; n < totquest; ++n)
                sum += order.randomQuestion(totquest);
            return sum;
        },
        check);
}

double literalOrderMs(qint16 totquest, qint64 *check)
{
    return bestMs(
        [totquest] {
            CallSeededGenerator generator;
            const auto next = generator.source();
            const auto reseed = generator.reseed();
            QList<qint16> history;
            qint16 drawCount = 0;
            qint64 sum = 0;
            for (int n = 1; n < totquest; ++n)
                sum += literalRandomQuestion(history, drawCount, totquest, next, reseed);
            return sum;
        },
        check);
}

// The history scan costs about n^2 log n for an order of n records.
double scanScale(double from, double to)
{
    return (to * to * std::log(to)) / (from * from * std::log(from));
}

void row(const char *what, double ms, const char *note = "")
{
    std::printf("  %-46s %10.2f ms  %s\n", what, ms, note);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LVT.lvq"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(generatedBank(MaxQuestions)) < 0)
            qFatal("cannot write %s", qPrintable(path));
    }
    const qint64 fileSize = QFileInfo(path).size();

    qint64 lines = 0, loaded = 0, counted = 0;
    const double floorMs = bestMs(
        [&] {
            const QByteArray bytes = readFile(path);
            qint64 count = 0;
            for (const char *p = bytes.cbegin(), *end = bytes.cend();
                 (p = static_cast<const char *>(std::memchr(p, '\n', end - p))); ++p)
                ++count;
            return count;
        },
        &lines);
    double loadMs = 1e300, releaseMs = 1e300;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto result = std::make_unique<LoadResult>(loadQuestions(readFile(path)));
        loadMs = std::min(loadMs, timer.nsecsElapsed() / 1e6);
        loaded = result->ok() ? qint64(result->records.size()) : -1;
        timer.restart();
        result.reset();
        releaseMs = std::min(releaseMs, timer.nsecsElapsed() / 1e6);
    }
    qint64 decoded = 0;
    const double decodeMs = bestMs([&] { return qint64(decodeArmscii8(readFile(path)).size()); }, &decoded);
    const double countMs = bestMs([&] { return qint64(countQuestions(readFile(path))); }, &counted);

    qint64 checked = 0, encoded = 0;
    const double checkMs =
        bestMs([&] { return qint64(bank_cli::checkTestFile(readFile(path), path).recordCount); }, &checked);
    const QString sourcePath = dir.filePath(QStringLiteral("source.txt"));
    {
        const QByteArray bytes = readFile(path);
        SourceError error;
        QFile file(sourcePath);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(writeBankSource(bytes, loadQuestions(bytes).records, path, error).toUtf8()) <= 0)
            qFatal("cannot write %s", qPrintable(sourcePath));
    }
    // What encode does before writing: read and build, then check's warnings at the source's lines.
    const double encodeMs = bestMs(
        [&] {
            BankSource source;
            QList<SourceError> errors;
            readBankSources({sourcePath}, source, errors);
            const QByteArray bytes = buildTestFile(source, false, errors);
            return qint64(bytes.size()) + bank_cli::warningsAtSource(source, bytes).size();
        },
        &encoded);

    std::printf("Test file: %d records, %lld bytes, %lld line ends (best of %d runs)\n", MaxQuestions, fileSize, lines,
                Runs);
    row("read the file and count its line ends (floor)", floorMs);
    char note[80];
    std::snprintf(note, sizeof note, "%lld records, %+.2f ms over the floor", loaded, loadMs - floorMs);
    row("read and load (Load_Question)", loadMs, note);
    std::snprintf(note, sizeof note, "%lld records, %+.2f ms over the floor", counted, countMs - floorMs);
    row("read and count (Count_Questions)", countMs, note);
    std::snprintf(note, sizeof note, "%+.2f ms over the floor", decodeMs - floorMs);
    row("read and decode the whole file as one text", decodeMs, note);
    row("release the loaded records (32,767 records)", releaseMs);
    std::snprintf(note, sizeof note, "%lld records, %+.2f ms over the floor", checked, checkMs - floorMs);
    row("lorvane-bank check: read, load and inspect", checkMs, note);
    std::snprintf(note, sizeof note, "%lld bytes written, %s", encoded,
                  encoded == fileSize ? "the same file" : "NOT the same file");
    row("lorvane-bank encode: read, encode and check", encodeMs, note);

    const qint16 big = MaxQuestions;
    const qint16 small = 2000, smaller = 1000;
    qint64 check = 0;
    std::printf("\nQuestion order: %d draws without repetition from %d records\n", big - 1, big);
    row("set of drawn numbers, generator reseeded per call", fastOrderMs(big, &check));
    row("set of drawn numbers, clock-seeded generator", clockSeededOrderMs(big, &check),
        "(draws within one millisecond replay one sequence)");
    const double literalSmaller = literalOrderMs(smaller, &check);
    const double literalSmall = literalOrderMs(small, &check);
    std::snprintf(note, sizeof note, "(%d records: %.2f ms, n^2 log n predicts %.2f ms)", int(smaller), literalSmaller,
                  literalSmaller * scanScale(smaller, small));
    row("history scan, 2,000 records, 1,999 draws", literalSmall, note);
    row("history scan, 32,767 records, extrapolated", literalSmall * scanScale(small, big));
    std::printf("  %-46s %10.2f ms\n", "set of drawn numbers, 2,000 records", fastOrderMs(small, &check));
    return 0;
}
