#pragma once

#include "results/attempt.h"

#include <QString>

#include <memory>

namespace results {

// Writes an attempt off the calling thread, so that a slow or hung folder never holds up the
// window. The file is written whole or not at all (QSaveFile). When the folder fails, or gives no
// answer within the deadline, the attempt goes to the fallback folder instead.
class AttemptWriter
{
public:
    struct Outcome
    {
        enum Kind { Written, FellBack, Lost } kind = Lost;
        QString path;   // where the attempt is, when it is anywhere
        QString reason; // why the folder failed, when it did
    };

    AttemptWriter();
    // Waits for a write in progress no longer than Quit does.
    ~AttemptWriter();

    // Starts writing; a write still in progress is left to finish on its own.
    void start(const Attempt &attempt, const QString &folder, const QString &fallbackFolder);
    bool isDone() const;
    // True when the write is over within milliseconds.
    bool waitForDone(int milliseconds) const;
    // What happened; meaningful once isDone().
    Outcome outcome() const;

    // Seconds a folder has to take the attempt before it goes to the fallback folder.
    static constexpr int DeadlineSeconds = 5;

    // Writes into folder (made when missing) at once, on this thread: empty, or why not.
    static QString writeInto(const QString &folder, const QString &name, const QByteArray &bytes, QString *path);

    // The state one write shares with its threads, which may outlive the writer when a folder hangs.
    struct Job;

private:
    std::shared_ptr<Job> m_job;
};

} // namespace results
