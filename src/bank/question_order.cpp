#include "bank/question_order.h"

#include <QDateTime>

#include <cmath>
#include <memory>

namespace bank {
namespace {

// Record numbers are 16-bit, so every number drawn fits below this.
constexpr std::size_t NumberRange = 32768;

void checkOrderCanGrow(qint16 totquest, qint16 drawCount)
{
    if (totquest < 1)
        throw OrderError("no records to draw from");
    if (drawCount >= totquest)
        throw OrderError("the order already holds every record");
}

// SplitMix64: a one-word state, so seeding it at every draw costs nothing.
class ClockSeededGenerator
{
public:
    void reseed() { m_state = quint64(QDateTime::currentMSecsSinceEpoch() % (24 * 3600 * 1000)); }

    double next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return (z >> 11) * (1.0 / 9007199254740992.0); // 53 bits, in [0, 1)
    }

private:
    quint64 m_state = 0;
};

} // namespace

qint16 recordNumberFor(qint16 totquest, double u)
{
    const double r = std::floor(totquest * u + 1);
    if (!(r >= 1)) // also NaN
        return 1;
    if (r > totquest)
        return totquest;
    return static_cast<qint16>(r);
}

QuestionOrder::QuestionOrder()
{
    auto generator = std::make_shared<ClockSeededGenerator>();
    m_next = [generator] { return generator->next(); };
    m_reseed = [generator] { generator->reseed(); };
    m_drawn.assign(NumberRange, false);
}

QuestionOrder::QuestionOrder(UniformSource next, Reseed reseed)
    : m_next(std::move(next)), m_reseed(std::move(reseed)), m_drawn(NumberRange, false)
{}

qint16 QuestionOrder::randomQuestion(qint16 totquest)
{
    checkOrderCanGrow(totquest, m_drawCount);
    // Entries beyond totquest lie past the current order, so the set does not hold them.
    m_drawnQuestions.resize(totquest);
    ++m_drawCount;
    m_reseed();
    qint16 r = recordNumberFor(totquest, m_next());
    if (m_drawCount != 1) {
        while (m_drawn[r])
            r = recordNumberFor(totquest, m_next());
    }
    m_drawnQuestions[m_drawCount - 1] = r;
    m_drawn[r] = true;
    return r;
}

void QuestionOrder::setDrawCount(qint16 count)
{
    if (count < 0 || count > m_drawCount)
        throw OrderError("an order can only be shortened");
    for (qint16 n = count; n < m_drawCount; ++n)
        m_drawn[m_drawnQuestions.at(n)] = false;
    m_drawCount = count;
}

} // namespace bank
