#include "bank/source_selection.h"

#include <QRandomGenerator>

#include <algorithm>
#include <numeric>

namespace bank {

void SourceSelection::takeFirst(qsizetype count)
{
    QList<qsizetype> indexes(std::min(count, m_source.records.size()));
    std::iota(indexes.begin(), indexes.end(), 0);
    keep(indexes);
}

void SourceSelection::takeRandom(qsizetype count, quint32 seed)
{
    QList<qsizetype> indexes(m_source.records.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    QRandomGenerator random(seed);
    std::shuffle(indexes.begin(), indexes.end(), random);
    indexes.resize(std::min(count, indexes.size()));
    std::sort(indexes.begin(), indexes.end());
    keep(indexes);
}

void SourceSelection::keep(const QList<qsizetype> &indexes)
{
    if (indexes.isEmpty() || indexes.size() == m_source.records.size())
        return;
    // The indexes run in the bank's order: the first question, when kept, stays first.
    const bool signedFirst = m_source.records.first().texts[0].startsWith(u'.');
    QList<SourceRecord> kept;
    kept.reserve(indexes.size());
    for (const qsizetype index : indexes) {
        kept.append(std::move(m_source.records[index]));
        kept.last().number = int(kept.size());
    }
    if (signedFirst && !kept.first().texts[0].startsWith(u'.'))
        kept.first().texts[0].prepend(u'.');
    m_source.records = std::move(kept);
}

void SourceSelection::shuffleAnswers(quint32 seed)
{
    QRandomGenerator random(seed);
    QList<int> targets(m_source.records.size());
    for (qsizetype i = 0; i < targets.size(); ++i)
        targets[i] = 1 + int(i % 4);
    std::shuffle(targets.begin(), targets.end(), random);
    for (qsizetype r = 0; r < m_source.records.size(); ++r) {
        SourceRecord &record = m_source.records[r];
        if (record.rightAnswer < 1 || record.rightAnswer > 4)
            continue;
        int wrong[3], w = 0;
        for (int answer = 1; answer <= 4; ++answer) {
            if (answer != record.rightAnswer)
                wrong[w++] = answer;
        }
        std::shuffle(std::begin(wrong), std::end(wrong), random);
        int order[5] = {0}; // the old field that each new field takes
        order[targets.at(r)] = record.rightAnswer;
        for (int answer = 1, next = 0; answer <= 4; ++answer) {
            if (answer != targets.at(r))
                order[answer] = wrong[next++];
        }
        const SourceRecord old = record;
        for (int answer = 1; answer <= 4; ++answer) {
            record.texts[answer] = old.texts[order[answer]];
            record.positions[answer] = old.positions[order[answer]];
        }
        record.rightAnswer = targets.at(r);
    }
}

} // namespace bank
