// A school's year of results: 10,000 attempt files in one folder, read, then made into the
// class report (HTML, with its histogram) and its CSV. The report must take under 2 s.
#include "bank/bank_reader.h"
#include "bank_cli/report_writer.h"
#include "results/attempt_folder.h"
#include "results/class_report.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace {

constexpr int Attempts = 10000;

// An attempt of thirty different records, a student of some ability answering each.
results::Attempt generatedAttempt(std::mt19937 &random, int n, const QList<bank::QuestionRecord> &records,
                                  const QString &sha256)
{
    results::Attempt attempt;
    attempt.id = QStringLiteral("%1").arg(n, 8, 16, QLatin1Char('0'));
    attempt.userName = QStringLiteral("Student %1").arg(n % 900);
    attempt.host = QStringLiteral("room%1-pc%2").arg(n % 6).arg(n % 25);
    attempt.ended = QDateTime(QDate(2026, 9, 1).addDays(n % 300), QTime(9, 0).addSecs(60 * (n % 400)));
    attempt.started = attempt.ended.addSecs(-900 - int(random() % 900));
    attempt.testFile = {QStringLiteral("LVT.lvq"), 1, sha256, int(records.size())};
    const double ability = std::uniform_real_distribution<double>(0.2, 0.95)(random);
    QList<int> numbers;
    while (numbers.size() < 30) {
        const int record = 1 + int(random() % records.size());
        if (!numbers.contains(record))
            numbers.append(record);
    }
    for (const int record : numbers) {
        const int right = records.at(record - 1).rightAnswer;
        const double roll = std::uniform_real_distribution<double>(0, 1)(random);
        const int chosen = roll < 0.03 ? 0 : roll < ability ? right : 1 + int(random() % 4);
        attempt.questions.append({record, chosen, right, 5 + int(random() % 55)});
        attempt.totals.right += chosen == right;
        attempt.totals.wrong += chosen != right;
        attempt.totals.timeOuts += chosen == 0;
    }
    return attempt;
}

void print(const char *what, double ms)
{
    std::printf("  %-46s %10.1f ms\n", what, ms);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QFile carried(QStringLiteral(":/LVT.lvq"));
    if (!carried.open(QIODevice::ReadOnly))
        qFatal("no carried test file");
    const QByteArray bytes = carried.readAll();
    const QList<bank::QuestionRecord> records = bank::loadQuestions(bytes).records;
    const QString sha256 = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());

    QTemporaryDir folder;
    std::mt19937 random(2004);
    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < Attempts; ++n) {
        const results::Attempt attempt = generatedAttempt(random, n, records, sha256);
        QFile file(QDir(folder.path()).filePath(attempt.fileName()));
        if (!file.open(QIODevice::WriteOnly) || file.write(attempt.toJson()) < 0)
            qFatal("cannot write an attempt");
    }
    std::printf("class report of %d attempts (a school's year) of %lld records\n", Attempts,
                static_cast<long long>(records.size()));
    print("write the attempt files", timer.nsecsElapsed() / 1e6);

    timer.restart();
    results::AttemptFolder attempts;
    attempts.read({folder.path()});
    const double readMs = timer.nsecsElapsed() / 1e6;
    if (attempts.attempts().size() != Attempts)
        qFatal("read %lld attempts", static_cast<long long>(attempts.attempts().size()));
    print("read the attempt files", readMs);

    timer.restart();
    const results::ClassReport report(attempts.attempts(), {});
    const double figuresMs = timer.nsecsElapsed() / 1e6;
    const bank_cli::ReportWriter writer(report, attempts.problems(), records);
    const QString html = writer.html();
    const double reportMs = timer.nsecsElapsed() / 1e6;
    print("the figures (ClassReport)", figuresMs);
    print("the report: figures and HTML (under 2000)", reportMs);
    timer.restart();
    const QByteArray csv = writer.csv();
    print("the CSV", timer.nsecsElapsed() / 1e6);
    print("read and report together", readMs + reportMs);
    std::printf("  HTML %lld KiB, CSV %lld KiB, %lld questions to look at\n",
                static_cast<long long>(html.toUtf8().size() / 1024), static_cast<long long>(csv.size() / 1024),
                static_cast<long long>(report.questionsToLookAt().size()));
    return reportMs < 2000 ? 0 : 1;
}
