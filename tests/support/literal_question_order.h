#pragma once

#include "bank/question_order.h"

#include <QList>

// The same draw as bank::QuestionOrder::randomQuestion, made by comparing r with every entry of
// the history in turn and starting the comparison again at the first entry after each match.
// Quadratic in the length of the order: the reference the fast order is checked and timed
// against. The caller keeps within a bank's records; nothing is refused here.
inline qint16 literalRandomQuestion(QList<qint16> &drawnQuestions, qint16 &drawCount, qint16 totquest,
                                    const bank::QuestionOrder::UniformSource &next,
                                    const bank::QuestionOrder::Reseed &reseed)
{
    drawnQuestions.resize(totquest);
    ++drawCount;
    reseed();
    qint16 r = bank::recordNumberFor(totquest, next());
    if (drawCount != 1) {
        for (int i = 1; i <= drawCount - 1; ++i) {
            if (drawnQuestions.at(i - 1) == r) {
                r = bank::recordNumberFor(totquest, next());
                i = 0;
            }
        }
    }
    drawnQuestions[drawCount - 1] = r;
    return r;
}
