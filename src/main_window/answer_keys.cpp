#include "main_window/answer_keys.h"

#include "forms/command_button.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "main_window/frm_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace main_window {

AnswerKeys::AnswerKeys(frmMain &main) : QObject(&main), m_main(main)
{
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &AnswerKeys::onFocusChanged);
}

AnswerKeys::~AnswerKeys()
{
    qApp->removeEventFilter(this);
}

bool AnswerKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_main.splashik->widget() && event->type() == QEvent::Show)
        leaveCoveredControl(QApplication::focusWidget());
    if (watched == m_main.splashik->widget() && event->type() == QEvent::Hide)
        returnToTheTest();
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    if (target->window() != m_main.window())
        return false;
    if (leaveCoveredControl(target))
        return true;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (target == m_main.splashik->widget() && (key == Qt::Key_Tab || key == Qt::Key_Backtab))
        return true; // nothing on the screen on top to move to
    return handleKey(target, *static_cast<QKeyEvent *>(event));
}

// The title, pause and results screens cover the test's controls: a covered control must not
// take a key, or a Space on a hidden Start would run a test behind the title. The keyboard goes
// to the screen on top, which takes no key but the menus' and the toolbar's.
bool AnswerKeys::leaveCoveredControl(QWidget *widget)
{
    QWidget *screen = m_main.splashik->widget();
    if (!widget || !screen->isVisible() || widget == screen || screen->isAncestorOf(widget))
        return false;
    QWidget *window = m_main.window();
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    if (widget->window() != window || !QRect(screen->mapTo(window, QPoint(0, 0)), screen->size()).contains(area))
        return false;
    screen->setFocus(Qt::OtherFocusReason);
    return true;
}

bool AnswerKeys::handleKey(QWidget *target, const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return false;
    const int row = answerRowOf(target);
    switch (key.key()) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4: return chooseAnswer(key.key() - Qt::Key_0);
    case Qt::Key_Up: return row != 0 && focusAnswer(row == 1 ? 4 : row - 1);
    case Qt::Key_Down: return row != 0 && focusAnswer(row == 4 ? 1 : row + 1);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return row != 0 && chooseAnswer(row);
    default: return false; // Enter on a button presses it, as in every window
    }
}

// The keyboard comes back from the pause or title screen where the user goes on: to Next when
// an answer is chosen, so Enter checks it, else to the first answer.
void AnswerKeys::returnToTheTest()
{
    if (!testOnScreen())
        return;
    for (int k = 1; k <= 4; ++k) {
        if (m_main.Option(k).Value() && m_main.cmdNext->Enabled()) {
            m_main.cmdNext->SetFocus();
            return;
        }
    }
    m_main.Option(1).SetFocus();
}

// Exactly what a mouse click on the option does.
bool AnswerKeys::chooseAnswer(int k)
{
    if (!testOnScreen() || !m_main.Option(k).Enabled())
        return false;
    static_cast<QAbstractButton *>(m_main.Option(k).widget())->click();
    return true;
}

bool AnswerKeys::focusAnswer(int k)
{
    if (!testOnScreen())
        return false;
    m_main.Option(k).SetFocus();
    return true;
}

int AnswerKeys::answerRowOf(const QWidget *widget) const
{
    for (int k = 1; k <= 4; ++k) {
        if (widget == m_main.Option(k).widget() || widget == m_main.harc(k).widget())
            return k;
    }
    return 0;
}

bool AnswerKeys::testOnScreen() const
{
    return !m_main.splashik->Visible() && m_main.Option(1).Visible();
}

// A check disables Next and the focus would fall to the question text; the first answer of the
// new question is where the keyboard user wants to be.
void AnswerKeys::onFocusChanged(QWidget *old, QWidget *now)
{
    if (old && old == m_main.cmdNext->widget() && !old->isEnabled() && now && now->window() == m_main.window()
        && answerRowOf(now) == 0 && testOnScreen())
        m_main.Option(1).SetFocus();
}

} // namespace main_window
