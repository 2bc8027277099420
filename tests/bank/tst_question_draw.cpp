#include "bank/question_draw.h"

#include <QSet>
#include <QTest>

#include <memory>
#include <random>

using namespace bank;

class TestQuestionDraw : public QObject
{
    Q_OBJECT

private slots:
    void orderOf171DrawsEveryNumberOnce();
    void sameClockTickStillGivesNewNumbers();
    void agreesWithHistoryScan_data();
    void agreesWithHistoryScan();
    void newOrderIsCheckedAgainstEmptyHistory();
    void impossibleDrawIsRefusedWithoutChange();
};

namespace {

// A generator whose clock ticks once every few reseeds, so that some calls share a seed.
struct FakeClockGenerator
{
    explicit FakeClockGenerator(unsigned seed, int callsPerTick = 3)
        : m_seed(seed), m_callsPerTick(callsPerTick) {}

    QuestionDraw::UniformSource source()
    {
        return [this] { ++values; return m_engine() * (1.0 / 4294967296.0); };
    }
    QuestionDraw::Reseed reseed()
    {
        return [this] { m_engine.seed(m_seed + unsigned(reseeds++ / m_callsPerTick)); };
    }

    int values = 0;
    int reseeds = 0;

private:
    std::mt19937 m_engine;
    unsigned m_seed;
    int m_callsPerTick;
};

} // namespace

void TestQuestionDraw::orderOf171DrawsEveryNumberOnce()
{
    QuestionDraw draw;
    QSet<qint16> seen;
    for (int n = 1; n <= 170; ++n) {
        const qint16 r = draw.randomQuestion(171);
        QVERIFY(r >= 1 && r <= 171);
        QVERIFY2(!seen.contains(r), qPrintable(QString::number(r)));
        seen.insert(r);
        QCOMPARE(draw.drawnQuestion(n), r);
    }
    QCOMPARE(draw.drawCount(), qint16(170));
    const qint16 last = draw.randomQuestion(171);
    QVERIFY(!seen.contains(last));
    QCOMPARE(draw.drawCount(), qint16(171)); // the caller ends the order here
}

// Reseeding with the same seed gives the same first value at every call; the repeat check
// alone makes each call's number new.
void TestQuestionDraw::sameClockTickStillGivesNewNumbers()
{
    int next = 0;
    QuestionDraw draw([&next] { return (next++ + 0.5) / 10; }, [&next] { next = 0; });
    for (int n = 1; n <= 10; ++n)
        QCOMPARE(draw.randomQuestion(10), qint16(n));
}

void TestQuestionDraw::agreesWithHistoryScan_data()
{
    QTest::addColumn<int>("totquest");
    for (const int size : {1, 2, 3, 7, 30, 171, 600})
        QTest::addRow("%d records", size) << size;
}

// Same generator outputs, same numbers, same history and the same number of values used, over
// whole orders, with new orders also asked for part-way.
void TestQuestionDraw::agreesWithHistoryScan()
{
    QFETCH(int, totquest);
    const qint16 total = qint16(totquest);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        FakeClockGenerator fastGenerator(seed), literalGenerator(seed);
        QuestionDraw draw(fastGenerator.source(), fastGenerator.reseed());
        QList<qint16> history;
        qint16 drawCount = 0;
        const int calls = 3 * totquest + 5;
        for (int call = 1; call <= calls; ++call) {
            const qint16 r = draw.randomQuestion(total);
            const qint16 expected = literalRandomQuestion(history, drawCount, total,
                                                          literalGenerator.source(),
                                                          literalGenerator.reseed());
            QCOMPARE(r, expected);
            QCOMPARE(draw.drawCount(), drawCount);
            QCOMPARE(fastGenerator.values, literalGenerator.values);
            for (int i = 1; i <= drawCount; ++i)
                QCOMPARE(draw.drawnQuestion(i), history.at(i - 1));
            const bool newOrderAsked = call % (seed + 4) == 0;
            if (newOrderAsked || drawCount == total) {
                draw.setDrawCount(0);
                drawCount = 0;
            }
        }
        QCOMPARE(fastGenerator.reseeds, calls);
    }
}

void TestQuestionDraw::newOrderIsCheckedAgainstEmptyHistory()
{
    QList<double> values;
    QuestionDraw draw([&values] { return values.takeFirst(); }, [] {});
    const auto drawWith = [&](QList<double> u) { values = u; return draw.randomQuestion(10); };

    QCOMPARE(drawWith({0.25}), qint16(3));
    QCOMPARE(drawWith({0.25, 0.45}), qint16(5));
    draw.setDrawCount(0);
    QCOMPARE(drawWith({0.25}), qint16(3)); // history still holds 3, 5 but the order is new
    QCOMPARE(draw.drawCount(), qint16(1));
    QCOMPARE(drawWith({0.45}), qint16(5));
    QCOMPARE(drawWith({0.25, 0.45, 0.05}), qint16(1));
    QVERIFY(values.isEmpty());
}

void TestQuestionDraw::impossibleDrawIsRefusedWithoutChange()
{
    QuestionDraw draw;
    QVERIFY_THROWS_EXCEPTION(DrawError, draw.randomQuestion(0));
    draw.randomQuestion(2);
    draw.randomQuestion(2);
    QCOMPARE(draw.drawCount(), qint16(2));
    QVERIFY_THROWS_EXCEPTION(DrawError, draw.randomQuestion(2)); // instead of searching forever
    QCOMPARE(draw.drawCount(), qint16(2));
    QCOMPARE(draw.historySize(), 2);
}

QTEST_MAIN(TestQuestionDraw)
#include "tst_question_draw.moc"
