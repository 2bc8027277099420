#include "results/attempt_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace results {

struct AttemptWriter::Job
{
    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    std::optional<QString> folderError; // set when the folder's write is over: empty on success
    QString folderPath;
    bool done = false;
    Outcome outcome;
};

namespace {

// Runs the write into the folder on a thread of its own, waits for it no longer than the
// deadline, and falls back when it failed or did not answer.
void runJob(const std::shared_ptr<AttemptWriter::Job> &job, const QString &folder, const QString &fallback,
            const QString &name, const QByteArray &bytes)
{
    std::thread([job, folder, name, bytes] {
        QString path; // a folder that hangs is never looked at again, not even to compare it
        const QString error = AttemptWriter::writeInto(folder, name, bytes, &path);
        std::lock_guard lock(job->mutex);
        job->folderError = error;
        job->folderPath = path;
        job->changed.notify_all();
    }).detach();

    std::unique_lock lock(job->mutex);
    const bool answered = job->changed.wait_for(lock, std::chrono::seconds(AttemptWriter::DeadlineSeconds),
                                                [&] { return job->folderError.has_value(); });
    AttemptWriter::Outcome outcome;
    if (answered && job->folderError->isEmpty()) {
        outcome = {AttemptWriter::Outcome::Written, job->folderPath, QString()};
    } else {
        outcome.reason = answered
                             ? *job->folderError
                             : QCoreApplication::translate("results::AttemptWriter", "it gave no answer in %1 seconds")
                                   .arg(AttemptWriter::DeadlineSeconds);
        lock.unlock();
        QString path; // a folder that hangs is never looked at again, not even to compare it
        const QString error = QDir::cleanPath(fallback) == QDir::cleanPath(folder)
                                  ? outcome.reason
                                  : AttemptWriter::writeInto(fallback, name, bytes, &path);
        outcome.kind = error.isEmpty() ? AttemptWriter::Outcome::FellBack : AttemptWriter::Outcome::Lost;
        outcome.path = path;
        lock.lock();
    }
    job->outcome = outcome;
    job->done = true;
    job->changed.notify_all();
}

} // namespace

AttemptWriter::AttemptWriter() = default;

AttemptWriter::~AttemptWriter()
{
    waitForDone(DeadlineSeconds * 1000 + 1000);
}

void AttemptWriter::start(const Attempt &attempt, const QString &folder, const QString &fallbackFolder)
{
    m_job = std::make_shared<Job>();
    std::thread(runJob, m_job, folder, fallbackFolder, attempt.fileName(), attempt.toJson()).detach();
}

bool AttemptWriter::isDone() const
{
    return waitForDone(0);
}

bool AttemptWriter::waitForDone(int milliseconds) const
{
    if (!m_job)
        return true;
    std::unique_lock lock(m_job->mutex);
    return m_job->changed.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return m_job->done; });
}

AttemptWriter::Outcome AttemptWriter::outcome() const
{
    if (!m_job)
        return {};
    std::lock_guard lock(m_job->mutex);
    return m_job->outcome;
}

QString AttemptWriter::writeInto(const QString &folder, const QString &name, const QByteArray &bytes, QString *path)
{
    if (folder.isEmpty())
        return QCoreApplication::translate("results::AttemptWriter", "no folder is set");
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("results::AttemptWriter", "the folder cannot be made");
    *path = QDir(folder).filePath(name);
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return QString();
}

} // namespace results
