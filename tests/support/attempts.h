#pragma once

#include "results/attempt.h"

// Attempts written in short: one character per record, from record 1 on: the answer chosen
// ('1' to '4'), '0' for a time-out, '-' for a record not shown. Answer 1 is right everywhere.
namespace attempt_test {

inline const QString TestSha = QString(64, u'a');

inline results::Attempt attempt(const QString &id, const QString &answers, const QString &sha256 = TestSha,
                                const QDateTime &ended = QDateTime(QDate(2026, 3, 2), QTime(10, 0)))
{
    results::Attempt made;
    made.id = id;
    made.userName = QStringLiteral("student ") + id;
    made.host = QStringLiteral("pc");
    made.started = ended.addSecs(-600);
    made.ended = ended;
    made.testFile = {QStringLiteral("LVT.lvq"), 100, sha256, 40};
    for (qsizetype record = 0; record < answers.size(); ++record) {
        if (answers.at(record) == u'-')
            continue;
        const int chosen = answers.at(record).digitValue();
        made.questions.append({int(record) + 1, chosen, 1, 10 + int(record)});
        made.totals.right += chosen == 1;
        made.totals.wrong += chosen != 1;
        made.totals.timeOuts += chosen == 0;
    }
    return made;
}

// Each pattern copies times, every copy an attempt of its own.
inline QList<results::Attempt> attempts(const QStringList &patterns, int copies = 1)
{
    QList<results::Attempt> made;
    for (int copy = 0; copy < copies; ++copy) {
        for (qsizetype n = 0; n < patterns.size(); ++n)
            made.append(attempt(QStringLiteral("%1-%2").arg(n).arg(copy), patterns.at(n)));
    }
    return made;
}

} // namespace attempt_test
