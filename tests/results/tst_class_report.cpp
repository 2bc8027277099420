#include "results/attempt_folder.h"
#include "results/class_report.h"
#include "support/attempts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using results::ClassReport;
using namespace attempt_test;

namespace {

QString flagNames(const QList<ClassReport::Flag> &flags)
{
    static const char *const names[] = {"TooHard", "TooEasy", "LowDiscrimination", "KeyDoubtful", "UnusedAnswer"};
    QStringList written;
    for (const ClassReport::Flag &flag : flags)
        written.append(QLatin1StringView(names[flag.kind]) + (flag.answer ? QString::number(flag.answer) : QString()));
    return written.join(u' ');
}

// The worked class: five attempts at three records, answer 1 right, scores 3, 2, 2, 1, 0.
const QStringList Worked = {"111", "112", "121", "122", "202"};

} // namespace

class TestClassReport : public QObject
{
    Q_OBJECT

private slots:
    void judgesEachQuestion_data()
    {
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("record");
        QTest::addColumn<double>("facility");
        QTest::addColumn<double>("discrimination"); // NaN: none
        QTest::addColumn<QString>("flags");
        const double none = std::nan("");
        // Record 1: x = 1 1 1 1 0, the rest of each score r = 2 1 1 0 0; means 0.8 and 0.8.
        // Sum (x - 0.8)(r - 0.8) = 0.24 + 0.04 + 0.04 - 0.16 + 0.64 = 0.8; sum (x - 0.8)^2 = 0.8;
        // sum (r - 0.8)^2 = 1.44 + 0.04 + 0.04 + 0.64 + 0.64 = 2.8; 0.8 / sqrt(0.8 * 2.8) = 0.5345.
        // Against the whole score (3 2 2 1 0) it would be 1.6 / sqrt(0.8 * 5.2) = 0.7845. Copies
        // of every attempt change no correlation, and make the question shown ten times.
        QTest::newRow("worked, record 1") << Worked << 2 << 1 << 0.8 << 0.5345 << "UnusedAnswer3 UnusedAnswer4";
        // Record 3: x = 1 0 1 0 0, r = 2 2 1 1 0; 0.6 / sqrt(1.2 * 2.8) = 0.3273; answer 2 six times.
        QTest::newRow("worked, record 3")
            << Worked << 2 << 3 << 0.4 << 0.3273 << "KeyDoubtful2 UnusedAnswer3 UnusedAnswer4";
        QTest::newRow("worked, shown 5 times") << Worked << 1 << 3 << 0.4 << 0.3273 << "";
        const QStringList guessed = {"1", "2", "2", "3", "3", "4", "4", "2", "3", "4"};
        QTest::newRow("below guessing") << guessed << 1 << 1 << 0.1 << none
                                        << "TooHard KeyDoubtful2 KeyDoubtful3 KeyDoubtful4";
        QTest::newRow("shown 9 times") << guessed.mid(1) << 1 << 1 << 0.0 << none << "";
        QTest::newRow("19 of 20 right") << QStringList(19, "1") + QStringList{"2"} << 1 << 1 << 0.95 << none
                                        << "UnusedAnswer3 UnusedAnswer4";
        QTest::newRow("always right") << QStringList(20, "1") << 1 << 1 << 1.0 << none
                                      << "TooEasy UnusedAnswer2 UnusedAnswer3 UnusedAnswer4";
        // x = 1 0 0 0 1 against r = 0 1 1 1 0: the weaker answer it right.
        QTest::newRow("the weaker right")
            << QStringList{"12", "21", "31", "41", "13"} << 2 << 1 << 0.4 << -1.0 << "LowDiscrimination";
    }

    void judgesEachQuestion()
    {
        QFETCH(QStringList, patterns);
        QFETCH(int, copies);
        QFETCH(int, record);
        QFETCH(double, facility);
        QFETCH(double, discrimination);
        QFETCH(QString, flags);
        const ClassReport report(attempts(patterns, copies), {});
        const ClassReport::Question question = report.questions().at(record - 1);
        QCOMPARE(question.record, record);
        QCOMPARE(question.facility, facility);
        if (std::isnan(discrimination))
            QVERIFY(std::isnan(question.discrimination));
        else
            QVERIFY2(std::abs(question.discrimination - discrimination) < 1e-4,
                     qPrintable(QString::number(question.discrimination)));
        QCOMPARE(flagNames(question.flags), flags);
        QCOMPARE(report.questionsToLookAt().isEmpty(),
                 std::none_of(report.questions().cbegin(), report.questions().cend(),
                              [](const ClassReport::Question &q) { return !q.flags.isEmpty(); }));
    }

    void summarisesTheClass()
    {
        const ClassReport report(attempts(Worked, 2), {});
        const ClassReport::Summary &summary = report.summary();
        QCOMPARE(summary.attempts, 10);
        QCOMPARE(summary.mean, 1.6);
        QCOMPARE(summary.median, 2.0);
        QCOMPARE(summary.standardDeviation, std::sqrt(1.04)); // squares 1.96 .16 .16 .36 2.56, twice, over 10
        QCOMPARE(std::make_pair(summary.lowest, summary.highest), std::make_pair(0, 3));
        QCOMPARE(summary.histogram, (QList<int>{2, 2, 4, 2} + QList<int>(27, 0)));
        const ClassReport::Question second = report.questions().at(1);
        QCOMPARE(second.timeOuts, 2);
        QCOMPARE(second.chosen[1] + second.chosen[2], 8);
        QCOMPARE(second.medianSeconds, 11.0);
    }

    // A copy counts once, an attempt of another test file and an earlier one not at all.
    void countsEachAttemptOnceAndOfOneTest_data()
    {
        QTest::addColumn<QString>("testSha");
        QTest::addColumn<int>("counted");
        QTest::addColumn<int>("foreign");
        QTest::addColumn<double>("facility");
        QTest::newRow("the most used test") << QString() << 3 << 1 << 1.0;
        QTest::newRow("the test given") << QString(64, u'B') << 1 << 3 << 0.0;
    }

    void countsEachAttemptOnceAndOfOneTest()
    {
        QFETCH(QString, testSha);
        QFETCH(int, counted);
        QFETCH(int, foreign);
        QFETCH(double, facility);
        const QDateTime march(QDate(2026, 3, 2), QTime(9, 0));
        const QList<results::Attempt> all = {attempt("a", "1"),
                                             attempt("b", "1"),
                                             attempt("a", "1"),
                                             attempt("c", "1", TestSha, march.addDays(1)),
                                             attempt("d", "2", QString(64, u'b')),
                                             attempt("e", "2", TestSha, march.addDays(-2))};
        const ClassReport report(all, {testSha, QDate(2026, 3, 1)});
        QCOMPARE(report.attempts().size(), counted);
        QCOMPARE(report.foreignAttempts().size(), foreign);
        QCOMPARE(report.duplicates(), 1);
        QCOMPARE(report.earlierLeftOut(), 1);
        QCOMPARE(report.questions().at(0).shown, counted);
        QCOMPARE(report.questions().at(0).facility, facility);
        QCOMPARE(report.attempts().last().id, testSha.isEmpty() ? "c" : "d");
    }

    void readsAttemptFilesAndNamesTheOthers()
    {
        QTemporaryDir dir;
        const auto write = [&dir](const QString &name, const QByteArray &bytes) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        };
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        const QByteArray good = attempt("a", "12").toJson();
        write("a.json", good);
        write("b.json", good.left(good.size() / 2));
        write("c.json", R"({"format": "another"})");
        write("d.json.Ab12Cd", good.left(10)); // a write in progress
        write("sub/e.json", good);
        write("notes.txt", "x");
        results::AttemptFolder folder;
        folder.read({dir.path(), dir.filePath("missing.json"), dir.filePath("a.json")});
        QCOMPARE(folder.attempts().size(), 2);
        QCOMPARE(folder.attempts().at(0).questions.size(), 2);
        QStringList problems;
        for (const results::AttemptFolder::Problem &problem : folder.problems())
            problems.append(QFileInfo(problem.path).fileName() + ": " + problem.reason.section(u':', 0, 0));
        QCOMPARE(problems, (QStringList{"b.json: damaged", "c.json: not an attempt file",
                                        "missing.json: No such file or directory"}));
    }
};

QTEST_MAIN(TestClassReport)
#include "tst_class_report.moc"
