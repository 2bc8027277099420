#include "bank/question_draw.h"

#include <QTime>

#include <cmath>
#include <memory>
#include <random>

namespace bank {
namespace {

// Record numbers are 16-bit, so every number drawn fits below this.
constexpr std::size_t kNumberRange = 32768;

void checkDrawPossible(qint16 totquest, qint16 drawCount)
{
    if (totquest < 1)
        throw DrawError("no records to draw from");
    if (drawCount >= totquest)
        throw DrawError("the order already holds every record");
}

} // namespace

qint16 drawNumber(qint16 totquest, double u)
{
    const double r = std::floor(totquest * u + 1);
    if (!(r >= 1)) // also NaN
        return 1;
    if (r > totquest)
        return totquest;
    return static_cast<qint16>(r);
}

QuestionDraw::QuestionDraw()
{
    auto generator = std::make_shared<std::mt19937>();
    m_next = [generator] { return (*generator)() * (1.0 / 4294967296.0); };
    m_reseed = [generator] {
        generator->seed(static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
    };
    m_drawn.assign(kNumberRange, false);
}

QuestionDraw::QuestionDraw(UniformSource next, Reseed reseed)
    : m_next(std::move(next)), m_reseed(std::move(reseed)), m_drawn(kNumberRange, false)
{
}

qint16 QuestionDraw::randomQuestion(qint16 totquest)
{
    checkDrawPossible(totquest, m_drawCount);
    // Entries beyond totquest lie past the current order, so the set does not hold them.
    m_drawnQuestions.resize(totquest);
    ++m_drawCount;
    m_reseed();
    qint16 r = drawNumber(totquest, m_next());
    if (m_drawCount != 1) {
        while (m_drawn[r])
            r = drawNumber(totquest, m_next());
    }
    m_drawnQuestions[m_drawCount - 1] = r;
    m_drawn[r] = true;
    return r;
}

void QuestionDraw::setDrawCount(qint16 count)
{
    if (count < 0 || count > m_drawCount)
        throw DrawError("an order can only be shortened");
    for (qint16 n = count; n < m_drawCount; ++n)
        m_drawn[m_drawnQuestions.at(n)] = false;
    m_drawCount = count;
}

qint16 literalRandomQuestion(QList<qint16> &drawnQuestions, qint16 &drawCount, qint16 totquest,
                             const QuestionDraw::UniformSource &next,
                             const QuestionDraw::Reseed &reseed)
{
    checkDrawPossible(totquest, drawCount);
    drawnQuestions.resize(totquest);
    ++drawCount;
    reseed();
    qint16 r = drawNumber(totquest, next());
    if (drawCount != 1) {
        for (int i = 1; i <= drawCount - 1; ++i) {
            if (drawnQuestions.at(i - 1) == r) {
                r = drawNumber(totquest, next());
                i = 0;
            }
        }
    }
    drawnQuestions[drawCount - 1] = r;
    return r;
}

} // namespace bank
