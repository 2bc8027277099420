#include "results/class_report.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace results {

namespace {

template<typename Number>
double median(QList<Number> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? double(values.at(middle)) : (double(values.at(middle - 1)) + values.at(middle)) / 2;
}

// Pearson's correlation of pairs; NaN when either side does not vary.
class Correlation
{
public:
    void add(double x, double y)
    {
        ++m_n;
        m_x += x;
        m_y += y;
        m_xx += x * x;
        m_yy += y * y;
        m_xy += x * y;
    }

    double value() const
    {
        const double spreadX = m_n * m_xx - m_x * m_x, spreadY = m_n * m_yy - m_y * m_y;
        if (spreadX <= 0 || spreadY <= 0)
            return std::nan("");
        return (m_n * m_xy - m_x * m_y) / std::sqrt(spreadX * spreadY);
    }

private:
    double m_n = 0, m_x = 0, m_y = 0, m_xx = 0, m_yy = 0, m_xy = 0;
};

// The test file most attempts were taken with; of equals, the first in hex order.
QString mostUsedSha256(const QList<Attempt> &attempts)
{
    QMap<QString, int> uses;
    for (const Attempt &attempt : attempts)
        ++uses[attempt.testFile.sha256];
    QString most;
    for (auto use = uses.cbegin(); use != uses.cend(); ++use) {
        if (most.isNull() || use.value() > uses.value(most))
            most = use.key();
    }
    return most;
}

QString percent(int part, int whole)
{
    return QCoreApplication::translate("results::ClassReport", "%1 of %2, %3%")
        .arg(part)
        .arg(whole)
        .arg(qRound(100.0 * part / whole));
}

} // namespace

ClassReport::ClassReport(QList<Attempt> attempts, const Options &options)
{
    keepCounted(std::move(attempts), options);
    summarise();
    measureQuestions();
}

int ClassReport::rightAnswers(const Attempt &attempt)
{
    return int(std::count_if(attempt.questions.cbegin(), attempt.questions.cend(),
                             [](const AttemptQuestion &q) { return q.chosen != 0 && q.chosen == q.right; }));
}

void ClassReport::keepCounted(QList<Attempt> attempts, const Options &options)
{
    std::stable_sort(attempts.begin(), attempts.end(),
                     [](const Attempt &a, const Attempt &b) { return a.ended < b.ended; });
    QSet<QString> seen;
    QList<Attempt> kept;
    for (Attempt &attempt : attempts) {
        if (!attempt.id.isEmpty() && seen.contains(attempt.id)) {
            ++m_duplicates;
        } else if (options.since.isValid() && attempt.ended.date() < options.since) {
            seen.insert(attempt.id);
            ++m_earlier;
        } else {
            seen.insert(attempt.id);
            kept.append(std::move(attempt));
        }
    }
    m_sha256 = options.testSha256.isEmpty() ? mostUsedSha256(kept) : options.testSha256.toLower();
    for (Attempt &attempt : kept)
        (attempt.testFile.sha256.toLower() == m_sha256 ? m_attempts : m_foreign).append(std::move(attempt));
}

void ClassReport::summarise()
{
    m_summary.attempts = int(m_attempts.size());
    m_summary.histogram = QList<int>(MostRight + 1, 0);
    if (m_attempts.isEmpty())
        return;
    QList<int> scores;
    double sum = 0;
    for (const Attempt &attempt : std::as_const(m_attempts)) {
        const int score = rightAnswers(attempt);
        scores.append(score);
        sum += score;
        ++m_summary.histogram[std::clamp(score, 0, MostRight)];
    }
    m_summary.mean = sum / scores.size();
    double squares = 0;
    for (const int score : std::as_const(scores))
        squares += (score - m_summary.mean) * (score - m_summary.mean);
    m_summary.standardDeviation = std::sqrt(squares / scores.size());
    m_summary.median = median(scores);
    const auto [lowest, highest] = std::minmax_element(scores.cbegin(), scores.cend());
    m_summary.lowest = *lowest;
    m_summary.highest = *highest;
}

// Facility, the answers chosen, time and discrimination: the correlation of the question's
// score (0 or 1) with the rest of the attempt's score, the attempt's right answers without
// this one, so that a question is not correlated with itself.
void ClassReport::measureQuestions()
{
    QMap<int, Question> questions;
    QHash<int, Correlation> correlations;
    QHash<int, QList<int>> seconds;
    for (const Attempt &attempt : std::as_const(m_attempts)) {
        const int score = rightAnswers(attempt);
        for (const AttemptQuestion &shown : attempt.questions) {
            Question &question = questions[shown.record];
            question.record = shown.record;
            question.right = question.shown ? question.right : shown.right;
            ++question.shown;
            const int right = shown.chosen != 0 && shown.chosen == shown.right;
            question.answeredRight += right;
            if (shown.chosen >= 1 && shown.chosen <= 4)
                ++question.chosen[shown.chosen];
            else
                ++question.timeOuts;
            correlations[shown.record].add(right, score - right);
            seconds[shown.record].append(shown.seconds);
        }
    }
    for (Question &question : questions) {
        question.facility = double(question.answeredRight) / question.shown;
        question.discrimination = correlations.value(question.record).value();
        question.medianSeconds = median(seconds.value(question.record));
        flag(question);
        m_questions.append(question);
    }
}

void ClassReport::flag(Question &question)
{
    if (question.shown < MinimumShown)
        return;
    const QString rightShare = percent(question.answeredRight, question.shown);
    if (question.facility < GuessingFacility)
        question.flags.append(
            {Flag::TooHard, 0,
             QCoreApplication::translate("results::ClassReport",
                                         "answered right less often than guessing among four answers would (%1)")
                 .arg(rightShare)});
    else if (question.facility > AlmostAlwaysFacility)
        question.flags.append({Flag::TooEasy, 0,
                               QCoreApplication::translate("results::ClassReport",
                                                           "answered right almost always (%1): it tells no one apart")
                                   .arg(rightShare)});
    if (question.discrimination < 0)
        question.flags.append(
            {Flag::LowDiscrimination, 0,
             QCoreApplication::translate("results::ClassReport",
                                         "students with fewer right answers elsewhere answered it right more "
                                         "often than those with more (discrimination %1)")
                 .arg(question.discrimination, 0, 'f', 2)});
    else if (question.discrimination < LowDiscrimination)
        question.flags.append({Flag::LowDiscrimination, 0,
                               QCoreApplication::translate("results::ClassReport",
                                                           "it hardly separates the stronger students from the weaker "
                                                           "(discrimination %1, below %2)")
                                   .arg(question.discrimination, 0, 'f', 2)
                                   .arg(LowDiscrimination, 0, 'f', 2)});
    const bool keyKnown = question.right >= 1 && question.right <= 4;
    for (int answer = 1; answer <= 4; ++answer) {
        if (answer == question.right)
            continue;
        if (keyKnown && question.chosen[answer] > question.chosen[question.right])
            question.flags.append(
                {Flag::KeyDoubtful, answer,
                 QCoreApplication::translate("results::ClassReport",
                                             "answer %1 was chosen more often than the right answer %2 (%3 "
                                             "times against %4): is the key right?")
                     .arg(answer)
                     .arg(question.right)
                     .arg(question.chosen[answer])
                     .arg(question.chosen[question.right])});
        if (question.chosen[answer] == 0)
            question.flags.append(
                {Flag::UnusedAnswer, answer,
                 QCoreApplication::translate("results::ClassReport",
                                             "nobody chose answer %1: it draws no one away from the right answer")
                     .arg(answer)});
    }
}

QList<ClassReport::Question> ClassReport::questionsToLookAt() const
{
    QList<Question> flagged;
    std::copy_if(m_questions.cbegin(), m_questions.cend(), std::back_inserter(flagged),
                 [](const Question &question) { return !question.flags.isEmpty(); });
    std::stable_sort(flagged.begin(), flagged.end(),
                     [](const Question &a, const Question &b) { return a.flags.size() > b.flags.size(); });
    return flagged;
}

} // namespace results
