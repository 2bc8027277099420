#include "bank/question_order.h"
#include "support/literal_question_order.h"

#include <QSet>
#include <QTest>

#include <random>

using namespace bank;

namespace {

// A generator whose clock ticks once every three reseeds, so that some calls share a seed.
struct FakeClock
{
    explicit FakeClock(unsigned firstSeed) : seed(firstSeed) {}

    QuestionOrder::UniformSource source()
    {
        return [this] {
            ++values;
            return engine() / 4294967296.0;
        };
    }

    QuestionOrder::Reseed reseed()
    {
        return [this] { engine.seed(seed + unsigned(reseeds++ / 3)); };
    }

    std::mt19937 engine;
    unsigned seed;
    int values = 0;
    int reseeds = 0;
};

} // namespace

class TestQuestionOrder : public QObject
{
    Q_OBJECT

private slots:
    // The clock-seeded generator draws every record once; then, or for an empty bank, the order is
    // refused without change instead of searching forever.
    void orderDrawsEveryNumberOnceThenRefuses()
    {
        QuestionOrder order;
        QVERIFY_THROWS_EXCEPTION(OrderError, order.randomQuestion(0));
        QSet<qint16> seen;
        for (int n = 1; n <= 171; ++n) {
            const qint16 r = order.randomQuestion(171);
            QVERIFY2(r >= 1 && r <= 171 && !seen.contains(r), qPrintable(QString::number(r)));
            seen.insert(r);
        }
        QVERIFY_THROWS_EXCEPTION(OrderError, order.randomQuestion(171));
        QCOMPARE(order.drawCount(), qint16(171));
        QCOMPARE(order.historySize(), 171);
    }

    // A repeat is drawn again, as often as needed; a new order is checked against its own draws
    // only, though the history still holds the old ones.
    void repeatIsDrawnAgainWithinTheOrder()
    {
        QList<double> values;
        QuestionOrder order([&values] { return values.takeFirst(); }, [] {});
        const auto drawWith = [&](QList<double> u) {
            values = u;
            return order.randomQuestion(10);
        };
        QCOMPARE(drawWith({0.25}), qint16(3));
        QCOMPARE(drawWith({0.25, 0.45}), qint16(5));
        QCOMPARE(drawWith({0.45, 0.25, 0.45, 0.05}), qint16(1));
        order.setDrawCount(0);
        QCOMPARE(drawWith({0.25}), qint16(3));
        QCOMPARE(order.drawCount(), qint16(1));
        QCOMPARE(drawWith({0.45}), qint16(5));
        QVERIFY(values.isEmpty());
    }

    // Same generator outputs, same numbers, same history and the same number of values used, over
    // whole orders, with new orders also asked for part-way.
    void agreesWithHistoryScan()
    {
        for (const qint16 total : {1, 2, 3, 7, 30, 171, 600}) {
            for (unsigned seed = 1; seed <= 40; ++seed) {
                FakeClock fast(seed), literal(seed);
                QuestionOrder order(fast.source(), fast.reseed());
                QList<qint16> history;
                qint16 drawCount = 0;
                const int calls = 3 * total + 5;
                for (int call = 1; call <= calls; ++call) {
                    QCOMPARE(order.randomQuestion(total),
                             literalRandomQuestion(history, drawCount, total, literal.source(), literal.reseed()));
                    QCOMPARE(order.drawCount(), drawCount);
                    QCOMPARE(fast.values, literal.values);
                    for (int i = 1; i <= drawCount; ++i)
                        QCOMPARE(order.drawnQuestion(i), history.at(i - 1));
                    if (call % (seed + 4) == 0 || drawCount == total) {
                        order.setDrawCount(0);
                        drawCount = 0;
                    }
                }
                QCOMPARE(fast.reseeds, calls);
            }
        }
    }
};

QTEST_MAIN(TestQuestionOrder)
#include "tst_question_order.moc"
