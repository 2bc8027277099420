#pragma once

#include <QList>
#include <QtGlobal>

#include <functional>
#include <stdexcept>
#include <vector>

// The random order of the questions: record numbers drawn without repetition until the
// order is used up or a new one is asked for.
//
// QuestionDraw::randomQuestion(totquest) draws the next number and stores it in the history.
// The caller (the main window's randomQuestion) then finishes the call itself:
//   1. If a new order was asked for (Label2 shows "15"): setDrawCount(0), show "**********"
//      in lblQuestNum and Label1, and set Label2 to "16". The number just drawn is still shown
//      below: it was drawn against the old history.
//   2. Then, if drawCount() equals totquest, the order is used up: setDrawCount(0), show
//      "**********" in lblQuestNum and Label1; no question is shown and num stays as it is.
//   3. Otherwise: Label1 shows the number, num becomes it, and display_question is called with
//      a copy of it.
namespace bank {

// The draw cannot be made: a bank of no records, or a history already as long as the bank
// (an order that was not ended by setDrawCount(0) when it was used up).
class DrawError : public std::out_of_range
{
public:
    using std::out_of_range::out_of_range;
};

class QuestionDraw
{
public:
    // The next value of the generator, uniform in [0, 1).
    using UniformSource = std::function<double()>;
    // Seeds the generator afresh from the clock.
    using Reseed = std::function<void()>;

    // A small generator seeded from the time of day in milliseconds (UTC).
    QuestionDraw();
    QuestionDraw(UniformSource next, Reseed reseed);

    // Sizes the history to totquest entries keeping its contents, counts the draw, reseeds the
    // generator and draws r = int(totquest * u + 1); from the second draw of an order on, r is
    // drawn again (without reseeding) as long as it is one of the numbers drawn before in the
    // order. r is stored at position drawCount() of the history and returned. On DrawError
    // nothing changes.
    qint16 randomQuestion(qint16 totquest);

    qint16 drawCount() const { return m_drawCount; }
    // Shortens the current order to its first count draws (0 starts a new order); the history
    // keeps its contents. A count above drawCount() is refused with DrawError.
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
qint16 drawNumber(qint16 totquest, double u);

// The same draw as QuestionDraw::randomQuestion, made by comparing r with every entry of the
// history in turn and starting the comparison again at the first entry after each match.
// Quadratic in the length of the order; kept as the reference for tests and the benchmark.
qint16 literalRandomQuestion(QList<qint16> &drawnQuestions, qint16 &drawCount, qint16 totquest,
                             const QuestionDraw::UniformSource &next,
                             const QuestionDraw::Reseed &reseed);

} // namespace bank
