#pragma once

#include "bank/bank_source.h"

#include <QtGlobal>

namespace bank {

// Makes a test from part of a larger bank, and spreads the right answers over 1 to 4. The record
// numbers run from 1 again afterwards; each text keeps its place in the source, for messages. The
// full stop that marks the first question stays with whichever question comes first.
class SourceSelection
{
public:
    explicit SourceSelection(BankSource &source) : m_source(source) {}

    // The first count records.
    void takeFirst(qsizetype count);
    // count records drawn at random, in the order of the bank.
    void takeRandom(qsizetype count, quint32 seed);
    // Each record's answers in a new order, the right one moving with its text, so that each of 1 to
    // 4 is right about as often as the others. A record whose right answer is none of them keeps
    // its order.
    void shuffleAnswers(quint32 seed);

private:
    void keep(const QList<qsizetype> &indexes);

    BankSource &m_source;
};

} // namespace bank
