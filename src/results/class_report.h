#pragma once

#include "results/attempt.h"

#include <QDate>
#include <QList>
#include <QString>

#include <cmath>

namespace results {

// The figures of a class's attempts at one test file: how the class did as a whole, how each
// question did, and the questions a teacher should look at, each with its reason. Attempts of
// another test file are named and left out of every figure; a copy of an attempt counts once.
class ClassReport
{
public:
    // A question's figures are only judged once it was shown this often: below that, one answer
    // more or less moves its facility by ten points or more, and its correlation is mostly chance.
    static constexpr int MinimumShown = 10;
    static constexpr double GuessingFacility = 0.25, AlmostAlwaysFacility = 0.95, LowDiscrimination = 0.15;
    static constexpr int MostRight = 30;

    struct Options
    {
        QString testSha256; // the test file the attempts belong to; empty: the one most attempts used
        QDate since;        // attempts that ended before it are left out; null: none
    };

    struct Flag
    {
        enum Kind { TooHard, TooEasy, LowDiscrimination, KeyDoubtful, UnusedAnswer } kind;
        int answer = 0; // the answer it is about, for KeyDoubtful and UnusedAnswer
        QString reason;
    };

    struct Question
    {
        int record = 0;
        int right = 0; // the right answer, as the attempts give it
        int shown = 0, answeredRight = 0, timeOuts = 0;
        int chosen[5] = {}; // chosen[k]: how often answer k was chosen; [0] stays 0
        double facility = 0;
        double discrimination = std::nan(""); // none when every answer or every rest score was alike
        double medianSeconds = 0;
        QList<Flag> flags;
    };

    struct Summary
    {
        int attempts = 0;
        double mean = 0, median = 0, standardDeviation = 0;
        int lowest = 0, highest = 0;
        QList<int> histogram; // histogram[n]: attempts with n right answers, n = 0 .. MostRight
    };

    ClassReport(QList<Attempt> attempts, const Options &options);

    QString testSha256() const { return m_sha256; }
    // The attempts counted, by end time.
    const QList<Attempt> &attempts() const { return m_attempts; }
    // Attempts of another test file, by end time.
    const QList<Attempt> &foreignAttempts() const { return m_foreign; }
    int duplicates() const { return m_duplicates; }
    int earlierLeftOut() const { return m_earlier; }
    const Summary &summary() const { return m_summary; }
    // Every question shown at least once, by record number.
    const QList<Question> &questions() const { return m_questions; }
    // The questions with a flag, the most flags first.
    QList<Question> questionsToLookAt() const;

    // An attempt's right answers, counted from its questions.
    static int rightAnswers(const Attempt &attempt);

private:
    void keepCounted(QList<Attempt> attempts, const Options &options);
    void summarise();
    void measureQuestions();
    static void flag(Question &question);

    QString m_sha256;
    QList<Attempt> m_attempts, m_foreign;
    int m_duplicates = 0, m_earlier = 0;
    Summary m_summary;
    QList<Question> m_questions;
};

} // namespace results
