#pragma once

#include "results/attempt.h"
#include "results/attempt_writer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

class QObject;

namespace main_window {

struct frmMainFields;

// Keeps each finished test: the questions as they are answered or time out, the pause, and at the
// end the attempt file, written off the window's thread while the results scroll. A test that is
// stopped or left keeps nothing.
class AttemptRecorder
{
    Q_DECLARE_TR_FUNCTIONS(AttemptRecorder)

public:
    explicit AttemptRecorder(const frmMainFields &state);

    void begin();
    // The record on screen (num) was checked with answer chosen, or timed out (chosen 0), with
    // secondsLeft on the countdown.
    void questionDone(int chosen, int secondsLeft);
    void paused(int ordinal);
    void resumed();
    // The end of the test, with the totals the results show: the attempt starts to be written.
    void finish(int right, int wrongAnswers, int timeOuts);
    // Once the write is over: a message on top when the attempt is not in the results folder. The
    // wait ends with context.
    void reportWhenWritten(QObject *context);
    // Quit waits for a write in progress, a few seconds at most.
    void waitBeforeQuit() const;

private:
    void reportOutcome();

    const frmMainFields &m_state;
    results::Attempt m_attempt;
    QElapsedTimer m_pauseClock;
    QString m_folder;
    results::AttemptWriter m_writer;
};

} // namespace main_window
