#include "main_window/screen_reader_names.h"

#include "forms/label.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "main_window/frm_main.h"

#include <QWidget>

using namespace forms;

namespace main_window {
namespace {

void name(Control &control, const QString &text, const QString &description = QString())
{
    control.widget()->setAccessibleName(text);
    control.widget()->setAccessibleDescription(description);
}

} // namespace

ScreenReaderNames::ScreenReaderNames(frmMain &main) : QObject(&main), m_main(main)
{
    nameFixedParts();
    for (int k = 1; k <= 4; ++k) {
        nameAnswer(k);
        connect(&main.harc(k), &TextBox::Change, this, [this, k] { nameAnswer(k); });
    }
    connect(main.lblQuestion, &TextBox::Change, this, &ScreenReaderNames::nameQuestionShown);
    // Connected after the window's own procedures, so these see the captions they have set.
    connect(main.Timer2, &Timer::Tick, this, &ScreenReaderNames::nameCountdown);
    connect(main.Timer3, &Timer::Tick, this, &ScreenReaderNames::namePause);
}

void ScreenReaderNames::nameFixedParts()
{
    name(*m_main.lblQuestion, tr("Question"));
    for (int k = 1; k <= 4; ++k) {
        name(m_main.harc(k), tr("Answer %1").arg(k), tr("Space or %1 chooses this answer").arg(k));
        name(m_main.numberPicture(k), QStringLiteral("%1.").arg(k));
    }
    name(*m_main.Label3, tr("Seconds left"));
    name(*m_main.Picture4, tr("Question number"));
    name(*m_main.lblpause, tr("Pause seconds left"));
    name(*m_main.splashik, tr("Lorvane 2004"), tr("File, Start begins a test of thirty questions"));
    name(*m_main.iScroll, tr("Results"));
}

void ScreenReaderNames::nameAnswer(int k)
{
    name(m_main.Option(k), QStringLiteral("%1. %2").arg(k).arg(m_main.harc(k).Text()), tr("Answer %1").arg(k));
}

// A new question: its number of the thirty, and a full minute again.
void ScreenReaderNames::nameQuestionShown()
{
    name(*m_main.Picture4, tr("Question %1 of 30").arg(m_main.questionOrdinal()));
    name(*m_main.Label3, tr("Seconds left"), tr("60 seconds left"));
}

// The count is read on request every second (the description); the name, which a reader
// announces when it changes, changes only when ten seconds are left and when the time is up.
void ScreenReaderNames::nameCountdown()
{
    const QString left = m_main.Label3->Caption();
    QString heading = m_main.Label3->widget()->accessibleName();
    if (left == QStringLiteral("10"))
        heading = tr("10 seconds left");
    else if (left == QStringLiteral("0"))
        heading = tr("Time is up");
    name(*m_main.Label3, heading, tr("%1 seconds left").arg(left));
}

void ScreenReaderNames::namePause()
{
    name(*m_main.lblpause, tr("Pause seconds left"), tr("%1 seconds of pause left").arg(m_main.lblpause->Caption()));
}

} // namespace main_window
