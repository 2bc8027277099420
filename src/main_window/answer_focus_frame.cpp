#include "main_window/answer_focus_frame.h"

#include "forms/frame.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "main_window/frm_main_controls.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace main_window {

AnswerFocusFrame::AnswerFocusFrame(frmMainControls &ui) : QWidget(ui.Frame2->widget()), m_ui(ui)
{
    setObjectName(QStringLiteral("answerFocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (int k = 1; k <= 4; ++k) {
        for (QWidget *widget : rowWidgets(k))
            widget->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

// The row follows the layout and hides with it.
bool AnswerFocusFrame::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (m_row != 0)
            place();
        break;
    default: break;
    }
    return false;
}

void AnswerFocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const auto inside = [this](int by) { return QRegion(rect().adjusted(by, by, -by, -by)); };
    painter.setClipRegion(inside(0) - inside(LineWidth));
    painter.fillRect(rect(), Qt::black);
    painter.setClipRegion(inside(LineWidth) - inside(LineWidth + GapWidth));
    painter.fillRect(rect(), Qt::white);
}

void AnswerFocusFrame::follow(QWidget *focused)
{
    m_row = 0;
    for (int k = 1; k <= 4 && focused; ++k) {
        if (rowWidgets(k).contains(focused))
            m_row = k;
    }
    place();
}

void AnswerFocusFrame::place()
{
    if (m_row == 0 || !m_ui.Option(m_row).widget()->isVisible()) {
        hide();
        return;
    }
    QRect area;
    for (const QWidget *widget : rowWidgets(m_row))
        area |= widget->geometry();
    const int ring = LineWidth + GapWidth;
    setGeometry(area.adjusted(-ring, -ring, ring, ring));
    raise();
    show();
    update();
}

QList<QWidget *> AnswerFocusFrame::rowWidgets(int k) const
{
    return {m_ui.numberPicture(k).widget(), m_ui.Option(k).widget(), m_ui.harc(k).widget()};
}

} // namespace main_window
