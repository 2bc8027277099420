#include "main_window/attempt_recorder.h"

#include "app/bank_location.h"
#include "app/m_main.h"
#include "app/m_registry.h"
#include "forms/msg_box.h"
#include "main_window/frm_main_fields.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>
#include <QTimer>
#include <QUuid>

namespace main_window {

namespace {

constexpr int PollMilliseconds = 250;

// Now, written with the offset from UTC the clock has here.
QDateTime localTimeWithOffset()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toOffsetFromUtc(now.offsetFromUtc());
}

} // namespace

AttemptRecorder::AttemptRecorder(const frmMainFields &state) : m_state(state) {}

void AttemptRecorder::begin()
{
    m_attempt = results::Attempt();
    m_attempt.started = localTimeWithOffset();
}

void AttemptRecorder::questionDone(int chosen, int secondsLeft)
{
    const int record = m_state.num;
    const int right = record >= 1 && record <= m_state.records.size() ? m_state.records.at(record - 1).rightAnswer : 0;
    m_attempt.questions.append({record, chosen, right, qBound(0, 60 - secondsLeft, 60)});
}

void AttemptRecorder::paused(int ordinal)
{
    m_attempt.pause.used = true;
    m_attempt.pause.atQuestion = ordinal;
    m_pauseClock.start();
}

void AttemptRecorder::resumed()
{
    if (m_pauseClock.isValid())
        m_attempt.pause.seconds = int((m_pauseClock.elapsed() + 500) / 1000);
    m_pauseClock.invalidate();
}

void AttemptRecorder::finish(int right, int wrongAnswers, int timeOuts)
{
    using namespace app::mRegistry;
    m_attempt.ended = localTimeWithOffset();
    m_attempt.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_attempt.userName = ReadSetting(Settings::UserName);
    m_attempt.host = QSysInfo::machineHostName();
    m_attempt.programVersion = QCoreApplication::applicationVersion();
    m_attempt.testFile = m_state.testFile;
    m_attempt.totals = {right, wrongAnswers + timeOuts, timeOuts};
    m_folder = ReadSetting(Settings::ResultsFolder);
    if (m_folder.isEmpty())
        m_folder = app::mMain::defaultResultsFolder();
    m_writer.start(m_attempt, m_folder, app::mMain::defaultResultsFolder());
}

void AttemptRecorder::reportWhenWritten(QObject *context)
{
    if (m_writer.isDone())
        reportOutcome();
    else
        QTimer::singleShot(PollMilliseconds, context, [this, context] { reportWhenWritten(context); });
}

void AttemptRecorder::reportOutcome()
{
    const results::AttemptWriter::Outcome outcome = m_writer.outcome();
    const QString folder = QDir::toNativeSeparators(m_folder);
    if (outcome.kind == results::AttemptWriter::Outcome::FellBack)
        forms::MsgBox(tr("Your result could not be kept in %1 (%2), so it was kept in %3.")
                          .arg(folder, outcome.reason, QDir::toNativeSeparators(outcome.path)),
                      app::mMain::AppTitle);
    else if (outcome.kind == results::AttemptWriter::Outcome::Lost)
        forms::MsgBox(
            QDir::cleanPath(m_folder) == QDir::cleanPath(app::mMain::defaultResultsFolder())
                ? tr("Your result was not kept: %1 could not take it (%2).").arg(folder, outcome.reason)
                : tr("Your result was not kept: %1 could not take it (%2), nor could %3.")
                      .arg(folder, outcome.reason, QDir::toNativeSeparators(app::mMain::defaultResultsFolder())),
            app::mMain::AppTitle);
}

void AttemptRecorder::waitBeforeQuit() const
{
    m_writer.waitForDone((results::AttemptWriter::DeadlineSeconds + 1) * 1000);
}

} // namespace main_window
