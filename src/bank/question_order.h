#pragma once

#include <QList>
#include <QtGlobal>

#include <functional>
#include <stdexcept>
#include <vector>

// The random order of the questions: record numbers drawn without repetition until the
// order is used up or a new one is asked for. What an order's end shows on screen is the
// main window's business.
namespace bank {

// The draw cannot be made: a bank of no records, or a history already as long as the bank
// (an order that was not ended by setDrawCount(0) when it was used up).
class OrderError : public std::out_of_range
{
public:
    using std::out_of_range::out_of_range;
};

class QuestionOrder
{
public:
    // The next value of the generator, uniform in [0, 1).
    using UniformSource = std::function<double()>;
    // Seeds the generator afresh from the clock.
    using Reseed = std::function<void()>;

    // A small generator seeded from the time of day in milliseconds (UTC).
    QuestionOrder();
    QuestionOrder(UniformSource next, Reseed reseed);

    // Sizes the history to totquest entries keeping its contents, counts the draw, reseeds the
    // generator and draws r = int(totquest * u + 1); from the second draw of an order on, r is
    // drawn again (without reseeding) as long as it is one of the numbers drawn before in the
    // order. r is stored at position drawCount() of the history and returned. On OrderError
    // nothing changes.
    qint16 randomQuestion(qint16 totquest);

    qint16 drawCount() const { return m_drawCount; }

    // Shortens the current order to its first count draws (0 starts a new order); the history
    // keeps its contents. A count above drawCount() is refused with OrderError.
    void setDrawCount(qint16 count);

    // drawnQuestions(1..totquest) of the last call; index 1 is the first draw of the order.
    qint16 drawnQuestion(int index) const { return m_drawnQuestions.at(index - 1); }
    qsizetype historySize() const { return m_drawnQuestions.size(); }

private:
    UniformSource m_next;
    Reseed m_reseed;
    QList<qint16> m_drawnQuestions; // drawnQuestions(n) at index n - 1
    qint16 m_drawCount = 0;
    // m_drawn[v] tells whether v is among drawnQuestions(1..drawCount).
    std::vector<bool> m_drawn;
};

// The number int(totquest * u + 1), kept within 1..totquest should rounding or a faulty
// source put it outside.
qint16 recordNumberFor(qint16 totquest, double u);

} // namespace bank
